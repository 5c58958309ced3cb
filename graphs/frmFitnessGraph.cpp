#include "frmFitnessGraph.h"

#include "GraphControls.h"
#include "GraphSettings.h"
#include "frmChartInfo.h"

#include "common/ImageSurface.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "profile/ViewingPeriod.h"
#include "profile/mBMI.h"
#include "shell/Controls.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/PictureBox.h"
#include "shell/PrintService.h"
#include "shell/PrinterSurface.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QRadioButton>

using namespace Controls;
using namespace GraphControls;
using namespace ProgressSampling;

const QString frmFitnessGraph::kCaption = QStringLiteral("Fitness Graph");

namespace {

constexpr int kWidth = 10600;

const QString kWeightItem = QStringLiteral("itmWeight");
const QString kAerobicItem = QStringLiteral("itmAero");
const QString kAbdominalGraphItem = QStringLiteral("itmAbdGraph");
const QString kAbdominalItem = QStringLiteral("itmAbd");
const QString kChartOptions = QStringLiteral("frmChartInfo");
const QString kAbdominalOptions = QStringLiteral("frmChartBMI");

const QStringList kSetCaptions = {QStringLiteral("Set One"),  QStringLiteral("Set Two"),
                                  QStringLiteral("Set Three"), QStringLiteral("Set Four"),
                                  QStringLiteral("Set Five"),  QStringLiteral("Set Six")};

// The parts of the Y caption are 12 points, or as much as a long unit name
// ("Kilometers") leaves room for beside the graph.
void setCaption(QLabel *part, const QString &text)
{
    part->setText(text);
    QFont f = part->font();
    f.setPointSize(12);
    while (f.pointSize() > 7 && QFontMetrics(f).horizontalAdvance(text) > part->width())
        f.setPointSize(f.pointSize() - 1);
    part->setFont(f);
}

} // namespace

