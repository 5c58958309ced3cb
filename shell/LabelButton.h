#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

#include <QLabel>
#include "Shape.h"

// A label-button: a caption label lying on a front shape, with a back shape
// of the same size a little offset as its shadow. A click moves the label
// and the front shape by the offset from the front to the back shape (the
// pressed look), plays the click sound, emits clicked() (the window's work)
// and moves them back to where they were, as whole twips.
//
// Options: act when the mouse button goes down instead of on a click; move
// back before the work; leave the click sound to the work (a window that
// sounds only after its checks call mFormProcedures::ClickSound itself).
class LabelButton : public QObject
{
    Q_OBJECT

public:
    enum Option {
        NoOptions = 0,
        ActOnMouseDown = 0x1,
        MoveBackFirst = 0x2,
        SoundInWork = 0x4,
    };
    Q_DECLARE_FLAGS(Options, Option)

    // The button works on the label's mouse events; it is owned by the label.
    LabelButton(QLabel *label, Shape *front, Shape *back, Options options = NoOptions);

    QLabel *label() const { return m_label; }
    Shape *front() const { return m_front; }
    Shape *back() const { return m_back; }
    Options options() const { return m_options; }
    void setOptions(Options options) { m_options = options; }

    // The front shape's fill while pressed; none by default (fill unchanged).
    void setPressedFill(const QColor &colour) { m_pressedFill = colour; }

    // True between the pressed look and the move back.
    bool isPressed() const { return m_pressed; }

    // Does what a click does: pressed look, sound, work, move back; nothing
    // while the label is disabled.
    void click();

    // The pressed look and the move back on their own, for windows whose
    // work decides itself when to move back.
    void press();
    void release();

Q_SIGNALS:
    // The window's work.
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QLabel> m_label;
    QPointer<Shape> m_front;
    QPointer<Shape> m_back;
    Options m_options;
    QColor m_pressedFill;
    QColor m_savedFill;
    int m_savedLeft = 0;
    int m_savedTop = 0;
    int m_labelLeft = 0;
    int m_labelTop = 0;
    bool m_pressed = false;
    bool m_mouseDown = false;
    bool m_busy = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(LabelButton::Options)
