#include "mBMI.h"

#include "BoxNumber.h"
#include "PersonalProfile.h"
#include "WeightGoal.h"

#include "common/BodyWeight.h"
#include "common/DateText.h"
#include "common/DrawingSurface.h"
#include "common/NumberText.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"

#include <cmath>
#include <limits>

namespace mBMI {

namespace {

const QColor kFloor(100, 20, 33);
const QColor kGrid(0xC0, 0xC0, 0xC0);
const QColor kAxes(0xE0, 0xE0, 0xE0);
const QColor kFront(25, 255, 25);
const QColor kShade(0, 85, 0);
const QColor kAfterColumn(0, 30, 100);
const QColor kGoalLabel(25, 250, 150);

constexpr double kHighest16 = std::numeric_limits<qint16>::max();

// Records taken at most, and records passed over after each one taken.
int mostRecords(const ViewingPeriod &p)
{
    return p.code == 1 ? 7 : p.code == 2 ? 14 : 28;
}

int skippedAfterEach(const ViewingPeriod &p)
{
    switch (p.step) {
    case 8: return 1;
    case 12: return 3;
    case 24: return 7;
    case 48: return 11;
    default: return 0;
    }
}

int labelEvery(const ViewingPeriod &p)
{
    return p.code == 1 ? 1 : p.code == 2 ? 2 : 4;
}

int whole(double v)
{
    return int(NumberText::roundHalfEven(v));
}

QColor clamped(double r, double g, double b)
{
    auto c = [](double v) { return qBound(0, whole(v), 255); };
    return QColor(c(r), c(g), c(b));
}

void printAt(DrawingSurface &s, double x, double y, const QString &text)
{
    s.setCurrent(QPointF(x, y));
    s.print(text);
}

// The state of one chart being drawn: the label counter and the line's
// previous point.
class Plotter
{
public:
    Plotter(DrawingSurface &surface, Medium medium, const ViewingPeriod &period, Kind kind,
            int chartType)
        : s(surface), m_medium(medium), m_period(period), m_kind(kind), m_type(chartType)
    {
    }

    void plot(const Point &point);

private:
    void labels(const Point &point, double x, double y);
    void column(double x, double t);
    void line(double x, double t);

