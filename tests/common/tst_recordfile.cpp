#include "common/FileBatch.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordHead.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"
#include "common/Windows1252.h"
#include "support/FileSizeLimit.h"
#include "support/TestEnvironment.h"

#include <QtTest>

#include <stdexcept>

#include <limits>

#include <QElapsedTimer>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

class TestRecordFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesOneLinePerRecord_data();
    void writesOneLinePerRecord();
    void readsWhatWasWritten();
    void datesReadInEveryForm_data();
    void datesReadInEveryForm();
    void textKeepsCommasButNotQuotes();
    void recordsSpanLines();
    void emptyFileHasNoRecords();
    void loneBlankLineEndsInsideTheRecord();
    void trailingBlankLinesEndTheFile();
    void wholeNumbersRoundHalfToEven_data();
    void wholeNumbersRoundHalfToEven();
    void conversionErrorsNameFileAndLine_data();
    void conversionErrorsNameFileAndLine();
    void generalValuesKeepTheirKind();
    void everyByteRoundTrips();
    void verbatimOnlyWhereTheWriterAgrees_data();
    void verbatimOnlyWhereTheWriterAgrees();
    void plainLinesManyAtATime_data();
    void plainLinesManyAtATime();
    void dayRunsAreReadInOneGo();
    void nextDaysAreReadWhileTaken_data();
    void nextDaysAreReadWhileTaken();
    void headReadsAsTheWholeFile_data();
    void headReadsAsTheWholeFile();
    void missingFileReadsAsEmpty();
    void byteOrderMarkIsSkippedAtTheStartOnly();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void appendStartsANewLine();
    void failedRewriteLeavesTheFileAlone();
};

void TestRecordFile::writesOneLinePerRecord_data()
{
    QTest::addColumn<QList<RecordValue>>("values");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("history record")
        << QList<RecordValue>{RecordValue::text("07-Dec-26"), RecordValue::dbl(35), RecordValue::whole(180),
                              RecordValue::whole(70)}
        << QByteArray("\"07-Dec-26\",35,180,70\r\n");
    QTest::newRow("booleans and date")
        << QList<RecordValue>{RecordValue::boolean(true), RecordValue::boolean(false),
                              RecordValue::date(QDate(2026, 12, 7))}
        << QByteArray("#TRUE#,#FALSE#,#2026-12-07#\r\n");
    QTest::newRow("decimals and empty")
        << QList<RecordValue>{RecordValue::single(0.05f), RecordValue::single(14.25f), RecordValue(),
                              RecordValue::dbl(-3), RecordValue::single(1.0f / 3.0f)}
        << QByteArray("0.05,14.25,,-3,0.3333333\r\n");
    QTest::newRow("large and small")
        << QList<RecordValue>{RecordValue::dbl(123456789012.0), RecordValue::dbl(0.000015)}
        << QByteArray("123456789012,0.000015\r\n");
    QTest::newRow("widest whole numbers")
        << QList<RecordValue>{RecordValue::whole(std::numeric_limits<qint64>::min()), RecordValue::text(""),
                              RecordValue::whole(std::numeric_limits<qint64>::max())}
        << QByteArray("-9223372036854775808,\"\",9223372036854775807\r\n");
    QTest::newRow("no value") << QList<RecordValue>{} << QByteArray("\r\n");
}

void TestRecordFile::writesOneLinePerRecord()
{
    QFETCH(QList<RecordValue>, values);
    QFETCH(QByteArray, line);
    QCOMPARE(RecordWriter::line(values), line);
}

void TestRecordFile::readsWhatWasWritten()
{
    // A German locale must not change how numbers are written or read.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8"));
    RecordWriter w;
    w.write({RecordValue::text("Biceps Curl"), RecordValue::single(37.5f), RecordValue::boolean(true),
             RecordValue::date(QDate(2049, 12, 31)), RecordValue::whole(-32768)});
    RecordReader r(w.bytes(), "x.txt");
    QCOMPARE(r.readText(), QString("Biceps Curl"));
    QCOMPARE(r.readSingle(), 37.5f);
    QCOMPARE(r.readBool(), true);
    QCOMPARE(r.readDate(), QDate(2049, 12, 31));
    QCOMPARE(r.readInt16(), qint16(-32768));
    QVERIFY(r.atEnd());
    QCOMPARE(RecordWriter::line({RecordValue::dbl(2.5)}), QByteArray("2.5\r\n"));
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(saved);
}

