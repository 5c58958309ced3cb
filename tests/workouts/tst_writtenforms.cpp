#include "common/DateText.h"
#include "common/FileBatch.h"
#include "common/InParts.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "support/BothWays.h"
#include "support/TestEnvironment.h"
#include "workouts/AerobicLog.h"
#include "workouts/CalorieJournal.h"
#include "workouts/ExerciseLog.h"

#include <QtTest>

// A journal or log the program wrote comes to its next save in its written
// form, which that save need not check again: the save makes the very bytes,
// and the very form, it makes of the same file read and checked record by
// record. Each case saves into the file again and again, every save made
// both ways.
class TestWrittenForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestEnvironment::install(); }
    void journalInsertions_data();
    void journalInsertions();
    void weightLogEntries_data();
    void weightLogEntries();
    void aerobicLogInsertions_data();
    void aerobicLogInsertions();
    void journalChangedSinceItWasWrittenIsCheckedAgain();
    void journalOfTheLastRunIsTakenUpOrCheckedAgain_data();
    void journalOfTheLastRunIsTakenUpOrCheckedAgain();
    void largeJournalCheckedInParts_data();
    void largeJournalCheckedInParts();
    void largeLogsCheckedInParts_data();
    void largeLogsCheckedInParts();

private:
    // The dates the saves of each case are made for, in turn: a day before
    // every record, a day some records have, one between records, one after
    // all of them, the newest day again, and last one its two-digit year
    // reads back as a century later.
    static QList<QDate> days()
    {
        return {QDate(2026, 12, 10), QDate(2026, 12, 5), QDate(2026, 12, 3), QDate(2020, 1, 1),
                QDate(2026, 12, 10), QDate(2026, 12, 5), QDate(1949, 12, 2)};
    }
};

void TestWrittenForms::journalInsertions_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("formed"); // whether the first save leaves it in a written form
    const QByteArray plain = "\"09-Dec-26\",100\r\n\"09-Dec-26\",50\r\n\"05-Dec-26\",20\r\n\"01-Nov-26\",7\r\n";
    QTest::newRow("as the writer writes it") << plain << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("line feeds only") << QByteArray(plain).replace("\r\n", "\n") << true;
    QTest::newRow("byte-order mark, no last line end") << "\xEF\xBB\xBF" + plain.chopped(2) << true;
    QTest::newRow("blank lines at the end") << plain + "\r\n\r\n" << true;
    QTest::newRow("dates rising") << QByteArray("\"01-Nov-26\",7\r\n\"09-Dec-26\",100\r\n") << false;
    QTest::newRow("fractions and blanks") << QByteArray("\"09-Dec-26\", 100.5\r\n\"05-Dec-26\",20.25 \r\n") << true;
    QTest::newRow("a record over two lines") << QByteArray("\"09-Dec-26\"\r\n100\r\n\"05-Dec-26\",20\r\n") << true;
}

void TestWrittenForms::journalInsertions()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, formed);
    const QString name = CalorieJournal::kExerciseFileName;
    // The new records keep their fractions, and are whole numbers from the
    // save after on: an exercise's calories, and a food's correction.
    const auto insert = [&](const QByteArray &journal, QByteArrayView form, int i) {
        const QDate day = days()[i % days().size()];
        return i % 2 == 0 ? CalorieJournal::insertedChecked(journal, form, name, day, 142.5f)
                          : CalorieJournal::insertedExactChecked(journal, form, name, day, -36.3);
    };
    FileBatch::Checked now = insert(bytes, {}, 0);
    QCOMPARE(!now.form.isEmpty(), formed);
    const qsizetype records = CalorieJournal::parse(now.bytes, name).size();
    now = saveBothWays(now, 13, insert);
    if (QTest::currentTestFailed())
        return;
    const QList<CalorieJournalEntry> back = CalorieJournal::parse(now.bytes, name);
    QCOMPARE(back.size(), records + 13);
    // The record of 1949 reads back as one of 2049, after older ones: the
    // journal's dates no longer fall, and it is not taken for one whose do.
    QVERIFY(now.form.isEmpty());
}

void TestWrittenForms::weightLogEntries_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("formed");
    const QByteArray plain = "\"09-Dec-26\",100,10,105,9\r\n\"05-Dec-26\",90,10,95,9\r\n";
    QTest::newRow("as the writer writes it") << plain << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("an entry over lines, as a save writes a new one")
        << "\"10-Dec-26\"\r\n100,10\r\n105,9\r\n" + plain << true;
    QTest::newRow("line feeds only") << QByteArray(plain).replace("\r\n", "\n") << true;
    QTest::newRow("byte-order mark, no last line end") << "\xEF\xBB\xBF" + plain.chopped(2) << true;
    QTest::newRow("numbers with blanks and fractions") << QByteArray("\"09-Dec-26\", 100 ,10.4,105,9\r\n") << true;
}

