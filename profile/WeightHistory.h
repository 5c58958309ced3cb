#pragma once

#include "common/FileBatch.h"
#include "common/RecordFileError.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// One record of the body-weight history: the day it stands for, and the
// age, weight (pounds) and height (inches) entered for it.
struct WeightHistoryRecord
{
    QString date; // record date text ("07-Dec-26"), or the placeholder's "Initializer"
    double age = 0;
    double weight = 0;
    double height = 0;
    int line = 0; // the line of the file the record starts on (0 for a new record)

    // The shipped starting record, which no reader draws or counts as a weighing.
    bool isPlaceholder() const;
    // The day of the record; none for the placeholder or a date text no date reads from.
    std::optional<QDate> day() const;
};

// The body-weight history PersonalInformation.txt: four fields a record
// (date text, age, weight, height in inches), the record saved last first.
class WeightHistory
{
public:
    static const QString kFileName;
    static const QString kPlaceholderDate;

    explicit WeightHistory(QString dataFolder);
    QString path() const;

    struct Contents
    {
        // In file order, newest first, placeholders included.
        QList<WeightHistoryRecord> records;
        // Why the reading stopped before the end of the file; none when every
        // record was read.
        std::optional<RecordFileError> error;
    };
    // Every record up to the first that cannot be read. A missing file holds
    // no records; blank lines at the end of the file end it.
    Contents read() const;
    // The same for the first `most` records only, read from the head of the
    // file: a damaged record after them is not looked for.
    Contents readFirst(qsizetype most) const;

    // Puts a new record before every record of the file. The file is read and
    // every record checked first (each one must be written back as three
    // whole numbers of 16 bits); on any failure a RecordFileError is thrown
    // and the file stays as it was. A missing file is created.
    void addFirst(const QDate &date, qint16 age, qint16 weight, qint16 height) const;
    // The new contents of the history `bytes` as addFirst() makes them, with
    // the form its bytes were checked to stand in and that of the new
    // contents (see FileBatch::MakeChecked): a history this program wrote
    // is not checked again but for the record it wrote new.
    static FileBatch::Checked withFirst(const QByteArray &bytes, QByteArrayView form, const QString &file,
                                        const QDate &date, qint16 age, qint16 weight, qint16 height);

private:
    QString m_folder;
};
