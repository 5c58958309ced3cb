#pragma once

// What the report benchmarks time: a press of Next in the report window
// and a press of Print into a PDF.
#include "common/ImageSurface.h"
#include "common/PrintColumns.h"
#include "reports/ReportFamily.h"
#include "reports/ReportPainting.h"
#include "shell/PrintService.h"
#include "shell/PrinterSurface.h"

#include <benchmark/benchmark.h>

#include <QFont>
#include <QTemporaryDir>

namespace ReportBench {

// The page box of the report window, in pixels.
inline const QSize kPageBox(810, 388);

// One press of Next: the page after the one shown read from its file and
// drawn into the page box, round all `pages` pages and again.
inline void pageThrough(benchmark::State &state, const ReportFamily &report, const ReportInput &in, int pages)
{
    ImageSurface surface(kPageBox, ReportPainting::kPageColour);
    QFont font;
    font.setPointSizeF(10);
    font.setBold(true);
    int page = 0;
    for (auto _ : state) {
        page = page % pages + 1;
        const ReportPage p = report.page(in, page, PageWay::Next);
        if (!p.message.isEmpty()) {
            state.SkipWithError(qPrintable(p.message));
            break;
        }
        benchmark::DoNotOptimize(ReportPainting::drawScreenPage(surface, QSizeF(kPageBox), font, p.page).size());
    }
}

// Print: the whole report read and printed into a PDF file (landscape, as
// the print service prints); the pages of one printout as a counter.
inline void printToPdf(benchmark::State &state, const ReportFamily &report, const ReportInput &in)
{
    QTemporaryDir out;
    qputenv(PrintService::kPdfVariable, out.filePath(QStringLiteral("report.pdf")).toLocal8Bit());
    int pages = 0;
    for (auto _ : state) {
        const ReportPrintout printout = report.printout(in);
        const auto outcome = PrintService::print(nullptr, QStringLiteral("Print Preview"), [&](PrinterSurface &s) {
            pages = int(ReportPainting::drawPrintout(s, printout.pages).count(u'\f')) + 1;
        });
        if (!printout.message.isEmpty() || outcome != PrintService::Outcome::Printed) {
            state.SkipWithError("the printout failed");
            break;
        }
    }
    qunsetenv(PrintService::kPdfVariable);
    state.counters["pages"] = pages;
}

} // namespace ReportBench
