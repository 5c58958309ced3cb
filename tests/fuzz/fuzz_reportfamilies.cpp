// The template, foods and description reports over any file. The first
// byte chooses: a day's food file for the foods report, a weight-training
// catalogue for the template and the descriptions, or an aerobic catalogue
// for the cardio template; the rest is the file's bytes.
//
// Foods: every food the day file reads is shown, 19 a page, and printed;
// the total is the sum of the foods' calories as the food journal counts
// them, within 32 bits, on every page; a day without a food to show prints
// nothing. Catalogues: each exercise of the catalogue shows its heading, a
// name it does not have shows alone and the catalogue is named when damage
// may hide it; description lines break as they should. Every page runs on
// the column painter, and no report writes a file.
#include "FuzzCheck.h"

#include "common/PrintColumns.h"
#include "common/RecordingSurface.h"
#include "nutrition/FoodDay.h"
#include "reports/DescriptionReport.h"
#include "reports/FoodsReport.h"
#include "reports/TemplateReport.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/WeightCatalogue.h"

#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

const QDate kDay(2026, 12, 7);
const QString kGhost = QStringLiteral("Ghost of no catalogue");

void paint(const ColumnPage &page)
{
    RecordingSurface surface(QSizeF(900, 400));
    ColumnPainter painter(surface);
    painter.setNewPage([&surface] { surface.setCurrent({0, 0}); });
    painter.run(page);
}

int textsAt(const ColumnPage &page, int column)
{
    int n = 0;
    for (const ColumnPage::Op &op : page.ops())
        n += op.kind == ColumnPage::Op::Text && op.column == column ? 1 : 0;
    return n;
}

int textsEqual(const ColumnPage &page, const QString &text)
{
    int n = 0;
    for (const ColumnPage::Op &op : page.ops())
        n += op.kind == ColumnPage::Op::Text && op.text == text ? 1 : 0;
    return n;
}

ReportInput inputOf(int option)
{
    ReportInput in;
    in.dataFolder = Fuzz::folder();
    in.today = kDay;
    in.choice.day = kDay;
    in.choice.options[size_t(option)] = true;
    return in;
}

void foods(const QByteArray &bytes)
{
    const QString name = FoodDay::fileName(kDay);
    Fuzz::putOnly(name, bytes);
    // What the day holds, as the food journal counts it.
    qsizetype count = 0;
    double total = 0;
    bool tooLarge = false;
    const bool damaged = FoodDay::scan(bytes, name, [&](const FoodDayRecord &food) {
                             const double sum = total + food.eaten();
                             if (food.eaten() <= std::numeric_limits<qint32>::max()
                                 && sum <= std::numeric_limits<qint32>::max()) {
                                 total = sum;
                                 ++count;
                             } else {
                                 tooLarge = true;
                             }
                         }).has_value();
    const bool leftOut = damaged || tooLarge;
    const FoodsReport::Day day = FoodsReport::read(Fuzz::folder(), kDay);
    FUZZ_CHECK(day.foods.size() == count);
    FUZZ_CHECK(day.total == total);
    FUZZ_CHECK(day.problem.isEmpty() != leftOut);
    FUZZ_CHECK(day.problem.isEmpty() || day.problem.contains(name));

    const ReportInput in = inputOf(2);
    const FoodsReport report;
    for (int page = 1; page <= 11; ++page) {
        const ReportPage p = report.page(in, page, page == 1 ? PageWay::Opening : PageWay::Next);
        const qsizetype rows = qBound(qsizetype(0), count - 19 * (page - 1), qsizetype(19));
        FUZZ_CHECK(textsAt(p.page, 38) == rows); // a row's category
        FUZZ_CHECK(p.message.isEmpty() == (count > 0 && !leftOut));
        if (count > 0)
            FUZZ_CHECK(p.page.ops().last().kind == ColumnPage::Op::LineEnd
                       && p.page.ops()[p.page.ops().size() - 2].value == total);
        paint(p.page);
    }
    const ReportPrintout printout = report.printout(in);
    FUZZ_CHECK(printout.print == (count > 0));
    FUZZ_CHECK(textsAt(printout.pages, 7) == count);
    paint(printout.pages);
    FUZZ_CHECK(Fuzz::contents(name) == bytes);
}

