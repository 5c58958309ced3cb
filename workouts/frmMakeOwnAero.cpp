#include "frmMakeOwnAero.h"

#include "CustomAerobic.h"
#include "WindowBits.h"

#include "shell/Controls.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shell.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

const QString frmMakeOwnAero::kName = QStringLiteral("frmMakeOwnAero");

namespace {

constexpr int kWidth = 5220;
constexpr int kFinalHeight = 6045;

void setBackground(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(w->backgroundRole(), colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

frmMakeOwnAero::frmMakeOwnAero(Shell &shell) : WorkingWindow(shell)
{
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Make Your Own Aerobic Excercise"));

    m_headings[0] =
        WindowBits::caption(this, QStringLiteral("lblCategory"), QStringLiteral("Category"), 360, 240, 2400);
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("Combo1"));
    // The class gives the code that names the log: it is chosen, not typed.
    m_category->setEditable(false);
    m_category->setToolTip(QStringLiteral("Select category excercise will be entrered under"));
    Twips::place(m_category, 360, 555, 4200, 345);

    m_headings[1] = WindowBits::caption(this, QStringLiteral("lblExcercise"), QStringLiteral("Exercise"), 360,
                                        1080, 2400);
    m_name = new TextBox(this, QStringLiteral("Text1"));
    m_name->setToolTip(QStringLiteral("Give personal excercise a name"));
    Twips::place(m_name, 360, 1395, 4200, 345);

    m_headings[2] = WindowBits::caption(this, QStringLiteral("lblMeasure"), QStringLiteral("Measured by"),
                                        360, 1920, 2400);
    m_optDT = new QRadioButton(this);
    m_optDT->setObjectName(QStringLiteral("optDT"));
    m_optT = new QRadioButton(this);
    m_optT->setObjectName(QStringLiteral("optT"));
    m_terrain = new QCheckBox(this);
    m_terrain->setObjectName(QStringLiteral("Check1"));
    // Either option may be unchosen (a click on the label of the chosen one
    // unchooses it), so the two are kept exclusive by hand.
    for (QRadioButton *option : {m_optDT, m_optT})
        option->setAutoExclusive(false);
    Twips::place(m_optDT, 480, 2280, 255, 255);
    Twips::place(m_optT, 480, 2640, 255, 255);
    Twips::place(m_terrain, 480, 3000, 255, 255);
    m_labels[0] = WindowBits::caption(this, QStringLiteral("Label1"), QStringLiteral("Distance vs.Time"), 840,
                                      2265, 2400);
    m_labels[1] =
        WindowBits::caption(this, QStringLiteral("Label2"), QStringLiteral("Time Only"), 840, 2625, 2400);
    m_labels[2] =
        WindowBits::caption(this, QStringLiteral("Label3"), QStringLiteral("Terrain"), 840, 2985, 2400);
    connect(m_optDT, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_optT->setChecked(false);
        m_terrain->setEnabled(true);
    });
    connect(m_optT, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_optDT->setChecked(false);
        m_terrain->setEnabled(false); // a tick it has stays
    });
    WindowBits::onClick(m_labels[0], [this] { Label1_Click(); });
    WindowBits::onClick(m_labels[1], [this] { Label2_Click(); });
    WindowBits::onClick(m_labels[2], [this] { Label3_Click(); });

    m_labels[4] = WindowBits::caption(this, QStringLiteral("Label5"), QStringLiteral("Calories Burnned"), 360,
                                      3480, 2400);
    m_cal = new TextBox(this, QStringLiteral("txtCal"));
    Twips::place(m_cal, 360, 3840, 855, 345);
    auto *vsCal = new QScrollBar(this);
    vsCal->setObjectName(QStringLiteral("vsCal"));
    Twips::place(vsCal, 1215, 3795, 255, 435);
    m_vsCal = new Spinner(vsCal, m_cal);
    m_vsCal->setRange(CustomAerobic::kLeastCalories, CustomAerobic::kMostCalories);
    m_labels[3] = WindowBits::caption(this, QStringLiteral("Label4"), QStringLiteral("in"), 1620, 3870, 300);
    m_min = new TextBox(this, QStringLiteral("txtMin"));
    Twips::place(m_min, 1980, 3840, 615, 345);
    auto *vsMin = new QScrollBar(this);
    vsMin->setObjectName(QStringLiteral("vsMin"));
    Twips::place(vsMin, 2595, 3795, 255, 435);
    m_vsMin = new Spinner(vsMin, m_min);
    m_vsMin->setRange(CustomAerobic::kLeastMinutes, CustomAerobic::kMostMinutes);
    m_labels[5] =
        WindowBits::caption(this, QStringLiteral("Label6"), QStringLiteral("minutes"), 3000, 3870, 1200);

    m_notes = Controls::notesLabel(this, QStringLiteral("lblNotes"), 360, 4440, 4440, 1035);