frmFitnessGraph::frmFitnessGraph(Shell &shell) : WorkingWindow(shell)
{
    setWindowTitle(kCaption);

    // The graph stands on black below its floor; labels are white.
    pctGraph = new PictureBox(this, QStringLiteral("pctGraph"), Qt::black, Qt::white);
    Twips::place(pctGraph, 1080, 240, 8295, 4935);

    lblDis = label(this, QStringLiteral("lblDis"), QStringLiteral("Distance"));
    lblDis->setToolTip(QStringLiteral("Y Axis Measurement"));
    Label7 = label(this, QStringLiteral("Label7"), QStringLiteral("Per"));
    lblTime = label(this, QStringLiteral("lblTime"), QStringLiteral("Time"));
    Twips::place(lblDis, 0, 2760, 1080, 375);
    Twips::place(Label7, 120, 3240, 960, 375);
    Twips::place(lblTime, 120, 3720, 960, 375);
    lblDis->setAlignment(Qt::AlignCenter);
    Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("Sets Grouped By Date"));
    Label5->setAlignment(Qt::AlignCenter);
    Twips::place(Label5, 3360, 5400, 3495, 495);

    // The legend lies over the picture's upper right corner.
    Label2.append(nullptr);
    Label3.append(nullptr);
    for (int i = 1; i <= GraphLegend::kEntries; ++i) {
        const int top = 120 + 360 * (i - 1);
        QLabel *swatch = label(this, element(QStringLiteral("Label2"), i), QString());
        swatch->setAutoFillBackground(true);
        Twips::place(swatch, 6720, top, 255, 255);
        QLabel *caption = label(this, element(QStringLiteral("Label3"), i), kSetCaptions[i - 1]);
        Twips::place(caption, 7080, top, 1800, 195);
        swatch->hide();
        caption->hide();
        Label2.append(swatch);
        Label3.append(caption);
    }

    m_back = labelButton(this, QStringLiteral("lblSysInfo"), QStringLiteral("Back"),
                         greenRound(QStringLiteral("shpSysInfo"), QStringLiteral("shpSysInfoB")), 8115, 5520, 1215,
                         1215, LabelButton::MoveBackFirst);
    lblSysInfo = m_back->label();
    shpSysInfo = m_back->front();
    shpSysInfoB = m_back->back();
    lblSysInfo->setToolTip(QStringLiteral("Move Back To Previous Form To Make A New Selection"));

    m_print = labelButton(this, QStringLiteral("lblPrint"), QStringLiteral("Print "),
                          greenRound(QStringLiteral("shpFrontPrint"), QStringLiteral("shpBackPrint")), 1155, 5520,
                          1215, 1215);
    lblPrint = m_print->label();
    shpFrontPrint = m_print->front();
    shpBackPrint = m_print->back();
    lblPrint->setToolTip(QStringLiteral("Print Information"));

    m_options = enterButton(this, QStringLiteral("Advanced Options"), 4980, 6000, 2640, 540);
    lblEnter = m_options->label();
    Shape1 = m_options->front();
    Shape2 = m_options->back();
    lblEnter->setWordWrap(false); // one line
    lblEnter->setToolTip(QStringLiteral("Press button to see more information"));

    const QStringList colours = {QStringLiteral("Color"), QStringLiteral("Black and White")};
    for (int i = 0; i < colours.size(); ++i) {
        auto *option = new QRadioButton(this);
        option->setObjectName(element(QStringLiteral("Option1"), i));
        Twips::place(option, 2640, 5880 + 360 * i, 255, 255);
        QLabel *caption = label(this, element(QStringLiteral("Label1"), i), colours[i]);
        Twips::place(caption, 2880, 5880 + 360 * i, 1920, 255);
        caption->installEventFilter(this);
        Option1.append(option);
        Label1.append(caption);
    }
    Option1[0]->setChecked(true);

    connect(m_back, &LabelButton::clicked, this, &frmFitnessGraph::lblSysInfo_Click);
    connect(m_print, &LabelButton::clicked, this, &frmFitnessGraph::lblPrint_Click);
    connect(m_options, &LabelButton::clicked, this, &frmFitnessGraph::lblEnter_Click);
}

void frmFitnessGraph::Form_Load()
{
    m_distanceChecked =
        GraphSettings::flag(shell().settings(), GraphSettings::kDistanceChecked, m_distanceChecked);

    openWindowAtTop(kWidth, kFinalHeight, 100);
    setTextColour(lblPrint, Qt::black);
    setTextColour(lblSysInfo, Qt::black);

    if (shell().isChecked(kAbdominalGraphItem)) {
        AbdInfo();
        lblSysInfo->hide();
        lblPrint->hide();
        for (Shape *s : {shpSysInfo, shpSysInfoB, shpFrontPrint, shpBackPrint})
            Twips::resize(s, Twips::width(s), 0);
    } else {
        Info();
    }

    setBackColour(Option1[0], QColor(0, 0, 110));
    setBackColour(Option1[1], QColor(0, 0, 110));

    // Aerobic line graphs are not printed.
    if (shell().isChecked(kAerobicItem) && chartChoice().type == ChartType::Line) {
        lblPrint->setEnabled(false);
        QPalette p = lblPrint->palette();
        p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
        lblPrint->setPalette(p);
    }
}

void frmFitnessGraph::Form_Unload()
{
    GraphSettings::clearFitnessGraph(shell().settings());
    mFormProcedures::CloseForm();
}

void frmFitnessGraph::Form_Deactivate()
{
    // Only another working window taking over hides the legend, not a
    // message box or the print dialog.
    if (!frame() || !frame()->mdiArea())
        return;
    QMdiSubWindow *active = frame()->mdiArea()->activeSubWindow();
    if (!active || active == frame())
        return;
    for (int i = 1; i <= GraphLegend::kEntries; ++i) {
        Label2[i]->hide();
        Label3[i]->hide();
    }
}

