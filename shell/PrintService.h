#pragma once

#include <QString>
#include <functional>

class PrinterSurface;
class QWidget;

// The one way the program prints. It asks for the printer with the
// platform's print dialog, set to landscape pages (the user may still choose
// a printer, a PDF file or another orientation there); when the environment
// variable PULSAR_PRINT_TO_PDF names a file, it prints straight into that
// PDF without a dialog. A cancelled dialog prints nothing and says nothing; a
// printer that cannot be started or fails is reported with a message box.
class PrintService
{
public:
    static constexpr const char *kPdfVariable = "PULSAR_PRINT_TO_PDF";

    enum class Outcome { Printed, Cancelled, Failed };

    // Draws one document: `draw` gets a surface on its first page and may
    // start more pages.
    using Drawing = std::function<void(PrinterSurface &surface)>;
    static Outcome print(QWidget *parent, const QString &documentName, const Drawing &draw);

    // The messages of a failed printout, naming the printer or the file.
    static QString cannotStartMessage(const QString &target);
    static QString failedMessage(const QString &target);
};
