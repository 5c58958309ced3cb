#include "frmCalDate.h"

#include "PieWindowControls.h"
#include "mCalories.h"

#include "common/DateText.h"
#include "common/ImageSurface.h"
#include "shell/Controls.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/PictureBox.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

const QString frmCalDate::kName = QStringLiteral("frmCalDate");
const QString frmCalDate::kCaption = QStringLiteral("Pick Date to View Energy Utilization");
const QString frmCalDate::kSelectionStart =
    QStringLiteral("By the two dates above you wish to view your result for the last ");
const QString frmCalDate::kSelectionEnd = QStringLiteral(" days.");

namespace {

using namespace PieWindowControls;
using Controls::element;

const QString kDesignDays = QStringLiteral("Select Days To View Up Until");

// The headings stand beside their values; a long one takes two lines.
constexpr int kHeadingLeft = 7680;
constexpr int kHeadingWidth = 1500;
constexpr int kHeadingHeight = 480;

} // namespace

frmCalDate::frmCalDate(Shell &shell) : WorkingWindow(shell)
{
    setWindowTitle(kCaption);

    lblStart = Controls::label(this, QStringLiteral("lblStart"), QStringLiteral("Select Starting Date"));
    Twips::place(lblStart, 480, 240, 2535, 255);
    DTPicker1 = calendar(this, shell.today(), 480, 600, 2700, 2370);
    lblFinish = Controls::label(this, QStringLiteral("lblFinish"),
                                QStringLiteral("Select Number of Days to Add to The Above Date"));
    lblFinish->setWordWrap(true);
    // Two lines of the common bold font, over the whole left column: the
    // number of days goes under it, where its design text fits whole.
    Twips::place(lblFinish, 480, 3720, 3360, 495);

    cboLastDay = new QComboBox(this);
    cboLastDay->setObjectName(QStringLiteral("cboLastDay"));
    cboLastDay->setEditable(true);
    cboLastDay->setInsertPolicy(QComboBox::NoInsert);
    cboLastDay->setToolTip(kDesignDays);
    Twips::place(cboLastDay, 480, 4260, 3300, 315);

    m_enter = viewButton(this, 1260, 4800);
    lblEnter = m_enter->label();
    Shape1 = m_enter->front();
    Shape2 = m_enter->back();

    lblSelection = Controls::label(this, QStringLiteral("lblSelection"), QString());
    lblSelection->setWordWrap(true);
    lblSelection->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::place(lblSelection, 4080, 1200, 2280, 1200);
    lblDateChosen = Controls::label(this, QStringLiteral("lblDateChosen"), QString());
    Twips::place(lblDateChosen, 3360, 360, 255, 255);

    Picture1 = picture(this, 4080, 2520, 4935, 3975);

    QLabel **values[3] = {Label1, Label3, Label5};
    const QString valueNames[3] = {QStringLiteral("Label1"), QStringLiteral("Label3"), QStringLiteral("Label5")};
    QLabel **headings[3] = {&Label2, &Label4, &Label6};
    const QString headingNames[3] = {QStringLiteral("Label2"), QStringLiteral("Label4"), QStringLiteral("Label6")};
    for (int k = 0; k < 3; ++k) {
        const int top = 360 + 480 * k;
        for (int i = 0; i < 2; ++i)
            values[k][i] = valueLabel(this, element(valueNames[k], i), 6480, top + 240 * i, balanceTip(k, i));
        *headings[k] = Controls::label(this, headingNames[k], QString());
        (*headings[k])->setWordWrap(true);
        (*headings[k])->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Twips::place(*headings[k], kHeadingLeft, top, kHeadingWidth, kHeadingHeight);
    }

    // The lines that frame the results, the calendar and the button.
    line(this, QStringLiteral("Line1"), 6360, 240, 2880, false);
    line(this, QStringLiteral("Line2"), 6360, 1935, 2880, false);
    line(this, QStringLiteral("Line3"), 6360, 240, 1695, true);
    line(this, QStringLiteral("Line4"), 3840, 240, 6255, true);
    line(this, QStringLiteral("Line5"), 480, 3360, 2895, false);
    line(this, QStringLiteral("Line6"), 480, 4680, 2895, false);

    connect(DTPicker1, &QCalendarWidget::clicked, this, &frmCalDate::DTPicker1_Click);
    connect(DTPicker1, &QCalendarWidget::activated, this, &frmCalDate::DTPicker1_Click);
    // A sentence already written follows the number chosen.
    connect(cboLastDay, &QComboBox::currentTextChanged, this, [this] {
        if (m_selectionShown)
            writeSelection();
    });
    connect(m_enter, &LabelButton::clicked, this, &frmCalDate::lblEnter_Click);
}

void frmCalDate::Form_Load()
{
    DTPicker1->setSelectedDate(shell().today());
    openWindow(kWidth, kFinalHeight, kTopDivisor);
    cboLastDay->addItems(mCalories::dayChoices());
    cboLastDay->setCurrentIndex(-1);
    cboLastDay->setEditText(kDesignDays);
    cboLastDay->lineEdit()->setCursorPosition(0);
}

void frmCalDate::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmCalDate::DTPicker1_Click()
{
    m_selectionShown = true;
    writeSelection();
}

void frmCalDate::writeSelection()
{
    const mCalories::Days chosen = mCalories::daysOf(cboLastDay->currentText());
    lblSelection->setText(chosen.problem.isEmpty()
                              ? kSelectionStart + QString::number(chosen.days) + kSelectionEnd
                              : QString());
}

void frmCalDate::lblEnter_Click()
{
    const mCalories::Days chosen = mCalories::daysOf(cboLastDay->currentText());
    if (!chosen.problem.isEmpty()) {
        MsgBox::show(chosen.problem);
        return;
    }
    for (QLabel **pair : {Label1, Label3, Label5})
        for (int i = 0; i < 2; ++i)
            makeOpaque(pair[i]);

    const mCalories::Balance b =
        mCalories::CaloricBalance(shell().dataFolder(), shell().settings(), DTPicker1->selectedDate(), chosen.days);
    StartDate = DateText::medium(b.start);
    EndDate = DateText::medium(b.end);

    ImageSurface &surface = Picture1->surface();
    mCalories::DrawCaloricBalance(surface, b);
    Picture1->update();

    const mCalories::Shares s = mCalories::shares(b);
    const QColor white(Qt::white), black(Qt::black);
    colour(Label1[0], QColor(200, 0, 0), white);
    colour(Label1[1], QColor(200, 0, 0), white);
    Label2->setText(QStringLiteral("Caloric Intake"));
    colour(Label3[0], QColor(0, 200, 0), black);
    colour(Label3[1], QColor(0, 200, 0), black);
    Label4->setText(QStringLiteral("Caloric Metabolism"));
    colour(Label5[0], QColor(0, 200, 250), black);
    colour(Label5[1], QColor(0, 200, 250), black);
    Label6->setText(QStringLiteral("Caloric Energy Expenditure"));

    Label1[0]->setText(mCalories::valueText(double(b.intake)));
    Label3[0]->setText(mCalories::valueText(double(b.metabolism)));
    Label5[0]->setText(mCalories::valueText(b.exercise));
    Label1[1]->setText(DateText::percent(s.intake));
    Label3[1]->setText(DateText::percent(s.metabolism));
    Label5[1]->setText(DateText::percent(s.exercise));

    if (!b.problems.isEmpty())
        MsgBox::show(b.problems.join(u'\n'));
}
