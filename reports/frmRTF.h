#pragma once

#include "ReportFamily.h"

#include "shell/WorkingWindow.h"

class LabelButton;
class PictureBox;
class QLabel;
class Shape;

// The report window: the report chosen in the report choice a page at a
// time in its page box, with Next>> and <<Prev. within the report's page
// limit, Print for the whole report on paper, and Back to the choice, which
// shows itself again as it was. Every page and printout reads the choice
// and the data files afresh.
class frmRTF : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmRTF(Shell &shell);

    void Form_Load() override;
    void Form_Unload() override;

    // The choice of the report dialog now; an empty one when the dialog is
    // not loaded.
    ReportInput input() const;
    // The page counter.
    qint16 page() const { return m_page; }
    // What the page box shows (its accessible description).
    QString pageText() const;

    static const QString kName;    // "frmRTF"
    static const QString kCaption; // "Print Preview"
    // Wider than the window was first laid out (11800): at that width the
    // last set's columns of a five-set exercise log fall past the page
    // box's right edge.
    static constexpr int kWidth = 12450;
    static constexpr int kFinalHeight = 8000;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Draws page 1 of the chosen report; the buttons stay as they are.
    void PrintFirstPage();
    // Next (+1) or Previous (-1) by the paging rule.
    void turnPage(int by);
    // Draws the page the counter names and shows the family's message.
    void drawPage(PageWay way);
    void paintPage();
    void placePageBox();

    void lblNext_Click();
    void lblPrevious_Click();
    void lblPrint_Click();
    void lblSysInfo_Click();

    PictureBox *Text7_3;
    QLabel *lblPrevious, *lblPrint, *lblSysInfo, *lblNext;
    Shape *shpFrontPrevious, *shpBackPrevious, *shpFrontPrint, *shpBackPrint, *shpSysInfo, *shpSysInfoB,
        *shpFrontNext, *shpBackNext;
    LabelButton *m_previous, *m_print, *m_back, *m_next;
    qint16 m_page = 1;
    // The page drawn last, drawn again when the page box changes size.
    ColumnPage m_shown;
};