    m_button = WindowBits::roundButton(this, QStringLiteral("lblEnter"),
                                       QString(67, u' ') + QStringLiteral("Enter Excercise"), 3480, 1920);
    m_enter = m_button->label();
    m_enter->setToolTip(QStringLiteral("Press button if you wish to enter excercise"));
    connect(m_button, &LabelButton::clicked, this, &frmMakeOwnAero::lblEnter_Click);

    // The headings grow by hand (see hovered).
    m_hints = new HoverHint(this, m_notes, HoverHint::NoHighlight);
    m_hints->add(m_headings[0], QStringLiteral("Select which category excercise will fall under"));
    m_hints->add(m_headings[1], QStringLiteral("Select name of excercise"));
    m_hints->add(
        m_labels[0],
        QStringLiteral("Select option if you wish to record distance and time the excercise was performed"));
    m_hints->add(m_labels[1],
                 QStringLiteral("Select option if you  wish to record only the time of the excercise"));
    m_hints->add(m_labels[2], QStringLiteral("Check box if you wish to enter in type of terrain"));
    m_hints->add(
        m_labels[4],
        QStringLiteral("Enter the number of calories you burn in a given amount of time.  This will be a "
                       "template for calories burnned whenever you enter in the information for that "
                       "exercise."));
    m_hints->add(m_enter, QStringLiteral("Enter Excercise"));
    connect(m_hints, &HoverHint::hovered, this, &frmMakeOwnAero::hovered);
    connect(m_hints, &HoverHint::cleared, this, [this] { setHeading(nullptr); });
}

QLabel *frmMakeOwnAero::heading(int which) const
{
    return which >= 0 && which < 3 ? m_headings[which] : nullptr;
}

QLabel *frmMakeOwnAero::label(int which) const
{
    return which >= 1 && which <= 6 ? m_labels[which - 1] : nullptr;
}

void frmMakeOwnAero::Form_Load()
{
    const QPalette system = QApplication::palette();
    for (QWidget *box : {static_cast<QWidget *>(m_category), static_cast<QWidget *>(m_name),
                         static_cast<QWidget *>(m_cal), static_cast<QWidget *>(m_min)}) {
        QPalette p = box->palette();
        p.setColor(QPalette::Text, system.color(QPalette::Text));
        p.setColor(QPalette::Base, system.color(QPalette::Base));
        box->setPalette(p);
    }
    setBackground(m_optT, QColor(0, 0, 85));
    setBackground(m_optDT, QColor(0, 0, 85));
    setBackground(m_terrain, QColor(0, 0, 200));

    m_category->addItems({QStringLiteral("Indoor Activity"), QStringLiteral("Outdoor Activiity"),
                          QStringLiteral("Aquatic Activity")});
    m_category->setPlaceholderText(QStringLiteral("Choose Type of Activity"));
    m_category->setCurrentIndex(-1);
    m_name->setText(CustomAerobic::kNamePrompt);
    m_cal->setText(QStringLiteral("1"));
    m_min->setText(QStringLiteral("1"));
    m_vsCal->setValueSilently(1);
    m_vsMin->setValueSilently(1);

    openWindow(kWidth, kFinalHeight, 7);

    m_optT->setChecked(true);
}

void frmMakeOwnAero::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmMakeOwnAero::Label1_Click()
{
    m_optDT->setChecked(!m_optDT->isChecked());
}

void frmMakeOwnAero::Label2_Click()
{
    m_optT->setChecked(!m_optT->isChecked());
}

void frmMakeOwnAero::Label3_Click()
{
    m_terrain->setChecked(!m_terrain->isChecked());
}

void frmMakeOwnAero::lblEnter_Click()
{
    CustomAerobic::Input input;
    input.name = m_name->text();
    input.code = m_category->currentIndex() >= 0 ? m_category->currentText().left(2) : QString();
    input.distanceAndTime = m_optDT->isChecked();
    input.timeOnly = m_optT->isChecked();
    input.terrain = m_terrain->isChecked();
    input.calories = m_cal->text();
    input.minutes = m_min->text();
    const auto outcome = CustomAerobic::add(shell().dataFolder(), shell().settings(), input);
    if (!outcome.added()) {
        MsgBox::show(outcome.refusal);
        return;
    }
    m_notes->setText(CustomAerobic::kAdded);
}

void frmMakeOwnAero::setHeading(QLabel *enlarged)
{
    for (QLabel *heading : m_headings) {
        if (heading != enlarged && WindowBits::pointSize(heading) > 10)
            WindowBits::setPointSize(heading, 10);
    }
    if (enlarged)
        WindowBits::setPointSize(enlarged, 11);
}

void frmMakeOwnAero::hovered(QWidget *control)
{
    // The class and name headings enlarge themselves; the distance option's
    // label enlarges the measure heading. The other hints change no heading.
    if (control == m_headings[0] || control == m_headings[1])
        setHeading(static_cast<QLabel *>(control));
    else if (control == m_labels[0])
        setHeading(m_headings[2]);
}
