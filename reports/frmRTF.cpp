#include "frmRTF.h"

#include "ReportPaging.h"
#include "ReportPainting.h"
#include "frmPrintPreview.h"

#include "common/ImageSurface.h"
#include "shell/Controls.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/PictureBox.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QKeyEvent>
#include <QLabel>

using namespace Controls;

const QString frmRTF::kName = QStringLiteral("frmRTF");
const QString frmRTF::kCaption = QStringLiteral("Print Preview");

namespace {

constexpr int kButtonTop = 6360;
constexpr int kButtonSize = 1215;
// The page box stands this far from the window's left, top and right
// edges, and leaves this much below it for the buttons.
constexpr int kPageMargin = 100;
constexpr int kButtonStrip = 1800;

// A round green button whose grey shadow lies 75 twips to its left.
ButtonShapes roundButton(const QString &front, const QString &back)
{
    ButtonShapes shapes = greenRound(front, back);
    shapes.backLeft = -75;
    return shapes;
}

void greyWhenDisabled(QLabel *caption)
{
    QPalette p = caption->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    caption->setPalette(p);
}

void apply(QLabel *button, ReportPaging::Change change)
{
    if (change != ReportPaging::Change::Keep)
        button->setEnabled(change == ReportPaging::Change::Enable);
}

} // namespace

frmRTF::frmRTF(Shell &shell) : WorkingWindow(shell)
{
    setWindowTitle(kCaption);
    setFocusPolicy(Qt::StrongFocus);

    Text7_3 = new PictureBox(this, QStringLiteral("Text7(3)"), ReportPainting::kPageColour, Qt::black);
    Text7_3->setAccessibleName(QStringLiteral("Report page"));
    Twips::place(Text7_3, kPageMargin, kPageMargin, kWidth - 2 * kPageMargin, 5000);

    // Each caption's leading blanks fill a line of their own, so the word
    // stands below them in the middle of the circle.
    m_previous = labelButton(this, QStringLiteral("lblPrevious"), QString(22, u' ') + QStringLiteral("<<Prev."),
                             roundButton(QStringLiteral("shpFrontPrevious"), QStringLiteral("shpBackPrevious")), 600,
                             kButtonTop, kButtonSize, kButtonSize);
    // The front shape of <<Prev. lies 45 twips left of its caption.
    Twips::move(m_previous->front(), 555, kButtonTop);
    Twips::move(m_previous->back(), 480, kButtonTop);
    m_print = labelButton(this, QStringLiteral("lblPrint"), QString(25, u' ') + QStringLiteral("Print "),
                          roundButton(QStringLiteral("shpFrontPrint"), QStringLiteral("shpBackPrint")), 4035,
                          kButtonTop, kButtonSize, kButtonSize);
    m_back = labelButton(this, QStringLiteral("lblSysInfo"), QString(25, u' ') + QStringLiteral("Back"),
                         roundButton(QStringLiteral("shpSysInfo"), QStringLiteral("shpSysInfoB")), 6075, kButtonTop,
                         kButtonSize, kButtonSize, LabelButton::MoveBackFirst);
    m_next = labelButton(this, QStringLiteral("lblNext"), QString(25, u' ') + QStringLiteral("Next>>"),
                         roundButton(QStringLiteral("shpFrontNext"), QStringLiteral("shpBackNext")), 9795, kButtonTop,
                         kButtonSize, kButtonSize);

    lblPrevious = m_previous->label();
    shpFrontPrevious = m_previous->front();
    shpBackPrevious = m_previous->back();
    lblPrint = m_print->label();
    shpFrontPrint = m_print->front();
    shpBackPrint = m_print->back();
    lblSysInfo = m_back->label();
    shpSysInfo = m_back->front();
    shpSysInfoB = m_back->back();
    lblNext = m_next->label();
    shpFrontNext = m_next->front();
    shpBackNext = m_next->back();

    lblPrevious->setToolTip(QStringLiteral("View Previous Screen "));
    lblPrint->setToolTip(QStringLiteral("Print Information"));
    lblSysInfo->setToolTip(QStringLiteral("Go Back To Previous Form To Make A New Selection"));
    lblNext->setToolTip(QStringLiteral("View Next Screen"));
    lblPrevious->setEnabled(false);

    connect(m_next, &LabelButton::clicked, this, &frmRTF::lblNext_Click);
    connect(m_previous, &LabelButton::clicked, this, &frmRTF::lblPrevious_Click);
    connect(m_print, &LabelButton::clicked, this, &frmRTF::lblPrint_Click);
    connect(m_back, &LabelButton::clicked, this, &frmRTF::lblSysInfo_Click);
}