// A Date field reads the forms the program writes and those others wrote
// alike; a date that does not exist is an error naming the line.
void TestRecordFile::datesReadInEveryForm_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QDate>("date"); // none: not a date
    QTest::newRow("written form") << QByteArray("#2026-12-07#") << QDate(2026, 12, 7);
    QTest::newRow("written form, a day too many") << QByteArray("#2026-02-29#") << QDate();
    QTest::newRow("written form, year 0") << QByteArray("#0000-01-01#") << QDate();
    QTest::newRow("written form, a letter") << QByteArray("#2026-1a-07#") << QDate();
    QTest::newRow("with a time") << QByteArray("#2026-12-07 10:30:00#") << QDate(2026, 12, 7);
    QTest::newRow("record date") << QByteArray("07-Dec-26") << QDate(2026, 12, 7);
    QTest::newRow("record date, 49 and 50") << QByteArray("31-Dec-49") << QDate(2049, 12, 31);
    QTest::newRow("record date, before 2000") << QByteArray("01-Jan-50") << QDate(1950, 1, 1);
    QTest::newRow("record date, small letters") << QByteArray("07-dec-26") << QDate(2026, 12, 7);
    QTest::newRow("record date, no such day") << QByteArray("31-Feb-26") << QDate();
    QTest::newRow("record date, no such month") << QByteArray("07-Dex-26") << QDate();
    QTest::newRow("record date, one digit") << QByteArray("7-Dec-26") << QDate(2026, 12, 7);
    QTest::newRow("record date, four digits") << QByteArray("07-Dec-2026") << QDate(2026, 12, 7);
    QTest::newRow("quoted") << QByteArray("\"07-Dec-26\"") << QDate(2026, 12, 7);
    QTest::newRow("short date") << QByteArray("12/7/2026") << QDate(2026, 12, 7);
    QTest::newRow("ISO date") << QByteArray("2026-12-07") << QDate(2026, 12, 7);
    QTest::newRow("nine letters") << QByteArray("yesterday") << QDate();
}

void TestRecordFile::datesReadInEveryForm()
{
    QFETCH(QByteArray, field);
    QFETCH(QDate, date);
    RecordReader r("1\r\n" + field + ",2\r\n", "x.txt");
    r.readField();
    if (date.isValid()) {
        QCOMPARE(r.readDate(), date);
        QCOMPARE(r.readInt16(), qint16(2));
        return;
    }
    try {
        r.readDate();
        QFAIL("read as a date");
    } catch (const RecordFileError &e) {
        QCOMPARE(e.line(), 2);
    }
}

void TestRecordFile::textKeepsCommasButNotQuotes()
{
    RecordReader r("\"Curl, standing\",\"say \"hi\"\",3\r\n");
    QCOMPARE(r.readText(), QString("Curl, standing"));
    QCOMPARE(r.readText(), QString("say ")); // a quote inside a text ends it
    QCOMPARE(r.readInt16(), qint16(3));
    QVERIFY(r.atEnd());
}

void TestRecordFile::recordsSpanLines()
{
    const QByteArray split = "\"Squat\",1\r\n2,3\r\n";
    const QByteArray whole = "\"Squat\",1,2,3\r\n";
    for (const QByteArray &bytes : {split, whole}) {
        RecordReader r(bytes);
        QCOMPARE(r.readText(), QString("Squat"));
        QCOMPARE(r.readInt16(), qint16(1));
        QCOMPARE(r.readInt16(), qint16(2));
        QCOMPARE(r.readInt16(), qint16(3));
        QVERIFY(r.atEnd());
    }
}

void TestRecordFile::emptyFileHasNoRecords()
{
    RecordReader r(QByteArray(), "empty.txt");
    QVERIFY(r.atEnd());
    QVERIFY(r.atEndOrBlank());
}

void TestRecordFile::loneBlankLineEndsInsideTheRecord()
{
    RecordReader r("\r\n", "blank.txt");
    QVERIFY(!r.atEnd());
    QCOMPARE(r.readText(), QString()); // the blank line is one empty field
    try {
        r.readText();
        QFAIL("the second field should be past the end");
    } catch (const RecordFileError &e) {
        QCOMPARE(e.code(), RecordFileError::PastEnd);
        QCOMPARE(e.number(), 62);
        QVERIFY(e.message().contains("blank.txt"));
    }
}

void TestRecordFile::trailingBlankLinesEndTheFile()
{
    RecordReader r("\"a\",1\r\n\r\n  \r\n", "f.txt");
    QVERIFY(!r.atEndOrBlank());
    r.readText();
    r.readInt16();
    QVERIFY(!r.atEnd());
    QVERIFY(r.atEndOrBlank());
}

