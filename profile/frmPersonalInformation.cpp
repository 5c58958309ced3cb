#include "frmPersonalInformation.h"

#include "PersonalProfile.h"
#include "ProfileControls.h"
#include "WeightHistory.h"

#include "common/RecordFileError.h"
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

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QScrollBar>

namespace {

using ProfileControls::bar;
using Controls::label;

constexpr int kWidth = 7035;
constexpr int kFinalHeight = 4845;

const char *const kCaptions[7] = {"First Name", "Age", "Weight", "Date", "Sex", "Height", "Last Name"};
const char *const kHints[7] = {
    "Please enter your first name in textbox", "Please enter your age in textbox",
    "Please enter your weight in textbox",     "Please select the date",
    "Please pick your sex in the combobox",    "Please enter your height in the textboxes",
    "Please enter your last name in textbox",
};

TextBox *box(QWidget *parent, const QString &name, const QString &tip)
{
    auto *t = new TextBox(parent, name);
    t->setToolTip(tip);
    return t;
}

Spinner *spinner(QScrollBar *bar, TextBox *box, int high)
{
    auto *s = new Spinner(bar, box);
    s->setRange(0, high);
    s->setSteps(1, 1);
    return s;
}

} // namespace

frmPersonalInformation::frmPersonalInformation(Shell &shell) : WorkingWindow(shell)
{
    setWindowTitle(QStringLiteral("Personal Information"));

    for (int i = 0; i < 7; ++i)
        lblLabel[i] = label(this, Controls::element(QStringLiteral("lblLabel"), i), QLatin1String(kCaptions[i]));

    txtFName = box(this, QStringLiteral("txtFName"), QStringLiteral("Enter First Name"));
    txtLName = box(this, QStringLiteral("txtLName"), QStringLiteral("Enter Last Name"));
    txtAge = box(this, QStringLiteral("txtAge"), QStringLiteral("Enter Age"));
    txtWeight = box(this, QStringLiteral("txtWeight"), QStringLiteral("Enter Weight"));
    txtHeight = box(this, QStringLiteral("txtHeight"), QStringLiteral("Enter Your Height"));
    txtInches = box(this, QStringLiteral("txtInches"), QStringLiteral("Enter Your Height"));
    vsAge = bar(this, QStringLiteral("vsAge"));
    vsWeight = bar(this, QStringLiteral("vsWeight"));
    vsFeet = bar(this, QStringLiteral("vsFeet"));
    vsInches = bar(this, QStringLiteral("vsInches"));
    m_age = spinner(vsAge, txtAge, 125);
    m_weight = spinner(vsWeight, txtWeight, 400);
    m_feet = spinner(vsFeet, txtHeight, 8);
    m_inches = spinner(vsInches, txtInches, 11);
    Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("Feet"));
    Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("Inches"));

    cboSex = new QComboBox(this);
    cboSex->setObjectName(QStringLiteral("cboSex"));
    cboSex->setEditable(true);
    cboSex->setInsertPolicy(QComboBox::NoInsert);
    cboSex->setToolTip(QStringLiteral("Enter Sex"));

    DTPicker1 = new DatePicker(this, QStringLiteral("DTPicker1"));
    DTPicker1->setToolTip(QStringLiteral("Select Date to be Recorded"));

    const int labelLeft = 240;
    Label3 = Controls::notesLabel(this, QStringLiteral("Label3"), labelLeft, 2550, 6360, 660);

    // Four rows: the names, age and sex, weight and date, the height.
    const int boxLeft = 1560, rightLabel = 3600, rightBox = 4800;
    const int rows[4] = {270, 840, 1410, 1980};
    const int labelWidth = 1200, rowHeight = 330;
    Twips::place(lblLabel[0], labelLeft, rows[0] + 30, labelWidth, 300);
    Twips::place(txtFName, boxLeft, rows[0], 1860, rowHeight);
    Twips::place(lblLabel[6], rightLabel, rows[0] + 30, labelWidth, 300);
    Twips::place(txtLName, rightBox, rows[0], 1860, rowHeight);

    Twips::place(lblLabel[1], labelLeft, rows[1] + 30, labelWidth, 300);
    Twips::place(txtAge, boxLeft, rows[1], 840, rowHeight);
    Twips::place(vsAge, boxLeft + 840, rows[1], 255, rowHeight);
    Twips::place(lblLabel[4], rightLabel, rows[1] + 30, labelWidth, 300);
    Twips::place(cboSex, rightBox, rows[1], 1860, rowHeight);

    Twips::place(lblLabel[2], labelLeft, rows[2] + 30, labelWidth, 300);
    Twips::place(txtWeight, boxLeft, rows[2], 840, rowHeight);
    Twips::place(vsWeight, boxLeft + 840, rows[2], 255, rowHeight);
    Twips::place(lblLabel[3], rightLabel, rows[2] + 30, labelWidth, 300);
    Twips::place(DTPicker1, rightBox, rows[2], 1860, rowHeight);

    Twips::place(lblLabel[5], labelLeft, rows[3] + 30, labelWidth, 300);
    Twips::place(txtHeight, boxLeft, rows[3], 600, rowHeight);
    Twips::place(vsFeet, boxLeft + 600, rows[3], 255, rowHeight);
    Twips::place(Label4, boxLeft + 930, rows[3] + 30, 600, 300);
    Twips::place(txtInches, rightLabel, rows[3], 600, rowHeight);
    Twips::place(vsInches, rightLabel + 600, rows[3], 255, rowHeight);
    Twips::place(Label5, rightLabel + 930, rows[3] + 30, 900, 300);

    m_enter = ProfileControls::enterButton(this, 1650, 3360, 3600, 540);
    lblEnter = m_enter->label();
    lblEnter->setMouseTracking(true);
    lblEnter->installEventFilter(this);
    connect(m_enter, &LabelButton::clicked, this, &frmPersonalInformation::lblEnter_Click);

    m_hints = new HoverHint(this, Label3, HoverHint::FontSize);
    for (int i = 0; i < 7; ++i)
        m_hints->add(lblLabel[i], QLatin1String(kHints[i]));
}

