#include "common/DateText.h"
#include "common/InParts.h"
#include "common/RecordFile.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "profile/PersonalProfile.h"
#include "profile/WeightHistory.h"
#include "support/BothWays.h"
#include "support/TestEnvironment.h"

#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

// The body-weight history file and the profile kept in the settings.
class TestWeightHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entryTakesWholeParts_data();
    void entryTakesWholeParts();
    void newRecordGoesFirstWhateverItsDate();
    void missingHistoryIsCreated();
    void trailingBlankLinesEndTheHistory();
    void damagedHistoryStaysAsItWas_data();
    void damagedHistoryStaysAsItWas();
    void readerKeepsWhatItCouldRead();
    void writtenHistoryIsNotCheckedAgain_data();
    void writtenHistoryIsNotCheckedAgain();
    void historyChangedSinceItWasWrittenIsCheckedAgain();
    void largeHistoryCheckedInParts_data();
    void largeHistoryCheckedInParts();
    void twoCopiesOfTheProgramLoseNoWeighing();
    void closingStoresNearestWholeNumbers();
    void unusableBoxKeepsTheStoredValue();
    void storedProfileAndItsDefaults();

private:
    static const QByteArray kPlaceholder;
};

const QByteArray TestWeightHistory::kPlaceholder = "\"Initializer\",0,0,0\r\n";

void TestWeightHistory::entryTakesWholeParts_data()
{
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("feet");
    QTest::addColumn<QString>("inches");
    QTest::addColumn<int>("recordAge");
    QTest::addColumn<int>("recordWeight");
    QTest::addColumn<int>("recordHeight");
    QTest::addColumn<QString>("problem");

    QTest::newRow("150.7 pounds, 5 ft 11 in") << "30" << "150.7" << "5" << "11" << 30 << 150 << 71 << "";
    QTest::newRow("5.9 feet count as 5") << "30.9" << "150" << "5.9" << "0" << 30 << 150 << 60 << "";
    QTest::newRow("largest height") << "0" << "0" << "2730" << "7" << 0 << 0 << 32767 << "";
    QTest::newRow("weight no number") << "30" << "abc" << "5" << "11" << 0 << 0 << 0
                                      << "Your weight must be a number from 0 to 32767.";
    QTest::newRow("empty age") << "" << "150" << "5" << "11" << 0 << 0 << 0
                               << "Your age must be a number from 0 to 32767.";
    QTest::newRow("weight too large") << "30" << "40000" << "5" << "11" << 0 << 0 << 0
                                      << "Your weight must be a number from 0 to 32767.";
    QTest::newRow("negative inches") << "30" << "150" << "5" << "-0.5" << 0 << 0 << 0
                                     << "Your height in inches must be a number from 0 to 32767.";
    QTest::newRow("height over 32767 inches") << "30" << "150" << "2730" << "8" << 0 << 0 << 0
                                              << "Your height must be at most 32767 inches in all.";
}

void TestWeightHistory::entryTakesWholeParts()
{
    QFETCH(QString, age);
    QFETCH(QString, weight);
    QFETCH(QString, feet);
    QFETCH(QString, inches);
    QFETCH(QString, problem);
    ProfileBoxes boxes;
    boxes.age = age;
    boxes.weight = weight;
    boxes.feet = feet;
    boxes.inches = inches;
    const auto entry = boxes.historyEntry();
    QCOMPARE(entry.problem, problem);
    if (entry.ok()) {
        QTEST(int(entry.age), "recordAge");
        QTEST(int(entry.weight), "recordWeight");
        QTEST(int(entry.height), "recordHeight");
    }
}

void TestWeightHistory::newRecordGoesFirstWhateverItsDate()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightHistory::kFileName, kPlaceholder);
    const WeightHistory history(folder);
    history.addFirst(QDate(2026, 12, 14), 30, 151, 71);
    history.addFirst(QDate(2026, 12, 14), 30, 150, 71); // same day, later save
    history.addFirst(QDate(2026, 12, 7), 30, 149, 71);  // a week back
    QCOMPARE(TestEnvironment::readFile(folder, WeightHistory::kFileName),
             QByteArray("\"07-Dec-26\",30,149,71\r\n"
                        "\"14-Dec-26\",30,150,71\r\n"
                        "\"14-Dec-26\",30,151,71\r\n")
                 + kPlaceholder);

    const auto contents = history.read();
    QVERIFY(!contents.error);
    QCOMPARE(contents.records.size(), 4);
    QCOMPARE(contents.records[0].day(), std::optional<QDate>(QDate(2026, 12, 7)));
    QVERIFY(!contents.records[0].isPlaceholder());
    QVERIFY(contents.records[3].isPlaceholder());
    QCOMPARE(contents.records[3].day(), std::nullopt);
}