void TestRecordFile::wholeNumbersRoundHalfToEven_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("expected");
    QTest::newRow("150.5") << QByteArray("150.5") << 150;
    QTest::newRow("151.5") << QByteArray("151.5") << 152;
    QTest::newRow("2.5") << QByteArray("2.5") << 2;
    QTest::newRow("3.5") << QByteArray("3.5") << 4;
    QTest::newRow("-6.5") << QByteArray("-6.5") << -6;
    QTest::newRow(".05 form") << QByteArray(".5") << 0;
    QTest::newRow("quoted number") << QByteArray("\"4\"") << 4;
}

void TestRecordFile::wholeNumbersRoundHalfToEven()
{
    QFETCH(QByteArray, field);
    QFETCH(int, expected);
    RecordReader r(field + "\r\n");
    QCOMPARE(int(r.readInt16()), expected);
}

void TestRecordFile::conversionErrorsNameFileAndLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind"); // 0 int16, 1 int32, 2 bool, 3 date
    QTest::addColumn<int>("code");
    QTest::newRow("40000 into 16 bits") << QByteArray("1\r\n40000\r\n") << 0 << int(RecordFileError::Overflow);
    QTest::newRow("text for a number") << QByteArray("1\r\nabc\r\n") << 0 << int(RecordFileError::TypeMismatch);
    QTest::newRow("too large for 32 bits") << QByteArray("1\r\n3000000000\r\n") << 1 << int(RecordFileError::Overflow);
    QTest::newRow("not a Boolean") << QByteArray("1\r\nyes\r\n") << 2 << int(RecordFileError::TypeMismatch);
    QTest::newRow("not a date") << QByteArray("1\r\n\"31-Feb-26\"\r\n") << 3 << int(RecordFileError::TypeMismatch);
}

void TestRecordFile::conversionErrorsNameFileAndLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(int, code);
    RecordReader r(bytes, "/data/Log.txt");
    r.readInt16();
    try {
        switch (kind) {
        case 0: r.readInt16(); break;
        case 1: r.readInt32(); break;
        case 2: r.readBool(); break;
        default: r.readDate(); break;
        }
        QFAIL("no error");
    } catch (const RecordFileError &e) {
        QCOMPARE(int(e.code()), code);
        QCOMPARE(e.line(), 2);
        QVERIFY2(e.message().contains("Log.txt"), qPrintable(e.message()));
    }
}

void TestRecordFile::generalValuesKeepTheirKind()
{
    RecordReader r("\"12\",12,#TRUE#,#2026-01-02#,,\"\"\r\n");
    QCOMPARE(r.readValue(), RecordValue::text("12"));
    QCOMPARE(r.readValue(), RecordValue::dbl(12));
    QCOMPARE(r.readValue(), RecordValue::boolean(true));
    QCOMPARE(r.readValue(), RecordValue::date(QDate(2026, 1, 2)));
    QCOMPARE(r.readValue(), RecordValue());
    QCOMPARE(r.readValue(), RecordValue::text(QString()));
    QVERIFY(r.atEnd());
}

void TestRecordFile::everyByteRoundTrips()
{
    // Every byte but the quote and the line ends, inside a text field.
    QByteArray inner;
    for (int b = 1; b < 256; ++b) {
        if (b != '"' && b != '\r' && b != '\n')
            inner.append(char(b));
    }
    const QByteArray bytes = '"' + inner + "\"\r\n";
    RecordReader r(bytes);
    const QString text = r.readText();
    QCOMPARE(RecordWriter::line({RecordValue::text(text)}), bytes);
    QCOMPARE(text.at(inner.indexOf('\x80')), QChar(0x20AC)); // 0x80 is the euro sign
}

// A UTF-8 byte-order mark another program put before the first record is
// no part of it; anywhere else its bytes are Windows-1252 text like any.
void TestRecordFile::byteOrderMarkIsSkippedAtTheStartOnly()
{
    const QByteArray bytes = "\xEF\xBB\xBF\"Curl\",143\r\n\"\xEF\xBB\xBF\",1\r\n";
    RecordReader r(bytes, "Log.txt");
    r.beginRecord();
    QCOMPARE(r.readText(), QStringLiteral("Curl"));
    QCOMPARE(r.readInt32(), 143);
    QCOMPARE(r.line(), 2);
    // The first record stands as the writer writes it, after the mark.
    QCOMPARE(r.verbatim().begin, 3);
    QCOMPARE(r.verbatim().size, 12);
    QCOMPARE(r.readText(), QStringLiteral("\u00EF\u00BB\u00BF"));
    QCOMPARE(r.readInt16(), qint16(1));
    QVERIFY(r.atEnd());
    QVERIFY(RecordReader("\xEF\xBB\xBF").atEnd());
}

