#include "ExerciseLogReport.h"

#include "ExerciseHeadings.h"
#include "ReportCatalogues.h"

#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/RecordList.h"

#include <QFileInfo>

#include <array>
#include <optional>

const QString ExerciseLogReport::kDistanceUnit = QStringLiteral("m");

namespace {

using Layout = AerobicLog::Layout;

// Columns of the five sets.
struct SetColumns
{
    int weight;
    int reps;
};
// The headings on paper: "Weight k" and "Reps k".
constexpr std::array<SetColumns, 5> kPaperHeading{{{13, 24}, {35, 47}, {59, 71}, {82, 94}, {106, 118}}};
// An entry's values, on the screen and on paper.
constexpr std::array<SetColumns, 5> kValues{{{19, 32}, {49, 61}, {78, 90}, {107, 119}, {135, 147}}};

// The printed entries from this one on start a page of their own.
constexpr int kPaperBreakAt = 20;

const QString kRule = QString(120, u'_');

const QString kDate = QStringLiteral("Date");

void weightHeading(ColumnPage &p, qint16 sets, bool paper)
{
    if (!paper) {
        ExerciseHeadings::weightSets(p, kDate, sets);
        return;
    }
    p.text(3, kDate);
    for (int k = 1; k <= sets; ++k) {
        const SetColumns c = kPaperHeading[size_t(k - 1)];
        p.text(c.weight, QStringLiteral("Weight %1").arg(k));
        p.text(c.reps, QStringLiteral("Reps %1").arg(k));
    }
}

void weightValues(ColumnPage &p, const ExerciseLogEntry &e)
{
    for (qsizetype k = 0; k < e.sets.size() && k < qsizetype(kValues.size()); ++k) {
        p.number(kValues[size_t(k)].weight, e.sets[k].weight);
        p.number(kValues[size_t(k)].reps, e.sets[k].reps);
    }
}

void aerobicHeading(ColumnPage &p, Layout layout)
{
    ExerciseHeadings::aerobic(p, kDate, layout);
}

// An aerobic entry's row, ended.
void aerobicRow(ColumnPage &p, const AerobicLogEntry &e, Layout layout)
{
    p.text(2, e.dateText).number(19, e.minutes);
    if (layout != Layout::DateMinutes) {
        p.text(QStringLiteral("min"));
        p.number(32, e.distance).text(ExerciseLogReport::kDistanceUnit);
    }
    if (layout == Layout::Full)
        p.text(43, e.terrain);
    p.lineEnd();
}

bool knownCode(const QString &code)
{
    return WeightCatalogue::isGroupCode(code) || AerobicClass::isClassCode(code);
}

} // namespace

ExerciseLogReport::Log ExerciseLogReport::read(const QString &dataFolder, const QString &code, const QString &name)
{
    Log log;
    log.name = name;
    log.aerobic = AerobicClass::isClassCode(code);
    if (!knownCode(code) || name.isEmpty())
        return log;
    try {
        std::optional<RecordFileError> damage;
        QString catalogueDamage;
        if (log.aerobic) {
            const auto catalogue = ReportCatalogues::aerobics(dataFolder);
            catalogueDamage = catalogue.problem;
            if (const auto activity = catalogue.byName(name)) {
                log.found = true;
                log.layout = AerobicLog::layoutOf(*activity);
            }
        } else {
            const auto catalogue = ReportCatalogues::weights(dataFolder);
            catalogueDamage = catalogue.problem;
            if (const auto exercise = catalogue.byName(name)) {
                log.found = true;
                log.sets = exercise->setCount();
            }
        }
        if (!log.found) {
            // The exercise may stand behind the damage.
            log.failure = catalogueDamage;
            return log;
        }
        const QString logPath = ExerciseLogName::path(dataFolder, code, name);
        const QByteArray bytes = RecordFile::read(logPath);
        const QString fileName = QFileInfo(logPath).fileName();
        if (log.aerobic) {
            log.aerobics = readAsFarAsWhole(
                [&](bool *complete) { return AerobicLog::parse(bytes, fileName, log.layout, complete); }, damage);
        } else {
            log.weights = readAsFarAsWhole(
                [&](bool *complete) { return ExerciseLog::parse(bytes, fileName, log.sets, complete); }, damage);
        }
        if (damage)
            log.damage = damage->message();
    } catch (const RecordFileError &e) {
        log.failure = e.message();
        log.weights.clear();
        log.aerobics.clear();
    }
    return log;
}

