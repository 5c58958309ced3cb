#include "common/DateText.h"
#include "common/NumberText.h"
#include "common/Windows1252.h"
#include "support/TestEnvironment.h"

#include <QtTest>

#include <limits>

#include <clocale>

class TestTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void roundsToDecimals_data();
    void roundsToDecimals();
    void wholeNumbersOf32Bits_data();
    void wholeNumbersOf32Bits();
    void writesShortestNumbers_data();
    void writesShortestNumbers();
    void parsesNumbers_data();
    void parsesNumbers();
    void mediumDateRoundTrips_data();
    void mediumDateRoundTrips();
    void fixedTextsIgnoreTheLocale();
    void rejectsDatesThatAreNoDates_data();
    void rejectsDatesThatAreNoDates();
    void dateBytesReadAsTheirText_data();
    void dateBytesReadAsTheirText();
};

void TestTexts::cleanup()
{
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, "C");
}

void TestTexts::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("150.5") << 150.5 << 150.0;
    QTest::newRow("151.5") << 151.5 << 152.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("-6.5") << -6.5 << -6.0;
    QTest::newRow("50.5") << 50.5 << 50.0;
    QTest::newRow("2.51") << 2.51 << 3.0;
}

void TestTexts::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(NumberText::roundHalfEven(value), expected);
}

void TestTexts::roundsToDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");
    QTest::newRow("third") << 300.0 / 30.0 / 150.0 << 4 << 0.0667;
    QTest::newRow("tie down") << 0.06665 << 4 << 0.0666;
    QTest::newRow("tie up") << 0.06675 << 4 << 0.0668;
    QTest::newRow("carry") << 0.99996 << 4 << 1.0;
    QTest::newRow("negative") << -2.345 << 2 << -2.34;
    QTest::newRow("already short") << 1.5 << 4 << 1.5;
}

void TestTexts::roundsToDecimals()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(NumberText::roundHalfEven(value, decimals), expected);
}

void TestTexts::wholeNumbersOf32Bits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("whole");
    QTest::newRow("-36.3") << -36.3 << true << -36;
    QTest::newRow("-49.5") << -49.5 << true << -50;
    QTest::newRow("largest, rounded down") << 2147483647.4 << true << 2147483647;
    QTest::newRow("past the largest, a half rounded up") << 2147483647.5 << false << 0;
    QTest::newRow("smallest, a half rounded to even") << -2147483648.5 << true << -2147483647 - 1;
    QTest::newRow("past the smallest") << -2147483649.0 << false << 0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void TestTexts::wholeNumbersOf32Bits()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, whole);
    QCOMPARE(NumberText::whole32(value), fits ? std::optional<qint32>(whole) : std::nullopt);
}

void TestTexts::writesShortestNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("isSingle");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 35.0 << false << "35";
    QTest::newRow("below one") << 0.05 << true << "0.05";
    QTest::newRow("quarter") << 14.25 << true << "14.25";
    QTest::newRow("single third") << 1.0 / 3.0 << true << "0.3333333";
    QTest::newRow("double third") << 1.0 / 3.0 << false << "0.333333333333333";
    QTest::newRow("negative") << -0.5 << false << "-0.5";
    QTest::newRow("big single") << 123456789.0 << true << "123456800";
    QTest::newRow("tiny") << 0.0000125 << false << "0.0000125";
    QTest::newRow("zero") << 0.0 << true << "0";
}

void TestTexts::writesShortestNumbers()
{
    QFETCH(double, value);
    QFETCH(bool, isSingle);
    QFETCH(QString, text);
    QCOMPARE(isSingle ? NumberText::single(float(value)) : NumberText::dbl(value), text);
}