void TestRecordFile::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("socket") << "socket";
    QTest::newRow("link to a device that never ends") << "device";
    QTest::newRow("folder") << "folder";
}

// A data file that is no regular file is refused at once, naming it: a FIFO
// opened for reading would wait for a writer for ever, a device may never
// end.
void TestRecordFile::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    const QString folder = TestEnvironment::freshFolder();
    const QString path = RecordFile::path(folder, "Log.txt");
    const QByteArray name = QFile::encodeName(path);
    int sock = -1;
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
    } else if (kind == "socket") {
        sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        struct sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        QCOMPARE(::bind(sock, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    } else if (kind == "device") {
        QVERIFY(QFile::link("/dev/zero", path));
    } else {
        QVERIFY(QDir(folder).mkdir("Log.txt"));
    }
    QElapsedTimer clock;
    clock.start();
    auto refused = [&](auto read) {
        try {
            read();
        } catch (const RecordFileError &e) {
            return e.code() == RecordFileError::ReadFailed
                && e.message() == "The file Log.txt could not be read: it is not a regular file.";
        }
        return false;
    };
    QVERIFY(refused([&] { RecordFile::read(path); }));
    QVERIFY(refused([&] { RecordFile::readExisting(path); }));
    QVERIFY(refused([&] {
        FileBatch batch;
        batch.read(path);
    }));
    QVERIFY(refused([&] {
        FileBatch batch;
        batch.create(path);
        batch.commit();
    }));
    QVERIFY(clock.elapsed() < 1000);
    if (sock >= 0)
        ::close(sock);
}

void TestRecordFile::missingFileReadsAsEmpty()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString path = RecordFile::path(folder, "Nothing.txt");
    QCOMPARE(RecordFile::read(path), QByteArray());
    try {
        RecordFile::readExisting(path);
        QFAIL("no error");
    } catch (const RecordFileError &e) {
        QCOMPARE(e.number(), 53);
    }
}

void TestRecordFile::appendStartsANewLine()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString path = RecordFile::path(folder, "List.txt");
    RecordFile::append(path, RecordWriter::line({RecordValue::text("a")}));
    TestEnvironment::writeFile(folder, "List.txt", TestEnvironment::readFile(folder, "List.txt") + "\"b\"");
    RecordFile::append(path, RecordWriter::line({RecordValue::text("c")}));
    QCOMPARE(TestEnvironment::readFile(folder, "List.txt"), QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\r\n"));
}

