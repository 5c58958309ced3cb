#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QStringList>

class Settings;
class Shell;
class WorkingWindow;
class QWidget;

// The look and feel every working window shares: the open and close
// animations with their sounds, the blue gradient background, the common
// font of the controls and the click sound of the label-buttons. Each
// procedure acts on every loaded working window of the attached shell, in
// the order the windows were loaded.
namespace mFormProcedures {

// The sounds of the program (Qt resources).
inline const QString kOpenSound = QStringLiteral(":/sounds/open.wav");
inline const QString kCloseSound = QStringLiteral(":/sounds/close.wav");
inline const QString kClickSound = QStringLiteral(":/sounds/click.wav");

// The common font name, as the windows have always spelled it. No font has
// that name: it is substituted by the first installed of kFontFaces, faces
// with the widths of the Helvetica and Arial faces the windows were laid out
// in, so their captions fit their controls at the designed size. The setup
// installs Liberation Sans.
inline const QString kFontName = QStringLiteral("Helvatica");
inline const QStringList kFontFaces = {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                       QStringLiteral("Arial"), QStringLiteral("Helvetica")};
// The common font: kFontName, the given size, bold, not italic.
QFont commonFont(qreal pointSize = 10);

// The main window attaches itself; the procedures then act on its loaded
// windows and read its settings. Null detaches.
void attach(Shell *shell);
Shell *attachedShell();

// The pressed look of a label-button stays clickMs on the screen; an open
// or close animation takes about animationMs, however tall the window, and
// shows every height it can paint in that time (at least kFewestHeights).
// Tests set both to zero: the animations then jump to their end. The
// program's pace: a hand-over (close, then open) is done in about a quarter
// of a second.
inline constexpr int kClickPauseMs = 100;
inline constexpr int kAnimationMs = 120;
void setPauses(int clickMs, int animationMs);
int clickPauseMs();
int animationMs();
inline constexpr int kFewestHeights = 4;

// The animation switch of Help > Scrolling: "Fitness"/"Scrolling", on when
// missing; "False" (any letter case) or a number that is zero switches it
// off; any other text counts as on.
bool scrollingOn(const Settings &settings);
bool scrollingOn(const QString &storedValue);

// Plays a wave file (a path or a ":/" resource) without waiting for it; a
// new sound cuts off the one still playing. A missing file, or no audio
// device, plays nothing. True when the sound was started.
bool PlayWav(const QString &fileName, bool async = true);

// Opening sound, then every normal-state window grows by 100 twips a step
// while it is below finalHeight (animation on), or is set to finalHeight at
// once (off).
void OpenForm(qint16 &finalHeight);
inline void OpenForm(int finalHeight)
{
    qint16 h = qint16(finalHeight);
    OpenForm(h);
}
// Closing sound, then (animation on) every normal-state window shrinks by
// 100 twips a step while it is above 405 twips.
void CloseForm();
// The blue gradient background on every normal-state window.
void PaintForms();
// The common font on every control of every shown window; labels white,
// "lblEnter" black; a shape "Shape2" gets a light grey border of width 1.
// Vertical scroll bars, shapes and labels showing a picture keep their font;
// so does any control whose property kNoFontProperty is true (an up-down
// spinner, a line). The controls inside plain QWidget/QFrame holders and
// group boxes are formatted too, and inside any widget whose property
// kContainerProperty is true.
void FormatControls();
inline constexpr const char *kNoFontProperty = "pulsarNoFont";
inline constexpr const char *kContainerProperty = "pulsarContainer";
// Formats the controls of one window as FormatControls does.
void formatWindow(QWidget *window);
// Click sound, then a short visible pause (the pressed look).
void ClickSound();

// An animation of a window's height: from its height, `step` twips at a
// time (negative: shrinking), while it is below `limit` (growing) or above
// it (shrinking), so it ends at the first height of that series at or past
// the limit. The heights are shown at the animations' pace: each one
// painted, heights skipped only where painting cannot keep up, at least
// kFewestHeights of them. Without pauses, or while the window is not on
// the screen, it takes its last height at once.
void slideHeight(WorkingWindow *window, int step, int limit);
// Processes paint events (no user input) for `ms` milliseconds.
void pause(int ms);

// The gradient's blue component at x (0..1000): x / 4 + 50, halves to
// even, at most 255.
int gradientBlue(int x);
QColor gradientColour(int x);
// The gradient drawn over a client area of the given size, x from 0 to 1000
// across its width.
QPixmap gradientPixmap(const QSize &size);

} // namespace mFormProcedures
