#include "frmChartBMI.h"

#include "ViewingPeriod.h"
#include "frmFitnessBMI.h"
#include "mBMI.h"

#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "shell/Controls.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

const QString frmChartBMI::kCaption = QStringLiteral("Chart Information for BMI Graph");
const QString frmChartBMI::kAbdominalCaption = QStringLiteral("Abdonomal Excercises Chart");

namespace {

using Controls::label;
using Controls::setBackColour;

constexpr int kWidth = 5100;
constexpr int kFinalHeight = 4755;

const QString kBodyWeightItem = QStringLiteral("itmBWG");
const QString kAbdominalItem = QStringLiteral("itmAbdGraph");
const QString kGraphWindow = QStringLiteral("frmFitnessGraph");
const QString kChartWindow = QStringLiteral("frmFitnessBMI");

// The hints of the captions, by caption.
QString hintOf(const QString &name)
{
    if (name == QLatin1String("Label1"))
        return QStringLiteral("Choose Viewing Period You Wish To See");
    if (name == QLatin1String("Label4"))
        return QStringLiteral("Choose which type evaluation form to view");
    if (name == QLatin1String("Label8"))
        return QStringLiteral("Choose which type of graph to view");
    return QString();
}

} // namespace

frmChartBMI::frmChartBMI(Shell &shell) : WorkingWindow(shell)
{
    setWindowTitle(kCaption);

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Viewing Period"));
    Combo1_2 = new QComboBox(this);
    Combo1_2->setObjectName(QStringLiteral("Combo1(2)"));
    Combo1_2->setToolTip(QStringLiteral("Choose viewing period to evaluate"));
    Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("Comparison Type"));
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setToolTip(QStringLiteral("Choose comparison type"));
    Label8 = label(this, QStringLiteral("Label8"), QStringLiteral("Type of Chart"));
    Option2_0 = new QRadioButton(this);
    Option2_0->setObjectName(QStringLiteral("Option2(0)"));
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("   Bar"));
    Label2->setToolTip(QStringLiteral("Click this to see a bar graph"));
    Option2_1 = new QRadioButton(this);
    Option2_1->setObjectName(QStringLiteral("Option2(1)"));
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("   Line"));
    Label3->setToolTip(QStringLiteral("Click this to see a line graph"));
    Option2_0->setChecked(true);
    chkViewWeight = new QCheckBox(this);
    chkViewWeight->setObjectName(QStringLiteral("chkViewWeight"));
    lblViewWeight = label(this, QStringLiteral("lblViewWeight"), QStringLiteral("View Reps"));
    chkViewWeight->hide();
    lblViewWeight->hide();
    lblNotes = Controls::notesLabel(this, QStringLiteral("lblNotes"), 240, 2400, 4500, 480);

    m_enter = Controls::enterButton(this, QString(71, u' ') + QStringLiteral("View      Chart"), 600, 3000, 3600,
                                    540, LabelButton::SoundInWork);
    lblEnter = m_enter->label();
    Shape1 = m_enter->front();
    Shape2 = m_enter->back();
    lblEnter->setToolTip(QStringLiteral("Press to view chart"));

    // The boxes are wide enough for "BMI (Body Mass Index)" beside the
    // drop-down arrow; the captions end before them.
    const int left = 360, boxLeft = 2160, captionWidth = boxLeft - left, boxWidth = 2580;
    Twips::place(Label1, left, 300, captionWidth, 300);
    Twips::place(Combo1_2, boxLeft, 255, boxWidth, 375);
    Twips::place(Label4, left, 840, captionWidth, 300);
    Twips::place(Combo2, boxLeft, 795, boxWidth, 375);
    Twips::place(Label8, left, 1380, captionWidth, 300);
    Twips::place(Option2_0, boxLeft, 1395, 255, 255);
    Twips::place(Label2, boxLeft + 255, 1380, 900, 300);
    Twips::place(Option2_1, boxLeft + 1215, 1395, 255, 255);
    Twips::place(Label3, boxLeft + 1470, 1380, 900, 300);
    Twips::place(chkViewWeight, boxLeft, 1935, 255, 255);
    Twips::place(lblViewWeight, boxLeft + 300, 1920, 1500, 300);

    connect(m_enter, &LabelButton::clicked, this, &frmChartBMI::lblEnter_Click);
    Controls::onClick(Combo2, [this] { Combo2_Click(); });

    for (QLabel *caption : {Label1, Label4, Label8}) {
        caption->setMouseTracking(true);
        caption->installEventFilter(this);
    }
    for (QLabel *clickable : {Label2, Label3, lblViewWeight})
        clickable->installEventFilter(this);
}

