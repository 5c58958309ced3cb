#include "PrintColumns.h"

#include "DrawingSurface.h"
#include "NumberText.h"

namespace {

// The direction of "down" and "right" as the scale runs.
double down(const DrawingSurface &s)
{
    return s.scaleRect().height() < 0 ? -1 : 1;
}

double right(const DrawingSurface &s)
{
    return s.scaleRect().width() < 0 ? -1 : 1;
}

} // namespace

ColumnPage &ColumnPage::add(Op op)
{
    m_ops.append(std::move(op));
    return *this;
}

ColumnPage &ColumnPage::fontName(const QString &name)
{
    return add({.kind = Op::FontName, .text = name});
}

ColumnPage &ColumnPage::size(double points)
{
    return add({.kind = Op::FontSize, .value = points});
}

ColumnPage &ColumnPage::bold(bool on)
{
    return add({.kind = Op::Bold, .on = on});
}

ColumnPage &ColumnPage::italic(bool on)
{
    return add({.kind = Op::Italic, .on = on});
}

ColumnPage &ColumnPage::underline(bool on)
{
    return add({.kind = Op::Underline, .on = on});
}

ColumnPage &ColumnPage::colour(const QColor &colour)
{
    return add({.kind = Op::Colour, .colour = colour});
}

ColumnPage &ColumnPage::text(int column, const QString &text)
{
    return add({.kind = Op::Text, .column = qMax(column, 0), .text = text});
}

ColumnPage &ColumnPage::number(int column, double value)
{
    return add({.kind = Op::Number, .column = qMax(column, 0), .value = value});
}

ColumnPage &ColumnPage::lineEnd()
{
    return add({.kind = Op::LineEnd});
}

ColumnPage &ColumnPage::twoEmptyLines()
{
    return add({.kind = Op::TwoEmptyLines});
}

ColumnPage &ColumnPage::newPage()
{
    return add({.kind = Op::NewPage});
}

ColumnPage &ColumnPage::picture(const QImage &image, const QRectF &box)
{
    return add({.kind = Op::Picture, .image = image, .box = box});
}

QString ColumnPage::numberText(double value)
{
    const QString digits = NumberText::dbl(value);
    return (value < 0 ? QString() : QStringLiteral(" ")) + digits + u' ';
}

// ---------------------------------------------------------------------------

ColumnPainter::ColumnPainter(DrawingSurface &surface) : m_surface(surface) {}

void ColumnPainter::setNewPage(std::function<void()> newPage)
{
    m_newPage = std::move(newPage);
}

namespace {

// Lower-case letters and blanks as often as they come in English text (per
// thousand characters): the sample a font's average character width is
// taken over.
QString averageSample()
{
    static const int weights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20,
                                    56, 56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2};
    QString sample;
    for (int i = 0; i < 26; ++i)
        sample += QString(weights[i], QChar(u'a' + i));
    sample += QString(166, u' ');
    return sample;
}

} // namespace

double ColumnPainter::columnWidth(const DrawingSurface &surface)
{
    static const QString sample = averageSample();
    return surface.textWidth(sample) / sample.size();
}

double ColumnPainter::currentColumnWidth()
{
    // Measured once for each font and scale.
    const QFont font = m_surface.font();
    const QRectF scale = m_surface.scaleRect();
    if (m_columnWidth < 0 || font != m_columnFont || scale != m_columnScale) {
        m_columnWidth = columnWidth(m_surface);
        m_columnFont = font;
        m_columnScale = scale;
    }
    return m_columnWidth;
}

void ColumnPainter::run(const ColumnPage &page)
{
    using Op = ColumnPage::Op;
    for (const Op &op : page.ops()) {
        QFont font = m_surface.font();
        switch (op.kind) {
        case Op::FontName:
            font.setFamily(op.text);
            m_surface.setFont(font);
            break;
        case Op::FontSize:
            if (op.value > 0) {
                font.setPointSizeF(op.value);
                m_surface.setFont(font);
            }
            break;
        case Op::Bold:
            font.setBold(op.on);
            m_surface.setFont(font);
            break;
        case Op::Italic:
            font.setItalic(op.on);
            m_surface.setFont(font);
            break;
        case Op::Underline:
            font.setUnderline(op.on);
            m_surface.setFont(font);
            break;
        case Op::Colour:
            m_surface.setForeColour(op.colour);
            break;
        case Op::Text:
            print(op.column, op.text);
            break;
        case Op::Number:
            print(op.column, ColumnPage::numberText(op.value));
            break;
        case Op::LineEnd:
            endLine();
            break;
        case Op::TwoEmptyLines:
            endLine();
            endLine();
            break;
        case Op::NewPage:
            newPage(false);
            break;
        case Op::Picture:
            m_surface.picture(op.box.topLeft(), op.box.bottomRight(), op.image);
            m_pageHasContent = true;
            break;
        }
    }
}

void ColumnPainter::print(int column, const QString &text)
{
    if (column > 0) {
        const double x = m_surface.scaleRect().left() + right(m_surface) * (column - 1) * currentColumnWidth();
        // A small tolerance keeps a text that ends exactly on the column from
        // counting as past it.
        if (right(m_surface) * (m_surface.currentX() - x) > 1e-6 * qAbs(m_surface.scaleRect().width()))
            endLine();
        m_surface.setCurrentX(x);
    }
    breakPageBefore(m_surface.textHeight());
    m_surface.print(text, DrawingSurface::TextEnd::AfterText);
    if (m_lineHasText)
        m_transcript += u' ';
    m_transcript += text;
    m_lineHasText = true;
    m_pageHasContent = true;
}

void ColumnPainter::endLine()
{
    m_surface.setCurrent(
        {m_surface.scaleRect().left(), m_surface.currentY() + down(m_surface) * m_surface.textHeight()});
    m_transcript += u'\n';
    m_lineHasText = false;
}

void ColumnPainter::newPage(bool keepColumn)
{
    // A page with nothing on it yet is not ended: no empty sheets.
    if (!m_newPage || !m_pageHasContent)
        return;
    const QRectF scale = m_surface.scaleRect();
    const double x = keepColumn ? m_surface.currentX() : scale.left();
    m_newPage();
    m_surface.setCurrent({x, scale.top()});
    m_transcript += u'\f';
    m_lineHasText = false;
    m_pageHasContent = false;
    ++m_pages;
}

void ColumnPainter::breakPageBefore(double lineHeight)
{
    if (!m_newPage || !m_pageHasContent)
        return;
    const double foot = m_surface.scaleRect().bottom();
    const double textFoot = m_surface.currentY() + down(m_surface) * lineHeight;
    if (down(m_surface) * (textFoot - foot) > 0)
        newPage(true);
}