void TestWeightHistory::missingHistoryIsCreated()
{
    const QString folder = TestEnvironment::freshFolder();
    WeightHistory(folder).addFirst(QDate(2026, 1, 5), 41, 180, 70);
    QCOMPARE(TestEnvironment::readFile(folder, WeightHistory::kFileName),
             QByteArray("\"05-Jan-26\",41,180,70\r\n"));
}

void TestWeightHistory::trailingBlankLinesEndTheHistory()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightHistory::kFileName, kPlaceholder + "\r\n \r\n\r\n");
    const WeightHistory history(folder);
    QCOMPARE(history.read().records.size(), 1);
    QVERIFY(!history.read().error);
    history.addFirst(QDate(2026, 1, 5), 41, 180, 70);
    QCOMPARE(TestEnvironment::readFile(folder, WeightHistory::kFileName),
             QByteArray("\"05-Jan-26\",41,180,70\r\n") + kPlaceholder);
}

void TestWeightHistory::damagedHistoryStaysAsItWas_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");
    QTest::newRow("ends inside a record")
        << QByteArray("\"14-Dec-26\",30,150,71\r\n\"07-Dec-26\",30,149\r\n") << int(RecordFileError::PastEnd);
    QTest::newRow("weight too large")
        << QByteArray("\"14-Dec-26\",30,40000,71\r\n") << int(RecordFileError::Overflow);
    QTest::newRow("age no number")
        << QByteArray("\"14-Dec-26\",thirty,150,71\r\n") << int(RecordFileError::TypeMismatch);
    QTest::newRow("quote inside a date")
        << QByteArray("14-Dec\"26,30,150,71\r\n") << int(RecordFileError::TypeMismatch);
}

void TestWeightHistory::damagedHistoryStaysAsItWas()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightHistory::kFileName, bytes);
    try {
        WeightHistory(folder).addFirst(QDate(2026, 12, 21), 30, 148, 71);
        QFAIL("a damaged history was rewritten");
    } catch (const RecordFileError &e) {
        QCOMPARE(int(e.code()), code);
        QVERIFY2(e.message().contains("PersonalInformation.txt"), qPrintable(e.message()));
    }
    QCOMPARE(TestEnvironment::readFile(folder, WeightHistory::kFileName), bytes);
}

void TestWeightHistory::writtenHistoryIsNotCheckedAgain_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray plain = "\"14-Dec-26\",30,150,71\r\n\"07-Dec-26\",30,149,71\r\n";
    QTest::newRow("as the writer writes it") << plain;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("a record over lines, with fractions") << "\"15-Dec-26\",30\r\n150.5,71\r\n" + plain;
    QTest::newRow("line feeds only, no last line end") << QByteArray(plain).replace("\r\n", "\n").chopped(1);
}

void TestWeightHistory::writtenHistoryIsNotCheckedAgain()
{
    // A history the program wrote comes to the next weighing in its written
    // form: that weighing makes the very bytes and form it makes of the same
    // history read and checked record by record.
    QFETCH(QByteArray, bytes);
    const QString file = QStringLiteral("PersonalInformation.txt");
    const auto weigh = [&](const QByteArray &history, QByteArrayView form, int i) {
        return WeightHistory::withFirst(history, form, file, QDate(2026, 12, 16).addDays(i), 30, qint16(140 + i), 71);
    };
    const FileBatch::Checked first = weigh(bytes, {}, 0);
    QVERIFY(!first.form.isEmpty());
    saveBothWays(first, 5, weigh);
}

void TestWeightHistory::historyChangedSinceItWasWrittenIsCheckedAgain()
{
    // Weighed twice by the program, then its oldest record damaged by
    // another program, the size kept: the next weighing reads every record
    // again and refuses the history, which stays as it was.
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightHistory::kFileName, "\"07-Dec-26\",30,149,71\r\n");
    const WeightHistory history(folder);
    history.addFirst(QDate(2026, 12, 14), 30, 150, 71);
    history.addFirst(QDate(2026, 12, 15), 30, 151, 71);
    QByteArray damaged = TestEnvironment::readFile(folder, WeightHistory::kFileName);
    damaged.replace(",149,", ",X49,");
    TestEnvironment::writeFile(folder, WeightHistory::kFileName, damaged);
    QVERIFY_THROWS_EXCEPTION(RecordFileError, history.addFirst(QDate(2026, 12, 16), 30, 152, 71));
    QCOMPARE(TestEnvironment::readFile(folder, WeightHistory::kFileName), damaged);
}