void frmChartBMI::Form_Load()
{
    m_abdominal = shell().isChecked(kAbdominalItem);
    if (m_abdominal) {
        Combo2->hide();
        Label4->hide();
        setWindowTitle(kAbdominalCaption);
        chkViewWeight->show();
        lblViewWeight->show();
    }
    setBackColour(Option2_0, QColor(0, 0, 175));
    setBackColour(Option2_1, QColor(0, 0, 175));
    setBackColour(chkViewWeight, QColor(0, 0, 100));

    Combo1_2->addItems(ViewingPeriod::texts());
    Combo1_2->setCurrentText(ViewingPeriod::all().first().text);
    Combo2->addItems({mBMI::kWeightOnly, mBMI::kBMIKind});
    Combo2->setCurrentText(mBMI::kWeightOnly);

    openWindow(kWidth, kFinalHeight, 8);
}

void frmChartBMI::Form_Unload()
{
    mFormProcedures::CloseForm();
}

QString frmChartBMI::periodText() const
{
    return Combo1_2->currentText();
}

QString frmChartBMI::kindText() const
{
    return Combo2->currentText();
}

bool frmChartBMI::barsChosen() const
{
    return Option2_0->isChecked();
}

bool frmChartBMI::viewRepsChecked() const
{
    return chkViewWeight->isChecked();
}

void frmChartBMI::Combo2_Click()
{
    if (Combo2->currentText() == mBMI::kBMIKind)
        lblNotes->setText(QStringLiteral("Press F1 to view details about BMI chart"));
}

bool frmChartBMI::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        const QString hint = hintOf(watched->objectName());
        if (!hint.isEmpty() && lblNotes->text() != hint)
            lblNotes->setText(hint);
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Label2)
            Option2_0->setChecked(true);
        else if (watched == Label3)
            Option2_1->setChecked(true);
        else if (watched == lblViewWeight)
            chkViewWeight->setChecked(!chkViewWeight->isChecked());
    }
    return WorkingWindow::eventFilter(watched, event);
}

void frmChartBMI::lblEnter_Click()
{
    // In place of the click sound, the open windows' backgrounds are repainted.
    mFormProcedures::PaintForms();
    if (Combo1_2->currentText().isEmpty()) {
        MsgBox::show(QStringLiteral("You must select an excercise"));
        return;
    }
    if (!Option2_0->isChecked() && !Option2_1->isChecked()) {
        MsgBox::show(QStringLiteral("You must select an type of graph to view"));
        return;
    }
    if (Combo2->currentText().isEmpty()) {
        MsgBox::show(QStringLiteral("You must select a type of weight comparison to view"));
        return;
    }
    hideWindow();
    m_periodText = Combo1_2->currentText().trimmed();
    m_chartKind = Combo2->currentText().trimmed();
    m_chartType = Option2_0->isChecked() ? mBMI::kColumns : mBMI::kLine;
    m_enter->release();
    mFormProcedures::CloseForm();

    if (m_abdominal) {
        shell().settings().set(SettingKeys::BMIInfo, mBMI::kAbTimeCheckedKey, Combo1_2->currentText());
        if (!shell().loadForm(kGraphWindow)) {
            // No graph window to hand over to: the dialog comes back as it was.
            showWindow();
            mFormProcedures::OpenForm(kFinalHeight);
        }
        return;
    }
    auto *chart = qobject_cast<frmFitnessBMI *>(shell().loadForm(kChartWindow));
    if (!chart) {
        showWindow();
        mFormProcedures::OpenForm(kFinalHeight);
        return;
    }
    // The caption first, so that a message about the history stands over
    // the window it speaks of.
    chart->setWindowTitle((Combo2->currentText() == mBMI::kWeightOnly
                               ? QStringLiteral("Body Weight For Your ")
                               : QStringLiteral("Body Mass Index (BMI) For Your "))
                          + Combo1_2->currentText());
    chart->showChart(m_periodText, m_chartKind, m_chartType);
}
