#pragma once

#include <QLineEdit>

// A text box of the working windows: it selects its whole text whenever it
// gets the focus, so typing replaces the value.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr, const QString &name = QString());

    // Selects the whole text (selection start 0, length of the text).
    void selectWhole();

protected:
    void focusInEvent(QFocusEvent *event) override;
};
