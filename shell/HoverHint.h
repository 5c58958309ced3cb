#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <QLabel>
class QWidget;

// The hover hints of a working window: moving the mouse over a control
// writes its one-sentence hint into the window's notes label and highlights
// the control's caption; moving over the bare window (no control under the
// pointer) empties the notes label and sets every caption back.
//
// Highlight by font size raises the caption from the common 10 points to 11
// and sets the window's other captions back to 10; highlight by colour
// gives the caption the highlight colour and the others their normal one.
class HoverHint : public QObject
{
    Q_OBJECT

public:
    enum Highlight { NoHighlight, FontSize, Colour };

    HoverHint(QWidget *window, QLabel *notes, Highlight highlight = FontSize);

    // Registers `control`: moving over it writes `hint` (a null text leaves
    // the notes alone) and highlights `caption` (the control itself when
    // null; none with NoHighlight).
    void add(QWidget *control, const QString &hint, QWidget *caption = nullptr);
    void setHint(QWidget *control, const QString &hint);
    QString hint(QWidget *control) const;

    // For Colour: the caption colours. Defaults: white and yellow.
    void setColours(const QColor &normal, const QColor &highlighted);
    // The text the bare window writes instead of emptying the notes label
    // (null: empty it).
    void setBareText(const QString &text) { m_bareText = text; }

    QLabel *notes() const { return m_notes; }

    // What moving over `control`, or over the bare window, does.
    void hover(QWidget *control);
    void clear();

Q_SIGNALS:
    void hovered(QWidget *control);
    void cleared();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        QPointer<QWidget> control;
        QPointer<QWidget> caption;
        QString hint;
    };
    void highlight(QWidget *caption);
    void reset(QWidget *caption);

    QPointer<QWidget> m_window;
    QPointer<QLabel> m_notes;
    Highlight m_highlight;
    QColor m_normal = Qt::white;
    QColor m_highlighted = Qt::yellow;
    QString m_bareText;
    QList<Entry> m_entries;
};
