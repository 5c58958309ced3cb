#include "TextFit.h"

#include "shell/LabelButton.h"
#include "shell/Shape.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QListView>
#include <QTreeView>
#include <QPainter>
#include <QRadioButton>
#include <QTableView>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QtMath>

namespace {

using TextFit::Misfit;

// Rounding of text measures: a text fits when it needs at most half a
// pixel more than there is.
constexpr qreal kSlack = 0.5;

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

QString px(qreal v)
{
    return QString::number(qCeil(v - 0.001));
}

// Mnemonic ampersands as a button shows them: "&&" is one "&", a single
// one underlines the next letter and takes no room.
QString shownText(const QString &text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        out += text[i];
    }
    return out;
}

// Where the glyphs of `text` land when the label draws it in `room` with
// `flags` (alignment, word wrap) in `font`: the ink outside `room`, or, for
// a round button, outside the circle in it.
struct Ink
{
    QRect bounds;          // the ink, relative to the room's top left
    bool outside = false;  // any ink outside the room (or the circle)
};

Ink inkOf(const QLabel *label, const QString &text, const QFont &font, const QSize &room, int flags,
          const QRectF &circle)
{
    // Labels are checked again after every hover: the same text in the
    // same room is measured once.
    static QHash<QString, Ink> cache;
    const QString key = QStringLiteral("%1|%2|%3x%4|%5|%6,%7,%8,%9|%10")
                            .arg(text, font.key())
                            .arg(room.width())
                            .arg(room.height())
                            .arg(flags)
                            .arg(circle.x())
                            .arg(circle.y())
                            .arg(circle.width())
                            .arg(circle.height())
                            .arg(quintptr(label->style()));
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;

    const QFontMetrics fm(font);
    const int pad = qMax(room.width(), fm.height() * 4);
    QImage image(room.width() + 2 * pad, room.height() + 2 * pad, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font);
        // As the label draws itself: through its style, unclipped.
        QPalette palette;
        palette.setColor(QPalette::WindowText, Qt::black);
        label->style()->drawItemText(&painter, QRect(QPoint(pad, pad), room), flags | Qt::TextDontClip, palette,
                                     true, text, QPalette::WindowText);
    }
    Ink ink;
    // A glyph's side bearing may reach a pixel past its advance.
    const QRect inside = QRect(QPoint(pad, pad), room).adjusted(-1, -1, 1, 1);
    const QRectF circleAt = circle.translated(pad, pad);
    const QPointF centre = circleAt.center();
    // Inside the circle's border: ink on the border reads as cut.
    const qreal radius = circleAt.width() / 2;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // Faint anti-aliasing at the edge of a glyph is no ink.
            if (qAlpha(row[x]) < 96)
                continue;
            ink.bounds |= QRect(x - pad, y - pad, 1, 1);
            if (!inside.contains(x, y)) {
                ink.outside = true;
            } else if (!circle.isEmpty()) {
                const qreal dx = x + 0.5 - centre.x(), dy = y + 0.5 - centre.y();
                if (dx * dx + dy * dy > radius * radius)
                    ink.outside = true;
            }
        }
    }
    cache.insert(key, ink);
    return ink;
}

// The circle a round label-button's caption lies on, in the label's
// coordinates; an empty rectangle for any other label.
QRectF roundButtonCircle(const QLabel *label)
{
    const auto *button = label->findChild<LabelButton *>(QString(), Qt::FindDirectChildrenOnly);
    if (!button || !button->front() || button->front()->kind() != Shape::Circle)
        return QRectF();
    const Shape *shape = button->front();
    const QRectF g = QRectF(shape->geometry()).translated(-QPointF(label->geometry().topLeft()));
    const qreal inset = shape->borderWidth();
    const QRectF box = g.adjusted(inset, inset, -inset, -inset);
    const qreal side = qMin(box.width(), box.height());
    return QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
}

