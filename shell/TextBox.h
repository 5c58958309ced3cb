#pragma once

#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPoint>

class QKeyEvent;
class QMouseEvent;

namespace TextBoxes {

// A key that changes nothing in a box (Tab, a modifier held).
bool leavesTextAlone(const QKeyEvent *event);
// A press at `pressedAt` and this release close together: a click, not a
// drag.
bool isClick(const QPoint &pressedAt, const QMouseEvent *release);

// What every text box does with its whole text: it selects it when it gets
// the focus and keeps it so until the user types or clicks in it: a text
// the window fills in after the box got the focus (a window that fills its
// boxes once it is shown) is selected whole, and the first click into the
// box selects the whole text too (a drag selects what it covers), whether
// the box had the focus before or not.
template <typename Box>
class SelectsWhole : public Box
{
public:
    explicit SelectsWhole(QWidget *parent) : Box(parent) {}

    virtual void selectWhole() = 0;

protected:
    // The box's text was put in by the window.
    void filled()
    {
        if (m_wanted && this->hasFocus())
            selectWhole();
    }

    void focusInEvent(QFocusEvent *event) override
    {
        Box::focusInEvent(event);
        m_wanted = true;
        selectWhole();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        m_wanted = false;
        Box::focusOutEvent(event);
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!leavesTextAlone(event))
            m_wanted = false;
        Box::keyPressEvent(event);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        m_pressedAt = event->position().toPoint();
        Box::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        Box::mouseReleaseEvent(event);
        if (event->button() != Qt::LeftButton)
            return;
        if (m_wanted && isClick(m_pressedAt, event))
            selectWhole();
        m_wanted = false;
    }

private:
    bool m_wanted = false;
    QPoint m_pressedAt;
};

} // namespace TextBoxes

// A text box of the working windows (see TextBoxes::SelectsWhole).
class TextBox : public TextBoxes::SelectsWhole<QLineEdit>
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr, const QString &name = QString());

    // Selects the whole text (selection start 0, length of the text).
    void selectWhole() override;
};

// A text box of several lines (a description). It selects its whole text
// as TextBox does, and its text has the record files' line breaks: a line
// break typed into it is CR LF in text(). Tab goes on to the next control.
class MultiLineTextBox : public TextBoxes::SelectsWhole<QPlainTextEdit>
{
    Q_OBJECT

public:
    explicit MultiLineTextBox(QWidget *parent = nullptr, const QString &name = QString());

    // The text, its line breaks CR LF.
    QString text() const;
    // Shows `text`; CR LF, CR and LF each break the line.
    void setText(const QString &text);

    void selectWhole() override;
};
