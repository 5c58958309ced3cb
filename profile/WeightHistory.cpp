#include "WeightHistory.h"

#include "common/DateText.h"
#include "common/FileBatch.h"
#include "common/InParts.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordHead.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"
#include "common/Windows1252.h"
#include "common/WrittenForm.h"

const QString WeightHistory::kFileName = QStringLiteral("PersonalInformation.txt");
const QString WeightHistory::kPlaceholderDate = QStringLiteral("Initializer");

bool WeightHistoryRecord::isPlaceholder() const
{
    return date == WeightHistory::kPlaceholderDate;
}

std::optional<QDate> WeightHistoryRecord::day() const
{
    if (isPlaceholder())
        return std::nullopt;
    return DateText::parseMedium(date);
}

WeightHistory::WeightHistory(QString dataFolder) : m_folder(std::move(dataFolder)) {}

QString WeightHistory::path() const
{
    return RecordFile::path(m_folder, kFileName);
}

namespace {

// One record, in one pass when it stands on one line as the writer writes
// it (nearly every record does).
WeightHistoryRecord readRecord(RecordReader &reader)
{
    WeightHistoryRecord r;
    r.line = reader.line();
    RecordReader::PlainField plain[4];
    if (reader.readPlainLine<'t', 'w', 'w', 'w'>(plain)) {
        r.date = Windows1252::decode(plain[0].bytes);
        r.age = plain[1].whole;
        r.weight = plain[2].whole;
        r.height = plain[3].whole;
        return r;
    }
    r.date = reader.readText();
    r.age = reader.readDouble();
    r.weight = reader.readDouble();
    r.height = reader.readDouble();
    return r;
}

// Every record of the history's bytes up to the first that cannot be read.
WeightHistory::Contents parse(const QByteArray &bytes, const QString &path)
{
    WeightHistory::Contents contents;
    contents.records.reserve(lineCount(bytes));
    try {
        RecordReader reader(bytes, path);
        while (!reader.atEndOrBlank())
            contents.records.append(readRecord(reader));
    } catch (const RecordFileError &e) {
        contents.error = e;
    }
    return contents;
}

} // namespace

WeightHistory::Contents WeightHistory::read() const
{
    try {
        return parse(RecordFile::read(path()), path());
    } catch (const RecordFileError &e) {
        Contents contents;
        contents.error = e;
        return contents;
    }
}

WeightHistory::Contents WeightHistory::readFirst(qsizetype most) const
{
    Contents contents;
    try {
        // About 25 bytes a record as the program writes them.
        auto head = RecordHead::first<WeightHistoryRecord>(path(), path(), most, 32 * most + 512, readRecord);
        contents.records = std::move(head.records);
        contents.error = std::move(head.damage);
    } catch (const RecordFileError &e) {
        contents.error = e;
    }
    return contents;
}

namespace {

// A value of an earlier record as the 16-bit whole number it is written back as.
qint64 wholeField(double value, const WeightHistoryRecord &record, const QString &file)
{
    const double v = NumberText::roundHalfEven(value);
    if (v < -32768 || v > 32767)
        throw RecordFileError(RecordFileError::Overflow, file,
                              QStringLiteral("%1 does not fit").arg(NumberText::dbl(v)), record.line);
    return qint64(v);
}

} // namespace