void TestRecordFile::failedRewriteLeavesTheFileAlone()
{
    // A file-size limit makes the write itself fail, which permissions can
    // not do for root.
    const QString folder = TestEnvironment::freshFolder();
    const QByteArray old = RecordWriter::line({RecordValue::text("old"), RecordValue::whole(1)});
    TestEnvironment::writeFile(folder, "Log.txt", old);
    const QString path = RecordFile::path(folder, "Log.txt");

    bool failed = false;
    QString message;
    qint64 size = 0;
    {
        const FileSizeLimit limit(64);
        QVERIFY(limit.set());
        try {
            RecordFile::write(path, QByteArray(4096, 'x'));
        } catch (const RecordFileError &e) {
            failed = e.code() == RecordFileError::WriteFailed;
            message = e.message();
        }
        size = QFileInfo(path).size();
    }

    QVERIFY2(failed, qPrintable(QString::number(size)));
    QVERIFY(message.contains("Log.txt"));
    QCOMPARE(TestEnvironment::readFile(folder, "Log.txt"), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Log.txt"}); // no temporary left
}

// A record reads as verbatim only when the writer would write its values
// back as exactly the bytes it stood in; rewrites copy such records.
void TestRecordFile::verbatimOnlyWhereTheWriterAgrees_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kinds"); // T text, I 16-bit whole, S single
    QTest::addColumn<bool>("verbatim");
    QTest::newRow("journal record") << QByteArray("\"07-Dec-26\",143\r\n") << "TI" << true;
    QTest::newRow("log entry") << QByteArray("\"07-Dec-26\",100,6,105,7\r\n") << "TIIII" << true;
    QTest::newRow("negative and zero") << QByteArray("\"x\",-5,0\r\n") << "TII" << true;
    QTest::newRow("six digits as single") << QByteArray("\"x\",123456\r\n") << "TS" << true;
    QTest::newRow("high bytes") << QByteArray("\"\x80\x81\xff\",5\r\n") << "TI" << true;
    QTest::newRow("text over lines") << QByteArray("\"a\nb\",5\r\n") << "TI" << true;
    QTest::newRow("empty text") << QByteArray("\"\",5\r\n") << "TI" << true;
    QTest::newRow("minus zero") << QByteArray("\"x\",-0\r\n") << "TI" << false;
    QTest::newRow("leading zero") << QByteArray("\"x\",007\r\n") << "TI" << false;
    QTest::newRow("plus sign") << QByteArray("\"x\",+7\r\n") << "TI" << false;
    QTest::newRow("blank before number") << QByteArray("\"x\", 5\r\n") << "TI" << false;
    QTest::newRow("blank after number") << QByteArray("\"x\",5 \r\n") << "TI" << false;
    QTest::newRow("blank before text") << QByteArray(" \"x\",5\r\n") << "TI" << false;
    QTest::newRow("bytes after the quote") << QByteArray("\"x\"y,5\r\n") << "TI" << false;
    QTest::newRow("unquoted text") << QByteArray("x,5\r\n") << "TI" << false;
    QTest::newRow("quoted number") << QByteArray("\"x\",\"5\"\r\n") << "TI" << false;
    QTest::newRow("empty number") << QByteArray("\"x\",\r\n") << "TI" << false;
    QTest::newRow("fraction") << QByteArray("\"x\",5.5\r\n") << "TS" << false;
    QTest::newRow("seven digits") << QByteArray("\"x\",1234567\r\n") << "TS" << false;
    QTest::newRow("lone LF") << QByteArray("\"x\",5\n") << "TI" << false;
    QTest::newRow("lone CR") << QByteArray("\"x\",5\r") << "TI" << false;
    QTest::newRow("no line end") << QByteArray("\"x\",5") << "TI" << false;
    QTest::newRow("record over lines") << QByteArray("\"x\"\r\n5\r\n") << "TI" << false;
    QTest::newRow("unclosed quote") << QByteArray("\"x") << "T" << false;
}

namespace {

// The one-pass reading of a record of these kinds ('T' a text, 'I' a whole
// number of 16 bits, 'S' a number written as a whole number).
bool readInOnePass(RecordReader &r, const QString &kinds, RecordReader::PlainField *fields)
{
    if (kinds == u"T")
        return r.readPlainLine<'t'>(fields);
    if (kinds == u"TI")
        return r.readPlainLine<'t', 'h'>(fields);
    if (kinds == u"TS")
        return r.readPlainLine<'t', 'w'>(fields);
    if (kinds == u"TII")
        return r.readPlainLine<'t', 'h', 'h'>(fields);
    if (kinds == u"TIIII")
        return r.readPlainLine<'t', 'h', 'h', 'h', 'h'>(fields);
    qFatal("no one-pass reading for %s", qPrintable(kinds));
}

} // namespace

void TestRecordFile::plainLinesManyAtATime_data()
{
    // A line among lines of a text and three numbers, and whether the check
    // of one line takes it.
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("plain");
    QTest::newRow("as written") << QByteArray("\"07-Dec-26\",40,160,70\r\n") << true;
    QTest::newRow("four digits and zero") << QByteArray("\"x\",9999,1000,0\r\n") << true;
    QTest::newRow("empty text") << QByteArray("\"\",1,2,3\r\n") << true;
    QTest::newRow("comma and CR in the text") << QByteArray("\"a,b\rc\",1,2,3\r\n") << true;
    QTest::newRow("high bytes") << QByteArray("\"\x80\xff\",1,2,3\r\n") << true;
    QTest::newRow("text over 64 bytes") << "\"" + QByteArray(150, 'w') + "\",1,2,3\r\n" << true;
    QTest::newRow("five digits") << QByteArray("\"x\",10000,1,1\r\n") << false;
    QTest::newRow("leading zero") << QByteArray("\"x\",1,01,1\r\n") << false;
    QTest::newRow("minus") << QByteArray("\"x\",-5,1,1\r\n") << false;
    QTest::newRow("two numbers") << QByteArray("\"x\",1,2\r\n") << false;
    QTest::newRow("four numbers") << QByteArray("\"x\",1,2,3,4\r\n") << false;
    QTest::newRow("empty number") << QByteArray("\"x\",1,,3\r\n") << false;
    QTest::newRow("comma last") << QByteArray("\"x\",1,2,3,\r\n") << false;
    QTest::newRow("blank") << QByteArray("\"x\",1, 2,3\r\n") << false;
    QTest::newRow("lone LF") << QByteArray("\"x\",1,2,3\n") << false;
    QTest::newRow("lone CR") << QByteArray("\"x\",1,2,3\r") << false;
    QTest::newRow("CR CR LF") << QByteArray("\"x\",1,2,3\r\r\n") << false;
    QTest::newRow("line feed in the text") << QByteArray("\"a\r\nb\",1,2,3\r\n") << false;
    QTest::newRow("quote in the text") << QByteArray("\"a\"b\",1,2,3\r\n") << false;
    QTest::newRow("no comma after the text") << QByteArray("\"x\"1,2,3\r\n") << false;
    QTest::newRow("unquoted text") << QByteArray("x,1,2,3\r\n") << false;
    QTest::newRow("second text") << QByteArray("\"x\",1,2,\"3\"\r\n") << false;
    QTest::newRow("blank line") << QByteArray("\r\n") << false;
}

