#include "frmChartInfo.h"

#include "GraphControls.h"
#include "GraphSettings.h"

#include "profile/ViewingPeriod.h"
#include "shell/Controls.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"
#include "workouts/WeightCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>

using namespace Controls;
using namespace GraphControls;
using ProgressSampling::DistanceUnit;
using ProgressSampling::TimeUnit;

const QString frmChartInfo::kCaption = QStringLiteral("Chart Information");

namespace {

constexpr int kWidth = 8265;

const QString kWeightItem = QStringLiteral("itmWeight");
const QString kAerobicItem = QStringLiteral("itmAero");
const QString kGraphWindow = QStringLiteral("frmFitnessGraph");

const QColor kCaptionColour(0xE0, 0xE0, 0xE0);

} // namespace

frmChartInfo::frmChartInfo(Shell &shell) : WorkingWindow(shell)
{
    setWindowTitle(kCaption);

    const QStringList captions = {QStringLiteral("Choose Muscle Category"), QStringLiteral("Choose Muscle Excercise"),
                                  QStringLiteral("Choose Period to View"), QStringLiteral("Type of Chart"),
                                  QStringLiteral("View Weight Used  ")};
    for (int i = 0; i < captions.size(); ++i)
        Label1.append(label(this, element(QStringLiteral("Label1"), i), captions[i]));

    Combo1_0 = new QComboBox(this);
    Combo1_0->setObjectName(QStringLiteral("Combo1(0)"));
    Combo1_0->setPlaceholderText(QStringLiteral("Category"));
    Combo1_2 = new QComboBox(this);
    Combo1_2->setObjectName(QStringLiteral("Combo1(2)"));
    Combo1_2->setPlaceholderText(QStringLiteral("Pick Viewing Period"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));

    Option2_0 = new QRadioButton(this);
    Option2_0->setObjectName(QStringLiteral("Option2(0)"));
    Option2_0->setAccessibleName(QStringLiteral("Column"));
    Option2_1 = new QRadioButton(this);
    Option2_1->setObjectName(QStringLiteral("Option2(1)"));
    Option2_1->setAccessibleName(QStringLiteral("Line"));
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Bar"));
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Line"));
    chkViewWeight = new QCheckBox(this);
    chkViewWeight->setObjectName(QStringLiteral("chkViewWeight"));

    fraDistance = new QGroupBox(QStringLiteral("Distance"), this);
    fraDistance->setObjectName(QStringLiteral("fraDistance"));
    const QStringList distances = {QStringLiteral("Yards"), QStringLiteral("Meters"), QStringLiteral("Miles"),
                                   QStringLiteral("Kilometers")};
    for (int i = 0; i < distances.size(); ++i) {
        auto *b = new QRadioButton(distances[i], fraDistance);
        b->setObjectName(element(QStringLiteral("optDistance"), i));
        Twips::place(b, 120, 300 + 285 * i, 1860, 255);
        optDistance.append(b);
    }
    fraTime = new QGroupBox(QStringLiteral("Time"), this);
    fraTime->setObjectName(QStringLiteral("fraTime"));
    const QStringList times = {QStringLiteral("Minutes"), QStringLiteral("Hours")};
    for (int i = 0; i < times.size(); ++i) {
        auto *b = new QRadioButton(times[i], fraTime);
        b->setObjectName(element(QStringLiteral("optTime"), i));
        Twips::place(b, 120, 300 + 285 * i, 1860, 255);
        optTime.append(b);
    }

    lblNotes = notesLabel(this, QStringLiteral("lblNotes"), 240, 3420, 5640, 900);

    m_enter = enterButton(this, QStringLiteral("View") + QString(12, u' ') + QStringLiteral("Chart"), 6240, 3060,
                          1560, 1080);
    lblEnter = m_enter->label();
    Shape1 = m_enter->front();
    Shape2 = m_enter->back();
    lblEnter->setToolTip(QStringLiteral("Press Button to view Chart"));

    Twips::place(Label1[0], 240, 240, 2760, 300);
    Twips::place(Combo1_0, 240, 540, 2760, 375);
    Twips::place(Label1[1], 240, 1080, 2760, 300);
    Twips::place(List1, 240, 1380, 2760, 1860);
    Twips::place(Label1[2], 3180, 240, 2640, 300);
    Twips::place(Combo1_2, 3180, 540, 2520, 375);
    Twips::place(Label1[3], 3180, 1080, 2520, 300);
    Twips::place(Option2_0, 3180, 1440, 255, 255);
    Twips::place(Label2, 3480, 1410, 780, 300);
    Twips::place(Option2_1, 4320, 1440, 255, 255);
    Twips::place(Label3, 4620, 1410, 780, 300);
    Twips::place(Label1[4], 3180, 1920, 2040, 300);
    Twips::place(chkViewWeight, 5220, 1950, 255, 255);
    Twips::place(fraDistance, 5880, 180, 2160, 1500);
    Twips::place(fraTime, 5880, 1800, 2160, 960);

    connect(m_enter, &LabelButton::clicked, this, &frmChartInfo::lblEnter_Click);
    onClick(Combo1_0, [this] { Combo1_Click(0); });
    onClick(List1, [this] { List1_Click(); });
    for (int i = 0; i < optDistance.size(); ++i)
        connect(optDistance[i], &QRadioButton::clicked, this, [this, i] { optDistance_Click(i); });
    for (QLabel *caption : Label1)
        caption->installEventFilter(this);
    Label2->installEventFilter(this);
    Label3->installEventFilter(this);

    m_hints = new HoverHint(this, lblNotes, HoverHint::FontSize);
    const QStringList hints = {
        QStringLiteral("Please select category the excercise you wish to see belongs to"),
        QStringLiteral("Please select from the list provided the excercise you wish to view"),
        QStringLiteral("Please select the viewing period you wish to see.  The person will view the enteries "
                       "placed, not the chronological date starting from the most recent"),
        QStringLiteral("Please select which type of graph to view"),
        QStringLiteral("Please select the checkbox if you wish to see the weight's used for each set")};
    for (int i = 0; i < hints.size(); ++i)
        m_hints->add(Label1[i], hints[i]);
    m_hints->add(fraDistance, QStringLiteral("Please select the distance you wish you're results to be measured."));
    m_hints->add(fraTime, QStringLiteral("Please select the time you wish you're results to be measured."));
    m_plainHints = new HoverHint(this, lblNotes, HoverHint::NoHighlight);
    m_plainHints->add(List1, hints[1]);
    m_plainHints->add(lblEnter, QStringLiteral("Press to view chart"));
}

