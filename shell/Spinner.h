#pragma once

#include <QObject>
#include <QPointer>

#include <QLineEdit>
#include <QScrollBar>

// A spinner: a vertical scroll bar beside a text box, its top end the
// largest value so that its up arrow counts up. Every change or drag of the
// bar writes its value into the box as text; typing into the box does not
// move the bar (a window that saves reads the box). The bar can be set from
// a stored value without writing into the box, so a stored value outside the
// bar's range stays in the box as it was.
class Spinner : public QObject
{
    Q_OBJECT

public:
    // Binds `bar` (made vertical, top end largest) to `box`; owned by the bar.
    Spinner(QScrollBar *bar, QLineEdit *box);

    // The bar's range: `low` at the bottom, `high` at the top.
    void setRange(int low, int high);
    void setSteps(int small, int large);

    // Moves the bar (within its range) and writes its value into the box.
    void setValue(int value);
    // Moves the bar (within its range); the box keeps its text.
    void setValueSilently(int value);
    int value() const;

    QScrollBar *bar() const { return m_bar; }
    QLineEdit *box() const { return m_box; }

Q_SIGNALS:
    // The bar's value changed by the user or by setValue (not silently).
    void valueChanged(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void barChanged(int value);

    QPointer<QScrollBar> m_bar;
    QPointer<QLineEdit> m_box;
    bool m_silent = false;
};
