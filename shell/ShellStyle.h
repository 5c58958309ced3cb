#pragma once

#include <QProxyStyle>
#include <QStringList>

class QFontMetricsF;

// The program's style: the platform's style with three changes the windows
// were designed for.
// - Wrapped captions break as the windows were laid out: a run of blanks
//   that does not fit on its line ends the line and is dropped, so blanks
//   before a word can push it onto a line of its own (the label-buttons'
//   captions rely on that). Lines never start with the blanks of a break.
// - A disabled control's caption is drawn greyed, whatever text colour its
//   window gave it.
// - A checkable menu item shows its mark only while it is checked; an
//   unchecked one looks like any other item.
class ShellStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Over `base` (the application's style when null), which it owns.
    explicit ShellStyle(QStyle *base = nullptr);

    // Makes a ShellStyle over the style in use the application's style,
    // unless it is one already.
    static void install();

    // The lines a caption wrapped into `width` pixels shows, in the font of
    // `metrics`. A word wider than the width stands alone on its line.
    static QStringList wrapLines(const QString &text, const QFontMetricsF &metrics, qreal width);

    // The colour of a disabled control's caption.
    static QColor disabledText();

    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                      const QString &text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    QRect itemTextRect(const QFontMetrics &metrics, const QRect &rect, int flags, bool enabled,
                       const QString &text) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};
