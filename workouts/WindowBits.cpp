#include "WindowBits.h"

#include "shell/Controls.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/WorkingWindow.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace {

class ClickFilter : public QObject
{
public:
    ClickFilter(QLabel *label, std::function<void()> work) : QObject(label), m_work(std::move(work))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                m_down = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            auto *label = static_cast<QWidget *>(watched);
            if (m_down && mouse->button() == Qt::LeftButton
                && label->rect().contains(mouse->position().toPoint())) {
                m_down = false;
                m_work();
                return true;
            }
            m_down = false;
        }
        return false;
    }

private:
    std::function<void()> m_work;
    bool m_down = false;
};

bool within(const QWidget *outer, const QWidget *w)
{
    return outer && w && (outer == w || outer->isAncestorOf(w));
}

} // namespace

void WindowBits::onClick(QLabel *label, std::function<void()> work)
{
    new ClickFilter(label, std::move(work));
}

void WindowBits::setPointSize(QWidget *caption, int points)
{
    QFont f = caption->font();
    if (f.pointSizeF() != points) {
        f.setPointSizeF(points);
        caption->setFont(f);
    }
}

qreal WindowBits::pointSize(const QWidget *caption)
{
    return caption->font().pointSizeF();
}

void WindowBits::unloadOnFocusLoss(WorkingWindow *window)
{
    QPointer<WorkingWindow> w(window);
    QObject::connect(qApp, &QApplication::focusChanged, window, [w](QWidget *, QWidget *now) {
        if (!w || w->isUnloading() || !now)
            return;
        const QWidget *main = w->shell().mainWidget();
        const QWidget *own = w->frame() ? static_cast<QWidget *>(w->frame()) : w.data();
        if (!within(main, now) || within(own, now))
            return;
        for (const QWidget *p = now; p; p = p->parentWidget()) {
            if (qobject_cast<const QMenuBar *>(p))
                return;
        }
        // Not from inside the focus change itself: the window goes once the
        // event is over.
        QTimer::singleShot(0, w, [w] {
            if (w && !w->isUnloading())
                w->unloadSelf();
        });
    });
}

LabelButton *WindowBits::roundButton(QWidget *window, const QString &labelName, const QString &caption,
                                     int left, int top, LabelButton::Options options)
{
    constexpr int kSize = 1455;
    const Controls::ButtonShapes shapes{QStringLiteral("Shape1"), QStringLiteral("Shape2"), Shape::Circle,
                                        QColor(0xE0, 0xE0, 0xE0), QColor(0, 0, 60), -45, 0};
    return Controls::labelButton(window, labelName, caption, shapes, left, top, kSize, kSize, options);
}

QLabel *WindowBits::caption(QWidget *window, const QString &name, const QString &text, int left, int top,
                            int width, int height)
{
    auto *label = new QLabel(text, window);
    label->setObjectName(name);
    Twips::place(label, left, top, width, height);
    return label;
}
