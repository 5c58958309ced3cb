#include "shell/MsgBox.h"
#include "shell/PrintService.h"
#include "shell/PrinterSurface.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QPrintDialog>
#include <QFile>
#include <QProcess>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <QtTest>

namespace {

// What a command-line tool prints about a PDF file.
QString pdfTool(const QString &tool, const QStringList &arguments)
{
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A page drawn in the units the charts use: a line and two texts.
void drawSample(PrinterSurface &s)
{
    s.scale(0, 1500, 1500, 0);
    s.setDrawWidth(2);
    s.line(QPointF(0, 50), QPointF(1000, 50), QColor(0xE0, 0xE0, 0xE0));
    s.setCurrent(QPointF(450, 660));
    s.print(QStringLiteral("Overweight 25"));
    s.setCurrent(QPointF(450, 760));
    s.print(QStringLiteral("Obese 30"));
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void printsStraightIntoThePdfInLandscape();
    void newPageStartsAnotherPage();
    void paperPixelIsANinetySixthOfAnInch();
    void unwritablePdfSaysSo();
    void cancelledDialogPrintsNothingAndSaysNothing();

private:
    QStringList m_messages;
};

void TestPrinting::init()
{
    m_messages.clear();
    MsgBox::setRecorder([this](const QString &text) { m_messages.append(text); });
}

void TestPrinting::cleanup()
{
    MsgBox::clearRecorder();
    qunsetenv(PrintService::kPdfVariable);
}

void TestPrinting::printsStraightIntoThePdfInLandscape()
{
    const QString pdf = TestEnvironment::freshFolder() + QStringLiteral("/chart.pdf");
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    const auto outcome = PrintService::print(nullptr, QStringLiteral("Chart"), drawSample);
    QCOMPARE(outcome, PrintService::Outcome::Printed);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(QFile::exists(pdf));

    const QString info = pdfTool(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
    QVERIFY(size.hasMatch());
    QVERIFY2(size.captured(1).toDouble() > size.captured(2).toDouble(), "not landscape");

    const QString text = pdfTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("Overweight 25")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Obese 30")));
    // Upright text in a y-up scale: the higher text comes first on the page.
    QVERIFY(text.indexOf(QStringLiteral("Obese 30")) < text.indexOf(QStringLiteral("Overweight 25")));
}

void TestPrinting::newPageStartsAnotherPage()
{
    const QString pdf = TestEnvironment::freshFolder() + QStringLiteral("/pages.pdf");
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    const auto outcome = PrintService::print(nullptr, QStringLiteral("Pages"), [](PrinterSurface &s) {
        s.scale(0, 0, 100, 100);
        s.print(QStringLiteral("first page"));
        QVERIFY(s.newPage());
        QCOMPARE(QPointF(s.currentX(), s.currentY()), QPointF(0, 0));
        s.print(QStringLiteral("second page"));
    });
    QCOMPARE(outcome, PrintService::Outcome::Printed);
    QVERIFY(pdfTool(QStringLiteral("pdfinfo"), {pdf}).contains(
        QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    const QString second = pdfTool(QStringLiteral("pdftotext"),
                                   {QStringLiteral("-f"), QStringLiteral("2"), pdf,
                                    QStringLiteral("-")});
    QVERIFY(second.contains(QStringLiteral("second page")));
    QVERIFY(!second.contains(QStringLiteral("first page")));
}

void TestPrinting::paperPixelIsANinetySixthOfAnInch()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(TestEnvironment::freshFolder() + QStringLiteral("/p.pdf"));
    QPainter painter(&printer);
    PrinterSurface s(&painter, &printer);
    // The scale spreads over the printable area.
    s.scale(0, 1500, 1500, 0);
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    QCOMPARE(s.textHeight() > 0, true);
    // A text's height in units is its height in device pixels over the
    // area's pixels, so it is the same fraction of the page at any resolution.
    const double lineInches = s.textHeight() / 1500 * page.height() / printer.resolution();
    QVERIFY2(lineInches > 0.1 && lineInches < 0.3, qPrintable(QString::number(lineInches)));
    QCOMPARE(s.foreColour(), QColor(Qt::black));
    painter.end();
}

void TestPrinting::unwritablePdfSaysSo()
{
    const QString pdf = TestEnvironment::freshFolder() + QStringLiteral("/no/such/folder/c.pdf");
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    bool drawn = false;
    const auto outcome = PrintService::print(nullptr, QStringLiteral("Chart"),
                                             [&drawn](PrinterSurface &) { drawn = true; });
    QCOMPARE(outcome, PrintService::Outcome::Failed);
    QVERIFY(!drawn);
    QCOMPARE(m_messages, QStringList{PrintService::cannotStartMessage(pdf)});
    QVERIFY(m_messages.first().contains(pdf));
    QVERIFY(!QFile::exists(pdf));
}

void TestPrinting::cancelledDialogPrintsNothingAndSaysNothing()
{
    bool dialogSeen = false;
    bool landscape = false;
    // Closes the print dialog as the user's Cancel would, once it is up.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            dialogSeen = true;
            landscape = dialog->printer()->pageLayout().orientation() == QPageLayout::Landscape;
            dialog->reject();
        }
    });
    closer.start();
    bool drawn = false;
    const auto outcome = PrintService::print(nullptr, QStringLiteral("Chart"),
                                             [&drawn](PrinterSurface &) { drawn = true; });
    closer.stop();
    QVERIFY(dialogSeen);
    QVERIFY(landscape);
    QCOMPARE(outcome, PrintService::Outcome::Cancelled);
    QVERIFY(!drawn);
    QVERIFY(m_messages.isEmpty());
}

PULSAR_TEST_MAIN(TestPrinting)
#include "tst_drawingsurface_printer.moc"