bool frmChartInfo::weightMode() const
{
    return shell().isChecked(kWeightItem);
}

void frmChartInfo::Form_Load()
{
    setBackColour(Option2_0, QColor(0, 0, 125));
    setBackColour(Option2_1, QColor(0, 0, 125));
    setBackColour(fraDistance, QColor(0, 0, 210));
    for (QRadioButton *b : optDistance)
        setBackColour(b, QColor(0, 0, 210));
    setBackColour(chkViewWeight, QColor(0, 0, 230));

    // The common formatting makes the captions white and lblEnter black.
    openWindow(kWidth, kFinalHeight, 8);
    for (QGroupBox *frame : {fraDistance, fraTime})
        setTextColour(frame, kCaptionColour);

    Combo1_2->addItems(ViewingPeriod::texts());
    Combo1_2->setCurrentText(ViewingPeriod::all().first().text);

    if (weightMode()) {
        Combo1_0->addItems(WeightCatalogue::groups());
        fraDistance->hide();
        fraTime->hide();
    } else {
        Combo1_0->addItems({QStringLiteral("Indoor Activities"), QStringLiteral("Outdoor Activites"),
                            QStringLiteral("Aquatic Activities")});
        fraDistance->show();
        fraTime->show();
    }

    // The unit buttons stand on blue: light text keeps them readable.
    for (QRadioButton *b : optDistance + optTime)
        setTextColour(b, kCaptionColour);

    if (shell().isChecked(kAerobicItem)) {
        chkViewWeight->hide();
        Label1[4]->hide();
    }
}