void TestTexts::parsesNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("point") << "37.5" << true << 37.5;
    QTest::newRow("leading point") << ".05" << true << 0.05;
    QTest::newRow("negative leading point") << "-.5" << true << -0.5;
    QTest::newRow("blanks") << " 12 " << true << 12.0;
    QTest::newRow("exponent") << "1E+3" << true << 1000.0;
    QTest::newRow("comma") << "37,5" << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("trailing letters") << "12kg" << false << 0.0;
    QTest::newRow("infinite") << "1e999" << false << 0.0;
}

void TestTexts::parsesNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto parsed = NumberText::parse(text);
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(*parsed, value);
}

void TestTexts::mediumDateRoundTrips_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("first year") << QDate(1950, 1, 1) << "01-Jan-50";
    QTest::newRow("last year") << QDate(2049, 12, 31) << "31-Dec-49";
    QTest::newRow("2030 is not 1930") << QDate(2030, 6, 15) << "15-Jun-30";
    QTest::newRow("today") << QDate(2026, 12, 7) << "07-Dec-26";
    QTest::newRow("leap day") << QDate(2028, 2, 29) << "29-Feb-28";
}

void TestTexts::mediumDateRoundTrips()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    for (const char *locale : {"C", "de_DE.UTF-8"}) {
        QVERIFY(std::setlocale(LC_ALL, locale));
        QLocale::setDefault(QLocale(QString::fromLatin1(locale).section(u'.', 0, 0)));
        QCOMPARE(DateText::medium(date), text);
        QCOMPARE(DateText::parseMedium(text), std::optional<QDate>(date));
    }
}

void TestTexts::fixedTextsIgnoreTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8"));
    const QDate d(2026, 3, 7);
    QCOMPARE(DateText::shortDate(d), QString("3/7/2026"));
    QCOMPARE(DateText::parseShort(u"3/7/2026"), std::optional<QDate>(d));
    QCOMPARE(DateText::dayMonth(d), QString("7-Mar"));
    QCOMPARE(DateText::percent(0.375), QString("37.50%"));
    QCOMPARE(DateText::parseMedium(u"7-mar-26"), std::optional<QDate>(d));
    QCOMPARE(DateText::parseMedium(u"07-Mär-26"), std::nullopt);
    QVERIFY(DateText::longDate(d).contains(u"März"));
}

void TestTexts::rejectsDatesThatAreNoDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("placeholder") << "Initializer";
    QTest::newRow("no such day") << "31-Feb-26";
    QTest::newRow("no such month") << "01-Foo-26";
    QTest::newRow("empty") << "";
    QTest::newRow("iso") << "2026-12-07";
}

void TestTexts::rejectsDatesThatAreNoDates()
{
    QFETCH(QString, text);
    QCOMPARE(DateText::parseMedium(text), std::nullopt);
}

// A Date field's bytes read as the same date as its text, whatever their
// form.
void TestTexts::dateBytesReadAsTheirText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("as written") << QByteArray("07-Dec-26");
    QTest::newRow("lower case") << QByteArray("07-dec-26");
    QTest::newRow("upper case") << QByteArray("07-DEC-49");
    QTest::newRow("two digits before 1950") << QByteArray("31-Dec-50");
    QTest::newRow("one-digit day") << QByteArray("7-Dec-26");
    QTest::newRow("four-digit year") << QByteArray("07-Dec-2026");
    QTest::newRow("blanks around") << QByteArray(" 07-Dec-26 ");
    QTest::newRow("no-break space before") << QByteArray("\xa0" "07-Dec-26");
    QTest::newRow("no such day") << QByteArray("31-Feb-26");
    QTest::newRow("no such month") << QByteArray("07-Dex-26");
    QTest::newRow("high byte for a letter") << QByteArray("07-D\xe9" "c-26");
    QTest::newRow("slashes") << QByteArray("07/Dec/26");
}

void TestTexts::dateBytesReadAsTheirText()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(DateText::parseMedium(QByteArrayView(bytes)), DateText::parseMedium(Windows1252::decode(bytes)));
}

PULSAR_TEST_MAIN_CORE(TestTexts)
#include "tst_texts.moc"