void frmPersonalInformation::Form_Load()
{
    const PersonalProfile p = PersonalProfile::load(shell().settings());
    setWindowTitle(p.windowCaption());

    txtFName->setText(p.firstName);
    txtLName->setText(p.lastName);
    txtHeight->setText(QString::number(p.feet));
    txtInches->setText(QString::number(p.inches));
    txtAge->setText(QString::number(p.age));
    txtWeight->setText(QString::number(p.weight));
    // A stored value beyond a bar's range stays in its box as it is.
    m_age->setValueSilently(p.age);
    m_weight->setValueSilently(p.weight);
    m_feet->setValueSilently(p.feet);
    m_inches->setValueSilently(p.inches);

    DTPicker1->setDate(shell().today());
    cboSex->addItem(QStringLiteral("Male"));
    cboSex->addItem(QStringLiteral("Female"));
    // Adding the first item made it current; the stored sex is the text.
    cboSex->setEditText(p.sex);

    openWindow(kWidth, kFinalHeight, 8);
}

void frmPersonalInformation::Form_Unload()
{
    const ProfileBoxes boxes{txtFName->text(), txtLName->text(), txtAge->text(), txtWeight->text(),
                             txtHeight->text(), txtInches->text(), cboSex->currentText()};
    const QStringList kept = boxes.save(shell().settings());
    if (!kept.isEmpty())
        MsgBox::show(kept.join(u'\n'));
    mFormProcedures::CloseForm();
}

void frmPersonalInformation::Notes(qint16 index)
{
    if (index >= 0 && index < qint16(lblLabel.size()))
        m_hints->hover(lblLabel[index]);
}

bool frmPersonalInformation::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblEnter && event->type() == QEvent::MouseMove)
        Label3->setText(QStringLiteral("Press to enter information"));
    return WorkingWindow::eventFilter(watched, event);
}

void frmPersonalInformation::lblEnter_Click()
{
    ProfileBoxes boxes;
    boxes.age = txtAge->text();
    boxes.weight = txtWeight->text();
    boxes.feet = txtHeight->text();
    boxes.inches = txtInches->text();
    const ProfileBoxes::HistoryEntry entry = boxes.historyEntry();
    if (!entry.ok()) {
        MsgBox::show(entry.problem);
        return;
    }
    try {
        WeightHistory(shell().dataFolder())
            .addFirst(DTPicker1->date(), entry.age, entry.weight, entry.height);
    } catch (const RecordFileError &error) {
        MsgBox::show(error.message());
        return;
    }
    Label3->setText(QStringLiteral("Your personal information has been updated!"));
}