void frmChartInfo::Form_Unload()
{
    mFormProcedures::CloseForm();
}

ChartChoice frmChartInfo::choice() const
{
    ChartChoice c;
    c.category = Combo1_0->currentText();
    c.exercise = List1->currentItem() ? List1->currentItem()->text() : QString();
    c.period = Combo1_2->currentText();
    c.type = Option2_0->isChecked() ? ChartType::Column
             : Option2_1->isChecked() ? ChartType::Line
                                      : ChartType::None;
    const DistanceUnit units[] = {DistanceUnit::Yards, DistanceUnit::Meters, DistanceUnit::Miles,
                                  DistanceUnit::Kilometers};
    for (int i = 0; i < optDistance.size(); ++i)
        if (optDistance[i]->isChecked())
            c.distance = units[i];
    if (optTime[0]->isChecked())
        c.time = TimeUnit::Minutes;
    else if (optTime[1]->isChecked())
        c.time = TimeUnit::Hours;
    c.viewWeight = chkViewWeight->isChecked();
    return c;
}

void frmChartInfo::Combo1_Click(int index)
{
    if (index != 0)
        return;
    const QString code = Combo1_0->currentText().left(2);
    List1->clear();
    if (weightMode()) {
        List1->addItems(ProgressSampling::exerciseNames(shell().dataFolder(), code));
    } else {
        fraDistance->show();
        List1->addItems(ProgressSampling::activityNames(shell().dataFolder(), code));
    }
}

void frmChartInfo::List1_Click()
{
    if (!shell().isChecked(kAerobicItem) || !List1->currentItem())
        return;
    const auto activity =
        ProgressSampling::activity(shell().dataFolder(), Combo1_0->currentText().left(2), List1->currentItem()->text());
    if (!activity || !activity->hasTime)
        return;
    fraDistance->setVisible(activity->hasDistance);
    clearChoice(optDistance);
    fraTime->show();
    optTime[0]->setEnabled(true);
}

void frmChartInfo::optDistance_Click(int index)
{
    // Minutes measure the short distances only.
    optTime[0]->setEnabled(index <= 1);
}

void frmChartInfo::Label1_Click(int index)
{
    if (index == 4)
        chkViewWeight->setChecked(!chkViewWeight->isChecked());
}

bool frmChartInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Label2)
            Option2_0->setChecked(true);
        else if (watched == Label3)
            Option2_1->setChecked(true);
        else if (const int i = int(Label1.indexOf(static_cast<QLabel *>(watched))); i >= 0)
            Label1_Click(i);
    }
    return WorkingWindow::eventFilter(watched, event);
}

void frmChartInfo::lblEnter_Click()
{
    if (!List1->currentItem() || List1->currentItem()->text().isEmpty()) {
        MsgBox::show(QStringLiteral("you must select an excercise"));
        return;
    }
    if (!Option2_0->isChecked() && !Option2_1->isChecked()) {
        MsgBox::show(QStringLiteral("You must pick a chart type"));
        return;
    }
    m_enter->release();
    GraphSettings::setFlag(shell().settings(), GraphSettings::kTimeChecked, !fraTime->isHidden());
    GraphSettings::setFlag(shell().settings(), GraphSettings::kDistanceChecked, !fraDistance->isHidden());
    hideWindow();
    if (!shell().loadForm(kGraphWindow)) {
        // No graph window to hand over to: the dialog comes back as it was.
        showWindow();
        mFormProcedures::OpenForm(kFinalHeight);
    }
}
