#include "mFormProcedures.h"

#include "Shape.h"
#include "Shell.h"
#include "WavPlayer.h"
#include "WorkingWindow.h"

#include "common/NumberText.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPainter>
#include <QScrollBar>
#include <QThread>

namespace mFormProcedures {

namespace {

Shell *g_shell = nullptr;
int g_clickMs = kClickPauseMs;
int g_animationMs = kAnimationMs;

QList<WorkingWindow *> loadedWindows()
{
    QList<WorkingWindow *> list;
    if (!g_shell)
        return list;
    const QList<WorkingWindow *> all = g_shell->loadedWindows();
    for (WorkingWindow *w : all) {
        if (w && w->objectName() != QLatin1String("MDIFitness"))
            list << w;
    }
    return list;
}

bool scrollingSetting()
{
    return g_shell ? scrollingOn(g_shell->settings()) : true;
}

void installSubstitution()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFont::insertSubstitutions(kFontName, kFontFaces);
}

// The controls of a window: its children, and the children of the frames
// and group boxes that hold controls, but not the parts composite controls
// are made of (a combo box's list, a date picker's buttons).
void collectControls(QWidget *parent, QList<QWidget *> &controls)
{
    const QObjectList children = parent->children();
    for (QObject *child : children) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        controls << w;
        const QByteArray cls = w->metaObject()->className();
        const bool container = cls == "QWidget" || cls == "QFrame" || qobject_cast<QGroupBox *>(w)
                               || w->property(kContainerProperty).toBool();
        if (container)
            collectControls(w, controls);
    }
}

bool takesFont(const QWidget *control)
{
    if (const auto *bar = qobject_cast<const QScrollBar *>(control))
        return bar->orientation() != Qt::Vertical;
    if (qobject_cast<const Shape *>(control))
        return false;
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (!label->pixmap().isNull())
            return false; // an image
    }
    // Up-down spinners, lines and images a window marks as such.
    return !control->property(kNoFontProperty).toBool();
}

void setTextColour(QWidget *control, const QColor &colour)
{
    QPalette p = control->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    control->setPalette(p);
}

} // namespace

QFont commonFont(qreal pointSize)
{
    installSubstitution();
    QFont font(kFontName);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    font.setItalic(false);
    return font;
}

void attach(Shell *shell)
{
    g_shell = shell;
}

Shell *attachedShell()
{
    return g_shell;
}

void setPauses(int clickMs, int animationMs)
{
    g_clickMs = qMax(0, clickMs);
    g_animationMs = qMax(0, animationMs);
}

int clickPauseMs()
{
    return g_clickMs;
}

int animationMs()
{
    return g_animationMs;
}

bool scrollingOn(const QString &storedValue)
{
    const QString v = storedValue.trimmed();
    if (v.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = NumberText::parse(v))
        return *number != 0;
    return true;
}

bool scrollingOn(const Settings &settings)
{
    return scrollingOn(settings.get(SettingKeys::Fitness, SettingKeys::Scrolling, QStringLiteral("True")));
}

bool PlayWav(const QString &fileName, bool async)
{
    // Sounds never hold up the program: a synchronous request plays
    // asynchronously too.
    Q_UNUSED(async);
    return WavPlayer::instance().play(fileName);
}

void OpenForm(qint16 &finalHeight)
{
    PlayWav(kOpenSound, true);
    const bool on = scrollingSetting();
    const int target = finalHeight;
    const QList<WorkingWindow *> windows = loadedWindows();
    for (WorkingWindow *w : windows) {
        if (!w->isNormalState())
            continue;
        if (on) {
            slideHeight(w, 100, target);
        } else {
            w->setHeightTwips(target);
        }
    }
}

void CloseForm()
{
    PlayWav(kCloseSound, true);
    if (!scrollingSetting())
        return;
    const QList<WorkingWindow *> windows = loadedWindows();
    for (WorkingWindow *w : windows) {
        if (w->isNormalState())
            slideHeight(w, -100, 405);
    }
}