void checkLabel(const QLabel *label, QList<Misfit> &out)
{
    const QString text = label->text();
    if (text.trimmed().isEmpty() || !label->pixmap().isNull())
        return;
    const int m = label->margin();
    const QRectF room = QRectF(label->contentsRect()).adjusted(m, m, -m, -m);
    const QString name = nameOf(label);
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (rich) {
        QTextDocument doc;
        doc.setDocumentMargin(0);
        doc.setDefaultFont(label->font());
        doc.setHtml(text);
        if (label->wordWrap())
            doc.setTextWidth(room.width());
        const QSizeF need(label->wordWrap() ? doc.size().width() : doc.idealWidth(), doc.size().height());
        if (need.width() > room.width() + kSlack || need.height() > room.height() + kSlack)
            out << Misfit{name, text,
                          QStringLiteral("needs %1 x %2 px, has %3 x %4")
                              .arg(px(need.width()), px(need.height()), px(room.width()), px(room.height()))};
        return;
    }
    int flags = int(QStyle::visualAlignment(label->layoutDirection(), label->alignment()));
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    const QRectF circle = roundButtonCircle(label).translated(-room.topLeft());
    const Ink ink = inkOf(label, text, label->font(), room.toRect().size(), flags, circle);
    if (!ink.outside)
        return;
    const QString why = !circle.isEmpty() && QRectF(QPointF(0, 0), room.size()).contains(ink.bounds)
                            ? QStringLiteral("reaches out of its round button")
                            : QStringLiteral("covers %1 x %2 px from %3,%4 in %5 x %6")
                                  .arg(ink.bounds.width())
                                  .arg(ink.bounds.height())
                                  .arg(ink.bounds.left())
                                  .arg(ink.bounds.top())
                                  .arg(room.width())
                                  .arg(room.height());
    out << Misfit{name, text, why};
}

// A single line of `text` in `room` pixels of width (and height).
void checkLine(const QWidget *control, const QFont &font, const QString &text, qreal roomWidth, qreal roomHeight,
               QList<Misfit> &out)
{
    if (text.trimmed().isEmpty())
        return;
    const QFontMetricsF fm(font, control);
    const qreal width = fm.horizontalAdvance(text);
    const QString name = nameOf(control);
    if (width > roomWidth + kSlack)
        out << Misfit{name, text, QStringLiteral("%1 px wide in %2").arg(px(width), px(roomWidth))};
    else if (roomHeight >= 0 && fm.height() > roomHeight + kSlack)
        out << Misfit{name, text, QStringLiteral("%1 px tall in %2").arg(px(fm.height()), px(roomHeight))};
}

void checkButton(const QAbstractButton *button, QList<Misfit> &out)
{
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    checkLine(button, button->font(), shownText(button->text()), room.width(), button->height(), out);
}

void checkGroupBox(const QGroupBox *box, QList<Misfit> &out)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.features = box->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const QFontMetricsF fm(box->font(), box);
    const qreal need = fm.horizontalAdvance(shownText(box->title()));
    const qreal room = box->width() - qMax(0, label.left());
    if (need > room + kSlack)
        out << Misfit{nameOf(box), box->title(), QStringLiteral("%1 px wide in %2").arg(px(need), px(room))};
}

void checkLineEdit(const QLineEdit *edit, QList<Misfit> &out)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    room = room.marginsRemoved(edit->textMargins());
    // The line edit keeps two pixels free on either side of its text.
    const qreal width = room.width() - 4;
    const QString text = edit->text().isEmpty() ? edit->placeholderText() : edit->displayText();
    checkLine(edit, edit->font(), text, width, room.height(), out);
}

void checkComboBox(const QComboBox *combo, QList<Misfit> &out)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    // A chosen entry stands in the field one pixel in from either side; an
    // editable box's line edit keeps two.
    const qreal width = field.width() - (combo->isEditable() ? 4 : 2);
    for (int i = 0; i < combo->count(); ++i)
        checkLine(combo, combo->font(), combo->itemText(i), width, field.height(), out);
    if (combo->currentIndex() < 0 && !combo->isEditable())
        checkLine(combo, combo->font(), combo->placeholderText(), width, field.height(), out);
    if (combo->isEditable() && combo->findText(combo->currentText()) < 0)
        checkLine(combo, combo->font(), combo->currentText(), width, field.height(), out);
}

// What an entry of a list or list view needs beside its text: the margins
// either side, a check box, an icon.
qreal entryExtra(const QAbstractItemView *view, const QModelIndex &index)
{
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    qreal extra = 2 * margin;
    if (index.data(Qt::CheckStateRole).isValid())
        extra += view->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, view) + 2 * margin;
    if (!index.data(Qt::DecorationRole).isNull())
        extra += view->iconSize().width() + 2 * margin;
    return extra;
}

QFont entryFont(const QAbstractItemView *view, const QModelIndex &index)
{
    const QVariant font = index.data(Qt::FontRole);
    return font.isValid() ? font.value<QFont>() : view->font();
}

void checkListView(const QListView *list, QList<Misfit> &out)
{
    const QAbstractItemModel *model = list->model();
    if (!model)
        return;
    for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, list->modelColumn(), list->rootIndex());
        checkLine(list, entryFont(list, index), index.data().toString(),
                  list->viewport()->width() - entryExtra(list, index), -1, out);
    }
}