ChartChoice frmFitnessGraph::chartChoice() const
{
    if (auto *dialog = qobject_cast<frmChartInfo *>(shell().form(kChartOptions)))
        return dialog->choice();
    return {};
}

bool frmFitnessGraph::checkChoice(const ChartChoice &choice, int &step) const
{
    if (choice.type == ChartType::None)
        MsgBox::show(QStringLiteral("You must pick a chart type"));
    const auto period = ViewingPeriod::fromText(choice.period);
    if (!period) {
        MsgBox::show(QStringLiteral("You must choose a proper date"));
        return false;
    }
    step = period->step;
    return choice.type != ChartType::None;
}

ImageSurface &frmFitnessGraph::picture()
{
    ImageSurface &surface = pctGraph->surface();
    surface.setFont(pctGraph->font());
    surface.setForeColour(Qt::white);
    surface.setBackColour(Qt::black);
    // Wide enough for the background's strokes to meet.
    surface.setDrawWidth(2);
    return surface;
}

GraphState frmFitnessGraph::freshState(int step, bool viewValues) const
{
    GraphState state;
    state.step = step;
    state.viewValues = viewValues;
    state.previousX = GraphSettings::previousX(shell().settings());
    return state;
}

void frmFitnessGraph::showCaption(const AxisCaption &caption)
{
    setCaption(lblDis, caption.distance);
    lblDis->setVisible(caption.distanceShown);
    setCaption(Label7, caption.per);
    Label7->setVisible(caption.perShown);
    setCaption(lblTime, caption.time);
    lblTime->setVisible(caption.timeShown);
}

void frmFitnessGraph::showLegend(const GraphState &state)
{
    for (int i = 1; i <= GraphLegend::kEntries; ++i) {
        const GraphLegend::Entry &e = state.legend.entries[size_t(i)];
        if (!e.shown)
            continue;
        setBackColour(Label2[i], e.colour);
        if (!e.caption.isEmpty())
            Label3[i]->setText(e.caption);
        Label2[i]->show();
        Label3[i]->show();
    }
    if (!state.groupCaption.isEmpty())
        Label5->setText(state.groupCaption);
}

void frmFitnessGraph::Info()
{
    const ChartChoice choice = chartChoice();
    setWindowTitle(shell().isChecked(kAbdominalItem) ? QStringLiteral("Graphical Output for Abdomens")
                                                       : QStringLiteral("Graphical Output for ") + choice.exercise);
    showCaption(AxisCaption());

    int step = 1;
    if (!checkChoice(choice, step))
        return;

    ImageSurface &surface = picture();
    GraphState state = freshState(step, choice.viewWeight);
    QString problem;
    if (shell().isChecked(kWeightItem)) {
        const WeightGraph graph = weightGraph(shell().dataFolder(), choice.code(), choice.exercise, step);
        ProgressPlot::drawWeight(surface, state, graph, choice.type);
        problem = graph.problem;
    } else {
        const AerobicUnits units{m_distanceChecked, choice.distance, choice.time};
        const AerobicGraph graph = aerobicGraph(shell().dataFolder(), choice.code(), choice.exercise, step, units);
        ProgressPlot::drawAerobic(surface, state, graph, choice.type, choice.aquatic());
        if (graph.found)
            showCaption(graph.caption);
        problem = graph.problem;
    }
    pctGraph->update();
    showLegend(state);
    if (!problem.isEmpty())
        MsgBox::show(problem);
}

