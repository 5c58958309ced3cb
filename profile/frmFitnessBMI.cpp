#include "frmFitnessBMI.h"

#include "frmChartBMI.h"
#include "mBMI.h"

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

#include "common/ImageSurface.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

const QString frmFitnessBMI::kCaption = QStringLiteral("BMI Progress Chart");

namespace {

constexpr int kWidth = 7830;
constexpr int kFinalHeight = 6330;
constexpr double kSentencePoints = 9;

const QString kOptionsDialog = QStringLiteral("frmChartBMI");

using Controls::label;
using Controls::setTextColour;

} // namespace

frmFitnessBMI::frmFitnessBMI(Shell &shell) : WorkingWindow(shell)
{
    setWindowTitle(kCaption);

    pctGraph = new PictureBox(this, QStringLiteral("pctGraph"), QColor(0x40, 0x40, 0x40),
                              QColor(0xC0, 0xC0, 0xC0));
    QFont pictureFont(QStringLiteral("Calisto MT"));
    pictureFont.setPointSizeF(8.25);
    pctGraph->setFont(pictureFont);

    m_print = Controls::labelButton(this, QStringLiteral("lblPrint"), QString(25, u' ') + QStringLiteral("Print "),
                                    Controls::greenRound(QStringLiteral("shpFrontPrint"),
                                                         QStringLiteral("shpBackPrint")),
                                    435, 4560, 1215, 1215);
    lblPrint = m_print->label();
    shpFrontPrint = m_print->front();
    shpBackPrint = m_print->back();
    QFont printFont(QStringLiteral("Comic Sans MS"));
    printFont.setPointSizeF(9.75);
    printFont.setBold(true);
    printFont.setItalic(true);
    lblPrint->setFont(printFont);
    lblPrint->setToolTip(QStringLiteral("Print Information"));

    lblGoalSetting = label(this, QStringLiteral("lblGoalSetting"), QString());
    Label1_0 = label(this, QStringLiteral("Label1(0)"), QString());
    for (QLabel *sentence : {lblGoalSetting, Label1_0}) {
        Controls::setBackColour(sentence, QColor(0xE0, 0xE0, 0xE0));
        setTextColour(sentence, Qt::black);
        sentence->setWordWrap(true);
    }

    Twips::place(pctGraph, 360, 360, 6975, 3975);
    Twips::place(lblGoalSetting, 3480, 4560, 3975, 615);
    Twips::place(Label1_0, 3480, 5160, 3735, 495);

    connect(m_print, &LabelButton::clicked, this, &frmFitnessBMI::lblPrint_Click);
}

void frmFitnessBMI::Form_Load()
{
    openWindow(kWidth, kFinalHeight, 7);

    const mBMI::GoalProgress progress = mBMI::goalProgress(shell().settings(), shell().today());
    lblGoalSetting->setText(progress.goal);
    Label1_0->setText(progress.rate);
    Label1_0->setVisible(progress.rateShown);
    // The sentences stand on light grey: dark text keeps them readable
    // after the common formatting made every label white, and a size
    // smaller than the common one keeps the longest sentence within its
    // label.
    for (QLabel *sentence : {lblGoalSetting, Label1_0}) {
        setTextColour(sentence, Qt::black);
        QFont f = sentence->font();
        f.setPointSizeF(kSentencePoints);
        f.setBold(false);
        sentence->setFont(f);
    }
    setTextColour(lblPrint, Qt::black);

    // Another working window made active closes the chart; a message box or
    // the print dialog taking the focus leaves no sub-window active and
    // does not.
    if (frame() && frame()->mdiArea())
        connect(frame()->mdiArea(), &QMdiArea::subWindowActivated, this,
                &frmFitnessBMI::closeIfAnotherIsActive);
}

void frmFitnessBMI::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmFitnessBMI::Form_Deactivate()
{
    closeIfAnotherIsActive();
}

void frmFitnessBMI::closeIfAnotherIsActive()
{
    if (isUnloading() || !frame() || !frame()->mdiArea())
        return;
    QMdiSubWindow *active = frame()->mdiArea()->activeSubWindow();
    if (active && active != frame())
        unloadSelf();
}

void frmFitnessBMI::showChart(const QString &periodText, const QString &chartKind, int chartType)
{
    m_periodText = periodText;
    m_chartKind = chartKind;
    m_chartType = chartType;
    ImageSurface &surface = pctGraph->surface();
    surface.setFont(pctGraph->font());
    const QString problem = mBMI::ShowBMIChart(surface, shell().dataFolder(), shell().settings(),
                                               periodText, chartKind, chartType);
    pctGraph->update();
    if (!problem.isEmpty())
        MsgBox::show(problem);
}

void frmFitnessBMI::lblPrint_Click()
{
    // The choices are read from the options dialog, hidden behind this window.
    QString period = m_periodText, kind = m_chartKind;
    int type = m_chartType;
    if (auto *dialog = qobject_cast<frmChartBMI *>(shell().form(kOptionsDialog))) {
        period = dialog->periodText().trimmed();
        kind = dialog->kindText().trimmed();
        type = dialog->barsChosen() ? mBMI::kColumns : mBMI::kLine;
    }
    PrintBMIChart(period, kind, type);
}

void frmFitnessBMI::PrintBMIChart(const QString &periodText, const QString &chartKind,
                                  int chartType)
{
    QString problem;
    PrintService::print(shell().mainWidget(), windowTitle(), [&](PrinterSurface &surface) {
        problem = mBMI::PrintBMIChart(surface, shell().dataFolder(), shell().settings(), periodText,
                                      chartKind, chartType);
    });
    if (!problem.isEmpty())
        MsgBox::show(problem);
}