void frmRTF::Form_Load()
{
    openWindowAt(100, 100, kWidth, kFinalHeight);
    for (QLabel *button : {lblPrevious, lblPrint, lblSysInfo, lblNext}) {
        setTextColour(button, Qt::black);
        greyWhenDisabled(button);
    }
    placePageBox();
    setFocus(Qt::OtherFocusReason);
    // Page 1 is drawn once, as the window opens; becoming the active window
    // again draws nothing.
    PrintFirstPage();
}

void frmRTF::Form_Unload()
{
    mFormProcedures::CloseForm();
}

ReportInput frmRTF::input() const
{
    ReportInput in;
    if (auto *dialog = qobject_cast<frmPrintPreview *>(shell().form(frmPrintPreview::kName)))
        in.choice = dialog->choice();
    in.dataFolder = shell().dataFolder();
    in.settings = &shell().settings();
    in.today = shell().today();
    return in;
}

QString frmRTF::pageText() const
{
    return Text7_3->accessibleDescription();
}

void frmRTF::PrintFirstPage()
{
    m_page = 1;
    drawPage(PageWay::Opening);
}

void frmRTF::drawPage(PageWay way)
{
    const ReportInput in = input();
    ReportPage page;
    if (const auto family = ReportFamilies::make(in.choice.type()))
        page = family->page(in, m_page, way);
    m_shown = page.page;
    paintPage();
    if (!page.message.isEmpty())
        MsgBox::show(page.message);
}

void frmRTF::paintPage()
{
    const QString text =
        ReportPainting::drawScreenPage(Text7_3->surface(), QSizeF(Text7_3->size()), Text7_3->font(), m_shown);
    Text7_3->setAccessibleDescription(text);
    Text7_3->update();
}

void frmRTF::turnPage(int by)
{
    const int limit = ReportTypes::pageLimit(input().choice.type());
    const ReportPaging::Step step = by > 0 ? ReportPaging::next(m_page, limit) : ReportPaging::previous(m_page, limit);
    m_page = step.page;
    apply(lblPrevious, step.previous);
    apply(lblNext, step.next);
    drawPage(by > 0 ? PageWay::Next : PageWay::Previous);
}

void frmRTF::lblNext_Click()
{
    if (lblNext->isEnabled())
        turnPage(1);
}

void frmRTF::lblPrevious_Click()
{
    if (lblPrevious->isEnabled())
        turnPage(-1);
}

void frmRTF::lblPrint_Click()
{
    const ReportInput in = input();
    const auto family = ReportFamilies::make(in.choice.type());
    if (!family)
        return;
    // Every file is read before anything goes to the printer.
    const ReportPrintout printout = family->printout(in);
    if (printout.clickSound)
        mFormProcedures::ClickSound();
    if (printout.print)
        ReportPainting::print(shell().mainWidget(), windowTitle(), printout.pages);
    if (!printout.message.isEmpty())
        MsgBox::show(printout.message);
}

void frmRTF::lblSysInfo_Click()
{
    Shell &main = shell();
    unloadSelf();
    if (WorkingWindow *dialog = main.loadForm(frmPrintPreview::kName)) {
        dialog->showWindow();
        mFormProcedures::OpenForm(frmPrintPreview::kFinalHeight);
    }
}

void frmRTF::placePageBox()
{
    const int width = Twips::fromPixels(this->width()) - 2 * kPageMargin;
    const int height = Twips::fromPixels(this->height()) - kButtonStrip;
    // While the window opens it is too small for the box, which then keeps
    // its place and size.
    if (width <= 0 || height <= 0)
        return;
    const QSize before = Text7_3->size();
    Twips::place(Text7_3, kPageMargin, kPageMargin, width, height);
    if (Text7_3->size() != before && Text7_3->hasSurface())
        paintPage();
}

void frmRTF::resizeEvent(QResizeEvent *event)
{
    WorkingWindow::resizeEvent(event);
    placePageBox();
}

void frmRTF::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        // Escape closes the window as Back does, but leaves the choice
        // hidden; with Shift held it does nothing.
        if (!(event->modifiers() & Qt::ShiftModifier)) {
            hideWindow();
            unloadSelf();
        }
        return;
    }
    WorkingWindow::keyPressEvent(event);
}
