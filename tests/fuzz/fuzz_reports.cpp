// The exercise-log report over any log. The first byte chooses the log: a
// weight-training log of 1 to 5 sets, or an aerobic log of one of the three
// layouts; the rest is the log's bytes. Every page and the printout show the
// entries the log reads as far as it is whole, page p those at positions
// 7 (p - 1) to 7 p; a page the damage cuts short and the printout of a
// damaged log name the file; the pages run on the column painter; and the
// report never writes a file.
#include "FuzzCheck.h"

#include "common/PrintColumns.h"
#include "common/RecordingSurface.h"
#include "reports/ExerciseLogReport.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicLog.h"
#include "workouts/ExerciseLog.h"
#include "workouts/WeightCatalogue.h"

#include <cstddef>
#include <cstdint>

namespace {

// The entries a page or printout shows: each row ends with its line end and
// then two empty lines (screen) or a rule (paper); counted by their dates.
qsizetype rowsOf(const ColumnPage &page, const QStringList &dates)
{
    qsizetype rows = 0;
    for (const ColumnPage::Op &op : page.ops()) {
        if (op.kind == ColumnPage::Op::Text && op.column == 2 && dates.contains(op.text))
            ++rows;
    }
    return rows;
}

void check(const QString &log, const QByteArray &bytes, const ReportInput &in, qsizetype readable, bool damaged,
           const QStringList &dates)
{
    const ExerciseLogReport report;
    for (int page = 1; page <= 4; ++page) {
        const ReportPage p = report.page(in, page, page == 1 ? PageWay::Opening : PageWay::Next);
        const qsizetype first = 7 * (page - 1);
        const qsizetype shown = qBound(qsizetype(0), qMin(readable - 1, qsizetype(7) * page) - first + 1, qsizetype(8));
        FUZZ_CHECK(rowsOf(p.page, dates) == shown);
        const bool cutShort = damaged && readable <= 7 * page;
        FUZZ_CHECK(p.message.isEmpty() != cutShort);
        FUZZ_CHECK(p.message.isEmpty() || p.message.contains(log));
        RecordingSurface surface(QSizeF(2000, 400));
        ColumnPainter painter(surface);
        painter.run(p.page);
    }
    const ReportPrintout printout = report.printout(in);
    FUZZ_CHECK(printout.print);
    FUZZ_CHECK(printout.message.isEmpty() != damaged);
    qsizetype rules = 0;
    for (const ColumnPage::Op &op : printout.pages.ops())
        rules += op.kind == ColumnPage::Op::Text && op.text == QString(120, u'_') ? 1 : 0;
    FUZZ_CHECK(rules == readable);
    RecordingSurface paper(QSizeF(1000, 700));
    ColumnPainter painter(paper);
    painter.setNewPage([&paper] { paper.setCurrent({0, 0}); });
    painter.run(printout.pages);
    FUZZ_CHECK(Fuzz::contents(log) == bytes);
}

ReportInput inputFor(const QString &category, const QString &name)
{
    ReportInput in;
    in.dataFolder = Fuzz::folder();
    in.choice.options[0] = true;
    in.choice.category = category;
    in.choice.entries = {name};
    in.choice.selectedRows = {0};
    in.choice.currentRow = 0;
    return in;
}

void weightLog(const QByteArray &bytes, qint16 sets)
{
    const QString log = QStringLiteral("BiBarbell Curl.txt");
    Fuzz::putOnly(log, bytes);
    Fuzz::put(WeightCatalogue::kFileName, "\"Bi\",\"Barbell Curl\",\"\"," + QByteArray::number(sets) + "\r\n");
    bool complete = false;
    const QList<ExerciseLogEntry> entries = ExerciseLog::parse(bytes, log, sets, &complete);
    QStringList dates;
    for (const ExerciseLogEntry &e : entries)
        dates << e.dateText;
    check(log, bytes, inputFor(QStringLiteral("Biceps"), QStringLiteral("Barbell Curl")), entries.size(), !complete,
          dates);
}

void aerobicLog(const QByteArray &bytes, AerobicLog::Layout layout)
{
    const QString log = QStringLiteral("OuRunning.txt");
    const AerobicActivity activity{QStringLiteral("Ou"), QStringLiteral("Running"), true,
                                   layout != AerobicLog::Layout::DateMinutes, layout == AerobicLog::Layout::Full};
    Fuzz::putOnly(log, bytes);
    Fuzz::put(AerobicCatalogue::kFileName, AerobicCatalogue::line(activity));
    bool complete = false;
    const QList<AerobicLogEntry> entries = AerobicLog::parse(bytes, log, layout, &complete);
    QStringList dates;
    for (const AerobicLogEntry &e : entries)
        dates << e.dateText;
    check(log, bytes, inputFor(QStringLiteral("Outdoor Activites"), QStringLiteral("Running")), entries.size(),
          !complete, dates);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::oneLog(data, size, weightLog, [](const QByteArray &bytes, int layout) {
        aerobicLog(bytes, AerobicLog::Layout(layout));
    });
    return 0;
}