namespace {

// The kind of file the history's written form names (WrittenForm).
constexpr QByteArrayView kKind("weight history");

// Whether the record that starts here stands on one line as the writer
// writes it back (three whole numbers of 16 bits): then it is read.
bool readPlain(RecordReader &reader)
{
    return reader.skipPlainTextAndNumbers(3) || reader.readPlainLine<'t', 'h', 'h', 'h'>();
}

// Writes every record of `bytes` after the new one: one that stands on one
// line as it is written back (three whole numbers of 16 bits) is checked in
// one pass and copied as it is, any other read and written anew. Whether
// every one now stands as the next save copies it.
bool writeOlder(RecordWriter &out, const QByteArray &bytes, const QString &file)
{
    bool copied = true;
    RecordReader reader(bytes, file);
    while (!reader.atEndOrBlank()) {
        reader.beginRecord();
        if (readPlain(reader)) {
            out.copy(bytes, reader.verbatim());
            continue;
        }
        const WeightHistoryRecord r = readRecord(reader);
        // A hand-edited date field with a double quote in it could not be
        // written back as one field.
        if (r.date.contains(u'"'))
            throw RecordFileError(RecordFileError::TypeMismatch, file,
                                  QStringLiteral("the date \"%1\" holds a double quote").arg(r.date),
                                  r.line);
        const qsizetype from = out.bytes().size();
        out.write({RecordValue::text(r.date), RecordValue::whole(wholeField(r.age, r, file)),
                   RecordValue::whole(wholeField(r.weight, r, file)),
                   RecordValue::whole(wholeField(r.height, r, file))});
        if (copied) {
            RecordReader again = RecordReader::partOf(out.bytes().sliced(from), file);
            again.beginRecord();
            copied = readPlain(again) && again.verbatim().isValid() && again.atEndOrBlank();
        }
    }
    return copied;
}

// Where the first record of a part of a history ends, when every record of
// the part stands as the writer writes it back; 0 otherwise.
qsizetype formOfPart(QByteArrayView part)
{
    static const QString noName;
    RecordReader reader = RecordReader::partOf(QByteArray::fromRawData(part.data(), part.size()), noName);
    qsizetype firstEnd = 0;
    while (reader.position() < reader.size()) {
        // Most lines many at a time; the first, and those left, one by one.
        if (firstEnd != 0 && reader.skipPlainTextAndNumbersLines(3))
            continue;
        reader.beginRecord();
        if (!readPlain(reader))
            return 0;
        if (firstEnd == 0)
            firstEnd = reader.position();
    }
    return firstEnd;
}

// The form of a history that stands in the written form although this
// program did not write it so (or did not keep its form): every record on
// one line as the writer writes it back, nothing before the first record
// nor after the last; its first record stands for the one written new
// last time. Checked in parts on several threads; none for a history in
// any other form, or one too small to pay for the threads, which the one
// pass reads (unless `small`).
QByteArray formFound(const QByteArray &bytes, bool small)
{
    const auto parts = InParts::lookAt<qsizetype>(bytes, InParts::kLeastPart, formOfPart, small);
    if (!parts || parts->contains(0))
        return {};
    return WrittenForm::of(kKind, 0, parts->first());
}

// The form formFound() finds in a history, taken from the first record
// alone; none where it would find none for that record.
QByteArray formPresumed(const QByteArray &bytes)
{
    const qsizetype firstEnd = formOfPart(WrittenForm::firstLine(bytes));
    return firstEnd > 0 ? WrittenForm::of(kKind, 0, firstEnd) : QByteArray();
}

} // namespace

FileBatch::Checked WeightHistory::withFirst(const QByteArray &bytes, QByteArrayView form, const QString &file,
                                            const QDate &date, qint16 age, qint16 weight, qint16 height)
{
    const auto writeNew = [&](RecordWriter &out) {
        out.write({RecordValue::text(DateText::medium(date)), RecordValue::whole(age), RecordValue::whole(weight),
                   RecordValue::whole(height)});
    };
    // A history this program wrote and that still holds those bytes: only
    // the record it wrote new last time, the first, is read; the rest is
    // copied unchecked. One in that form all the same whose form was not
    // kept (another program wrote it so, or this one ended before it kept
    // its forms) is found so by a check in parts.
    const QByteArray found = WrittenForm::orFound(form, bytes, formFound, formPresumed);
    form = found;
    const auto known = WrittenForm::madeKnown(form, [&] {
        return WrittenForm::withNewFirst(bytes, form, kKind, writeNew, [&](RecordWriter &out, const QByteArray &head) {
            return writeOlder(out, head, file);
        });
    });
    if (known)
        return std::move(*known);
    RecordWriter out;
    out.reserve(bytes.size() + 32);
    writeNew(out);
    const qsizetype newEnd = out.bytes().size();
    const bool copied = writeOlder(out, bytes, file);
    return {out.bytes(), copied ? WrittenForm::of(kKind, 0, newEnd) : QByteArray()};
}

void WeightHistory::addFirst(const QDate &date, qint16 age, qint16 weight, qint16 height) const
{
    const QString file = path();
    // Read and written under the folder's lock: a weighing another copy of
    // the program saves meanwhile is kept.
    FileBatch batch;
    batch.transformChecked(file, [&](const QByteArray &bytes, QByteArrayView form) {
        return withFirst(bytes, form, file, date, age, weight, height);
    });
    batch.commit();
}