void weights(const QByteArray &bytes)
{
    Fuzz::putOnly(WeightCatalogue::kFileName, bytes);
    bool complete = false;
    const QList<WeightExercise> exercises = WeightCatalogue::parse(bytes, WeightCatalogue::kFileName, &complete);
    ReportInput in = inputOf(1);
    in.choice.category = QStringLiteral("Weightlifting");
    for (const WeightExercise &e : exercises)
        in.choice.entries << e.name;
    in.choice.entries << kGhost;
    for (int i = 0; i < in.choice.entries.size(); ++i)
        in.choice.selectedRows << i;
    const qsizetype selected = in.choice.selectedEntries().size();
    const auto named = [&](const QString &message) {
        return message.isEmpty() == complete && (complete || message.contains(WeightCatalogue::kFileName));
    };

    const TemplateReport sheet;
    for (int page = 1; page <= 10; ++page) {
        const ReportPage p = sheet.page(in, page, PageWay::Next);
        // The headings of the exercises from the page's first on; the
        // ghost, always last, has none.
        FUZZ_CHECK(textsEqual(p.page, QStringLiteral("Exercise")) == qMax(selected - 1 - 4 * (page - 1), qsizetype(0)));
        FUZZ_CHECK(selected > 4 * (page - 1) ? named(p.message) : p.message.isEmpty());
        paint(p.page);
    }
    const ReportPrintout printed = sheet.printout(in);
    FUZZ_CHECK(named(printed.message));
    FUZZ_CHECK(textsEqual(printed.pages, TemplateReport::kFooter) == (selected >= 8 ? 1 : 0));
    paint(printed.pages);

    in.choice.options = {false, false, false, true};
    const DescriptionReport descriptions;
    for (int page = 1; page <= 35; ++page) {
        const ReportPage p = descriptions.page(in, page, PageWay::Next);
        // The group of a record the name finds; none for the ghost.
        FUZZ_CHECK(textsAt(p.page, 3) == (page < selected ? 1 : 0));
        FUZZ_CHECK(page == selected ? named(p.message) : p.message.isEmpty());
        paint(p.page);
    }
    const ReportPrintout paper = descriptions.printout(in);
    FUZZ_CHECK(textsAt(paper.pages, 3) == selected - 1);
    FUZZ_CHECK(named(paper.message));
    paint(paper.pages);

    for (const WeightExercise &e : exercises) {
        for (const int at : {DescriptionReport::kScreenBreak, DescriptionReport::kPaperBreak}) {
            const QStringList lines = DescriptionReport::lines(e.description, at);
            for (const QString &line : lines)
                FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
            // Without typed line breaks the lines are the description.
            if (!e.description.contains(u'\r') && !e.description.contains(u'\n')) {
                FUZZ_CHECK(lines.join(QString()) == e.description);
                for (qsizetype i = 0; i + 1 < lines.size(); ++i)
                    FUZZ_CHECK(lines[i].size() >= at && lines[i].endsWith(u' ')
                               && !lines[i].left(lines[i].size() - 1).mid(at - 1).contains(u' '));
            }
        }
    }
    FUZZ_CHECK(Fuzz::contents(WeightCatalogue::kFileName) == bytes);
}

void aerobics(const QByteArray &bytes)
{
    Fuzz::putOnly(AerobicCatalogue::kFileName, bytes);
    bool complete = false;
    const QList<AerobicActivity> activities = AerobicCatalogue::parse(bytes, AerobicCatalogue::kFileName, &complete);
    ReportInput in = inputOf(1);
    in.choice.category = QStringLiteral("Cardio");
    for (const AerobicActivity &a : activities)
        in.choice.entries << a.name;
    in.choice.entries << kGhost;
    for (int i = 0; i < in.choice.entries.size(); ++i)
        in.choice.selectedRows << i;
    const TemplateReport sheet;
    const ReportPage first = sheet.page(in, 1, PageWay::Opening);
    // The first record of each name gives its heading; the ghost has none.
    const QStringList names = in.choice.selectedEntries();
    FUZZ_CHECK(textsEqual(first.page, QStringLiteral("Exercise")) == names.size() - 1);
    FUZZ_CHECK(first.message.isEmpty() == complete);
    FUZZ_CHECK(complete || first.message.contains(AerobicCatalogue::kFileName));
    paint(first.page);
    const ReportPrintout printed = sheet.printout(in);
    FUZZ_CHECK(textsEqual(printed.pages, QStringLiteral("Exercise")) == names.size() - 1);
    FUZZ_CHECK(!printed.pages.ops().isEmpty() && textsEqual(printed.pages, QString(8, u'_')) == 0);
    paint(printed.pages);
    FUZZ_CHECK(Fuzz::contents(AerobicCatalogue::kFileName) == bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    switch (data[0] % 3) {
    case 0:
        foods(bytes);
        break;
    case 1:
        weights(bytes);
        break;
    default:
        aerobics(bytes);
        break;
    }
    return 0;
}
