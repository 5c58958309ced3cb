#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include <functional>

class DrawingSurface;

// Text placed by character columns, the way every report page and printed
// heading lays out its lines, on the screen and on paper alike.
//
// A page is a list of operations (ColumnPage), made by code that knows what
// to print and nothing of where; one painter (ColumnPainter) runs the list on
// a drawing surface: a picture box's image or a printer's pages.
//
// The rules the painter keeps:
// - Column n lies n - 1 average character widths of the current font from
//   the left edge. A text at column n starts there; when the current position
//   already lies past column n, the line ends first and the text goes to
//   column n of the next line. A text with no column follows the one before
//   it directly.
// - A line end goes back to the left edge, one line height of the current
//   font further down. Texts of different sizes on one line stand with their
//   tops on the line's top.
// - Two empty lines are two line ends: at the start of a line they leave two
//   empty lines, after text on the line they end it and leave one.
// - A number prints as its shortest decimal text with a blank before it
//   (the place of the sign) when it is not negative, and a blank after it:
//   300 prints " 300 ".
// - On paper a text that would reach below the foot of the page starts a
//   new page by itself, at the top, in the same column.
class ColumnPage
{
public:
    struct Op
    {
        enum Kind {
            FontName,
            FontSize,
            Bold,
            Italic,
            Underline,
            Colour,
            Text,
            Number,
            LineEnd,
            TwoEmptyLines,
            NewPage,
            Picture,
        };
        Kind kind = LineEnd;
        int column = 0;   // Text, Number: 1 and up; 0 follows what was printed last
        QString text{};   // Text, FontName
        double value = 0; // Number; FontSize in points
        bool on = false;  // Bold, Italic, Underline
        QColor colour{};  // Colour
        QImage image{};   // Picture
        QRectF box{};     // Picture: where it is drawn, in the surface's units

        bool operator==(const Op &) const = default;
    };

    ColumnPage &fontName(const QString &name);
    ColumnPage &size(double points);
    ColumnPage &bold(bool on);
    ColumnPage &italic(bool on);
    ColumnPage &underline(bool on);
    ColumnPage &colour(const QColor &colour);
    // A text at a column, or (column 0) right after what was printed last.
    ColumnPage &text(int column, const QString &text);
    ColumnPage &text(const QString &text) { return this->text(0, text); }
    // A number with its blanks, at a column or right after what was printed last.
    ColumnPage &number(int column, double value);
    ColumnPage &number(double value) { return number(0, value); }
    ColumnPage &lineEnd();
    ColumnPage &twoEmptyLines();
    // Ends the printed page; the next text stands at the top of a new one.
    // The screen has one page and passes over it.
    ColumnPage &newPage();
    // A picture drawn into `box` (in the surface's units), leaving the current
    // position where it was.
    ColumnPage &picture(const QImage &image, const QRectF &box);

    const QList<Op> &ops() const { return m_ops; }
    bool isEmpty() const { return m_ops.isEmpty(); }
    bool operator==(const ColumnPage &) const = default;

    // The text a number prints as: " 300 ", "-2.5 ".
    static QString numberText(double value);

private:
    ColumnPage &add(Op op);
    QList<Op> m_ops;
};

// Runs column pages on a drawing surface, from the surface's current point
// and in its current font and fore colour, which the operations change as
// they go. Left, right, up and down are as the surface's scale has them.
class ColumnPainter
{
public:
    explicit ColumnPainter(DrawingSurface &surface);

    // For paper: `newPage` ends the page and begins the next one (the
    // surface's current point then stands at its top left). Without it the
    // surface is one page on which text may run below the lower edge.
    void setNewPage(std::function<void()> newPage);

    void run(const ColumnPage &page);

    // Every text in the order it was drawn, texts of one line separated by a
    // blank, "\n" at each line end and "\f" where a new page begins: what
    // the pages say, for screen readers and tests.
    const QString &transcript() const { return m_transcript; }
    // Pages begun so far, the first included.
    int pages() const { return m_pages; }

    // The width of one column in the surface's current font: its average
    // character width (lower-case letters and blanks weighted as they come
    // in English text), in the surface's units.
    static double columnWidth(const DrawingSurface &surface);

private:
    void print(int column, const QString &text);
    void endLine();
    // A text reaching the foot goes on at its column of the next page; the
    // page's own end starts the next at the left edge.
    void newPage(bool keepColumn);
    void breakPageBefore(double lineHeight);
    double currentColumnWidth();

    DrawingSurface &m_surface;
    std::function<void()> m_newPage;
    QString m_transcript;
    bool m_lineHasText = false;
    bool m_pageHasContent = false;
    int m_pages = 1;
    double m_columnWidth = -1;
    QFont m_columnFont;
    QRectF m_columnScale;
};