namespace {

// A history of `records` weighings as the writer writes them, one a day
// back from the last day of 2049: its lines.
QList<QByteArray> largeHistory(int records)
{
    QList<QByteArray> lines;
    for (int i = 0; i < records; ++i)
        lines.append('"' + DateText::medium(QDate(2049, 12, 31).addDays(-i)).toLatin1() + "\",40,"
                     + QByteArray::number(150 + i % 40) + ",70\r\n");
    return lines;
}

} // namespace

void TestWeightHistory::largeHistoryCheckedInParts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code"); // the error the weighing refuses it with, or -1
    QTest::addColumn<int>("line"); // and the line it names
    const QList<QByteArray> plain = largeHistory(30000);
    QVERIFY(plain.join().size() >= 4 * InParts::kLeastPart);
    const int late = 29000; // a record in the last part
    const auto with = [&](const QByteArray &from, const QByteArray &to) {
        QList<QByteArray> lines = plain;
        lines[late].replace(from, to);
        return lines.join();
    };
    QTest::newRow("as the writer writes it") << plain.join() << -1 << 0;
    QTest::newRow("one record with blanks and a fraction") << with(",40,", ", 40.0 ,") << -1 << 0;
    QTest::newRow("one record over two lines") << with(",40,", "\r\n40,") << -1 << 0;
    QTest::newRow("blank lines at the end") << plain.join() + "\r\n\r\n" << -1 << 0;
    QTest::newRow("a weight too large") << with(",40,", ",40,40000") << int(RecordFileError::Overflow) << late + 1;
    QTest::newRow("an age that is no number") << with(",40,", ",forty,") << int(RecordFileError::TypeMismatch)
                                              << late + 1;
}

// A history the program did not write in this run nor kept the form of,
// large enough to be checked in parts on several threads: the weighing
// makes the bytes and the form the one pass makes, and refuses what it
// refuses, naming the line.
void TestWeightHistory::largeHistoryCheckedInParts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    QFETCH(int, line);
    const QString file = QStringLiteral("PersonalInformation.txt");
    const auto weigh = [&](const QByteArray &history, QByteArrayView form, int i) {
        return WeightHistory::withFirst(history, form, file, QDate(2050, 1, 1).addDays(i), 30, qint16(140 + i), 71);
    };
    // A save comes to the same, its check of the history left until the new
    // history goes to the disk.
    const Saved saved = savedInFolder(bytes, [&](const QByteArray &history, QByteArrayView form) {
        return weigh(history, form, 0);
    });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(saved.error ? int(saved.error->code()) : -1, code);
    QCOMPARE(saved.error ? saved.error->line() : 0, line);
    QCOMPARE(saved.bytes, code < 0 ? "\"01-Jan-50\",30,140,71\r\n" + largeHistory(30000).join() : bytes);
    FileBatch::Checked first;
    try {
        first = weigh(bytes, {}, 0);
        QVERIFY2(code < 0, "a damaged history was taken");
    } catch (const RecordFileError &e) {
        QCOMPARE(int(e.code()), code);
        QCOMPARE(e.line(), line);
        return;
    }
    QCOMPARE(first.bytes, "\"01-Jan-50\",30,140,71\r\n" + largeHistory(30000).join());
    QVERIFY(!first.form.isEmpty());
    saveBothWays(first, 3, weigh);
}

void TestWeightHistory::readerKeepsWhatItCouldRead()
{
    // A record may span lines; reading stops at the first damaged record.
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightHistory::kFileName,
                               "\"14-Dec-26\",30\r\n150.5,71\r\n\"07-Dec-26\",30,x,71\r\n" + kPlaceholder);
    const auto contents = WeightHistory(folder).read();
    QCOMPARE(contents.records.size(), 1);
    QCOMPARE(contents.records[0].weight, 150.5);
    QCOMPARE(contents.records[0].height, 71.0);
    QVERIFY(contents.error);
    QCOMPARE(contents.error->code(), RecordFileError::TypeMismatch);
    QCOMPARE(contents.error->line(), 3);

    QVERIFY(WeightHistory(TestEnvironment::freshFolder()).read().records.isEmpty());
}

