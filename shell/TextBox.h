#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPoint>

// A text box of the working windows. It selects its whole text when it gets
// the focus, so typing replaces the value, and keeps it so until the user
// types or clicks in it: a text the window fills in after the box got the
// focus (a window that fills its boxes once it is shown) is selected whole,
// and the first click into the box selects the whole text too (a drag
// selects what it covers), whether the box had the focus before or not.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr, const QString &name = QString());

    // Selects the whole text (selection start 0, length of the text).
    void selectWhole();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_wholeWanted = false;
    QPoint m_pressedAt;
};

// A text box of several lines (a description). It selects its whole text
// as TextBox does, and its text has the record files' line breaks: a line
// break typed into it is CR LF in text().
class MultiLineTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MultiLineTextBox(QWidget *parent = nullptr, const QString &name = QString());

    // The text, its line breaks CR LF.
    QString text() const;
    // Shows `text`; CR LF, CR and LF each break the line.
    void setText(const QString &text);

    void selectWhole();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_wholeWanted = false;
    QPoint m_pressedAt;
};
