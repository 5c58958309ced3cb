#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The viewing period a chart covers, chosen by its text in the period combo
// boxes of the chart dialogs: the number of newest entries and the step at
// which they are taken (every step-th entry, newest first). Each chart says
// itself which entries it takes.
struct ViewingPeriod
{
    int code = 0;    // 1 for "Last 7 Entries" to 7 for "Last 360 Entries"
    QString text;    // "Last 7 Entries"
    int entries = 0; // 7, 14, 30, 60, 90, 180, 360
    int step = 0;    // 1, 2, 4, 8, 12, 24, 48

    // The seven periods in the order the combo boxes list them.
    static const QList<ViewingPeriod> &all();
    // Their texts, in that order.
    static QStringList texts();
    // The period of exactly this text; none for any other.
    static std::optional<ViewingPeriod> fromText(const QString &text);
};
