#include "PrinterSurface.h"

#include <QPrinter>

namespace {

QRectF printableArea(QPrinter *printer)
{
    // The painter's origin is the top left of the printable area.
    return QRectF(QPointF(0, 0), printer->pageRect(QPrinter::DevicePixel).size());
}

double pixelSize(QPrinter *printer)
{
    return printer->resolution() / PrinterSurface::kPixelsPerInch;
}

} // namespace

PrinterSurface::PrinterSurface(QPainter *painter, QPrinter *printer)
    : PainterSurface(painter, printableArea(printer), pixelSize(printer)), m_printer(printer)
{
    setBackColour(Qt::white);
    setForeColour(Qt::black);
}

bool PrinterSurface::newPage()
{
    const bool ok = m_printer->newPage();
    setCurrent(scaleRect().topLeft());
    return ok;
}