void TestWrittenForms::weightLogEntries()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, formed);
    const QString name = QStringLiteral("BiCurl.txt");
    const auto save = [&](const QByteArray &log, QByteArrayView form, int i) {
        const ExerciseLogEntry entry{DateText::medium(days()[i % days().size()]),
                                     {SetResult{qint16(100 + i), qint16(10)}, SetResult{qint16(105), qint16(9 - i % 3)}},
                                     {}};
        return ExerciseLog::withFirstChecked(entry, log, form, name, 2);
    };
    FileBatch::Checked now = save(bytes, {}, 0);
    QCOMPARE(!now.form.isEmpty(), formed);
    const qsizetype entries = ExerciseLog::parse(now.bytes, name, 2).size();
    now = saveBothWays(now, 7, save);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(ExerciseLog::parse(now.bytes, name, 2).size(), entries + 7);
    // A log of other sets is another form.
    const ExerciseLogEntry three{QStringLiteral("11-Dec-26"), {{1, 1}, {2, 2}, {3, 3}}, {}};
    QVERIFY_THROWS_EXCEPTION(RecordFileError, ExerciseLog::withFirstChecked(three, now.bytes, now.form, name, 3));
}

void TestWrittenForms::aerobicLogInsertions_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("formed");
    const QByteArray plain = "\"09-Dec-26\",75,7,\"Hilly \"\r\n\"05-Dec-26\",30,3,\"Flat\"\r\n\"05-Dec-26\",20,2,\"Flat\"\r\n";
    QTest::newRow("as the writer writes it") << plain << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("line feeds only") << QByteArray(plain).replace("\r\n", "\n") << true;
    QTest::newRow("byte-order mark, no last line end") << "\xEF\xBB\xBF" + plain.chopped(2) << true;
    QTest::newRow("a record over lines") << "\"10-Dec-26\"\r\n75\r\n7\r\n\"Hilly\"\r\n" + plain << true;
    QTest::newRow("dates rising") << QByteArray("\"01-Nov-26\",5,1,\"Flat\"\r\n\"09-Dec-26\",75,7,\"Hilly\"\r\n")
                                  << false;
}

void TestWrittenForms::aerobicLogInsertions()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, formed);
    const QString name = QStringLiteral("OuRunning.txt");
    const auto layout = AerobicLog::Layout::Full;
    const auto insert = [&](const QByteArray &log, QByteArrayView form, int i) {
        AerobicLogEntry e;
        e.date = days()[i % days().size()];
        e.dateText = DateText::medium(e.date);
        e.minutes = qint16(60 + i);
        e.distance = qint16(i);
        e.terrain = i % 2 ? QStringLiteral("Hilly ") : AerobicLog::kNoTerrain;
        return AerobicLog::insertedChecked(log, form, name, layout, e);
    };
    FileBatch::Checked now = insert(bytes, {}, 0);
    QCOMPARE(!now.form.isEmpty(), formed);
    const qsizetype records = AerobicLog::parse(now.bytes, name, layout).size();
    now = saveBothWays(now, 13, insert);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(AerobicLog::parse(now.bytes, name, layout).size(), records + 13);
}

void TestWrittenForms::journalChangedSinceItWasWrittenIsCheckedAgain()
{
    // Saved twice by the program, then one record's date damaged by another
    // program, the size kept: the next save reads every record again and
    // refuses the journal, naming the line; it stays as it was.
    const QString folder = TestEnvironment::freshFolder();
    const QString path = RecordFile::path(folder, CalorieJournal::kExerciseFileName);
    TestEnvironment::writeFile(folder, CalorieJournal::kExerciseFileName,
                               "\"09-Dec-26\",100\r\n\"05-Dec-26\",20\r\n\"01-Nov-26\",7\r\n");
    CalorieJournal::insert(path, QDate(2026, 12, 10), 142.5f);
    CalorieJournal::insert(path, QDate(2026, 12, 6), 10);
    QByteArray damaged = TestEnvironment::readFile(folder, CalorieJournal::kExerciseFileName);
    const qsizetype at = damaged.indexOf("01-Nov-26");
    QVERIFY(at > 0);
    damaged[at + 3] = 'X';
    TestEnvironment::writeFile(folder, CalorieJournal::kExerciseFileName, damaged);
    try {
        CalorieJournal::insert(path, QDate(2026, 12, 11), 5);
        QFAIL("the damaged journal was saved into");
    } catch (const RecordFileError &e) {
        QCOMPARE(e.code(), RecordFileError::TypeMismatch);
        QCOMPARE(e.line(), 5);
    }
    QCOMPARE(TestEnvironment::readFile(folder, CalorieJournal::kExerciseFileName), damaged);
}