// Two copies of the program saving weighings into one folder at once: the
// folder's lock makes each save read the history the other one left, so
// every weighing reported saved is there.
void TestWeightHistory::twoCopiesOfTheProgramLoseNoWeighing()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightHistory::kFileName, kPlaceholder);
    constexpr int kSaves = 60;
    QList<pid_t> children;
    for (qint16 copy = 1; copy <= 2; ++copy) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            int saved = 0;
            for (int i = 0; i < kSaves; ++i) {
                try {
                    WeightHistory(folder).addFirst(QDate(2026, 12, 7), copy, qint16(100 + i), 70);
                    ++saved;
                } catch (const RecordFileError &) {
                }
            }
            ::_exit(saved == kSaves ? 0 : 1);
        }
        QVERIFY(pid > 0);
        children.append(pid);
    }
    for (pid_t pid : std::as_const(children)) {
        int status = 0;
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "a save was refused");
    }
    const WeightHistory::Contents contents = WeightHistory(folder).read();
    QVERIFY(!contents.error);
    QCOMPARE(contents.records.size(), 2 * kSaves + 1);
    for (int copy = 1; copy <= 2; ++copy) {
        QList<double> weights;
        for (const WeightHistoryRecord &r : contents.records) {
            if (r.age == copy)
                weights.prepend(r.weight);
        }
        QCOMPARE(weights.size(), kSaves);
        for (int i = 0; i < kSaves; ++i)
            QCOMPARE(weights[i], 100.0 + i); // in the order each copy saved them
    }
}

void TestWeightHistory::closingStoresNearestWholeNumbers()
{
    Settings settings(TestEnvironment::freshFolder() + "/s.ini");
    ProfileBoxes boxes{"Ada", "Byron", "36.5", "150.7", "5.9", "10.5", "Female"};
    QVERIFY(boxes.save(settings).isEmpty());
    using namespace SettingKeys;
    QCOMPARE(settings.get(PersonalInformation, FirstName, ""), QString("Ada"));
    QCOMPARE(settings.get(PersonalInformation, LastName, ""), QString("Byron"));
    QCOMPARE(settings.get(PersonalInformation, Weight, ""), QString("151"));
    QCOMPARE(settings.get(PersonalInformation, Age, ""), QString("36"));
    QCOMPARE(settings.get(PersonalInformation, HFeet, ""), QString("6"));
    QCOMPARE(settings.get(PersonalInformation, HInches, ""), QString("10"));
    QCOMPARE(settings.get(PersonalInformation, Sex, ""), QString("Female"));
}

void TestWeightHistory::unusableBoxKeepsTheStoredValue()
{
    Settings settings(TestEnvironment::freshFolder() + "/s.ini");
    using namespace SettingKeys;
    settings.set(PersonalInformation, Weight, "160");
    settings.set(PersonalInformation, Age, "40");
    ProfileBoxes boxes{"Ada", "Byron", "99999", "15O", "5", "11", "Female"};
    const QStringList kept = boxes.save(settings);
    QCOMPARE(kept.size(), 2);
    QVERIFY(kept[0].contains("weight"));
    QVERIFY(kept[1].contains("age"));
    QCOMPARE(settings.get(PersonalInformation, Weight, ""), QString("160"));
    QCOMPARE(settings.get(PersonalInformation, Age, ""), QString("40"));
    QCOMPARE(settings.get(PersonalInformation, HFeet, ""), QString("5"));
    QCOMPARE(settings.get(PersonalInformation, FirstName, ""), QString("Ada"));
}

void TestWeightHistory::storedProfileAndItsDefaults()
{
    Settings settings(TestEnvironment::freshFolder() + "/s.ini");
    PersonalProfile first = PersonalProfile::load(settings);
    QCOMPARE(first.firstName, QString("Enter First Name"));
    QCOMPARE(first.lastName, QString("Enter Last Name"));
    QCOMPARE(first.weight, qint16(95));
    QCOMPARE(first.age, qint16(15));
    QCOMPARE(first.feet, qint16(2));
    QCOMPARE(first.inches, qint16(1));
    QCOMPARE(first.sex, QString("M"));
    QCOMPARE(first.windowCaption(), QString("Personal Information"));

    using namespace SettingKeys;
    settings.set(PersonalInformation, FirstName, "Ada");
    settings.set(PersonalInformation, Weight, "450");
    settings.set(PersonalInformation, Age, "old");
    const PersonalProfile p = PersonalProfile::load(settings);
    QCOMPARE(p.weight, qint16(450));
    QCOMPARE(p.age, qint16(15));
    QCOMPARE(PersonalProfile::storedWeight(settings), qint16(450));
    QCOMPARE(p.windowCaption(),
             QString("Ada's Personal Information - Remember To Update Your Weight"));
}

PULSAR_TEST_MAIN_CORE(TestWeightHistory)
#include "tst_weighthistory.moc"
