#include "WeightHistory.h"

#include "common/DateText.h"
#include "common/FileBatch.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"

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

// Every record of the history's bytes up to the first that cannot be read.
WeightHistory::Contents parse(const QByteArray &bytes, const QString &path)
{
    WeightHistory::Contents contents;
    try {
        RecordReader reader(bytes, path);
        while (!reader.atEndOrBlank()) {
            WeightHistoryRecord r;
            r.line = reader.line();
            r.date = reader.readText();
            r.age = reader.readDouble();
            r.weight = reader.readDouble();
            r.height = reader.readDouble();
            contents.records.append(r);
        }
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

void WeightHistory::addFirst(const QDate &date, qint16 age, qint16 weight, qint16 height) const
{
    const QString file = path();
    // Read and written under the folder's lock: a weighing another copy of
    // the program saves meanwhile is kept.
    FileBatch batch;
    const Contents old = parse(batch.read(file), file);
    if (old.error)
        throw *old.error;

    RecordWriter out;
    out.write({RecordValue::text(DateText::medium(date)), RecordValue::whole(age),
               RecordValue::whole(weight), RecordValue::whole(height)});
    for (const WeightHistoryRecord &r : old.records) {
        // A hand-edited date field with a double quote in it could not be
        // written back as one field.
        if (r.date.contains(u'"'))
            throw RecordFileError(RecordFileError::TypeMismatch, file,
                                  QStringLiteral("the date \"%1\" holds a double quote").arg(r.date),
                                  r.line);
        out.write({RecordValue::text(r.date), RecordValue::whole(wholeField(r.age, r, file)),
                   RecordValue::whole(wholeField(r.weight, r, file)),
                   RecordValue::whole(wholeField(r.height, r, file))});
    }
    batch.write(file, out.bytes());
    batch.commit();
}