// The lines read many at a time are those the check of one line takes,
// wherever the 64 bytes gone over at once start: every line before the first
// it does not take, and its lines counted.
void TestRecordFile::plainLinesManyAtATime()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, plain);
    const QByteArray tail = QByteArray("\"tail\",1,2,3\r\n").repeated(8);
    RecordReader one(line + tail);
    QCOMPARE(one.skipPlainTextAndNumbers(3), plain);
    // Lines of 20, 21 and 22 bytes before it, so that it starts at every
    // place within the 64 bytes.
    for (int before = 0; before < 48; ++before) {
        QByteArray bytes;
        for (int i = 0; i < before; ++i)
            bytes += "\"" + QByteArray(7 + i % 3, 'd') + "\",1,22,333\r\n";
        const qsizetype at = bytes.size();
        bytes += line + tail;
        qsizetype lines = -1;
        const qsizetype taken = RecordReader::plainTextAndNumbersLines(bytes, 3, &lines);
        // Every line that ends within the whole 64 bytes, or those before it.
        const qsizetype whole = 64 * (bytes.size() / 64);
        QCOMPARE(taken, plain ? bytes.lastIndexOf('\n', whole - 1) + 1 : at);
        QCOMPARE(lines, taken == 0 ? 0 : bytes.left(taken).count('\n'));
        RecordReader many(bytes);
        QCOMPARE(many.skipPlainTextAndNumbersLines(3), taken > 0);
        QCOMPARE(many.position(), taken);
        QCOMPARE(many.line(), 1 + int(lines));
    }
}

void TestRecordFile::verbatimOnlyWhereTheWriterAgrees()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kinds);
    QFETCH(bool, verbatim);
    // Read in one pass, a record gives what the careful reads give, and the
    // same span; a text over lines is left to the careful reads, which
    // count its lines.
    {
        // Records after it, so that the eight and sixteen bytes the one-pass
        // reading takes at once are there.
        const QByteArray tail = QByteArray("\"tail\",1\r\n").repeated(8);
        RecordReader careful(bytes + tail);
        careful.beginRecord();
        QList<RecordValue> values;
        try {
            for (QChar kind : kinds)
                values.append(kind == u'T' ? RecordValue::text(careful.readText())
                                           : RecordValue::whole(kind == u'I' ? careful.readInt16()
                                                                             : qint64(careful.readSingle())));
        } catch (const RecordFileError &) {
            values.clear();
        }
        for (const QByteArray &all : {bytes, bytes + tail}) {
            RecordReader r(all);
            r.beginRecord();
            RecordReader::PlainField fields[5];
            const bool plain = readInOnePass(r, kinds, fields);
            const qsizetype close = bytes.indexOf('"', 1);
            const bool lineInText = bytes.startsWith('"') && close > 0 && bytes.left(close).contains('\n');
            QCOMPARE(plain, verbatim && !lineInText);
            if (!plain) {
                QCOMPARE(r.position(), 0); // nothing read
                continue;
            }
            QCOMPARE(r.verbatim().begin, 0);
            QCOMPARE(r.verbatim().size, bytes.size());
            QCOMPARE(r.line(), 2);
            QCOMPARE(values.size(), kinds.size());
            for (qsizetype k = 0; k < kinds.size(); ++k) {
                if (kinds[k] == u'T')
                    QCOMPARE(Windows1252::decode(fields[k].bytes), values[k].toText());
                else
                    QCOMPARE(qint64(fields[k].whole), values[k].wholeValue());
            }
        }
        // The check of a text and short whole numbers agrees where it takes
        // a record at all.
        RecordReader quick(bytes + tail);
        quick.beginRecord();
        if (kinds.size() > 1 && !kinds.contains(u'S') && quick.skipPlainTextAndNumbers(int(kinds.size() - 1))) {
            QVERIFY(verbatim);
            QCOMPARE(quick.verbatim().size, bytes.size());
        }
    }

    // After a record of another shape, so that the span's start counts.
    const QByteArray before("\"first\"\r\n");
    RecordReader r(before + bytes);
    r.beginRecord();
    r.readText();
    QVERIFY(r.verbatim().isValid());
    r.beginRecord();
    QList<RecordValue> values;
    for (QChar kind : kinds) {
        if (kind == u'T')
            values.append(RecordValue::text(r.readText()));
        else if (kind == u'I')
            values.append(RecordValue::whole(r.readInt16()));
        else
            values.append(RecordValue::single(r.readSingle()));
    }
    const VerbatimRecord v = r.verbatim();
    QCOMPARE(v.isValid(), verbatim);
    if (verbatim) {
        QCOMPARE(v.begin, before.size());
        QCOMPARE((before + bytes).mid(v.begin, v.size), RecordWriter::line(values));
    }
    // A copy is refused for an empty span and a span outside the bytes.
    RecordWriter out;
    QCOMPARE(out.copy(before + bytes, v), verbatim);
    QVERIFY(!out.copy(bytes.left(1), v));
}