void TestWrittenForms::journalOfTheLastRunIsTakenUpOrCheckedAgain_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::newRow("as the last run left it") << false;
    QTest::newRow("a date damaged since, the size kept") << true;
}

// Saved into twice by one run of the program, which keeps the forms as it
// ends; the next run's first save makes the very bytes a save that reads
// every record makes, and still refuses a journal damaged in between.
void TestWrittenForms::journalOfTheLastRunIsTakenUpOrCheckedAgain()
{
    QFETCH(bool, damaged);
    const QString folder = TestEnvironment::freshFolder();
    const QString name = CalorieJournal::kExerciseFileName;
    const QString path = RecordFile::path(folder, name);
    TestEnvironment::writeFile(folder, name, "\"09-Dec-26\",100\r\n\"05-Dec-26\",20\r\n\"01-Nov-26\",7\r\n");
    FileBatch::forgetThisRun();
    QVERIFY(FileBatch::recover(folder));
    CalorieJournal::insert(path, QDate(2026, 12, 10), 142.5f);
    CalorieJournal::insert(path, QDate(2026, 12, 6), -36.25f);
    FileBatch::keepForms(folder);
    FileBatch::forgetThisRun();
    QByteArray before = TestEnvironment::readFile(folder, name);
    if (damaged) {
        before[before.indexOf("01-Nov-26") + 3] = 'X';
        TestEnvironment::writeFile(folder, name, before);
    }
    QVERIFY(FileBatch::recover(folder));
    if (!damaged) {
        const QByteArray expected = CalorieJournal::inserted(before, name, QDate(2026, 12, 7), 5);
        CalorieJournal::insert(path, QDate(2026, 12, 7), 5);
        QCOMPARE(TestEnvironment::readFile(folder, name), expected);
    } else {
        try {
            CalorieJournal::insert(path, QDate(2026, 12, 7), 5);
            QFAIL("the damaged journal was saved into");
        } catch (const RecordFileError &e) {
            QCOMPARE(e.line(), 5);
        }
        QCOMPARE(TestEnvironment::readFile(folder, name), before);
    }
    FileBatch::forgetThisRun();
}

namespace {

// A journal of `records` records as the writer writes them, three a day
// back from the last day of 2049: its lines and their dates.
struct LargeJournal
{
    QList<QByteArray> lines;
    QList<QDate> dates;

    explicit LargeJournal(int records)
    {
        for (int i = 0; i < records; ++i) {
            dates.append(QDate(2049, 12, 31).addDays(-i / 3));
            lines.append(line(dates.last(), QByteArray::number(100 + i % 900)));
        }
    }
    static QByteArray line(const QDate &date, const QByteArray &calories)
    {
        return '"' + DateText::medium(date).toLatin1() + "\"," + calories + "\r\n";
    }
    QByteArray bytes() const { return lines.join(); }
    // The journal with `added` before the first record dated on or before
    // `date`, found line by line.
    QByteArray with(const QDate &date, const QByteArray &added) const
    {
        QList<QByteArray> out = lines;
        qsizetype at = 0;
        while (at < dates.size() && dates[at] > date)
            ++at;
        out.insert(at, added);
        return out.join();
    }
};

} // namespace

