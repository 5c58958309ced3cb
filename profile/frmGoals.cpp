#include "frmGoals.h"

#include "BoxNumber.h"
#include "PersonalProfile.h"
#include "ProfileControls.h"
#include "WeightGoal.h"

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
#include <QScrollBar>

namespace {

using ProfileControls::bar;
using Controls::label;

constexpr int kWidth = 4845;
constexpr int kFinalHeight = 4755;

// The right-pointing double angle quotation mark (character 187 of the
// Windows code page).
const QChar kPointer(0x00BB);

void setPointer(QLabel *pointer, const QString &text)
{
    QFont f = pointer->font();
    f.setPointSizeF(16);
    pointer->setFont(f);
    pointer->setText(text);
}

} // namespace

frmGoals::frmGoals(Shell &shell) : WorkingWindow(shell)
{
    setWindowTitle(QStringLiteral("Goal Setting"));

    lblPointer1 = label(this, QStringLiteral("lblPointer1"), QString());
    lblPointer2 = label(this, QStringLiteral("lblPointer2"), QString());
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Your Current Weight Is "));
    lblCurWeight = label(this, QStringLiteral("lblCurWeight"), QString());
    lblCurWeight->setFrameShape(QFrame::Box);
    lblCurWeight->setAlignment(Qt::AlignCenter);
    lblCurWeight->setAutoFillBackground(true);
    {
        QPalette p = lblCurWeight->palette();
        p.setColor(QPalette::Window, QColor(224, 224, 224));
        lblCurWeight->setPalette(p);
    }
    lblGoalSetting = label(this, QStringLiteral("lblGoalSetting"), QStringLiteral("You Would Like To Weight "));
    txtGoalWeight = new TextBox(this, QStringLiteral("txtGoalWeight"));
    vsGoalWeight = bar(this, QStringLiteral("vsGoalWeight"));
    m_goalWeight = new Spinner(vsGoalWeight, txtGoalWeight);
    m_goalWeight->setRange(95, 400);
    m_goalWeight->setSteps(1, 1);
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("lbs."));
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("By"));
    DTPicker1 = new DatePicker(this, QStringLiteral("DTPicker1"));
    lblMetabolic = label(this, QStringLiteral("lblMetabolic"), QStringLiteral("Metabolic Adjuster"));
    txtMetabolic = new TextBox(this, QStringLiteral("txtMetabolic"));
    txtMetabolic->setToolTip(QStringLiteral("Adjust Personal Metabolism"));
    vsMetabolic = bar(this, QStringLiteral("vsMetabolic"));
    m_metabolic = new Spinner(vsMetabolic, txtMetabolic);
    m_metabolic->setRange(-400, 400);
    m_metabolic->setSteps(5, 5);
    lblNotes = Controls::notesLabel(this, QStringLiteral("lblNotes"), 180, 2640, 4380, 660);


    // The goal-weight box stands below its caption, right-aligned with the
    // other boxes.
    Twips::place(lblPointer1, 60, 120, 840, 420);
    Twips::place(Label2, 900, 210, 2640, 300);
    Twips::place(lblCurWeight, 3570, 180, 840, 330);
    Twips::place(lblPointer2, 60, 660, 840, 420);
    Twips::place(lblGoalSetting, 900, 750, 3450, 300);
    Twips::place(txtGoalWeight, 3330, 1140, 630, 330);
    Twips::place(vsGoalWeight, 3960, 1140, 240, 330);
    Twips::place(Label3, 4230, 1170, 450, 300);
    Twips::place(Label1, 900, 1680, 420, 300);
    Twips::place(DTPicker1, 1350, 1620, 2100, 330);
    Twips::place(lblMetabolic, 900, 2190, 2250, 300);
    Twips::place(txtMetabolic, 3330, 2130, 630, 330);
    Twips::place(vsMetabolic, 3960, 2130, 240, 330);
    m_enter = ProfileControls::enterButton(this, 570, 3390, 3600, 540);
    lblEnter = m_enter->label();
    connect(m_enter, &LabelButton::clicked, this, &frmGoals::lblEnter_Click);

    m_hints = new HoverHint(this, lblNotes, HoverHint::NoHighlight);
    m_hints->add(Label1, QStringLiteral("Select the date you wish to achieve your weight goal."));
    m_hints->add(lblEnter, QStringLiteral("Press button to set your personal weight goal."));
    m_hints->add(lblMetabolic,
                 QStringLiteral("Adjusts the calories you have burnned through your general body "
                                "metabolism when doing caloric calculations."));
    m_hints->add(Label2, QString());
    m_hints->add(lblGoalSetting, QString());
    connect(m_hints, &HoverHint::hovered, this, &frmGoals::showPointers);
    connect(m_hints, &HoverHint::cleared, this, &frmGoals::clearPointers);
}

void frmGoals::Form_Load()
{
    Settings &settings = shell().settings();
    txtMetabolic->setText(QString::number(WeightGoal::storedMet(settings)));
    DTPicker1->setDate(WeightGoal::storedGoalDate(settings, shell().today()));

    openWindow(kWidth, kFinalHeight, 8);

    m_currentWeight = PersonalProfile::storedWeight(settings);
    lblCurWeight->setText(QString::number(m_currentWeight));
    txtGoalWeight->setText(WeightGoal::storedGoalWeight(settings, lblCurWeight->text()));
    // Stored values beyond the bars' ranges stay in their boxes as they are.
    m_metabolic->setValueSilently(WeightGoal::storedMet(settings));
    if (const auto goal = BoxNumber::nearest(txtGoalWeight->text(), 0, 32767))
        m_goalWeight->setValueSilently(*goal);
    QPalette p = lblCurWeight->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    lblCurWeight->setPalette(p);
}

void frmGoals::Form_Unload()
{
    const QString problem = WeightGoal::saveMet(shell().settings(), txtMetabolic->text());
    if (!problem.isEmpty())
        MsgBox::show(problem);
    mFormProcedures::CloseForm();
}

void frmGoals::lblEnter_Click()
{
    const WeightGoal::Outcome out = WeightGoal::enter(shell().settings(), m_currentWeight,
                                                      txtGoalWeight->text(), DTPicker1->date(),
                                                      shell().today());
    MsgBox::show(out.message);
    if (out.goalBoxText)
        txtGoalWeight->setText(*out.goalBoxText);
}

void frmGoals::showPointers(QWidget *control)
{
    if (control == Label2)
        setPointer(lblPointer1, QStringLiteral("----") + kPointer);
    else if (control == lblGoalSetting)
        setPointer(lblPointer2, QStringLiteral("--") + kPointer);
}

void frmGoals::clearPointers()
{
    for (QLabel *pointer : {lblPointer1, lblPointer2}) {
        if (!pointer->text().isEmpty())
            pointer->clear();
    }
}
