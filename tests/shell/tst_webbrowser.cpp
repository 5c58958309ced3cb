#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"

#include "shell/Shell.h"
#include "shell/ShellWindows.h"
#include "shell/TextBox.h"
#include "shell/frmWebBrowser.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

namespace {

// Takes the addresses the program hands to the user's web browser.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

// The tutorial browser: its pages, its three buttons and the location box.
class TestWebBrowser : public QObject
{
    Q_OBJECT

private:
    static frmWebBrowser *openTutorial(ShellFixture &fixture)
    {
        if (!fixture.trigger(QStringLiteral("itmTut")))
            return nullptr;
        return fixture.windowAs<frmWebBrowser>(QStringLiteral("frmWebBrowser"));
    }
    // The page on display, as the browser and the location box (its title)
    // have it.
    static void checkShows(frmWebBrowser *browser, const QUrl &page, const QString &title)
    {
        QCOMPARE(browser->WebBrowser1->source(), page);
        QCOMPARE(browser->txtLocation->text(), title);
        QCOMPARE(browser->WebBrowser1->documentTitle(), title);
    }

private Q_SLOTS:
    void opensOnTheTutorialPage()
    {
        ShellFixture fixture({registerShellWindows});
        frmWebBrowser *browser = openTutorial(fixture);
        QVERIFY(browser);
        QCOMPARE(fixture.openWindow(), browser);
        QCOMPARE(fixture.checkedItems(), QStringList{QStringLiteral("itmTut")});
        checkShows(browser, frmWebBrowser::tutorialPage(), QStringLiteral("Kestrava Pulsar Tutorial"));
        QVERIFY(browser->WebBrowser1->toPlainText().contains(QStringLiteral("Help > Scrolling Off")));

        QCOMPARE(browser->cmdBack->text(), QStringLiteral("<<<Previous"));
        QCOMPARE(browser->cmdForward->text(), QStringLiteral("Forward>>>"));
        QCOMPARE(browser->cmdHomePage->text(), QStringLiteral("Home Page"));
        QCOMPARE(browser->lblLocation->text(), QStringLiteral("Location"));
        QCOMPARE(browser->widthTwips(), 9705);
        QCOMPARE(browser->leftTwips(), (fixture.shell().mainWidthTwips() - 9705) / 2);
        QCOMPARE(browser->topTwips(), (fixture.shell().mainHeightTwips() - 40) / 10);
        QVERIFY(browser->heightTwips() >= 6990);
        QVERIFY(browser->hasGradient());
    }

    void homeBackAndForward()
    {
        ShellFixture fixture({registerShellWindows});
        frmWebBrowser *browser = openTutorial(fixture);
        QVERIFY(browser);

        QTest::mouseClick(browser->cmdHomePage, Qt::LeftButton);
        checkShows(browser, frmWebBrowser::homePage(), QStringLiteral("Kestrava Pulsar"));
        QTest::mouseClick(browser->cmdBack, Qt::LeftButton);
        checkShows(browser, frmWebBrowser::tutorialPage(), QStringLiteral("Kestrava Pulsar Tutorial"));
        QTest::mouseClick(browser->cmdForward, Qt::LeftButton);
        checkShows(browser, frmWebBrowser::homePage(), QStringLiteral("Kestrava Pulsar"));

        // At the newest page Forward changes nothing.
        QTest::mouseClick(browser->cmdForward, Qt::LeftButton);
        checkShows(browser, frmWebBrowser::homePage(), QStringLiteral("Kestrava Pulsar"));
        QVERIFY(fixture.messages().isEmpty());
    }

    void backWithNoEarlierPageDoesNothing()
    {
        ShellFixture fixture({registerShellWindows});
        frmWebBrowser *browser = openTutorial(fixture);
        QVERIFY(browser);
        QTest::mouseClick(browser->cmdBack, Qt::LeftButton);
        QTest::mouseClick(browser->cmdBack, Qt::LeftButton);
        checkShows(browser, frmWebBrowser::tutorialPage(), QStringLiteral("Kestrava Pulsar Tutorial"));
        QVERIFY(fixture.messages().isEmpty());
        QCOMPARE(fixture.window(QStringLiteral("frmWebBrowser")), browser);
    }

    // Links between the program's pages stay in the window, and the location
    // box follows them; web addresses go to the user's browser.
    void followsLinks()
    {
        ShellFixture fixture({registerShellWindows});
        frmWebBrowser *browser = openTutorial(fixture);
        QVERIFY(browser);
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");

        Q_EMIT browser->WebBrowser1->anchorClicked(QUrl(QStringLiteral("#help")));
        QUrl section = frmWebBrowser::tutorialPage();
        section.setFragment(QStringLiteral("help"));
        QCOMPARE(browser->WebBrowser1->source(), section);
        QCOMPARE(browser->txtLocation->text(), QStringLiteral("Kestrava Pulsar Tutorial"));

        Q_EMIT browser->WebBrowser1->anchorClicked(QUrl(QStringLiteral("home.html")));
        checkShows(browser, frmWebBrowser::homePage(), QStringLiteral("Kestrava Pulsar"));

        const QUrl web(QStringLiteral("https://example.org/fitness"));
        Q_EMIT browser->WebBrowser1->anchorClicked(web);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(recorder.opened, QList<QUrl>{web});
        checkShows(browser, frmWebBrowser::homePage(), QStringLiteral("Kestrava Pulsar"));

        QTest::mouseClick(browser->cmdBack, Qt::LeftButton);
        QCOMPARE(browser->WebBrowser1->source(), section);
    }

    void locationNamesThePage_data()
    {
        QTest::addColumn<QUrl>("address");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shown");
        QTest::newRow("its title") << frmWebBrowser::tutorialPage() << "Kestrava Pulsar Tutorial"
                                   << "Kestrava Pulsar Tutorial";
        QTest::newRow("no title: the file") << QUrl("qrc:/tutorial/notes.html") << "" << "notes.html";
        QTest::newRow("a blank title") << QUrl("qrc:/tutorial/notes.html#top") << "  " << "notes.html";
    }
    void locationNamesThePage()
    {
        QFETCH(QUrl, address);
        QFETCH(QString, title);
        QTEST(frmWebBrowser::locationText(address, title), "shown");
    }

    // Every link of the shipped pages leads to a page, section or style sheet
    // that exists.
    void everyLinkOfThePagesLeadsSomewhere()
    {
        ShellFixture fixture({registerShellWindows});
        QVERIFY(openTutorial(fixture)); // the pages are registered with the window
        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        QStringList pages;
        QDirIterator it(QStringLiteral(":/tutorial"), {QStringLiteral("*.html")});
        while (it.hasNext())
            pages << it.next();
        QVERIFY(pages.size() >= 2);
        for (const QString &page : pages) {
            QFile file(page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            const QUrl base(QStringLiteral("qrc") + page);
            for (auto m = link.globalMatch(html); m.hasNext();) {
                const QUrl target = base.resolved(QUrl(m.next().captured(1)));
                const QString where = page + QStringLiteral(" -> ") + target.toString();
                QVERIFY2(target.scheme() == QLatin1String("qrc"), qPrintable(where));
                QFile linked(QLatin1Char(':') + target.path());
                QVERIFY2(linked.open(QIODevice::ReadOnly), qPrintable(where));
                if (target.hasFragment()) {
                    const QByteArray anchor = "name=\"" + target.fragment().toUtf8() + '"';
                    QVERIFY2(linked.readAll().contains(anchor), qPrintable(where));
                }
            }
        }
    }
};

PULSAR_TEST_MAIN(TestWebBrowser)
#include "tst_webbrowser.moc"