void PaintForms()
{
    const QList<WorkingWindow *> windows = loadedWindows();
    for (WorkingWindow *w : windows) {
        if (w->isNormalState())
            w->setGradient(true);
    }
}

void formatWindow(QWidget *window)
{
    QList<QWidget *> controls;
    collectControls(window, controls);
    const QFont font = commonFont(10);
    for (QWidget *control : controls) {
        if (control->objectName() == QLatin1String("Shape2")) {
            if (auto *shape = qobject_cast<Shape *>(control)) {
                shape->setBorderColor(QColor(0xE0, 0xE0, 0xE0));
                shape->setBorderWidth(1);
            }
        }
        if (!takesFont(control))
            continue;
        QFont f = control->font();
        f.setFamily(font.family());
        f.setPointSizeF(10);
        f.setBold(true);
        f.setItalic(false);
        control->setFont(f);
        if (qobject_cast<QLabel *>(control)) {
            setTextColour(control, Qt::white);
            if (control->objectName() == QLatin1String("lblEnter"))
                setTextColour(control, Qt::black);
        }
    }
}

void FormatControls()
{
    const QList<WorkingWindow *> windows = loadedWindows();
    for (WorkingWindow *w : windows) {
        if (w->isShownWindow())
            formatWindow(w);
    }
}

void ClickSound()
{
    PlayWav(kClickSound, true);
    pause(g_clickMs);
}

namespace {

// Paints what changed now (no user input is taken).
void paintNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

void slideHeight(WorkingWindow *window, int step, int limit)
{
    if (step == 0)
        return;
    const int start = window->heightTwips();
    const int distance = step > 0 ? limit - start : start - limit;
    if (distance <= 0)
        return;
    const int size = qAbs(step);
    const int steps = (distance + size - 1) / size;
    if (g_animationMs == 0 || !window->isShownWindow()) {
        window->setHeightTwips(start + steps * step);
        return;
    }
    // The heights are due evenly over the animation's time; one painted
    // frame never moves more than 1/kFewestHeights of the way.
    const int stride = qMax(1, (steps + kFewestHeights - 1) / kFewestHeights);
    // A window unloaded while it moves (its close box, the program ending)
    // stops moving.
    QPointer<WorkingWindow> alive(window);
    const bool unloading = window->isUnloading();
    QElapsedTimer clock;
    clock.start();
    int done = 0;
    while (done < steps) {
        const int due = int(qint64(steps) * clock.elapsed() / g_animationMs);
        const int next = qMin(qMin(qMax(done + 1, due), steps), done + stride);
        window->setHeightTwips(start + next * step);
        done = next;
        paintNow();
        if (done < steps && alive)
            pause(int(qint64(done + 1) * g_animationMs / steps - clock.elapsed()));
        if (!alive || alive->isUnloading() != unloading)
            return;
    }
}

void pause(int ms)
{
    if (ms <= 0)
        return;
    QElapsedTimer timer;
    timer.start();
    paintNow();
    while (timer.elapsed() < ms) {
        QThread::msleep(1);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

int gradientBlue(int x)
{
    const double b = NumberText::roundHalfEven(x / 4.0 + 50.0);
    return b > 255 ? 255 : int(b);
}

QColor gradientColour(int x)
{
    return QColor(0, 0, gradientBlue(x));
}

QPixmap gradientPixmap(const QSize &size)
{
    if (size.isEmpty())
        return QPixmap();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width();
    // Scale 0..1000 over the width: unit x covers [x*w/1000, (x+1)*w/1000),
    // at least one pixel, so the whole area is painted at any width.
    for (int x = 0; x <= 1000; ++x) {
        const int from = x * w / 1000;
        const int to = qMax(from + 1, (x + 1) * w / 1000);
        if (from >= w)
            break;
        painter.fillRect(QRect(from, 0, to - from, size.height()), gradientColour(x));
    }
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace mFormProcedures
