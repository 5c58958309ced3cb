#include "ViewingPeriod.h"

const QList<ViewingPeriod> &ViewingPeriod::all()
{
    static const QList<ViewingPeriod> periods = {
        {1, QStringLiteral("Last 7 Entries"), 7, 1},
        {2, QStringLiteral("Last 14 Entries"), 14, 2},
        {3, QStringLiteral("Last 30 Entries"), 30, 4},
        {4, QStringLiteral("Last 60 Entries"), 60, 8},
        {5, QStringLiteral("Last 90 Entries"), 90, 12},
        {6, QStringLiteral("Last 180 Entries"), 180, 24},
        {7, QStringLiteral("Last 360 Entries"), 360, 48},
    };
    return periods;
}

QStringList ViewingPeriod::texts()
{
    QStringList out;
    for (const ViewingPeriod &p : all())
        out.append(p.text);
    return out;
}

std::optional<ViewingPeriod> ViewingPeriod::fromText(const QString &text)
{
    for (const ViewingPeriod &p : all())
        if (p.text == text)
            return p;
    return std::nullopt;
}
