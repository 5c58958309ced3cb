#include "frmPickAero.h"

#include "ExerciseLogName.h"
#include "StandardAerobic.h"
#include "WindowBits.h"

#include "shell/Controls.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QCheckBox>
#include <QLabel>

const QString frmPickAero::kName = QStringLiteral("frmPickAero");

namespace {

constexpr int kWidth = 7260;
constexpr int kFinalHeight = 5595;
constexpr int kColumnLeft[3] = {480, 2880, 5040};
constexpr int kFirstTop = 840;
constexpr int kRowStep = 360;

// The column of an activity: 0 outdoor (0-10), 1 indoor (11-21), 2 aquatic.
int columnOf(int index)
{
    return index <= 10 ? 0 : index <= 21 ? 1 : 2;
}
int firstOfColumn(int column)
{
    return column == 0 ? 0 : column == 1 ? 11 : 22;
}

const QString kColumnHints[3] = {
    QStringLiteral("These exercises are mainly performed in the outdoors."),
    QStringLiteral("These exercise are mainly performed in the indoors."),
    QStringLiteral("These exercises are performed in the water."),
};
const QString kEnterHint = QStringLiteral("Press button to select the checked exercises.");

} // namespace

frmPickAero::frmPickAero(Shell &shell) : WorkingWindow(shell)
{
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Pick Aerobic Excercise"));

    const char *headings[3] = {"Outdoor Acitivity", "Indoor Acitivity", "Aquatic Acitivity"};
    for (int c = 0; c < 3; ++c) {
        auto *heading = new QLabel(QLatin1String(headings[c]), this);
        heading->setObjectName(Controls::element(QStringLiteral("Label2"), c));
        Twips::place(heading, kColumnLeft[c], 240, 2160, 330);
        m_heading.append(heading);
    }

    const auto &standards = StandardAerobic::activities();
    for (int i = 0; i < StandardAerobic::kCount; ++i) {
        const int column = columnOf(i);
        const int left = kColumnLeft[column];
        const int top = kFirstTop + kRowStep * (i - firstOfColumn(column));
        auto *box = new QCheckBox(this);
        box->setObjectName(Controls::element(QStringLiteral("chkExcercise"), i));
        // The box alone shows: the name stands in the label beside it.
        box->setAccessibleName(standards[i].name);
        box->setAutoFillBackground(true);
        Twips::place(box, left, top, 255, 375);
        m_check.append(box);

        auto *label = new QLabel(standards[i].name, this);
        label->setObjectName(Controls::element(QStringLiteral("Label3"), i));
        label->setTextFormat(Qt::PlainText);
        const int labelLeft = left + 300;
        const int right = column < 2 ? kColumnLeft[column + 1] : kWidth;
        Twips::place(label, labelLeft, top + 70, right - labelLeft - 60, 285);
        WindowBits::onClick(label, [this, i] { Label3_Click(i); });
        m_name.append(label);
    }

    m_notes = Controls::notesLabel(this, QStringLiteral("lblNotes"), 5040, 4080, 2040, 975);

    m_button = WindowBits::roundButton(this, QStringLiteral("Label1"),
                                       QString(64, u' ') + QStringLiteral("Enter Excercise"), 5370, 2520);
    m_enter = m_button->label();
    connect(m_button, &LabelButton::clicked, this, &frmPickAero::Label1_Click);

    // The headings grow by hand (see hovered): the check boxes and the
    // button change no caption, and the bare window leaves them as they are.
    m_hints = new HoverHint(this, m_notes, HoverHint::NoHighlight);
    for (int i = 0; i < StandardAerobic::kCount; ++i) {
        m_hints->add(m_name[i], kColumnHints[columnOf(i)]);
        m_hints->add(m_check[i],
                     QStringLiteral("Check box to install a %1 Table").arg(standards[i].name.trimmed()));
    }
    m_hints->add(m_enter, kEnterHint);
    connect(m_hints, &HoverHint::hovered, this, &frmPickAero::hovered);
}

void frmPickAero::Form_Load()
{
    const QColor columnColours[3] = {QColor(0, 0, 50), QColor(0, 0, 150), QColor(0, 0, 230)};
    for (int i = 0; i < StandardAerobic::kCount; ++i) {
        QPalette p = m_check[i]->palette();
        p.setColor(m_check[i]->backgroundRole(), columnColours[columnOf(i)]);
        m_check[i]->setPalette(p);
    }
    for (QLabel *label : findChildren<QLabel *>())
        Controls::setTextColour(label, Qt::white);

    openWindow(kWidth, kFinalHeight, 10);
    // The formatting makes every label white, the button's caption too.
    Controls::setTextColour(m_enter, Qt::black);
}

void frmPickAero::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmPickAero::Label3_Click(int index)
{
    if (QCheckBox *box = m_check.value(index))
        box->setChecked(!box->isChecked());
}

void frmPickAero::Label1_Click()
{
    QList<int> ticked;
    for (int i = 0; i < StandardAerobic::kCount; ++i) {
        if (m_check[i]->isChecked())
            ticked.append(i);
    }
    const auto result = StandardAerobic::install(shell().dataFolder(), ticked);
    if (!result.duplicateName.isEmpty()) {
        MsgBox::show(ExerciseLogName::alreadyCreated(result.duplicateName));
        return;
    }
    if (!result.error.isEmpty()) {
        MsgBox::show(result.error);
        return;
    }
    for (QCheckBox *box : m_check)
        box->setChecked(false);
}

void frmPickAero::hovered(QWidget *control)
{
    // A name: every heading above 10 points back to 10, then its column's
    // heading to 11.
    const int index = m_name.indexOf(qobject_cast<QLabel *>(control));
    if (index < 0)
        return;
    for (QLabel *heading : m_heading) {
        if (WindowBits::pointSize(heading) > 10)
            WindowBits::setPointSize(heading, 10);
    }
    WindowBits::setPointSize(m_heading[columnOf(index)], 11);
}