    DrawingSurface &s;
    Medium m_medium;
    ViewingPeriod m_period;
    Kind m_kind;
    int m_type;
    bool m_labelsStarted = false;
    int m_labelCount = 0;
    int m_prevX = 0; // below 80: no previous point yet
    int m_prevY = 0;
};

void Plotter::plot(const Point &point)
{
    const double y = pointY(point.value, m_kind);
    const double x = pointX(point.count, m_period.step);
    labels(point, x, y);
    const double t = y - 25;
    if (m_type == kColumns)
        column(x, t);
    else
        line(x, t);
}

// The newest record taken and then every n-th one carry their date under
// the floor and their value above the column.
void Plotter::labels(const Point &point, double x, double y)
{
    const int every = labelEvery(m_period);
    ++m_labelCount;
    if (!m_labelsStarted) {
        m_labelCount = every;
        m_labelsStarted = true;
    }
    if (m_labelCount < every)
        return;
    s.setForeColour(m_medium == Medium::Screen ? QColor(Qt::white) : QColor(Qt::black));
    printAt(s, x + 10, 50, dateLabel(point.dateText));
    printAt(s, x + 30, y + 120, printForm(point.value));
    m_labelCount = 0;
}

void Plotter::column(double x, double t)
{
    // The front face, in whatever draw width the drawing left.
    s.filledBox(QPointF(x + 45, t + 30), QPointF(x + 60, 60), kFront);
    // The top face.
    s.setDrawWidth(2);
    for (int k = 5; k <= 21; k += 4)
        s.line(QPointF(x + 45 + k, t + 35), QPointF(x + 54 + k, t + 65), kShade);
    // The side face.
    s.setDrawWidth(4);
    for (int m = 4; m <= 16; m += 6)
        s.line(QPointF(x + 57 + m, m + 80), QPointF(x + 57 + m, t + 30 + m), kShade);
    // The edges.
    s.setDrawWidth(2);
    s.line(QPointF(x + 45, t + 30), QPointF(x + 60, t + 30), Qt::black);
    s.lineTo(QPointF(x + 60, 60), Qt::black);
    s.lineTo(QPointF(x + 45, 60), Qt::black);
    s.lineTo(QPointF(x + 45, t + 30), Qt::black);
    s.line(QPointF(x + 60, 60), QPointF(x + 75, 90), Qt::black);
    s.lineTo(QPointF(x + 75, t + 65), Qt::black);
    s.lineTo(QPointF(x + 60, t + 30), Qt::black);
    s.line(QPointF(x + 57, t + 65), QPointF(x + 75, t + 65), Qt::black);
    s.line(QPointF(x + 57, t + 60), QPointF(x + 45, t + 30), Qt::black);
    s.setForeColour(kAfterColumn);
}

// A ribbon shaded from light to dark joins each point to the newer one at
// its right; a short black diagonal marks the newer point.
void Plotter::line(double x, double t)
{
    s.setDrawWidth(2);
    const double px = x + 50;
    const double py = t + 30;
    if (m_prevX < 80) {
        m_prevX = whole(px);
        m_prevY = whole(py);
    }
    s.setDrawWidth(1);
    for (int i = 1; i <= 20; ++i)
        s.line(QPointF(m_prevX + i, m_prevY + i), QPointF(px + i, py + i),
               QColor(0, 250 - 5 * i, 0));
    s.line(QPointF(m_prevX, m_prevY), QPointF(m_prevX + 20, m_prevY + 20), Qt::black);
    m_prevX = whole(px);
    m_prevY = whole(py);
    s.setForeColour(Qt::white);
}

// The goal weight a stored goal names, to the nearest pound.
std::optional<int> storedGoal(const Settings &settings)
{
    const QString text = WeightGoal::storedGoalWeight(settings, QString());
    const auto v = BoxNumber::value(text);
    if (!v)
        return std::nullopt;
    return whole(*v);
}

} // namespace

Kind kindOf(const QString &kindText)
{
    return kindText == kWeightOnly ? Kind::Weight : Kind::BMI;
}

std::optional<float> chartValue(const WeightHistoryRecord &record, Kind kind)
{
    if (record.isPlaceholder())
        return std::nullopt;
    const double pounds = std::floor(record.weight);
    // Below one pound there is nothing to draw; and a value must stay on a
    // chart whose heights are 16-bit numbers.
    if (!std::isfinite(pounds) || pounds < 1 || pounds > kHighest16)
        return std::nullopt;
    float value = float(pounds);
    if (kind == Kind::BMI) {
        const double height = record.height;
        if (!std::isfinite(height) || height <= 0)
            return std::nullopt;
        const double metres = height / 39.4;
        value = float(NumberText::roundHalfEven((pounds / 2.2) / (metres * metres), 1));
    }
    if (pointY(value, kind) > kHighest16)
        return std::nullopt;
    return value;
}

Sampling sample(const WeightHistory::Contents &history, const ViewingPeriod &period, Kind kind)
{
    Sampling out;
    const QList<WeightHistoryRecord> &records = history.records;
    const int most = mostRecords(period);
    const int skip = skippedAfterEach(period);
    qsizetype next = 0;
    int count = 0;
    while (next < records.size()) {
        ++count;
        if (count > most)
            return out;
        const WeightHistoryRecord &r = records[next];
        if (const auto value = chartValue(r, kind))
            out.points.append({count, r.date, *value});
        next += 1 + skip;
    }
    // The history ran out before the chart was full: older records the
    // period asks for may lie behind one that could not be read.
    if (history.error && count < most)
        out.problem = history.error->message();
    return out;
}

qsizetype recordsRead(const ViewingPeriod &period)
{
    return qsizetype(mostRecords(period) - 1) * (1 + skippedAfterEach(period)) + 1;
}

double pointX(int count, int step)
{
    if (step == 1)
        return 1000 - 130.0 * count;
    if (step == 2)
        return 950 - 130.0 * (count / 2.0);
    return 930 - 130.0 * (count / 4.0);
}

double pointY(float value, Kind kind)
{
    const double v = NumberText::roundHalfEven(value);
    return kind == Kind::Weight ? v * 3 + 20 : v * 20 + 55;
}

QString dateLabel(const QString &dateText)
{
    const auto day = DateText::parseAny(dateText);
    return day ? DateText::dayMonth(*day) : dateText;
}

QString printForm(double value)
{
    const QString text = NumberText::single(float(value));
    return value >= 0 ? u' ' + text : text;
}

void drawFrame(DrawingSurface &s, Kind kind, Medium medium)
{
    const bool screen = medium == Medium::Screen;
    if (screen) {
        s.clear();
        s.scale(0, 1000, 1000, 0);
    } else {
        s.scale(0, 1500, 1500, 0);
    }

    s.setDrawWidth(2);
    for (int y = 55; y <= 90; y += 5)
        s.line(QPointF(0, y), QPointF(1000, y), kFloor);

    if (screen) {
        // The back wall, shaded from dark at the floor to red at the top.
        for (int step = 2; step <= 100; ++step) {
            const double y = 20 * (step / 2.0) + 20;
            const QColor c = clamped(y / 3, 30, 30);
            s.setDrawWidth(3);
            s.line(QPointF(53, y), QPointF(65, y + 65), c);
            s.lineTo(QPointF(1000, y + 65), c);
            s.setDrawWidth(1);
        }
    }

    // The scale's texts: the picture's light grey on the screen; black on
    // paper whatever an earlier printout left.
    s.setForeColour(screen ? kGrid : QColor(Qt::black));
    if (kind == Kind::Weight) {
        for (int w = 30; w <= 300; w += 30) {
            s.line(QPointF(53, 3 * w + 20), QPointF(65, 3 * w + 55), kGrid);
            s.lineTo(QPointF(1000, 3 * w + 55), kGrid);
            printAt(s, w < 100 ? 10 : 0, 3 * w + 50, printForm(w));
        }
    } else {
        for (int b = 5; b <= 50; b += 5) {
            s.line(QPointF(53, 20 * b + 60), QPointF(65, 20 * b + 95), kGrid);
            s.lineTo(QPointF(1000, 20 * b + 95), kGrid);
            printAt(s, 5, 20 * b + 90, printForm(b));
        }
        printAt(s, 450, 660, screen ? QStringLiteral("Overweight -> 25") : QStringLiteral("Overweight 25"));
        printAt(s, 450, 760, screen ? QStringLiteral("Obese -> 30") : QStringLiteral("Obese 30"));
    }

    s.setDrawWidth(2);
    s.line(QPointF(53, 0), QPointF(53, 950), kAxes);
    s.line(QPointF(0, 50), QPointF(1000, 50), kAxes);
    s.setDrawWidth(1);
    s.line(QPointF(0, 95), QPointF(53, 95), kAxes);
    s.line(QPointF(65, 95), QPointF(1000, 95), kAxes);
    s.line(QPointF(65, 95), QPointF(65, 1000), kAxes);
    s.line(QPointF(65, 95), QPointF(53, 50), kAxes);
    s.line(QPointF(53, 950), QPointF(65, 1000), kAxes);
}

QString drawChart(DrawingSurface &surface, Medium medium, const QString &dataFolder,
                  Settings &settings, const QString &periodText, const QString &kindText,
                  int chartType)
{
    const Kind kind = kindOf(kindText);
    drawFrame(surface, kind, medium);

    QString problem;
    if (const auto period = ViewingPeriod::fromText(periodText)) {
        // Only the records the chart takes are read: the history stands
        // newest first, and its length does not matter.
        const Sampling taken = sample(WeightHistory(dataFolder).readFirst(recordsRead(*period)), *period, kind);
        Plotter plotter(surface, medium, *period, kind, chartType);
        for (const Point &p : taken.points)
            plotter.plot(p);
        problem = taken.problem;
        const auto goal = storedGoal(settings);
        if (goal && !taken.points.isEmpty()) {
            // At x = 700 unless the text would run off the chart's right edge.
            const QString text = QStringLiteral("Desirable Weight -%1 %2").arg(QChar(0xBB)).arg(*goal);
            surface.setForeColour(kGoalLabel);
            printAt(surface, qMin(700.0, 990 - surface.textWidth(text)), 945, text);
        }
    } else {
        problem = kProperDateMessage;
    }
    // Every chart starts without a previous line point; the setting is left
    // as the chart has always left it.
    settings.set(SettingKeys::BMIChart, kPreXOneKey, QStringLiteral("0"));
    return problem;
}

float shownRate(float rate)
{
    const QString text = NumberText::single(rate);
    qsizetype wholeDigits = text.indexOf(u'.');
    if (wholeDigits < 0)
        wholeDigits = text.size();
    QString cut = text.left(qMax<qsizetype>(4, wholeDigits));
    if (cut.endsWith(u'.'))
        cut.chop(1);
    return float(NumberText::parse(cut).value_or(0));
}

GoalProgress goalProgress(const Settings &settings, const QDate &today)
{
    GoalProgress out;
    const auto goal = BoxNumber::value(
        settings.get(SettingKeys::Goals, WeightGoal::kGoalWeightKey, WeightGoal::kDefaultGoalWeight));
    const auto weight = BodyWeight::stored(settings);
    // A goal or weight that is no number is no goal at all.
    if (!goal || !weight)
        return out;
    const double pounds = NumberText::roundHalfEven(*weight - *goal);
    if (!std::isfinite(pounds) || std::abs(pounds) > kHighest16)
        return out;
    const qint64 days = today.daysTo(WeightGoal::storedGoalDate(settings, today));
    const QString firstName = settings.get(SettingKeys::PersonalInformation, SettingKeys::FirstName,
                                           PersonalProfile::kDefaultFirstName);
    if (pounds < 1) {
        out.goal = QStringLiteral("CONGRATULATIONS  ") + firstName
                   + QStringLiteral("!   You've  reached  your  weight  goal.");
        out.rateShown = false;
        return out;
    }
    if (days <= 0)
        return out;
    out.goal = QStringLiteral("According to your goal setting objectives, you have %1 days to lose "
                              "%2 pounds.")
                   .arg(days)
                   .arg(qint64(pounds));
    const float rate = float(pounds / (double(days) / 7));
    out.rate = QStringLiteral("That's %1 pounds per week.").arg(NumberText::single(shownRate(rate)));
    return out;
}

} // namespace mBMI
