#include "frmFoodEntry.h"

#include "FoodEntry.h"
#include "FoodWindowBits.h"

#include "shell/Controls.h"
#include "shell/DatePicker.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shell.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeWidget>

const QString frmFoodEntry::kName = QStringLiteral("frmFoodEntry");

namespace {

constexpr int kWidth = 11525;
constexpr int kFinalHeight = 5415;
const QString kTotalCaption = QStringLiteral("Total Calories");

} // namespace

frmFoodEntry::frmFoodEntry(Shell &shell) : WorkingWindow(shell)
{
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Food Entry "));

    using FoodWindowBits::caption;
    m_labels[0] = caption(this, QStringLiteral("Label1"), QStringLiteral("List of Foods"), 240, 120, 3000);
    m_main = FoodWindowBits::listView(this, QStringLiteral("lvMain"), 240, 420, 4440, 3000);
    m_labels[6] = caption(this, QStringLiteral("Label7"), QStringLiteral("Items Chosen"), 6300, 120, 3000);
    m_items = FoodWindowBits::listView(this, QStringLiteral("lvItems"), 6300, 420, 4500, 3000);
    m_items->setFocusPolicy(Qt::NoFocus);

    m_labels[1] = caption(this, QStringLiteral("Label2"), QStringLiteral("Multiply Times Consumed"), 240, 3630, 2640);
    m_multiply = new TextBox(this, QStringLiteral("txtMultiply"));
    Twips::place(m_multiply, 2940, 3570, 735, 345);
    auto *upDown = new QScrollBar(this);
    upDown->setObjectName(QStringLiteral("UpDown1"));
    Twips::place(upDown, 3675, 3525, 255, 435);
    m_upDown = new Spinner(upDown, m_multiply);
    m_upDown->setRange(1, 20);
    m_upDown->setSteps(1, 1);

    m_labels[3] = caption(this, QStringLiteral("Label4"), QStringLiteral("Date"), 240, 4230, 900);
    m_date = new DatePicker(this, QStringLiteral("DTPicker1"));
    Twips::place(m_date, 2940, 4170, 1740, 345);

    m_labels[2] = caption(this, QStringLiteral("Label3"), kTotalCaption, 6300, 3630, 2400);
    m_totCal = new TextBox(this, QStringLiteral("txtTotCal"));
    m_totCal->setReadOnly(true);
    Twips::place(m_totCal, 8760, 3570, 900, 345);

    m_notes = Controls::notesLabel(this, QStringLiteral("lblNotes"), 6300, 4110, 4860, 840);

    using FoodWindowBits::roundButton;
    m_select = roundButton(this, QStringLiteral("Label6"), QString(55, u' ') + QStringLiteral("Select >>   Food>>"),
                           QStringLiteral("Shape1"), QStringLiteral("Shape2"), 4920, 540, 1215, 60);
    m_enter = roundButton(this, QStringLiteral("lblEnter"),
                          QString(75, u' ') + QStringLiteral("Enter               Total     Calories"),
                          QStringLiteral("Shape3"), QStringLiteral("Shape4"), 4920, 1980, 1215, 60);
    m_clear = roundButton(this, QStringLiteral("Label8"), QString(56, u' ') + QStringLiteral("Clear    List"),
                          QStringLiteral("Shape5"), QStringLiteral("Shape6"), 4920, 3420, 1215, 60);
    // Select alone takes the shadow's colour while pressed.
    FoodWindowBits::shadowWhilePressed(m_select);
    m_labels[5] = m_select->label();
    m_labels[7] = m_clear->label();
    m_select->label()->setToolTip(QStringLiteral("Enter food into item list"));
    m_enter->label()->setToolTip(QStringLiteral("Enter Calories Consumed into the database"));
    m_clear->label()->setToolTip(QStringLiteral("Clears all items in the selected items list"));
    connect(m_select, &LabelButton::clicked, this, &frmFoodEntry::Label6_Click);
    connect(m_enter, &LabelButton::clicked, this, &frmFoodEntry::lblEnter_Click);
    connect(m_clear, &LabelButton::clicked, this, &frmFoodEntry::Label8_Click);

    // The servings box is shown from the start, so that the first pick's
    // servings can be typed. A food checked becomes the selected row, the
    // one Select picks.
    connect(m_main, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item, int column) {
        if (column == FoodColumn && item->checkState(FoodColumn) == Qt::Checked && m_main->currentItem() != item)
            m_main->setCurrentItem(item);
    });

    m_hints = new HoverHint(this, m_notes, HoverHint::NoHighlight);
    m_hints->add(m_date, QStringLiteral("Select the date you wish to enter"));
    if (auto *edit = m_date->findChild<QLineEdit *>())
        m_hints->add(edit, m_hints->hint(m_date));
    m_hints->add(m_labels[2], QStringLiteral("Records the total amount of calories you have selected"));
    m_hints->add(m_items, QStringLiteral("Records the items you have selected"));
    m_hints->add(m_main, QStringLiteral("Gives lists of items to select "));
    m_hints->add(m_multiply, QStringLiteral("Multiply the select food item if amount you consumed was greater"));
    connect(m_hints, &HoverHint::hovered, this, &frmFoodEntry::hovered);
    connect(m_hints, &HoverHint::cleared, this, [this] { totalCaption(false); });
    // The list views' rows take the mouse moves.
    for (QTreeWidget *list : {m_main, m_items}) {
        list->viewport()->setMouseTracking(true);
        m_hints->add(list->viewport(), m_hints->hint(list));
    }
}

