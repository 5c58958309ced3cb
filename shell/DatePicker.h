#pragma once

#include <QDateEdit>

// A date picker: a date box with a calendar that drops down, limited to
// 1 Jan 1950 - 31 Dec 2049 (the years a record date can hold). It shows the
// date in the user's short format with the full year.
class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget *parent = nullptr, const QString &name = QString());

    // The display format used: the locale's short date with a four-digit year.
    static QString displayFormatFor(const QLocale &locale);
};
