#include "ReportPainting.h"

#include "ReportFamily.h"

#include "common/DrawingSurface.h"
#include "common/PrintColumns.h"
#include "shell/PrinterSurface.h"
#include "shell/Twips.h"

#include <QPrinter>

namespace ReportPainting {

namespace {

// Faces with the character widths the report columns were laid out for
// (those of Helvetica and Arial), for names this system has no face of.
const QStringList kFallbacks = {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")};

} // namespace

QFont screenFont(const QFont &font)
{
    QFont out = font;
    out.setFamilies(QStringList{ReportFamilies::kScreenFont} + kFallbacks);
    return out;
}

QString drawScreenPage(DrawingSurface &surface, const QSizeF &pixels, const QFont &font, const ColumnPage &page)
{
    surface.scale(0, 0, pixels.width() * Twips::kPerPixel, pixels.height() * Twips::kPerPixel);
    surface.setForeColour(Qt::black);
    surface.setFont(screenFont(font));
    surface.clear();
    ColumnPainter painter(surface);
    painter.run(page);
    return painter.transcript();
}

QString drawPrintout(PrinterSurface &surface, const ColumnPage &pages)
{
    const QSizeF inches = surface.printer()->pageRect(QPrinter::Inch).size();
    surface.scale(0, 0, inches.width() * 1440, inches.height() * 1440);
    surface.setCurrent({0, 0});
    surface.setForeColour(Qt::black);
    // The family names the paper font by name alone.
    if (QFont::substitutes(ReportFamilies::kPaperFont).isEmpty())
        QFont::insertSubstitutions(ReportFamilies::kPaperFont, kFallbacks);
    QFont font(ReportFamilies::kPaperFont);
    font.setPointSizeF(ReportFamilies::kPaperFontSize);
    surface.setFont(font);
    ColumnPainter painter(surface);
    painter.setNewPage([&surface] { surface.newPage(); });
    painter.run(pages);
    return painter.transcript();
}

PrintService::Outcome print(QWidget *parent, const QString &documentName, const ColumnPage &pages)
{
    return PrintService::print(parent, documentName, [&pages](PrinterSurface &surface) {
        drawPrintout(surface, pages);
    });
}

} // namespace ReportPainting
