#include "frmFoodPieChart.h"

#include "PieWindowControls.h"
#include "mFoodPieChart.h"

#include "common/DateText.h"
#include "common/ImageSurface.h"
#include "common/NumberText.h"
#include "shell/Controls.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/PictureBox.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QCalendarWidget>
#include <QLabel>

const QString frmFoodPieChart::kName = QStringLiteral("frmFoodPieChart");
const QString frmFoodPieChart::kCaption = QStringLiteral("Food Distribution By Category");

namespace {

using namespace PieWindowControls;
using Controls::element;

// Where each group's value pair and legend name stand (twips).
struct Place
{
    int valueLeft, top, legendLeft, legendWidth, legendHeight;
};
constexpr Place kPlaces[mFoodPieChart::kCategories] = {
    {3840, 720, 5040, 1440, 255},  // Meat
    {3840, 1200, 5040, 1440, 255}, // Milk
    {3840, 1680, 5040, 1440, 255}, // Grains
    {6600, 720, 7800, 1440, 255},  // Other
    {6600, 1200, 7800, 1440, 480}, // Fruits & Veg's: two lines when it needs them
};

const QString kValueTip = QStringLiteral("Total Calories");
const QString kShareTip = QStringLiteral("Percent of Selected Day's Calories");

} // namespace

frmFoodPieChart::frmFoodPieChart(Shell &shell) : WorkingWindow(shell)
{
    setWindowTitle(kCaption);

    lblStart = Controls::label(this, QStringLiteral("lblStart"), QStringLiteral("Select Date"));
    Twips::place(lblStart, 600, 480, 2535, 255);
    DTPicker1 = calendar(this, shell.today(), 600, 840, 2700, 2370);

    m_enter = viewButton(this, 1260, 4200);
    lblEnter = m_enter->label();
    Shape1 = m_enter->front();
    Shape2 = m_enter->back();

    Picture1 = picture(this, 4200, 2640, 4935, 3975);

    for (int c = 0; c < mFoodPieChart::kCategories; ++c) {
        const Place &p = kPlaces[c];
        // Until the first result the value labels carry the tips of the
        // caloric balance's labels.
        for (int i = 0; i < 2; ++i) {
            m_values[c][i] = valueLabel(this, element(QStringLiteral("Label%1").arg(2 * c + 1), i), p.valueLeft,
                                        p.top + 240 * i, c < 3 ? balanceTip(c, i) : QString());
        }
        m_legend[c] = Controls::label(this, QStringLiteral("Label%1").arg(2 * c + 2), QString());
        m_legend[c]->setWordWrap(true);
        m_legend[c]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Twips::place(m_legend[c], p.legendLeft, p.top, p.legendWidth, p.legendHeight);
    }

    // The lines that frame the legend, the calendar and the button.
    line(this, QStringLiteral("Line1"), 3720, 600, 5520, false);
    line(this, QStringLiteral("Line2"), 3720, 2280, 5520, false);
    line(this, QStringLiteral("Line3"), 3720, 600, 1680, true);
    line(this, QStringLiteral("Line4"), 600, 3600, 2700, false);

    connect(m_enter, &LabelButton::clicked, this, &frmFoodPieChart::lblEnter_Click);
}

void frmFoodPieChart::Form_Load()
{
    DTPicker1->setSelectedDate(shell().today());
    openWindow(kWidth, kFinalHeight, kTopDivisor);
}

void frmFoodPieChart::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmFoodPieChart::lblEnter_Click()
{
    for (auto &pair : m_values)
        for (QLabel *value : pair)
            makeOpaque(value);
    const QDate day = DTPicker1->selectedDate();
    StartDate = DateText::medium(day);
    EndDate = StartDate;

    const mFoodPieChart::Day food = mFoodPieChart::dayFood(shell().dataFolder(), day);
    ImageSurface &surface = Picture1->surface();
    mFoodPieChart::DrawFoodPieChart(surface, food.totals);
    Picture1->update();

    const auto shares = mFoodPieChart::shares(food.totals);
    for (int c = 0; c < mFoodPieChart::kCategories; ++c) {
        for (QLabel *value : m_values[c])
            colour(value, mFoodPieChart::legendBack(c), mFoodPieChart::legendText(c));
        m_legend[c]->setText(mFoodPieChart::legendName(c));
        m_values[c][0]->setText(NumberText::dbl(food.totals.calories(c)));
        m_values[c][1]->setText(DateText::percent(shares[size_t(c)]));
        m_values[c][0]->setToolTip(kValueTip);
        m_values[c][1]->setToolTip(kShareTip);
    }

    if (!food.problem.isEmpty())
        MsgBox::show(food.problem);
}