void TestWrittenForms::largeJournalCheckedInParts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected"); // the journal the insertion makes
    QTest::addColumn<bool>("formed");
    QTest::addColumn<int>("refusedLine"); // the line the insertion refuses, or 0
    // About a megabyte: several parts on a machine of several processors.
    const LargeJournal plain(60000);
    const QDate day = plain.dates[30000];
    const QByteArray added = LargeJournal::line(day, "142.5");
    const QByteArray made = plain.with(day, added);
    QVERIFY(plain.bytes().size() >= 4 * InParts::kLeastPart);
    const qsizetype late = 59000; // a record in the last part

    QTest::newRow("as the writer writes it") << plain.bytes() << made << true << 0;
    {
        LargeJournal j = plain;
        j.lines[late].replace(",", ",  ").replace("\r\n", ".0\r\n");
        QTest::newRow("one record with blanks and a fraction") << j.bytes() << made << true << 0;
    }
    {
        LargeJournal j = plain;
        j.lines[late].replace(",", "\r\n");
        QTest::newRow("one record over two lines") << j.bytes() << made << true << 0;
    }
    {
        // As a save leaves it, its new record keeping its fraction; and one
        // more such record, which no written form holds.
        LargeJournal j = plain;
        LargeJournal whole = plain;
        j.lines[late] = LargeJournal::line(j.dates[late], "142.5");
        whole.lines[late] = LargeJournal::line(j.dates[late], "142");
        QTest::newRow("one record with a fraction") << j.bytes() << whole.with(day, added) << true << 0;
        j.lines[1000] = LargeJournal::line(j.dates[1000], "-36.5");
        whole.lines[1000] = LargeJournal::line(j.dates[1000], "-36");
        QTest::newRow("two records with fractions") << j.bytes() << whole.with(day, added) << true << 0;
    }
    QTest::newRow("blank lines at the end") << plain.bytes() + "\r\n \r\n" << made << true << 0;
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + plain.bytes() << made << true << 0;
    {
        LargeJournal j = plain;
        j.lines[late].replace("-", "+");
        QTest::newRow("a date that is no date") << j.bytes() << QByteArray() << false << int(late + 1);
    }
    {
        // Each where the journal's runs of days of one month are gone over
        // in one pass; a record taken anew for the written form where the
        // one pass writes it back another way.
        LargeJournal j = plain;
        j.lines[late].replace(",", ",0");
        QTest::newRow("a number with a leading zero") << j.bytes() << made << true << 0;
        j = plain;
        j.lines[late].replace("\r\n", "\n");
        QTest::newRow("a line ended by a line feed alone") << j.bytes() << made << true << 0;
        j = plain;
        j.lines[late] = LargeJournal::line(j.dates[late], "12345");
        QTest::newRow("a number of five digits") << j.bytes() << j.with(day, added) << true << 0;
        j = plain;
        j.lines[late] = j.lines[late].toUpper();
        QTest::newRow("a month in capitals") << j.bytes() << j.with(day, added) << true << 0;
        // The month's last record, so that only its own day can refuse it.
        qsizetype monthEnd = late;
        while (plain.dates[monthEnd + 1].month() == plain.dates[monthEnd].month())
            ++monthEnd;
        j = plain;
        j.lines[monthEnd].replace(0, 3, "\"00");
        QTest::newRow("a day 00") << j.bytes() << QByteArray() << false << int(monthEnd + 1);
        j = plain;
        j.lines[late].replace(0, 3, "\"32");
        QTest::newRow("a day 32") << j.bytes() << QByteArray() << false << int(late + 1);
        j = plain;
        j.dates[late] = j.dates[late].addMonths(1);
        j.lines[late] = LargeJournal::line(j.dates[late], "7");
        QTest::newRow("a date a month later") << j.bytes() << j.with(day, added) << false << 0;
        // Dated as the first record of its part (the last), which the
        // part's reading started with.
        j = plain;
        const QList<qsizetype> starts = InParts::lineStarts(j.bytes(), InParts::kLeastPart);
        qsizetype first = 0;
        for (qsizetype offset = 0; offset < starts.last(); offset += j.lines[first++].size()) {
        }
        QVERIFY(first < late);
        j.dates[late] = j.dates[first];
        j.lines[late] = LargeJournal::line(j.dates[late], "7");
        QTest::newRow("a date rising to its part's first") << j.bytes() << j.with(day, added) << false << 0;
        // One byte of a record spoilt, in the middle of a month's run and
        // in the first record of a month: the line the one pass refuses
        // (without its comma, the record's second field is the next line's).
        struct Spoilt
        {
            const char *name;
            qsizetype at;      // the record
            int byte;          // its byte
            char to;           // made this
            qsizetype refused; // the record the one pass refuses
        };
        // A 19th day's first record: a second digit of ':' reads as 20.
        qsizetype nineteenth = late;
        while (plain.dates[nineteenth].day() != 19)
            ++nineteenth;
        const Spoilt spoilt[] = {
            {"an opening quote spoilt", late, 0, '\'', late},
            {"a day's second digit spoilt", nineteenth, 2, ':', nineteenth},
            {"a dash after the day spoilt", late, 3, '+', late},
            {"a dash before the year spoilt", late, 7, '+', late},
            {"a closing quote spoilt", late, 10, '\'', late},
            {"a comma spoilt", late, 11, ';', late + 1},
            {"a month's first closing quote spoilt", monthEnd + 1, 10, '\'', monthEnd + 1},
            {"a month's first comma spoilt", monthEnd + 1, 11, ';', monthEnd + 2},
        };
        for (const Spoilt &s : spoilt) {
            j = plain;
            j.lines[s.at][s.byte] = s.to;
            QTest::newRow(s.name) << j.bytes() << QByteArray() << false << int(s.refused + 1);
        }
        const std::pair<const char *, const char *> endings[] = {{"a letter after the number", "x\r\n"},
                                                                 {"a letter for the carriage return", "x\n"}};
        for (const auto &[name, ending] : endings) {
            j = plain;
            j.lines[late].replace("\r\n", ending);
            QTest::newRow(name) << j.bytes() << QByteArray() << false << int(late + 1);
        }
        j = plain;
        j.dates[late] = j.dates[late].addYears(-1);
        j.lines[late] = LargeJournal::line(j.dates[late], "7");
        QTest::newRow("a day of the year before among its month's") << j.bytes() << j.with(day, added) << false << 0;
        // The first record of a month, read in full, a day earlier than the
        // one after it.
        j = plain;
        j.dates[monthEnd + 1] = j.dates[monthEnd + 1].addDays(-1);
        j.lines[monthEnd + 1] = LargeJournal::line(j.dates[monthEnd + 1], "7");
        QTest::newRow("a date rising after a month's first") << j.bytes() << j.with(day, added) << false << 0;
        // Read as a date all the same (" 1-Jan-96" as the 1st), the days
        // after it later.
        j = plain;
        j.lines[monthEnd + 1][1] = ' ';
        QTest::newRow("a blank for a month's first day's digit") << j.bytes() << j.with(day, added) << false << 0;
    }
    {
        LargeJournal j = plain;
        std::swap(j.lines[late], j.lines[late + 3]);
        std::swap(j.dates[late], j.dates[late + 3]);
        QTest::newRow("dates rising within a part") << j.bytes() << j.with(day, added) << false << 0;
    }
    {
        // The first record of a later part dated a day after the last
        // record of the part before it: each part falls, the journal
        // does not.
        LargeJournal j = plain;
        const QList<qsizetype> starts = InParts::lineStarts(j.bytes(), InParts::kLeastPart);
        if (starts.size() > 2) {
            qsizetype at = 0;
            for (qsizetype offset = 0; offset < starts[2]; offset += j.lines[at++].size()) {
            }
            j.dates[at] = j.dates[at - 1].addDays(1);
            j.lines[at] = LargeJournal::line(j.dates[at], "7");
            QTest::newRow("dates rising where a part starts") << j.bytes() << j.with(day, added) << false << 0;
        }
    }
}

