#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <variant>

// One field of a record: a text, a whole number, a single or double
// precision number, a Boolean, a date value or nothing.
class RecordValue
{
public:
    enum Kind { Empty, Text, Whole, Single, Double, Boolean, Date, DateTime };

    RecordValue() = default;
    static RecordValue text(const QString &s) { return RecordValue(Text, s); }
    static RecordValue whole(qint64 n) { return RecordValue(Whole, n); }
    static RecordValue single(float f) { return RecordValue(Single, f); }
    static RecordValue dbl(double d) { return RecordValue(Double, d); }
    static RecordValue boolean(bool b) { return RecordValue(Boolean, b); }
    static RecordValue date(const QDate &d) { return RecordValue(Date, d); }
    static RecordValue dateTime(const QDateTime &dt) { return RecordValue(DateTime, dt); }

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Empty; }
    QString toText() const;      // the text, or the characters of the value
    // The text of a Text value, the number of a Whole value, without a copy.
    QStringView textView() const { return std::get<QString>(m_value); }
    qint64 wholeValue() const { return std::get<qint64>(m_value); }
    double toDouble() const;     // numbers; 0 for anything else
    bool toBool() const { return m_kind == Boolean && std::get<bool>(m_value); }
    QDate toDate() const;

    bool operator==(const RecordValue &other) const = default;

private:
    using Storage = std::variant<std::monostate, QString, qint64, float, double, bool, QDate, QDateTime>;
    template <typename T>
    RecordValue(Kind k, T v) : m_kind(k), m_value(std::move(v)) {}

    Kind m_kind = Empty;
    Storage m_value;
};