QLabel *frmFoodEntry::label(int which) const
{
    return which >= 1 && which <= 8 ? m_labels[which - 1] : nullptr;
}

void frmFoodEntry::Form_Load()
{
    m_group = &FoodGroups::fromMenu([this](const QString &item) { return shell().isChecked(item); });
    m_date->setDate(shell().today());
    m_multiply->setText(QStringLiteral("1"));
    m_upDown->setValueSilently(1);
    m_totCal->setText(QStringLiteral("0"));
    Information(m_group->code);

    openWindow(kWidth, kFinalHeight, 7);
    FoodWindowBits::blackCaption(m_select->label());
    FoodWindowBits::blackCaption(m_clear->label());

    // The foods picked in an earlier opening are dropped.
    const QString problem = FoodEntry::reset(shell().dataFolder());
    if (!problem.isEmpty())
        MsgBox::show(problem);
    m_main->setFocus(Qt::OtherFocusReason);
}

void frmFoodEntry::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmFoodEntry::Information(int group)
{
    const FoodGroup &g = FoodGroups::byCode(group);
    setWindowTitle(g.caption);
    if (frame())
        frame()->setWindowTitle(g.caption);

    const QSignalBlocker blocker(m_main);
    FoodWindowBits::setColumns(m_main, {QStringLiteral("Food Category"), QStringLiteral("Food"), QStringLiteral("Calories")},
               {5, 3050, 1150});
    const FoodList::Reading reading = FoodList::read(shell().dataFolder(), g);
    m_rows = reading.records;
    QList<QTreeWidgetItem *> rows;
    rows.reserve(m_rows.size());
    for (const FoodListRecord &r : std::as_const(m_rows)) {
        // A heading's title stands in the hidden first column, so that it
        // shows as an empty line between the foods of two headings. The
        // check box stands before the food's name (the first column is too
        // narrow to show one); a heading has none.
        QTreeWidgetItem *item = r.heading ? new QTreeWidgetItem(QStringList{r.name})
                                          : new QTreeWidgetItem(QStringList{QString(), r.name, r.caloriesText()});
        if (r.heading) {
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        } else {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(FoodColumn, Qt::Unchecked);
        }
        rows.append(item);
    }
    m_main->addTopLevelItems(rows);
    FoodWindowBits::setColumns(m_items, {QStringLiteral("Food Added"), QStringLiteral("Servings")}, {3050, 1080});
    if (!reading.problem.isEmpty())
        MsgBox::show(reading.problem);
}

void frmFoodEntry::Label6_Click()
{
    QTreeWidgetItem *row = m_main->currentItem();
    const int index = row ? m_main->indexOfTopLevelItem(row) : -1;
    if (index < 0 || index >= m_rows.size())
        return;
    const FoodListRecord &food = m_rows[index];
    // Only a row with calories is a food.
    if (!row->text(CaloriesColumn).isEmpty()) {
        const FoodEntry::Pick pick = FoodEntry::pick(shell().dataFolder(), m_date->date(), *m_group, food,
                                                     m_multiply->text(), m_total);
        if (!pick.picked()) {
            MsgBox::show(pick.refusal);
            return;
        }
        m_items->addTopLevelItem(new QTreeWidgetItem(QStringList{pick.record.food, pick.record.servings}));
        m_picks.append(pick.record);
        m_total += pick.calories;
        m_totCal->setText(QString::number(m_total));
    }
    if (row->flags() & Qt::ItemIsUserCheckable)
        row->setCheckState(FoodColumn, Qt::Unchecked);
    m_multiply->setText(QStringLiteral("1"));
    m_upDown->setValueSilently(1);
}

void frmFoodEntry::lblEnter_Click()
{
    const FoodEntry::Entered entered = FoodEntry::enter(shell().dataFolder(), m_date->date(), m_picks);
    if (!entered.ok()) {
        // Nothing was written: the foods chosen stay for another try.
        MsgBox::show(entered.refusal);
        return;
    }
    clearChosen();
}

void frmFoodEntry::Label8_Click()
{
    const QString problem = FoodEntry::reset(shell().dataFolder());
    if (!problem.isEmpty()) {
        MsgBox::show(problem);
        return;
    }
    clearChosen();
}

void frmFoodEntry::clearChosen()
{
    m_items->clear();
    m_picks.clear();
    m_total = 0;
    m_totCal->setText(QStringLiteral("0"));
}

void frmFoodEntry::hovered(QWidget *control)
{
    // Only the bare window sets the caption back.
    if (control == m_labels[2])
        totalCaption(true);
}

void frmFoodEntry::totalCaption(bool pointed)
{
    QLabel *total = m_labels[2];
    const QString text = pointed ? kTotalCaption + QStringLiteral(" ------>") : kTotalCaption;
    if (total->text() != text)
        total->setText(text);
    const QColor colour = pointed ? QColor(Qt::white) : m_labels[1]->palette().color(QPalette::WindowText);
    if (total->palette().color(QPalette::WindowText) != colour)
        Controls::setTextColour(total, colour);
}
