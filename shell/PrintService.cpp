#include "PrintService.h"

#include "MsgBox.h"
#include "PrinterSurface.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QString pdfTarget()
{
    return qEnvironmentVariable(PrintService::kPdfVariable);
}

QString targetName(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printer.outputFileName();
    return printer.printerName();
}

} // namespace

QString PrintService::cannotStartMessage(const QString &target)
{
    return QStringLiteral("The printout could not be started on \"%1\". Nothing was printed.")
        .arg(target);
}

QString PrintService::failedMessage(const QString &target)
{
    return QStringLiteral("The printout on \"%1\" failed and may be incomplete.").arg(target);
}

PrintService::Outcome PrintService::print(QWidget *parent, const QString &documentName,
                                          const Drawing &draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageOrientation(QPageLayout::Landscape);

    const QString pdf = pdfTarget();
    if (!pdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    } else {
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return Outcome::Cancelled;
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        MsgBox::show(cannotStartMessage(targetName(printer)));
        return Outcome::Failed;
    }
    {
        PrinterSurface surface(&painter, &printer);
        draw(surface);
    }
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error) {
        MsgBox::show(failedMessage(targetName(printer)));
        return Outcome::Failed;
    }
    return Outcome::Printed;
}
