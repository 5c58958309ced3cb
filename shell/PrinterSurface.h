#pragma once

#include "common/DrawingSurface.h"

class QPrinter;

// A drawing surface on the printable area of a printer's pages, painted with
// the print job's painter. A drawing pixel is a ninety-sixth of an inch, as
// on the screen, so lines are as thick on paper as in the window.
class PrinterSurface : public PainterSurface
{
public:
    // The painter must be active on the printer.
    PrinterSurface(QPainter *painter, QPrinter *printer);

    // Ends the page and starts the next one; the current point goes to the
    // top left of the scale.
    bool newPage();

    QPrinter *printer() const { return m_printer; }

    static constexpr double kPixelsPerInch = 96;

private:
    QPrinter *m_printer;
};