// The records of one day in a journal, which share their date field, are
// read in one go up to the first that stands otherwise.
void TestRecordFile::dayRunsAreReadInOneGo()
{
    const QByteArray day("\"07-Dec-26\",");
    const QByteArray bytes = day + "1\r\n" + day + "0\r\n" + day + "9999\r\n" + day + "12\r\n" // one go
                             + day + "007\r\n"                                             // a leading zero
                             + day + "5\r\n\"06-Dec-26\",5\r\n" + QByteArray("\"tail\",1\r\n").repeated(3);
    RecordReader r(bytes);
    r.beginRecord();
    QVERIFY((r.readPlainLine<'t', 'w'>()));
    const VerbatimRecord run = r.skipPlainRepeats(QByteArrayView(bytes).first(11));
    QCOMPARE(run.begin, day.size() + 3);
    QCOMPARE(bytes.mid(run.begin, run.size), day + "0\r\n" + day + "9999\r\n" + day + "12\r\n");
    QCOMPARE(r.line(), 5);
    QCOMPARE(r.position(), run.begin + run.size);
    // The record that stopped the run reads carefully, as before.
    r.beginRecord();
    QCOMPARE(r.readText(), QStringLiteral("07-Dec-26"));
    QCOMPARE(r.readInt16(), 7);
    QVERIFY(!r.verbatim().isValid());
    QCOMPARE(r.skipPlainRepeats(QByteArrayView(bytes).first(11)).size, day.size() + 3);
    QCOMPARE(r.line(), 7);
}

// With a taker, the run goes on over the next days' records, each new date
// field of the same length as the one before asked for first.
void TestRecordFile::nextDaysAreReadWhileTaken_data()
{
    QTest::addColumn<QByteArray>("rest"); // after the first record
    QTest::addColumn<QByteArray>("refused"); // the text the taker refuses; "throw": throws at
    QTest::addColumn<int>("read"); // records of the run
    QTest::addColumn<QByteArrayList>("asked");
    const QByteArray a("\"07-Dec-26\",2\r\n"), b("\"06-Dec-26\",3\r\n"), c("\"01-Nov-26\",40\r\n");
    QTest::newRow("every day taken") << a + b + b + c << QByteArray() << 4 << QByteArrayList{"06-Dec-26", "01-Nov-26"};
    QTest::newRow("a day refused") << a + b + c + b << QByteArray("01-Nov-26") << 2
                                   << QByteArrayList{"06-Dec-26", "01-Nov-26"};
    QTest::newRow("the taker throwing") << a + b << QByteArray("throw 06-Dec-26") << 0 << QByteArrayList{"06-Dec-26"};
    QTest::newRow("a quote within the text") << a + "\"06-D\"c-26\",3\r\n" + b << QByteArray() << 1 << QByteArrayList{};
    QTest::newRow("a text of another length") << a + "\"6-Dec-26\",3\r\n" + b << QByteArray() << 1 << QByteArrayList{};
    QTest::newRow("five digits") << a + "\"06-Dec-26\",12345\r\n" + b << QByteArray() << 1 << QByteArrayList{};
}

