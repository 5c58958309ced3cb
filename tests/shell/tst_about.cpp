#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"

#include "shell/MDIFitness.h"
#include "shell/Shape.h"
#include "shell/ShellWindows.h"
#include "shell/Twips.h"
#include "shell/frmAbout.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QTest>

// The About box: its texts and look, the return button and the system
// information button.
class TestAbout : public QObject
{
    Q_OBJECT

private:
    static frmAbout *openAbout(ShellFixture &fixture)
    {
        if (!fixture.trigger(QStringLiteral("itmGL")))
            return nullptr;
        return fixture.windowAs<frmAbout>(QStringLiteral("frmAbout"));
    }
    static QColor textColour(const QLabel *label)
    {
        return label->palette().color(QPalette::WindowText);
    }

private Q_SLOTS:
    void cleanup() { frmAbout::setLauncher({}); }

    void versionCaption_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("caption");
        QTest::newRow("plain") << "3.0.14" << "Version 3.0.14";
        QTest::newRow("leading zeros") << "3.00.0014" << "Version 3.0.14";
        QTest::newRow("two-digit parts") << "10.12.0" << "Version 10.12.0";
    }
    void versionCaption()
    {
        QFETCH(QString, version);
        QFETCH(QString, caption);
        QCOMPARE(frmAbout::versionCaption(version), caption);
    }

    void showsTheProgramsTextsAndLook()
    {
        ShellFixture fixture({registerShellWindows});
        frmAbout *about = openAbout(fixture);
        QVERIFY(about);
        QCOMPARE(fixture.openWindow(), about);
        QCOMPARE(about->frame()->windowTitle(), QStringLiteral("About Kestrava Pulsar\u00AE"));
        QCOMPARE(about->lblTitle->text(), QStringLiteral("Kestrava Pulsar"));
        QCOMPARE(about->lblVersion->text(), QStringLiteral("Version 3.0.14"));
        QCOMPARE(about->lblDescription->text(),
                 QStringLiteral("Kestrava Pulsar\u00AE Personal Fitness Tracker provides you with the latest "
                                "and most user friendly technology to keep track and motivate you towards "
                                "your fitness and dietary goals"));
        QCOMPARE(about->lblPrint->text(), QString(25, QLatin1Char(' ')) + QStringLiteral("OK "));
        QCOMPARE(about->lblSysInfo->text(), QString(25, QLatin1Char(' ')) + QStringLiteral("System Information"));
        QCOMPARE(about->lblPrint->toolTip(), QStringLiteral("Press to Return to Kestrava Pulsar "));
        QCOMPARE(about->lblSysInfo->toolTip(), QStringLiteral("View Your System Information"));

        // The warning: two sentences, all in capitals.
        const QString warning = about->lblDisclaimer->text();
        QCOMPARE(warning, warning.toUpper());
        QCOMPARE(warning.count(QRegularExpression(QStringLiteral("\\.(\\s|$)"))), 2);
        QVERIFY(warning.endsWith(QLatin1Char('.')));

        // Centred over the main window as a strip 40 twips tall, grown downwards.
        QCOMPARE(about->widthTwips(), 7050);
        QCOMPARE(about->leftTwips(), (fixture.shell().mainWidthTwips() - 7050) / 2);
        QCOMPARE(about->topTwips(), (fixture.shell().mainHeightTwips() - 40) / 2);
        QVERIFY(about->heightTwips() >= 4570);
        QVERIFY(about->hasGradient());

        // The common font first, then the box's own restyling.
        QCOMPARE(about->lblDisclaimer->font().family(), QStringLiteral("Small Fonts"));
        QCOMPARE(about->lblDisclaimer->font().pointSize(), 6);
        QCOMPARE(about->lblTitle->font().pointSize(), 14);
        QCOMPARE(about->lblVersion->font().pointSize(), 10);
        QVERIFY(about->lblDescription->font().bold());
        QCOMPARE(textColour(about->lblDescription), QColor(Qt::white));
        QCOMPARE(textColour(about->lblPrint), QColor(Qt::black));
        QCOMPARE(textColour(about->lblSysInfo), QColor(Qt::black));

        // Two round buttons, each on its shadow.
        for (Shape *shape : {about->shpFrontPrint, about->shpBackPrint, about->shpSysInf, about->shpSysInfoB}) {
            QCOMPARE(shape->kind(), Shape::Circle);
            QCOMPARE(Twips::top(shape), 2640);
            QCOMPARE(Twips::width(shape), 1215);
            QCOMPARE(Twips::height(shape), 1215);
        }
        QCOMPARE(about->shpFrontPrint->fillColor(), QColor(0, 255, 0));
        QCOMPARE(about->shpSysInf->fillColor(), QColor(0, 255, 0));
        QCOMPARE(Twips::left(about->shpFrontPrint), 315);
        QCOMPARE(Twips::left(about->shpBackPrint), 266);
        QCOMPARE(Twips::left(about->shpSysInf), 5595);
        QCOMPARE(Twips::left(about->shpSysInfoB), 5546);
    }

    // The return button unloads the box; its menu check mark stays until the
    // next hand-over.
    void returnButtonUnloadsTheBox()
    {
        ShellFixture fixture({registerShellWindows});
        frmAbout *about = openAbout(fixture);
        QVERIFY(about);
        QVERIFY(fixture.isChecked(QStringLiteral("itmGL")));

        QTest::mouseClick(about->lblPrint, Qt::LeftButton);
        ShellFixture::settle();
        QVERIFY(!fixture.window(QStringLiteral("frmAbout")));
        QVERIFY(fixture.messages().isEmpty());
        QCOMPARE(fixture.checkedItems(), QStringList{QStringLiteral("itmGL")});

        QVERIFY(fixture.trigger(QStringLiteral("itmTut")));
        QCOMPARE(fixture.checkedItems(), QStringList{QStringLiteral("itmTut")});
    }

    // The button comes back up before the tool starts; only a failure says
    // anything, and the box stays open either way.
    void systemInformation_data()
    {
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("started") << true << QStringList();
        QTest::newRow("not found or failed")
            << false << QStringList{QStringLiteral("System Information Is Unavailable At This Time")};
    }
    void systemInformation()
    {
        QFETCH(bool, starts);
        QFETCH(QStringList, messages);

        ShellFixture fixture({registerShellWindows});
        frmAbout *about = openAbout(fixture);
        QVERIFY(about);
        const QPoint shapeAtRest(Twips::left(about->shpSysInf), Twips::top(about->shpSysInf));
        const QPoint labelAtRest(Twips::left(about->lblSysInfo), Twips::top(about->lblSysInfo));
        int launches = 0;
        QPoint shapeAtLaunch;
        QPoint labelAtLaunch;
        frmAbout::setLauncher([&] {
            ++launches;
            shapeAtLaunch = QPoint(Twips::left(about->shpSysInf), Twips::top(about->shpSysInf));
            labelAtLaunch = QPoint(Twips::left(about->lblSysInfo), Twips::top(about->lblSysInfo));
            return starts;
        });

        QTest::mouseClick(about->lblSysInfo, Qt::LeftButton);
        ShellFixture::settle();
        QCOMPARE(launches, 1);
        QCOMPARE(shapeAtLaunch, shapeAtRest);
        QCOMPARE(labelAtLaunch, labelAtRest);
        QCOMPARE(fixture.messages(), messages);
        QCOMPARE(fixture.window(QStringLiteral("frmAbout")), about);
        QCOMPARE(QPoint(Twips::left(about->shpSysInf), Twips::top(about->shpSysInf)), shapeAtRest);
    }

    // With no tool on the search path, the box's own launcher gives the message.
    void noToolOnThePath()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", TestEnvironment::freshFolder(QStringLiteral("emptybin")).toLocal8Bit());
        ShellFixture fixture({registerShellWindows});
        frmAbout *about = openAbout(fixture);
        QVERIFY(about);
        about->StartSysInfo();
        qputenv("PATH", path);
        QCOMPARE(fixture.messages(), QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
    }
};

PULSAR_TEST_MAIN(TestAbout)
#include "tst_about.moc"