ReportPage ExerciseLogReport::page(const ReportInput &input, int page, PageWay) const
{
    const ReportChoice &choice = input.choice;
    const Log log = read(input.dataFolder, choice.code(), choice.reportedEntry());

    ReportPage out;
    ColumnPage &p = out.page;
    p.size(10).bold(true).underline(true);
    p.size(12).text(50, log.name).lineEnd();
    p.size(10).twoEmptyLines();
    if (!log.found) {
        out.message = log.failure;
        return out;
    }
    if (log.aerobic)
        aerobicHeading(p, log.layout);
    else
        weightHeading(p, log.sets, false);
    p.lineEnd();
    p.size(9).underline(false).bold(false).twoEmptyLines();

    // The same rows on a page whichever way led to it.
    const qsizetype first = qsizetype(kStep) * (qMax(page, 1) - 1);
    const qsizetype last = qMin(qsizetype(kStep) * qMax(page, 1), log.count() - 1);
    for (qsizetype i = first; i <= last; ++i) {
        if (log.aerobic) {
            aerobicRow(p, log.aerobics[i], log.layout);
        } else {
            p.text(2, log.weights[i].dateText);
            weightValues(p, log.weights[i]);
            p.lineEnd();
        }
        p.twoEmptyLines();
    }

    if (!log.failure.isEmpty()) {
        out.message = log.failure;
    } else if (!log.damage.isEmpty() && log.count() <= qsizetype(kStep) * qMax(page, 1)) {
        // Only a page the damage cut short says so.
        out.message = log.damage + QStringLiteral(" The page shows the entries before the damage.");
    }
    return out;
}

ReportPrintout ExerciseLogReport::printout(const ReportInput &input) const
{
    const ReportChoice &choice = input.choice;
    const Log log = read(input.dataFolder, choice.code(), choice.reportedEntry());

    ReportPrintout out;
    out.clickSound = true;
    ColumnPage &p = out.pages;
    p.fontName(ReportFamilies::kPaperFont).size(16).bold(true).italic(false).colour(Qt::black);
    ReportFamilies::addLogo(p, input.dataFolder);
    p.twoEmptyLines();

    if (!log.aerobic) {
        p.size(10).bold(true).underline(true);
        p.size(12).text(47, log.name).lineEnd();
        if (log.found) {
            p.size(10).twoEmptyLines().twoEmptyLines();
            weightHeading(p, log.sets, true);
            p.lineEnd();
            p.size(9).underline(false).bold(false).twoEmptyLines();
            int printed = 0;
            for (const ExerciseLogEntry &e : log.weights) {
                if (++printed == kPaperBreakAt)
                    p.newPage();
                p.italic(true).text(2, e.dateText).lineEnd();
                p.italic(false);
                weightValues(p, e);
                p.lineEnd();
                p.text(kRule).lineEnd();
            }
        }
    } else {
        p.size(12).text(50, log.name).lineEnd();
        if (log.found) {
            p.size(10).twoEmptyLines();
            p.bold(true).underline(false);
            aerobicHeading(p, log.layout);
            p.lineEnd();
            p.size(9).underline(false).bold(false).twoEmptyLines();
            for (const AerobicLogEntry &e : log.aerobics) {
                aerobicRow(p, e, log.layout);
                p.text(kRule).lineEnd();
            }
        }
    }

    if (!log.failure.isEmpty())
        out.message = log.failure;
    else if (!log.damage.isEmpty())
        out.message = log.damage + QStringLiteral(" The printout holds the entries before the damage.");
    return out;
}
