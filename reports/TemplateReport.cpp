#include "TemplateReport.h"

#include "ExerciseHeadings.h"
#include "ReportCatalogues.h"
#include "ReportLists.h"

#include "common/DateText.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "profile/PersonalProfile.h"

#include <array>
#include <optional>

const QString TemplateReport::kFooter = QStringLiteral("Kestrava Pulsar 3.0 workout sheet");
const QString TemplateReport::kTitleSuffix = QStringLiteral(" Template");

namespace {

using Layout = AerobicLog::Layout;

const QString kExercise = QStringLiteral("Exercise");
const QColor kBlue(0, 0, 255);

// The blank cells of each set on paper: the weight's and the repetitions'.
struct CellColumns
{
    int weight;
    int reps;
};
constexpr std::array<CellColumns, 5> kCells{{{20, 34}, {50, 62}, {77, 90}, {106, 120}, {135, 147}}};
const QString kWeightCell(8, u'_');
const QString kRepsCell(5, u'_');

// The footer follows the exercise of this count.
constexpr int kFooterAfter = 8;

// One selected exercise as its catalogue has it: its set count or its
// layout; neither when the catalogue has no record of its name.
struct Exercise
{
    QString name;
    std::optional<qint16> sets;
    std::optional<Layout> layout;

    bool found() const { return sets || layout; }
};

// The selected exercises, looked up in the category's catalogue, and what
// kept the catalogue from being read whole.
struct Sheet
{
    bool weights = true;
    QList<Exercise> exercises;
    QString catalogueProblem;

    // The catalogue's problem when its damage may hide one of the
    // exercises from the one at `from` on.
    QString problem(qsizetype from = 0) const
    {
        for (qsizetype i = from; i < exercises.size(); ++i) {
            if (!exercises[i].found())
                return catalogueProblem;
        }
        return QString();
    }
};

Sheet read(const ReportInput &input)
{
    Sheet sheet;
    sheet.weights = input.choice.category == ReportLists::kWeightlifting;
    const QStringList names = input.choice.selectedEntries();
    // Each name as the category's catalogue has it: its sets or its layout.
    const auto lookUp = [&](const auto &catalogue, const auto &describe) {
        sheet.catalogueProblem = catalogue.problem;
        for (const QString &name : names) {
            Exercise e{name, std::nullopt, std::nullopt};
            if (const auto record = catalogue.byName(name))
                describe(e, *record);
            sheet.exercises.append(e);
        }
    };
    if (sheet.weights)
        lookUp(ReportCatalogues::weights(input.dataFolder),
               [](Exercise &e, const auto &record) { e.sets = record.setCount(); });
    else
        lookUp(ReportCatalogues::aerobics(input.dataFolder),
               [](Exercise &e, const auto &record) { e.layout = AerobicLog::layoutOf(record); });
    return sheet;
}

// The exercise's heading line in 10 points, bold and underlined, ended;
// an exercise the catalogue does not have has none.
void heading(ColumnPage &p, const Exercise &e)
{
    if (!e.found())
        return;
    p.size(10).bold(true).underline(true);
    if (e.sets)
        ExerciseHeadings::weightSets(p, kExercise, *e.sets);
    else
        ExerciseHeadings::aerobic(p, kExercise, *e.layout);
    p.lineEnd();
}

} // namespace

ReportPage TemplateReport::page(const ReportInput &input, int page, PageWay) const
{
    const Sheet sheet = read(input);
    ReportPage out;
    ColumnPage &p = out.page;
    p.size(10).bold(true).underline(true);

    const qsizetype skip = qsizetype(kStep) * (qMax(page, 1) - 1);
    bool titled = false;
    for (qsizetype i = skip; i < sheet.exercises.size(); ++i) {
        const Exercise &e = sheet.exercises[i];
        if (!titled) {
            p.size(12).text(50, input.choice.category).lineEnd();
            if (sheet.weights)
                p.size(10);
            p.twoEmptyLines();
            titled = true;
        }
        heading(p, e);
        p.size(9).underline(false).bold(false);
        if (sheet.weights) {
            p.twoEmptyLines();
            p.colour(kBlue).text(2, e.name).lineEnd();
            p.colour(Qt::black).twoEmptyLines();
        } else {
            p.text(3, e.name).lineEnd();
            p.twoEmptyLines().twoEmptyLines();
        }
    }
    out.message = sheet.problem(skip);
    return out;
}

ReportPrintout TemplateReport::printout(const ReportInput &input) const
{
    const Sheet sheet = read(input);
    const QString firstName =
        input.settings ? input.settings->get(SettingKeys::PersonalInformation, SettingKeys::FirstName,
                                             PersonalProfile::kDefaultFirstName)
                       : PersonalProfile::kDefaultFirstName;

    ReportPrintout out;
    ColumnPage &p = out.pages;
    p.size(16).bold(true).italic(true).colour(kBlue).fontName(ReportFamilies::kPaperFont);
    ReportFamilies::addLogo(p, input.dataFolder);
    p.italic(false).colour(Qt::black);
    p.twoEmptyLines().text(25, firstName + kTitleSuffix).lineEnd();
    p.size(10).text(95, DateText::longDate(input.today)).lineEnd().twoEmptyLines();

    int count = 0;
    bool titled = false;
    for (const Exercise &e : sheet.exercises) {
        if (sheet.weights) {
            ++count;
            heading(p, e);
            p.size(9).underline(false).bold(false).twoEmptyLines();
            p.colour(kBlue).text(5, e.name).lineEnd();
            const qint16 sets = e.sets.value_or(0);
            for (int k = 0; k < sets; ++k)
                p.text(kCells[size_t(k)].weight, kWeightCell).text(kCells[size_t(k)].reps, kRepsCell);
            // With one or two sets the line stays open: the footer or the
            // empty lines below close it.
            if (sets >= 3)
                p.lineEnd();
            if (count == kFooterAfter)
                p.text(100, kFooter).lineEnd();
            p.colour(Qt::black).twoEmptyLines();
        } else {
            if (!titled) {
                p.size(12).text(50, input.choice.category).lineEnd().twoEmptyLines();
                titled = true;
            }
            heading(p, e);
            p.size(9).underline(false).bold(false);
            p.text(3, e.name).lineEnd().twoEmptyLines().twoEmptyLines();
        }
    }
    out.message = sheet.problem();
    return out;
}
