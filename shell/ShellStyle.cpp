#include "ShellStyle.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

ShellStyle::ShellStyle(QStyle *base)
    : QProxyStyle(base ? base : QStyleFactory::create(QApplication::style()->name()))
{
}

void ShellStyle::install()
{
    if (!qobject_cast<ShellStyle *>(QApplication::style()))
        QApplication::setStyle(new ShellStyle);
}

QColor ShellStyle::disabledText()
{
    // The platform's grey text.
    return QColor(0x80, 0x80, 0x80);
}

QStringList ShellStyle::wrapLines(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace(u'\r', u'\n');
    const auto fits = [&](const QString &line) { return metrics.horizontalAdvance(line) <= width + 0.01; };

    QStringList lines;
    const QStringList paragraphs = normal.split(u'\n');
    for (const QString &paragraph : paragraphs) {
        QString line;         // the line so far
        bool hasWord = false; // it holds a word, not only leading blanks
        const qsizetype n = paragraph.size();
        qsizetype i = 0;
        while (i < n) {
            qsizetype j = i;
            while (j < n && paragraph[j] == u' ')
                ++j;
            qsizetype k = j;
            while (k < n && paragraph[k] != u' ')
                ++k;
            const QString gap = paragraph.mid(i, j - i);
            const QString word = paragraph.mid(j, k - j);
            i = k;
            if (word.isEmpty()) {
                // Blanks at the end of the paragraph: kept where they fit.
                if (fits(line + gap))
                    line += gap;
                break;
            }
            if (fits(line + gap + word)) {
                line += gap + word;
                hasWord = true;
            } else if (!hasWord && line.isEmpty() && gap.isEmpty()) {
                line = word; // too wide for any line: alone on its own
                hasWord = true;
            } else {
                // The break swallows the blanks before the word; a first line
                // of nothing but blanks stays as an empty line.
                lines << (hasWord ? line : QString());
                line = word;
                hasWord = true;
            }
        }
        lines << line;
    }
    return lines;
}

void ShellStyle::drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                              bool enabled, const QString &text, QPalette::ColorRole textRole) const
{
    QString shown = text;
    if (flags & Qt::TextWordWrap) {
        shown = wrapLines(text, QFontMetricsF(painter->font(), painter->device()), rect.width()).join(u'\n');
        flags &= ~Qt::TextWordWrap;
    }
    if (!enabled && textRole != QPalette::NoRole) {
        QPalette greyed(palette);
        greyed.setColor(textRole, disabledText());
        QProxyStyle::drawItemText(painter, rect, flags, greyed, enabled, shown, textRole);
        return;
    }
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, shown, textRole);
}

QRect ShellStyle::itemTextRect(const QFontMetrics &metrics, const QRect &rect, int flags, bool enabled,
                               const QString &text) const
{
    if (!(flags & Qt::TextWordWrap))
        return QProxyStyle::itemTextRect(metrics, rect, flags, enabled, text);
    const QString shown = wrapLines(text, QFontMetricsF(metrics), rect.width()).join(u'\n');
    return QProxyStyle::itemTextRect(metrics, rect, flags & ~Qt::TextWordWrap, enabled, shown);
}

void ShellStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    if (element == CE_MenuItem) {
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            if (item->checkType != QStyleOptionMenuItem::NotCheckable && !item->checked) {
                QStyleOptionMenuItem plain(*item);
                plain.checkType = QStyleOptionMenuItem::NotCheckable;
                QProxyStyle::drawControl(element, &plain, painter, widget);
                return;
            }
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
