#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "profile/WeightGoal.h"
#include "support/TestEnvironment.h"

#include <QtTest>

// The goal rule and what the goal window stores.
class TestWeightGoal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void goalIsJudgedAndStored_data();
    void goalIsJudgedAndStored();
    void storedGoalAndItsDefaults();
    void metabolicAdjustment_data();
    void metabolicAdjustment();
};

void TestWeightGoal::goalIsJudgedAndStored_data()
{
    QTest::addColumn<QString>("goal");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("goalBox"); // empty: the box keeps what was typed

    const QString accepted = WeightGoal::kAcceptedMessage;
    QTest::newRow("149 in 7 days") << "149" << 7 << WeightGoal::kTooFastMessage << false << "95";
    QTest::newRow("149 in 8 days") << "149" << 8 << accepted << true << "";
    QTest::newRow("79 in 500 days, exactly 0.142") << "79" << 500 << accepted << true << "";
    QTest::newRow("78.9 in 500 days") << "78.9" << 500 << WeightGoal::kTooFastMessage << false << "95";
    QTest::newRow("140 ten days ago") << "140" << -10 << accepted << true << "";
    QTest::newRow("160 in 30 days") << "160" << 30 << accepted << true << "";
    QTest::newRow("today") << "149" << 0 << WeightGoal::kTodayMessage << false << "";
    QTest::newRow("no number") << "1S0" << 30 << WeightGoal::kNotANumberMessage << false << "";
    QTest::newRow("below one pound") << "-5" << -30 << WeightGoal::kNotANumberMessage << false << "";
}

void TestWeightGoal::goalIsJudgedAndStored()
{
    QFETCH(QString, goal);
    QFETCH(int, days);
    QFETCH(bool, stored);
    QFETCH(QString, goalBox);
    Settings settings(TestEnvironment::freshFolder() + "/s.ini");
    const QDate today(2026, 3, 1);
    const QDate goalDate = today.addDays(days);

    const auto out = WeightGoal::enter(settings, 150, goal, goalDate, today);
    QTEST(out.message, "message");
    QCOMPARE(out.stored, stored);
    QCOMPARE(out.goalBoxText.value_or(QString()), goalBox);
    if (stored) {
        QCOMPARE(settings.get(SettingKeys::Goals, WeightGoal::kGoalWeightKey, ""), goal);
        QCOMPARE(settings.get(SettingKeys::Goals, WeightGoal::kGoalDateKey, ""),
                 goalDate.toString("M/d/yyyy"));
    } else {
        QVERIFY(!settings.contains(SettingKeys::Goals, WeightGoal::kGoalWeightKey));
        QVERIFY(!settings.contains(SettingKeys::Goals, WeightGoal::kGoalDateKey));
    }
}

void TestWeightGoal::storedGoalAndItsDefaults()
{
    Settings settings(TestEnvironment::freshFolder() + "/s.ini");
    const QDate today(2026, 3, 1);
    QCOMPARE(WeightGoal::storedGoalWeight(settings, "150"), QString("150"));
    QCOMPARE(WeightGoal::storedGoalDate(settings, today), today);

    // A refusal for speed puts the stored goal back.
    QVERIFY(WeightGoal::enter(settings, 150, "140.5", QDate(2026, 6, 1), today).stored);
    const auto refused = WeightGoal::enter(settings, 150, "100", QDate(2026, 3, 10), today);
    QCOMPARE(refused.goalBoxText, std::optional<QString>("140.5"));
    QCOMPARE(WeightGoal::storedGoalWeight(settings, "150"), QString("140.5"));
    QCOMPARE(WeightGoal::storedGoalDate(settings, today), QDate(2026, 6, 1));

    settings.set(SettingKeys::Goals, WeightGoal::kGoalWeightKey, "lots");
    settings.set(SettingKeys::Goals, WeightGoal::kGoalDateKey, "someday");
    QCOMPARE(WeightGoal::storedGoalWeight(settings, "150"), QString("150"));
    QCOMPARE(WeightGoal::storedGoalDate(settings, today), today);
}

void TestWeightGoal::metabolicAdjustment_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("stored"); // what "Met" holds afterwards
    QTest::addColumn<bool>("refused");
    QTest::newRow("whole") << "-25" << "-25" << false;
    QTest::newRow("half to even") << "12.5" << "12" << false;
    QTest::newRow("no number keeps the stored value") << "fast" << "30" << true;
    QTest::newRow("too large keeps the stored value") << "40000" << "30" << true;
}

void TestWeightGoal::metabolicAdjustment()
{
    QFETCH(QString, box);
    QFETCH(QString, stored);
    QFETCH(bool, refused);
    Settings settings(TestEnvironment::freshFolder() + "/s.ini");
    QCOMPARE(WeightGoal::storedMet(settings), qint16(0));
    settings.set(SettingKeys::PersonalInformation, SettingKeys::Met, "30");
    QCOMPARE(WeightGoal::saveMet(settings, box).isEmpty(), !refused);
    QCOMPARE(settings.get(SettingKeys::PersonalInformation, SettingKeys::Met, ""), stored);
    QCOMPARE(WeightGoal::storedMet(settings), qint16(stored.toShort()));
}

PULSAR_TEST_MAIN_CORE(TestWeightGoal)
#include "tst_weightgoal.moc"
