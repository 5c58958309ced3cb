#include "frmFood.h"

#include "FoodGroups.h"
#include "FoodList.h"
#include "FoodWindowBits.h"

#include "shell/Controls.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shell.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"
#include "workouts/WindowBits.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

const QString frmFood::kName = QStringLiteral("frmFood");

namespace {

constexpr int kWidth = 5730;
constexpr int kFinalHeight = 4755;

TextBox *box(QWidget *window, const QString &name, int left, int top, int width)
{
    auto *b = new TextBox(window, name);
    Twips::place(b, left, top, width, 345);
    return b;
}

Spinner *spinner(QWidget *window, const QString &name, TextBox *box, int left, int top, int high)
{
    auto *bar = new QScrollBar(window);
    bar->setObjectName(name);
    Twips::place(bar, left, top, 255, 435);
    auto *s = new Spinner(bar, box);
    s->setRange(0, high);
    s->setSteps(1, 10);
    return s;
}

} // namespace

frmFood::frmFood(Shell &shell) : WorkingWindow(shell)
{
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Enter Food"));

    using FoodWindowBits::caption;
    m_captions[0] = caption(this, QStringLiteral("lblFoodName"), QStringLiteral("Food Name"), 240, 120, 2400);
    m_name = box(this, QStringLiteral("txtFoodName"), 240, 420, 3240);
    m_captions[1] = caption(this, QStringLiteral("lblGroup"), QStringLiteral("Food Group"), 240, 900, 2400);
    // The group names the list file: it is chosen, not typed.
    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("cboGroup"));
    m_group->setEditable(false);
    Twips::place(m_group, 240, 1200, 2040, 345);
    m_captions[2] = caption(this, QStringLiteral("lblServing"), QStringLiteral("Serving Amount"), 240, 1680, 2040);
    m_serving = box(this, QStringLiteral("txtServing"), 240, 1980, 855);
    m_vsServing = spinner(this, QStringLiteral("vsServing"), m_serving, 1095, 1935, 100);
    m_captions[3] = caption(this, QStringLiteral("lblCal"), QStringLiteral("Calories"), 2400, 1680, 1200);
    m_cal = box(this, QStringLiteral("txtCal"), 2400, 1980, 855);
    m_vsCal = spinner(this, QStringLiteral("vsCal"), m_cal, 3255, 1935, 10000);

    m_notes = Controls::notesLabel(this, QStringLiteral("lblNotes"), 240, 2580, 5130, 1440);

    m_button = FoodWindowBits::roundButton(this, QStringLiteral("lblEnter"),
                                           QString(66, u' ') + QStringLiteral("Enter Food"),
                                           QStringLiteral("Shape1"), QStringLiteral("Shape2"), 3840, 480, 1455,
                                           45, LabelButton::SoundInWork);
    m_button->label()->setToolTip(QStringLiteral("Press Button To Enter Data"));
    connect(m_button, &LabelButton::clicked, this, &frmFood::lblEnter_Click);

    // The captions grow by hand: each under the mouse, the button's hint
    // none; only the bare window sets them back.
    m_hints = new HoverHint(this, m_notes, HoverHint::NoHighlight);
    m_hints->add(m_captions[3],
                 QStringLiteral("Enter the amount of calories in the food you have eaten..  The data given for "
                                "serving and calories will be converted to how many calories per one serving."));
    m_hints->add(m_captions[2],
                 QStringLiteral("Enter the serving amount you have chosen.  The data given for serving and "
                                "calories will be converted to how many calories per one serving."));
    m_hints->add(m_captions[0], QStringLiteral("Enter name of food please."));
    m_hints->add(m_captions[1], QStringLiteral("Enter food group your food will be located under."));
    m_hints->add(m_button->label(), QStringLiteral("Press this button to enter in your personal food."));
    m_hints->setBareText(QStringLiteral("Press the button to enter in your personal food."));
    connect(m_hints, &HoverHint::hovered, this, &frmFood::enlarge);
    connect(m_hints, &HoverHint::cleared, this, &frmFood::shrinkCaptions);
}

void frmFood::Form_Load()
{
    m_name->setText(FoodList::kNamePrompt);
    m_serving->setText(QStringLiteral("0"));
    m_cal->setText(QStringLiteral("0"));
    m_vsServing->setValueSilently(0);
    m_vsCal->setValueSilently(0);

    openWindow(kWidth, kFinalHeight, 8);

    for (const FoodGroup &g : FoodGroups::all())
        m_group->addItem(g.name);
    m_group->setCurrentIndex(0);
    m_name->setFocus(Qt::OtherFocusReason);
}

void frmFood::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmFood::lblEnter_Click()
{
    const QString group = m_group->currentText();
    const FoodList::Outcome checked = FoodList::check(group, m_name->text(), m_serving->text(), m_cal->text());
    if (!checked.added()) {
        MsgBox::show(checked.refusal);
        return;
    }
    // The click sounds only once the checks have passed.
    mFormProcedures::ClickSound();
    const FoodList::Outcome o =
        FoodList::add(shell().dataFolder(), group, m_name->text(), m_serving->text(), m_cal->text());
    if (!o.added()) {
        MsgBox::show(o.refusal);
        return;
    }
    m_notes->setText(FoodList::kEntered);
}

void frmFood::enlarge(QWidget *caption)
{
    if (caption != m_button->label())
        WindowBits::setPointSize(caption, 11);
}

void frmFood::shrinkCaptions()
{
    for (QLabel *c : m_captions) {
        if (WindowBits::pointSize(c) > 10)
            WindowBits::setPointSize(c, 10);
    }
}
