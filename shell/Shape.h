#pragma once

#include <QColor>
#include <QWidget>

// A shape control: a rectangle, oval or circle with a fill and a border,
// drawn in its geometry. It lets every mouse event through to what lies
// beneath, so a label-button's label gets the clicks and moving over a shape
// counts as moving over the bare window.
class Shape : public QWidget
{
    Q_OBJECT

public:
    enum Kind { Rectangle, RoundedRectangle, Oval, Circle };

    explicit Shape(QWidget *parent, const QString &name = QString(), Kind kind = Rectangle);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind);

    // The fill; transparent until a fill colour is set.
    void setFillColor(const QColor &colour);
    QColor fillColor() const { return m_fill; }
    void setFilled(bool filled);
    bool isFilled() const { return m_filled; }

    // The border; black, one pixel wide by default. Width 0 draws none.
    void setBorderColor(const QColor &colour);
    QColor borderColor() const { return m_border; }
    void setBorderWidth(int width);
    int borderWidth() const { return m_borderWidth; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_fill = Qt::white;
    bool m_filled = false;
    QColor m_border = Qt::black;
    int m_borderWidth = 1;
};