void TestRecordFile::nextDaysAreReadWhileTaken()
{
    QFETCH(QByteArray, rest);
    QFETCH(QByteArray, refused);
    QFETCH(int, read);
    QFETCH(QByteArrayList, asked);
    const QByteArray first("\"07-Dec-26\",1\r\n");
    // The run reads eight bytes after a comma: lines after it leave room.
    const QByteArray bytes = first + rest + QByteArray("\"x\",1\r\n").repeated(3);
    RecordReader r(bytes);
    r.beginRecord();
    QVERIFY((r.readPlainLine<'t', 'w'>()));
    QByteArrayList seen;
    const auto take = [&](QByteArrayView text) {
        seen.append(text.toByteArray());
        if (refused == "throw " + text.toByteArray())
            throw std::runtime_error("no date");
        return text != refused;
    };
    VerbatimRecord run;
    try {
        run = r.skipPlainRepeats(QByteArrayView(bytes).first(11), take);
        QVERIFY(!refused.startsWith("throw"));
    } catch (const std::runtime_error &) {
        QVERIFY(refused.startsWith("throw"));
    }
    QCOMPARE(seen, asked);
    qsizetype size = 0;
    for (int i = 0; i < read; ++i)
        size = rest.indexOf('\n', size) + 1;
    QCOMPARE(run.size, size);
    QCOMPARE(r.position(), first.size() + size);
    QCOMPARE(r.line(), 2 + read);
}

namespace {

struct Entry
{
    QString text;
    qint16 number = 0;
    bool operator==(const Entry &) const = default;
};

Entry readEntry(RecordReader &r)
{
    Entry e;
    e.text = r.readText();
    e.number = r.readInt16();
    return e;
}

} // namespace

// The first records of a file read from its head are those a reading of the
// whole file gives, wherever the head is cut; damage after them is not
// looked for, damage among them is.
void TestRecordFile::headReadsAsTheWholeFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("most");
    const auto lines = [](int from, int to) {
        QByteArray out;
        for (int i = from; i < to; ++i)
            out += "\"" + QByteArray::number(i) + "\"," + QByteArray::number(i) + "\r\n";
        return out;
    };
    const QByteArray plain = lines(0, 300);
    QTest::newRow("plain, first 7") << plain << 7;
    QTest::newRow("plain, first 299") << plain << 299;
    QTest::newRow("plain, more than it has") << plain << 1000;
    QTest::newRow("damage after the first") << plain + "\"x\",1.5e9\r\n" << 300;
    QTest::newRow("damage among them") << lines(0, 100) + "\"x\",40000\r\n" + lines(100, 300) << 500;
    // Records over lines, a text with line ends in it and a number cut at
    // every head size on the way.
    QByteArray odd;
    for (int i = 0; i < 200; ++i)
        odd += i % 3 == 0 ? "\"a\nb" + QByteArray(i, 'c') + "\",\r\n 12345 \r\n"
               : i % 3 == 1 ? "\"" + QByteArray(i, 'd') + "\",32000\n"
                            : "\"e\"," + QByteArray::number(i * 7) + "\r";
    QTest::newRow("records over lines") << odd << 150;
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + plain << 100;
    QTest::newRow("blank lines at the end") << lines(0, 20) + "\r\n  \r\n\t" << 100;
    QTest::newRow("empty") << QByteArray() << 5;
}

void TestRecordFile::headReadsAsTheWholeFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, most);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, "Head.txt", bytes);
    // The whole file, record by record, up to `most`.
    QList<Entry> whole;
    std::optional<RecordFileError> damage;
    {
        RecordReader r(bytes, "Head.txt");
        try {
            while (whole.size() < most && !r.atEndOrBlank())
                whole.append(readEntry(r));
        } catch (const RecordFileError &e) {
            damage = e;
        }
    }
    // From a head of every size it may start with.
    for (qsizetype guess : {1, 300, 1000, 100000}) {
        const auto head = RecordHead::first<Entry>(RecordFile::path(folder, "Head.txt"), "Head.txt", most, guess,
                                                   readEntry);
        QCOMPARE(head.records, whole);
        QCOMPARE(head.damage.has_value(), damage.has_value());
        if (damage) {
            QCOMPARE(head.damage->line(), damage->line());
            QCOMPARE(head.damage->message(), damage->message());
        }
    }
}

PULSAR_TEST_MAIN_CORE(TestRecordFile)
#include "tst_recordfile.moc"
