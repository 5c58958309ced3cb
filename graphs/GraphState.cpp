#include "GraphState.h"

void GraphLegend::show(int n, const QColor &colour, const QString &caption)
{
    if (n < 1 || n > kEntries)
        return;
    Entry &e = entries[size_t(n)];
    e.shown = true;
    e.colour = colour;
    if (!caption.isEmpty())
        e.caption = caption;
}

bool GraphLegend::isShown(int n) const
{
    return n >= 1 && n <= kEntries && entries[size_t(n)].shown;
}