// A journal the program did not write in this run nor kept the form of,
// large enough to be checked in parts on several threads: the insertion
// makes the bytes and the form the one pass makes, and refuses what it
// refuses.
void TestWrittenForms::largeJournalCheckedInParts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    QFETCH(bool, formed);
    QFETCH(int, refusedLine);
    const QString name = CalorieJournal::kExerciseFileName;
    const QDate day = LargeJournal(60000).dates[30000];
    const auto insert = [&](const QByteArray &journal, QByteArrayView form, int i) {
        return CalorieJournal::insertedChecked(journal, form, name, day.addDays(-i * 400), 142.5f);
    };
    // A save comes to the same, its check of the journal left until the
    // new journal goes to the disk.
    const Saved saved = savedInFolder(bytes, [&](const QByteArray &journal, QByteArrayView form) {
        return insert(journal, form, 0);
    });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(saved.error ? saved.error->line() : 0, refusedLine);
    QCOMPARE(saved.bytes, refusedLine ? bytes : expected);
    FileBatch::Checked now;
    try {
        now = insert(bytes, {}, 0);
        QVERIFY2(refusedLine == 0, "a damaged journal was taken");
    } catch (const RecordFileError &e) {
        QCOMPARE(e.line(), refusedLine);
        QCOMPARE(e.code(), RecordFileError::TypeMismatch);
        QCOMPARE(saved.error->code(), e.code());
        return;
    }
    QCOMPARE(now.bytes, expected);
    QCOMPARE(!now.form.isEmpty(), formed);
    saveBothWays(now, 3, insert);
}

