#include "common/BodyWeight.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "support/TestEnvironment.h"

#include <QtTest>

// The stored body weight as the calorie calculations and the profile
// windows read it.
class TestBodyWeight : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedWeight_data();
    void storedWeight();
};

void TestBodyWeight::storedWeight_data()
{
    QTest::addColumn<QString>("stored"); // null: nothing stored
    QTest::addColumn<float>("pounds");
    QTest::addColumn<int>("whole");
    QTest::newRow("nothing stored") << QString() << 95.0f << 95;
    QTest::newRow("whole") << "160" << 160.0f << 160;
    QTest::newRow("half to even, down") << "150.5" << 150.5f << 150;
    QTest::newRow("half to even, up") << "151.5" << 151.5f << 152;
    QTest::newRow("exponent") << "1.5e2" << 150.0f << 150;
    QTest::newRow("lowest") << "0" << 0.0f << 0;
    QTest::newRow("highest") << "32767" << 32767.0f << 32767;
    QTest::newRow("too heavy") << "32768" << 95.0f << 95;
    QTest::newRow("negative") << "-1" << 95.0f << 95;
    QTest::newRow("no number") << "heavy" << 95.0f << 95;
    QTest::newRow("empty") << "" << 95.0f << 95;
    QTest::newRow("decimal comma") << "150,5" << 95.0f << 95;
}

void TestBodyWeight::storedWeight()
{
    QFETCH(QString, stored);
    QFETCH(float, pounds);
    QFETCH(int, whole);
    Settings settings(TestEnvironment::freshFolder() + "/s.ini");
    if (!stored.isNull())
        settings.set(SettingKeys::PersonalInformation, SettingKeys::Weight, stored);
    QCOMPARE(BodyWeight::pounds(settings), pounds);
    QCOMPARE(int(BodyWeight::wholePounds(settings)), whole);
}

PULSAR_TEST_MAIN_CORE(TestBodyWeight)
#include "tst_bodyweight.moc"
