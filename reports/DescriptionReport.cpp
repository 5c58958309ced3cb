#include "DescriptionReport.h"

#include "ReportCatalogues.h"

#include <QRegularExpression>

#include <optional>

namespace {

const QString kTitle = QStringLiteral("Exercise Description");

// The selected exercises as the catalogue has them (none for a name it
// does not have), and the catalogue's damage when it may hide one of them.
struct Described
{
    QString name;
    std::optional<WeightExercise> record;
};

struct Descriptions
{
    QList<Described> exercises;
    QString problem;
};

Descriptions read(const ReportInput &input, qsizetype from = 0, qsizetype count = -1)
{
    Descriptions out;
    const QStringList names = input.choice.selectedEntries().mid(from, count);
    if (names.isEmpty())
        return out;
    const auto catalogue = ReportCatalogues::weights(input.dataFolder);
    for (const QString &name : names) {
        out.exercises.append({name, catalogue.byName(name)});
        if (!out.exercises.last().record)
            out.problem = catalogue.problem;
    }
    return out;
}

// The exercise's group and name, its description broken at `at`, and the
// empty lines after it.
void describe(ColumnPage &p, const Described &e, int at)
{
    p.size(11).bold(true).underline(true);
    if (e.record)
        p.text(3, DescriptionReport::groupName(e.record->code));
    p.text(20, e.name).lineEnd();
    p.size(11).underline(false).bold(false).twoEmptyLines();
    if (e.record) {
        for (const QString &line : DescriptionReport::lines(e.record->description, at))
            p.text(10, line).lineEnd();
    }
    p.twoEmptyLines().colour(Qt::black);
}

} // namespace

QStringList DescriptionReport::lines(const QString &description, int at)
{
    QStringList out;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList paragraphs = description.split(lineBreak);
    while (!paragraphs.isEmpty() && paragraphs.last().isEmpty())
        paragraphs.removeLast();
    for (QString rest : paragraphs) {
        // An empty line typed between two others stays.
        if (rest.isEmpty())
            out.append(QString());
        while (!rest.isEmpty()) {
            const qsizetype blank = rest.indexOf(u' ', qMax(at, 1) - 1);
            if (blank < 0) {
                out.append(rest);
                break;
            }
            out.append(rest.left(blank + 1));
            rest.remove(0, blank + 1);
        }
    }
    return out;
}

QString DescriptionReport::groupName(const QString &code)
{
    for (const QString &group : WeightCatalogue::groups()) {
        if (WeightCatalogue::codeOf(group) == code)
            return group;
    }
    return code;
}

ReportPage DescriptionReport::page(const ReportInput &input, int page, PageWay) const
{
    ReportPage out;
    ColumnPage &p = out.page;
    p.size(10).bold(true).underline(true);
    p.size(12).text(40, kTitle).lineEnd();
    p.size(10).twoEmptyLines();
    // The page's exercise: the page-th selected one; past the last, the
    // title alone.
    const Descriptions d = read(input, qMax(page, 1) - 1, 1);
    for (const Described &e : d.exercises)
        describe(p, e, kScreenBreak);
    out.message = d.problem;
    return out;
}

ReportPrintout DescriptionReport::printout(const ReportInput &input) const
{
    const Descriptions d = read(input);
    ReportPrintout out;
    ColumnPage &p = out.pages;
    p.colour(QColor(0, 0, 255)).fontName(ReportFamilies::kPaperFont);
    ReportFamilies::addLogo(p, input.dataFolder);
    p.colour(Qt::black).bold(true).underline(true).twoEmptyLines();
    p.size(14).text(35, kTitle).lineEnd();
    p.size(10).twoEmptyLines().twoEmptyLines();
    for (const Described &e : d.exercises)
        describe(p, e, kPaperBreak);
    out.message = d.problem;
    return out;
}
