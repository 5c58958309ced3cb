#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"
#include "support/TextFit.h"

#include "common/SettingKeys.h"
#include "shell/MDIFitness.h"
#include "shell/frmIntroPage.h"
#include "shell/mQuotes.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

namespace {

WindowRegistry::Registrar introPage(int draw)
{
    return [draw](WindowRegistry &registry) {
        registry.add(frmIntroPage::kName,
                     [draw](Shell &shell) { return new frmIntroPage(shell, [draw] { return draw; }); });
    };
}

ShellFixture::Options named(const QString &firstName)
{
    ShellFixture::Options options;
    if (!firstName.isNull())
        options.settings = {{SettingKeys::PersonalInformation, SettingKeys::FirstName, firstName}};
    return options;
}

frmIntroPage *openPage(ShellFixture &fixture)
{
    fixture.main().ShowIntroPage();
    return static_cast<frmIntroPage *>(fixture.window(frmIntroPage::kName));
}

} // namespace

class TestIntroPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawShowsItsEntryTitledWithTheFirstName_data()
    {
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("quotation");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("caption");
        const mQuotes::Quote fallback = mQuotes::entry(0);
        const mQuotes::Quote last = mQuotes::entry(38);
        const mQuotes::Quote personal = mQuotes::personal("Ann");
        QTest::newRow("0 is the default entry") << 0 << "Ann" << fallback.text << fallback.author
                                                << "Ann's Inspiration For The Day";
        QTest::newRow("32 greets by name") << 32 << "Ann" << personal.text << personal.author
                                           << "Ann's Inspiration For The Day";
        QTest::newRow("38, the last drawn") << 38 << "Ann" << last.text << last.author
                                            << "Ann's Inspiration For The Day";
        QTest::newRow("no first name stored") << 38 << QString() << last.text << last.author
                                              << "Enter First Name's Inspiration For The Day";
    }
    void drawShowsItsEntryTitledWithTheFirstName()
    {
        QFETCH(int, draw);
        QFETCH(QString, firstName);
        QFETCH(QString, quotation);
        QFETCH(QString, author);
        QFETCH(QString, caption);
        ShellFixture fixture({introPage(draw)}, named(firstName));
        frmIntroPage *page = openPage(fixture);
        QCOMPARE(page->Label1->text(), quotation);
        QCOMPARE(page->Label2->text(), author);
        QCOMPARE(page->windowTitle(), caption);
        QCOMPARE(page->Label1->font().family(), QStringLiteral("Helvatica"));
        if (draw == 32) {
            QVERIFY(page->Label1->text().startsWith("Ann "));
            QVERIFY(page->Label2->text().startsWith("- "));
        }
    }

    void theQuotationTable()
    {
        QSet<QString> texts;
        for (int n = 1; n <= mQuotes::kCount; ++n) {
            const mQuotes::Quote q = mQuotes::entry(n);
            QVERIFY2(q.text.length() >= 31 && q.text.length() <= 318, qPrintable(q.text));
            QVERIFY2(q.author.startsWith(" - ") && q.author.length() > 3, qPrintable(q.author));
            texts.insert(q.text);
        }
        QCOMPARE(texts.size(), 39);
        QCOMPARE(mQuotes::entry(40).text, mQuotes::entry(0).text);
        QCOMPARE(mQuotes::entry(-1).text, mQuotes::entry(0).text);
        QVERIFY(!texts.contains(mQuotes::entry(0).text));
    }

    void longQuotationsAreSetSmaller()
    {
        // The default entry is 125 characters long, entry 32 126.
        QCOMPARE(mQuotes::entry(0).text.length(), 125);
        QCOMPARE(mQuotes::entry(32).text.length(), 126);
        for (int n = 0; n <= 40; ++n) {
            QLabel quotation;
            QLabel author;
            QFont designed = quotation.font();
            designed.setPointSizeF(14.25);
            quotation.setFont(designed);
            qint16 draw = qint16(n);
            mQuotes::ShowQuote(draw, &quotation, &author);
            const qreal expected = quotation.text().length() >= 126 ? 14.0 : 14.25;
            QCOMPARE(quotation.font().pointSizeF(), expected);
        }
    }

    // However long the author's name, the whole author line stands inside
    // the page.
    void everyAuthorLineFitsThePage()
    {
        for (int draw = 0; draw < mQuotes::kCount; ++draw) {
            ShellFixture fixture({introPage(draw)}, named("Ann"));
            frmIntroPage *page = openPage(fixture);
            const QLabel *author = page->Label2;
            const QString where = QStringLiteral("draw %1: %2").arg(draw).arg(author->text());
            QVERIFY2(page->rect().contains(author->geometry()), qPrintable(where));
            QVERIFY2(author->fontMetrics().horizontalAdvance(author->text()) <= author->width(), qPrintable(where));
            QVERIFY2(author->font().pointSizeF() >= 9, qPrintable(where));
        }
    }

    // Every quotation, the default one and the greeting by name included,
    // stands whole in the page.
    void everyQuotationFitsThePage()
    {
        QStringList misfits;
        for (int draw = 0; draw <= mQuotes::kCount + 1; ++draw) {
            ShellFixture fixture({introPage(draw)}, named(QString()));
            frmIntroPage *page = openPage(fixture);
            misfits << TextFit::describe(QStringLiteral("draw %1").arg(draw), TextFit::misfits(page));
        }
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));
    }

    void theFirstNameIsPlainText()
    {
        ShellFixture fixture({introPage(32)}, named("<b>Ann</b>"));
        frmIntroPage *page = openPage(fixture);
        QCOMPARE(page->Label1->textFormat(), Qt::PlainText);
        QCOMPARE(page->Label2->textFormat(), Qt::PlainText);
        QVERIFY(page->Label1->text().startsWith("<b>Ann</b> "));
    }

    void thePageStaysAsLongAsItsQuotation_data()
    {
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<int>("interval");
        QTest::newRow("50 characters") << 36 << "Ann" << 5000;
        QTest::newRow("a long first name is capped") << 32 << QString(1000, 'A') << 65535;
    }
    void thePageStaysAsLongAsItsQuotation()
    {
        QFETCH(int, draw);
        QFETCH(QString, firstName);
        QFETCH(int, interval);
        ShellFixture fixture({introPage(draw)}, named(firstName));
        frmIntroPage *page = openPage(fixture);
        QCOMPARE(page->Timer1->interval(), interval);
        QVERIFY(page->Timer1->isActive());
        QCOMPARE(frmIntroPage::intervalFor(318), 31800);
    }

    void growsThenShrinksOnItsTimer()
    {
        ShellFixture fixture({introPage(4)}, named("Ann"));
        fixture.main().setChecked("itmGoal", true);
        frmIntroPage *page = openPage(fixture);
        QCOMPARE(page->heightTwips(), 4600);
        QCOMPARE(page->widthTwips(), 6000);
        QCOMPARE(page->topTwips(), (fixture.main().mainHeightTwips() - 4590) / 2);
        QVERIFY(page->hasGradient());
        QPointer<frmIntroPage> guard(page);

        page->Timer1_Timer();
        QVERIFY(guard);
        QCOMPARE(page->heightTwips(), 250);
        QVERIFY(!page->Timer1->isActive());
        QCOMPARE(fixture.loadedNames(), QStringList());
        QCOMPARE(fixture.checkedItems(), QStringList());
    }

    void aHandOverClosesThePageAtOnce()
    {
        ShellFixture fixture({introPage(4)}, named("Ann"));
        frmIntroPage *page = openPage(fixture);
        QPointer<frmIntroPage> guard(page);
        QVERIFY(fixture.trigger("itmGoal")); // not registered: opens nothing
        QVERIFY(guard);
        QVERIFY(page->heightTwips() <= 405 && page->heightTwips() > 402);
        QVERIFY(!page->Timer1->isActive());
        QCOMPARE(fixture.loadedNames(), QStringList());
        QCOMPARE(fixture.checkedItems(), QStringList{"itmGoal"});
        ShellFixture::settle();
        QVERIFY(!guard);
    }

    void closingTheProgramStopsTheTimer()
    {
        auto *fixture = new ShellFixture({introPage(4)}, named("Ann"));
        frmIntroPage *page = openPage(*fixture);
        QPointer<QTimer> timer = page->Timer1;
        fixture->main().close();
        QVERIFY(!timer || !timer->isActive());
        QCOMPARE(fixture->loadedNames(), QStringList());
        delete fixture;
    }

    void theTimerClosesThePageByItself()
    {
        // Entry 4 is 31 characters: 3.1 seconds.
        ShellFixture fixture({introPage(4)}, named("Ann"));
        openPage(fixture);
        QCOMPARE(fixture.loadedNames(), QStringList{"frmIntroPage"});
        QTRY_VERIFY_WITH_TIMEOUT(fixture.loadedNames().isEmpty(), 6000);
    }

    void theProgramStartsWithThePage()
    {
        ShellFixture::Options options = named("Ann");
        options.start = true;
        ShellFixture fixture({introPage(7)}, options);
        QCOMPARE(fixture.loadedNames(), QStringList{"frmIntroPage"});
        QVERIFY(fixture.main().windowState() & Qt::WindowMaximized);
    }
};

PULSAR_TEST_MAIN(TestIntroPage)
#include "tst_intropage.moc"
