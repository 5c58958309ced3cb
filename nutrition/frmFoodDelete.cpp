#include "frmFoodDelete.h"

#include "FoodDeletion.h"
#include "FoodWindowBits.h"

#include "common/DateText.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QTreeWidget>

const QString frmFoodDelete::kName = QStringLiteral("frmFoodDelete");

namespace {

constexpr int kWidth = 8970;
constexpr int kFinalHeight = 6975;

} // namespace

frmFoodDelete::frmFoodDelete(Shell &shell) : WorkingWindow(shell)
{
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Food Deletion"));

    m_month = new QCalendarWidget(this);
    m_month->setObjectName(QStringLiteral("MonthView1"));
    m_month->setDateRange(DateText::kFirstDate, DateText::kLastDate);
    m_month->setSelectedDate(QDate(2001, 4, 21));
    m_month->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Day names of one letter, as a small month calendar shows them.
    m_month->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    // In the windows' common font, as the other month calendars: so its
    // seven columns show whole at its size.
    Twips::place(m_month, 1680, 240, 2700, 2370);

    m_caption = FoodWindowBits::caption(this, QStringLiteral("Label1"), QStringLiteral("List of Foods"), 360, 3000,
                                        2055, 255);

    // A little wider than designed, for the first heading to show whole.
    m_list = FoodWindowBits::listView(this, QStringLiteral("lvMain"), 360, 3360, 7020, 2775);

    m_listButton = FoodWindowBits::roundButton(
        this, QStringLiteral("Label6"), QString(30, u' ') + QStringLiteral("List") + QString(8, u' ')
                                            + QStringLiteral("Food(s)"),
        QStringLiteral("Shape1"), QStringLiteral("Shape2"), 4860, 960, 1215, 60);
    FoodWindowBits::shadowWhilePressed(m_listButton);
    m_listButton->label()->setToolTip(QStringLiteral("List Foods For The Selected Day"));
    connect(m_listButton, &LabelButton::clicked, this, &frmFoodDelete::Label6_Click);

    m_deleteButton = FoodWindowBits::roundButton(
        this, QStringLiteral("Label8"), QString(22, u' ') + QStringLiteral("Delete") + QString(2, u' ')
                                            + QStringLiteral("Selected Food"),
        QStringLiteral("Shape5"), QStringLiteral("Shape6"), 7500, 4320, 1215, 60);
    // The caption a little narrower than its circle, so that its leading
    // blanks fill a line of their own and push the words down onto the
    // circle, as they are meant to, instead of pushing "Delete" out of it.
    Twips::place(m_deleteButton->label(), 7530, 4320, 1155, 1215);
    m_deleteButton->label()->setToolTip(QStringLiteral("Clears all items in the selected items list"));
    connect(m_deleteButton, &LabelButton::clicked, this, &frmFoodDelete::Label8_Click);
}

void frmFoodDelete::Form_Load()
{
    openWindow(kWidth, kFinalHeight, 8);
    FoodWindowBits::blackCaption(m_listButton->label());
    FoodWindowBits::blackCaption(m_deleteButton->label());
    setColumns();
    // The list stays empty until the user lists a day.
    m_month->setFocus(Qt::OtherFocusReason);
}

void frmFoodDelete::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmFoodDelete::setColumns()
{
    // Widths in the window's 1000 units across its client area of 8850
    // twips; the first one wider, so that its heading shows whole, and the
    // Total wider, for a total of four digits and two decimals ("1746.75"),
    // from the list's spare room and a little of the servings.
    QList<int> widths;
    for (int units : {162, 299, 101, 122, 75})
        widths.append(units * 8850 / 1000);
    widths[CategoryColumn] += 165;
    widths[ServingsColumn] -= 45;
    widths[TotalColumn] += 150;
    FoodWindowBits::setColumns(m_list,
                               {QStringLiteral("Food Category"), QStringLiteral("Food"), QStringLiteral("Calories"),
                                QStringLiteral("Servings"), QStringLiteral("Total")},
                               widths);
}

void frmFoodDelete::Label6_Click()
{
    Upadate_Foods();
}

void frmFoodDelete::Upadate_Foods()
{
    setColumns();
    const FoodDay::Reading reading = FoodDay::readAll(shell().dataFolder(), m_month->selectedDate());
    QList<QTreeWidgetItem *> rows;
    rows.reserve(reading.records.size());
    for (const FoodDayRecord &r : reading.records)
        rows.append(new QTreeWidgetItem(QStringList{r.category, r.food, r.calories, r.servings, r.productShown()}));
    m_list->addTopLevelItems(rows);
    if (!reading.problem.isEmpty())
        MsgBox::show(reading.problem);
}

void frmFoodDelete::Label8_Click()
{
    QTreeWidgetItem *row = m_list->currentItem();
    if (!row || row->text(CaloriesColumn).isEmpty())
        return;
    FoodDayRecord food;
    food.category = row->text(CategoryColumn);
    food.food = row->text(FoodColumn);
    food.calories = row->text(CaloriesColumn);
    food.servings = row->text(ServingsColumn);
    // The calendar's day at this moment, whatever day was listed.
    const FoodDeletion::Outcome o = FoodDeletion::remove(shell().dataFolder(), m_month->selectedDate(), food);
    if (!o.ok()) {
        MsgBox::show(o.refusal);
        return;
    }
    Upadate_Foods();
}