// A list view of columns: each heading and each entry within its column.
void checkTreeView(const QTreeView *tree, QList<Misfit> &out)
{
    const QAbstractItemModel *model = tree->model();
    const QHeaderView *header = tree->header();
    if (!model)
        return;
    const int headerMargin = 2 * tree->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int column = 0; column < model->columnCount(tree->rootIndex()); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const int width = header->sectionSize(column);
        // A column laid out a few twips wide keeps what it holds out of
        // sight on purpose (a list's group headings), like a hidden one.
        if (width <= 2)
            continue;
        if (!header->isHidden())
            checkLine(tree, header->font(), model->headerData(column, Qt::Horizontal).toString(),
                      width - headerMargin, -1, out);
        // The entries, those below others indented.
        QList<QPair<QModelIndex, int>> parents{{tree->rootIndex(), 0}};
        while (!parents.isEmpty()) {
            const auto [parent, depth] = parents.takeFirst();
            for (int row = 0; row < model->rowCount(parent); ++row) {
                const QModelIndex index = model->index(row, column, parent);
                qreal room = width - entryExtra(tree, index);
                if (column == tree->treePosition())
                    room -= tree->indentation() * (depth + (tree->rootIsDecorated() ? 1 : 0));
                checkLine(tree, entryFont(tree, index), index.data().toString(), room, -1, out);
                const QModelIndex first = model->index(row, 0, parent);
                if (model->hasChildren(first))
                    parents << qMakePair(first, depth + 1);
            }
        }
    }
}

// A month calendar: its table of days whole in its view (a calendar given
// less room than it needs cuts its last column or row), each day's number
// within its cell.
void checkCalendar(const QCalendarWidget *calendar, QList<Misfit> &out)
{
    const auto *view = calendar->findChild<QTableView *>();
    const QAbstractItemModel *model = view ? view->model() : nullptr;
    if (!model || model->rowCount() == 0 || model->columnCount() == 0)
        return;
    const int lastColumn = model->columnCount() - 1, lastRow = model->rowCount() - 1;
    // The days as they lie in the calendar, and what of its view shows.
    const QPoint end = view->viewport()->mapTo(
        calendar, QPoint(view->columnViewportPosition(lastColumn) + view->columnWidth(lastColumn),
                         view->rowViewportPosition(lastRow) + view->rowHeight(lastRow)));
    const QRect shown = QRect(view->viewport()->mapTo(calendar, QPoint(0, 0)), view->viewport()->size())
                            .intersected(calendar->rect());
    if (end.x() > shown.right() + 1 || end.y() > shown.bottom() + 1)
        out << Misfit{nameOf(calendar), model->index(lastRow, lastColumn).data().toString(),
                      QStringLiteral("its days reach %1,%2 px, it shows them up to %3,%4")
                          .arg(end.x())
                          .arg(end.y())
                          .arg(shown.right() + 1)
                          .arg(shown.bottom() + 1)};
    for (int row = 0; row <= lastRow; ++row) {
        for (int column = 0; column <= lastColumn; ++column) {
            const QModelIndex index = model->index(row, column);
            checkLine(calendar, entryFont(view, index), index.data().toString(), view->columnWidth(column),
                      view->rowHeight(row), out);
        }
    }
}

// Parts that belong to a composite control (a combo box's line edit and
// list, a list's viewport) are judged with their control.
bool partOfComposite(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractItemView *>(p))
            return true;
    }
    return false;
}

} // namespace

QList<TextFit::Misfit> TextFit::misfits(const QWidget *window)
{
    QList<Misfit> out;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *w : widgets) {
        if (w->isWindow() || !w->isVisibleTo(window) || partOfComposite(w, window))
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(w))
            checkLabel(label, out);
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            checkButton(button, out);
        else if (const auto *box = qobject_cast<const QGroupBox *>(w))
            checkGroupBox(box, out);
        else if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            checkLineEdit(edit, out);
        else if (const auto *combo = qobject_cast<const QComboBox *>(w))
            checkComboBox(combo, out);
        else if (const auto *list = qobject_cast<const QListView *>(w))
            checkListView(list, out);
        else if (const auto *tree = qobject_cast<const QTreeView *>(w))
            checkTreeView(tree, out);
        else if (const auto *calendar = qobject_cast<const QCalendarWidget *>(w))
            checkCalendar(calendar, out);
    }
    return out;
}

QStringList TextFit::describe(const QString &window, const QList<Misfit> &misfits)
{
    QStringList lines;
    for (const Misfit &m : misfits)
        lines << QStringLiteral("%1: %2 \"%3\" %4").arg(window, m.control, m.text, m.why);
    return lines;
}
