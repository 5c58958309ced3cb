#pragma once

// A report page or printout run on a recording surface, for the tests of
// the report families: what it says and where each text stands.
#include "common/PrintColumns.h"
#include "common/RecordingSurface.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

struct Drawn
{
    QStringList lines; // the text lines, blanks folded, empty lines left out
    QString transcript;
    QList<RecordingSurface::Call> texts;
    int pages = 1;

    // The column (1 and up) of the nth text equal to `text`; 0 for none.
    int column(const QString &text, int nth = 0) const
    {
        for (const RecordingSurface::Call &c : texts) {
            if (c.text == text && nth-- == 0)
                return qRound(c.from.x() / RecordingSurface::kCharPixels) + 1;
        }
        return 0;
    }
    // The colour of the first text equal to `text`.
    QColor colour(const QString &text) const
    {
        for (const RecordingSurface::Call &c : texts) {
            if (c.text == text)
                return c.colour;
        }
        return QColor();
    }
};

// Runs the page on a surface whose pages are `foot` pixels tall.
inline Drawn draw(const ColumnPage &page, double foot = 1e9)
{
    RecordingSurface s(QSizeF(20000, foot));
    ColumnPainter painter(s);
    painter.setNewPage([&s] { s.setCurrent({0, 0}); });
    painter.run(page);
    Drawn d;
    d.transcript = painter.transcript();
    d.pages = painter.pages();
    d.texts = s.calls(RecordingSurface::Call::Text);
    for (const QString &line : d.transcript.split(u'\n')) {
        if (!line.simplified().isEmpty())
            d.lines << line.simplified();
    }
    return d;
}
