#include "mCalories.h"

#include "FoodDay.h"

#include "common/BodyWeight.h"
#include "common/DrawingSurface.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "profile/WeightGoal.h"
#include "workouts/CalorieJournal.h"

#include <cmath>
#include <future>
#include <limits>
#include <optional>
#include <utility>

namespace mCalories {

namespace {

// A wedge too small to see is drawn this large.
constexpr double kLeastWedge = 15;

// The sum of a journal's calories from `start` to `end`. The journal
// stands newest first, so the first record older than the period ends it.
// Each record counts as a whole number (halves to even) of 32 bits; one
// that cannot be read is passed over and named in `problems`.
template <typename Sum>
Sum journalSum(const QString &dataFolder, const QString &fileName, const QDate &start, const QDate &end,
               QStringList &problems)
{
    const QString path = RecordFile::path(dataFolder, fileName);
    Sum sum = 0;
    std::optional<RecordFileError> damage;
    try {
        const auto unread = CalorieJournal::scan(RecordFile::read(path), path, [&](const QDate &date, double calories,
                                                                                  int line) {
            if (date < start)
                return false;
            if (date > end)
                return true;
            const auto whole = NumberText::whole32(calories);
            if (!whole) {
                if (!damage)
                    damage = RecordFileError(RecordFileError::Overflow, path,
                                             QStringLiteral("%1 does not fit").arg(NumberText::dbl(calories)), line);
                return true;
            }
            sum += Sum(*whole);
            return true;
        });
        if (unread && (!damage || unread->line() < damage->line()))
            damage = unread;
    } catch (const RecordFileError &e) {
        problems.append(e.message());
        return sum;
    }
    if (damage)
        problems.append(damage->message() + QStringLiteral(" The records that could not be read are left out."));
    return sum;
}

} // namespace

QStringList dayChoices()
{
    return {QStringLiteral("1"),  QStringLiteral("2"),  QStringLiteral("3"),  QStringLiteral("4"),
            QStringLiteral("5"),  QStringLiteral("6"),  QStringLiteral("7"),  QStringLiteral("14"),
            QStringLiteral("21"), QStringLiteral("30"), QStringLiteral("60"), QStringLiteral("90"),
            QStringLiteral("120")};
}

Days daysOf(const QString &text)
{
    const auto v = NumberText::parse(text);
    if (!v || !std::isfinite(*v) || *v != std::floor(*v) || *v < 1)
        return {0, kChooseDays};
    if (*v > kMostDays)
        return {0, kTooGreat};
    return {int(*v), QString()};
}

qint64 metabolism(double weight, double met, int days)
{
    return qint64(NumberText::roundHalfEven((10 * weight + met) * days));
}

qint64 metabolism(const Settings &settings, int days)
{
    return metabolism(BodyWeight::pounds(settings), WeightGoal::storedMet(settings), days);
}

Balance CaloricBalance(const QString &dataFolder, const Settings &settings, const QDate &start, int days)
{
    Balance b;
    b.start = start;
    b.days = days;
    b.end = start.addDays(days - 1);
    // The two journals are read side by side: a long period of a long
    // journal reads every record of both.
    auto exercise = std::async(std::launch::async, [&dataFolder, &b] {
        QStringList problems;
        const double sum =
            journalSum<double>(dataFolder, CalorieJournal::kExerciseFileName, b.start, b.end, problems);
        return std::pair{sum, problems};
    });
    b.intake = journalSum<qint64>(dataFolder, FoodDay::kJournalFileName, b.start, b.end, b.problems);
    const auto [burnt, problems] = exercise.get();
    b.exercise = burnt;
    b.problems += problems;
    b.metabolism = metabolism(settings, days);
    return b;
}

Shares shares(const Balance &balance)
{
    const double intake = std::max<double>(balance.intake, 0);
    const double metabolism = std::max<double>(balance.metabolism, 0);
    const double exercise = std::max(balance.exercise, 0.0);
    const double total = intake + metabolism + exercise;
    if (total <= 0)
        return {};
    return {intake / total, metabolism / total, exercise / total};
}

QList<PieChart::Part> pieParts(const Balance &balance)
{
    using PieChart::Component;
    const auto visible = [](double v) { return v > 0 ? v : kLeastWedge; };
    return {
        {visible(double(balance.intake)), QColor(115, 0, 0),
         {Component::shaded(255, 115), Component::fixed(0), Component::fixed(0)}, 1},
        {visible(balance.exercise), QColor(0, 115, 250),
         {Component::fixed(0), Component::shaded(255, 115), Component::fixed(250)}, 1},
        {std::max<double>(double(balance.metabolism), 0), QColor(0, 115, 0),
         {Component::fixed(0), Component::shaded(255, 115), Component::fixed(0)}, 1},
    };
}

void DrawCaloricBalance(DrawingSurface &surface, const Balance &balance)
{
    PieChart::drawBackground(surface);
    const Shares s = shares(balance);
    if (s.intake + s.metabolism + s.exercise <= 0)
        return;
    const QList<PieChart::Part> parts = pieParts(balance);
    PieChart::drawPie(surface, parts, PieChart::total(parts));
}

QString valueText(double value)
{
    return NumberText::dbl(value);
}

} // namespace mCalories
