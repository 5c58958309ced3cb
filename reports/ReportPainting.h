#pragma once

#include "shell/PrintService.h"

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QString>

class ColumnPage;
class DrawingSurface;
class PrinterSurface;
class QWidget;

// Where report pages are drawn: the page box on the screen and the
// printer's pages, both in twips from their top left corner.
namespace ReportPainting {

// The page box's colour behind the text.
inline const QColor kPageColour(218, 225, 176);

// The page box's font: `font` in the screen font's face, or where this
// system has none of that name, one of the same widths.
QFont screenFont(const QFont &font);

// Clears `surface` (an area of `pixels` screen pixels) to its back colour
// and draws `page` on it in the screen font of `font`'s size and style, in
// black; returns what the page says (ColumnPainter::transcript).
QString drawScreenPage(DrawingSurface &surface, const QSizeF &pixels, const QFont &font, const ColumnPage &page);

// Draws `pages` on the printer's pages from the first, in twips, starting
// in the paper font; returns what the pages say.
QString drawPrintout(PrinterSurface &surface, const ColumnPage &pages);

// Prints `pages` through the print service (landscape; the PDF of
// $PULSAR_PRINT_TO_PDF when set); a failure has been reported when it
// returns Failed.
PrintService::Outcome print(QWidget *parent, const QString &documentName, const ColumnPage &pages);

} // namespace ReportPainting
