#include "DatePicker.h"

#include "common/DateText.h"

#include <QLocale>
#include <QRegularExpression>

DatePicker::DatePicker(QWidget *parent, const QString &name)
    : QDateEdit(parent)
{
    setObjectName(name);
    setCalendarPopup(true);
    setDateRange(DateText::kFirstDate, DateText::kLastDate);
    setDisplayFormat(displayFormatFor(QLocale()));
}

QString DatePicker::displayFormatFor(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // A two-digit year would be ambiguous in the box: show all four.
    static const QRegularExpression year(QStringLiteral("y+"));
    format.replace(year, QStringLiteral("yyyy"));
    return format;
}