void TestWrittenForms::largeLogsCheckedInParts_data()
{
    QTest::addColumn<bool>("aerobic"); // else a weight-training log of five sets
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("formed"); // whether the save leaves it in a written form
    QList<QByteArray> weight, aerobic;
    for (int i = 0; i < 30000; ++i) {
        const QByteArray date = '"' + DateText::medium(QDate(2049, 6, 30).addDays(-i)).toLatin1() + '"';
        weight.append(date + ",100,10,105,9,110,8,115,7,120," + QByteArray::number(1 + i % 9) + "\r\n");
        aerobic.append(date + ',' + QByteArray::number(20 + i % 40) + ",3,\"Hills\"\r\n");
    }
    const int late = 29000; // an entry in the last part
    const auto with = [&](QList<QByteArray> lines, qsizetype at, const QByteArray &line) {
        lines[at] = line;
        return lines.join();
    };
    QTest::newRow("weight, as the writer writes it") << false << weight.join() << true;
    QTest::newRow("weight, its first entry over lines, as a save writes a new one")
        << false << "\"01-Jul-49\"\r\n100,10\r\n105,9\r\n110,8\r\n115,7\r\n120,6\r\n" + weight.join() << true;
    QTest::newRow("weight, an entry over lines further on")
        << false << with(weight, late, QByteArray(weight[late]).replace(",100,", "\r\n100,")) << true;
    QTest::newRow("weight, a fraction") << false << with(weight, late, QByteArray(weight[late]).replace(",100,", ",100.5,"))
                                        << true;
    QTest::newRow("weight, a number that is none")
        << false << with(weight, late, QByteArray(weight[late]).replace(",100,", ",1x0,")) << false;
    QTest::newRow("aerobic, as the writer writes it") << true << aerobic.join() << true;
    QTest::newRow("aerobic, dates rising") << true << with(aerobic, late, aerobic[10]) << false;
    QTest::newRow("aerobic, a date that is no date")
        << true << with(aerobic, late, QByteArray(aerobic[late]).replace("-", "+")) << false;
    QTest::newRow("aerobic, blank lines at the end") << true << aerobic.join() + "\r\n\r\n" << true;
}

// Logs the program did not write in this run nor kept the forms of, large
// enough to be checked in parts on several threads: a save makes the bytes
// and the form, or the refusal, of the one pass, which a form gone stale
// (naming no record of the file) leaves every save to.
void TestWrittenForms::largeLogsCheckedInParts()
{
    QFETCH(bool, aerobic);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, formed);
    QVERIFY(bytes.size() >= 4 * InParts::kLeastPart);
    const QString name = QStringLiteral("a log.txt");
    const auto save = [&](const QByteArray &log, QByteArrayView form, int i) {
        const QDate day = QDate(2049, 7, 2).addDays(i);
        if (aerobic)
            return AerobicLog::insertedChecked(log, form, name, AerobicLog::Layout::Full,
                                               AerobicLogEntry{DateText::medium(day), day, 30, 4, QStringLiteral("Flat"), {}});
        return ExerciseLog::withFirstChecked(
            ExerciseLogEntry{DateText::medium(day), {{100, 10}, {105, 9}, {110, 8}, {115, 7}, {120, 6}}, {}}, log, form,
            name, 5);
    };
    const auto outcome = [&](QByteArrayView form) -> std::pair<std::optional<FileBatch::Checked>, QString> {
        try {
            return {save(bytes, form, 0), QString()};
        } catch (const RecordFileError &e) {
            return {std::nullopt, e.message()};
        }
    };
    const auto inParts = outcome({});
    const auto onePass = outcome("a form gone stale");
    QCOMPARE(inParts.second, onePass.second);
    QCOMPARE(inParts.first.has_value(), onePass.first.has_value());
    // A save comes to the same, its check of the log left until the new
    // log goes to the disk.
    const Saved saved = savedInFolder(bytes, [&](const QByteArray &log, QByteArrayView form) { return save(log, form, 0); });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(saved.error ? saved.error->message() : QString(), onePass.second);
    QCOMPARE(saved.bytes, onePass.first ? onePass.first->bytes : bytes);
    if (!inParts.first)
        return;
    QCOMPARE(inParts.first->bytes, onePass.first->bytes);
    QCOMPARE(inParts.first->form, onePass.first->form);
    QCOMPARE(!inParts.first->form.isEmpty(), formed);
    saveBothWays(*inParts.first, 3, save);
}

PULSAR_TEST_MAIN_CORE(TestWrittenForms)
#include "tst_writtenforms.moc"
