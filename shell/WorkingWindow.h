#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <QMdiSubWindow>
class Shell;

// The base of every working window. It is shown inside a QMdiSubWindow of
// the main window's work area; its objectName is its window name
// ("frmGoals"). Windows are built by the shell through the WindowRegistry,
// get Form_Load once after they are built, Form_Unload when they are
// unloaded, and are destroyed after unloading (the next opening builds a
// fresh one).
//
// Geometry is in twips (15 twips to a logical pixel) and means the outer
// size and position of the sub-window, as the windows' own figures do.
// Controls are placed in twips with Twips::place relative to this widget.
class WorkingWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WorkingWindow(Shell &shell, QWidget *parent = nullptr);
    ~WorkingWindow() override;

    Shell &shell() const { return m_shell; }
    QString name() const { return objectName(); }

    // Event handlers. Form_Load runs once, right after the window is built
    // and attached to its sub-window; a window normally shows itself in it
    // (showWindow) before its open animation. Form_Unload runs when the
    // window is unloaded, while it is still whole; it plays the close
    // animation (mFormProcedures::CloseForm) and saves what it must.
    // Form_Activate / Form_Deactivate run when its sub-window becomes or
    // stops being the active one.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}

    // Outer geometry of the sub-window, in twips. The values set are kept
    // exactly, so animations that add 100 twips per step end where their
    // arithmetic says, whatever the pixel rounding.
    void setWidthTwips(int width);
    void setHeightTwips(int height);
    void setLeftTwips(int left);
    void setTopTwips(int top);
    int widthTwips() const;
    int heightTwips() const;
    int leftTwips() const;
    int topTwips() const;

    // Centres the window horizontally over the main window's client area and
    // puts its top at (main height - own height) / topDivisor.
    void centreOverMain(int topDivisor);
    // left = (main width - own width) / 2, top = (main height - heightForTop) / topDivisor.
    void centreOverMain(int topDivisor, int heightForTop);

    // The usual opening of a working window's load handler: 40 twips tall
    // and `width` wide, centred over the main window with its top at
    // (main height - 40) / topDivisor, shown, grown to finalHeight by the
    // open animation, then the gradient and the common formatting
    // (mFormProcedures::OpenForm, PaintForms, FormatControls).
    void openWindow(int width, int finalHeight, int topDivisor);
    // The same opening with the top at `top` twips.
    void openWindowAtTop(int width, int finalHeight, int top);
    // The same opening at `left`, `top` twips.
    void openWindowAt(int left, int top, int width, int finalHeight);

    // Shows / hides the sub-window; a hidden window stays loaded (the choice
    // dialogs hide themselves while their result window is open).
    void showWindow();
    void hideWindow();
    // Shown, as far as the window itself is concerned.
    bool isShownWindow() const;
    // Neither minimised nor maximised.
    bool isNormalState() const;

    // Unloads this window through the shell (Form_Unload, then destroyed).
    void unloadSelf();
    bool isUnloading() const { return m_unloading; }

    // The blue gradient background of mFormProcedures::PaintForms.
    void setGradient(bool on);
    bool hasGradient() const { return m_gradient; }

    // The sub-window that holds the window; null before the shell attaches it.
    QMdiSubWindow *frame() const { return m_frame; }

    // For shells: puts the window into its sub-window and applies the
    // geometry set so far; marks it as being unloaded.
    void attach(QMdiSubWindow *frame);
    void setUnloading(bool unloading) { m_unloading = unloading; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyGeometry();
    void growOpened(int finalHeight);

    Shell &m_shell;
    QPointer<QMdiSubWindow> m_frame;
    int m_left = 0;
    int m_top = 0;
    int m_width = 6000;
    int m_height = 3000;
    bool m_unloading = false;
    bool m_gradient = false;
    QPixmap m_gradientCache;
};