void frmFitnessGraph::AbdInfo()
{
    setWindowTitle(QStringLiteral("Graphical Output for Abdomen Excercises"));
    // The graph counts repetitions.
    showCaption(AxisCaption());

    // The abdominal chart options, still loaded behind this window.
    ChartChoice choice;
    choice.period = shell().settings().get(SettingKeys::BMIInfo, mBMI::kAbTimeCheckedKey, QString());
    choice.type = ChartType::Column;
    if (WorkingWindow *options = shell().form(kAbdominalOptions)) {
        auto *bars = options->findChild<QRadioButton *>(QStringLiteral("Option2(0)"));
        auto *line = options->findChild<QRadioButton *>(QStringLiteral("Option2(1)"));
        auto *period = options->findChild<QComboBox *>(QStringLiteral("Combo1(2)"));
        auto *reps = options->findChild<QCheckBox *>(QStringLiteral("chkViewWeight"));
        choice.type = bars && bars->isChecked()   ? ChartType::Column
                      : line && line->isChecked() ? ChartType::Line
                                                  : ChartType::None;
        if (period)
            choice.period = period->currentText();
        choice.viewWeight = reps && reps->isChecked();
    }
    if (choice.type == ChartType::None) {
        MsgBox::show(QStringLiteral("You must pick a chart type"));
        return;
    }
    const auto period = ViewingPeriod::fromText(choice.period);
    if (!period) {
        MsgBox::show(QStringLiteral("You must choose a proper date"));
        return;
    }

    ImageSurface &surface = picture();
    GraphState state = freshState(period->step, choice.viewWeight);
    const AbdominalGraph graph = abdominalGraph(shell().dataFolder(), period->step);
    ProgressPlot::drawAbdominal(surface, state, graph, choice.type);
    pctGraph->update();
    showLegend(state);
    if (!graph.problem.isEmpty())
        MsgBox::show(graph.problem);
}

void frmFitnessGraph::PrintInfo()
{
    const ChartChoice choice = chartChoice();
    int step = 1;
    if (!checkChoice(choice, step))
        return;

    GraphState state = freshState(step, choice.viewWeight);
    const mInitialGraph::PageHeading heading{choice.exercise, shell().today(), Option1[0]->isChecked()};
    auto print = [&](const std::function<void(DrawingSurface &)> &draw) {
        PrintService::print(shell().mainWidget(), windowTitle(), [&](PrinterSurface &surface) {
            QFont font = mFormProcedures::commonFont(10);
            surface.setFont(font);
            draw(surface);
        });
    };
    QString problem;
    if (shell().isChecked(kWeightItem)) {
        const WeightGraph graph = weightGraph(shell().dataFolder(), choice.code(), choice.exercise, step);
        problem = graph.problem;
        print([&](DrawingSurface &s) { ProgressPlot::printWeight(s, state, graph, choice.type, heading); });
    } else if (choice.type == ChartType::Column) {
        const AerobicUnits units{m_distanceChecked, choice.distance, choice.time};
        const AerobicGraph graph = aerobicGraph(shell().dataFolder(), choice.code(), choice.exercise, step, units);
        problem = graph.problem;
        if (graph.found)
            showCaption(graph.caption);
        // A log without a workout prints no page at all.
        if (ProgressPlot::printsPage(graph))
            print([&](DrawingSurface &s) { ProgressPlot::printAerobic(s, state, graph, choice.aquatic(), heading); });
    }
    showLegend(state);
    if (!problem.isEmpty())
        MsgBox::show(problem);
}

void frmFitnessGraph::lblPrint_Click()
{
    PrintInfo();
}

void frmFitnessGraph::lblEnter_Click()
{
    MsgBox::show(QStringLiteral("Option not available at this time"));
}

void frmFitnessGraph::lblSysInfo_Click()
{
    Shell &main = shell();
    unloadSelf();
    if (WorkingWindow *options = main.form(kChartOptions)) {
        options->showWindow();
        mFormProcedures::OpenForm(frmChartInfo::kFinalHeight);
    }
}

bool frmFitnessGraph::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const int i = int(Label1.indexOf(static_cast<QLabel *>(watched)));
        if (i >= 0)
            toggle(Option1[i]);
    }
    return WorkingWindow::eventFilter(watched, event);
}
