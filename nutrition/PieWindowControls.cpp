#include "PieWindowControls.h"

#include "common/DateText.h"
#include "shell/Controls.h"
#include "shell/LabelButton.h"
#include "shell/PictureBox.h"
#include "shell/Shape.h"
#include "shell/Twips.h"

#include <QCalendarWidget>
#include <QLabel>

namespace PieWindowControls {

namespace {

constexpr int kButtonSize = 1455;
constexpr int kValueWidth = 975;
constexpr int kValueHeight = 255;

const QColor kLineColour(0xE0, 0xE0, 0xE0);
// The picture box before its first pie: the background's darkest blue.
const QColor kPictureBack(0, 0, 55);

} // namespace

QString balanceTip(int pair, int index)
{
    static const QString tips[3][2] = {
        {QStringLiteral("Calories Intaken"),
         QStringLiteral("Percent of Calories intaken from total calories consumed and burnned")},
        {QStringLiteral("Calories Burnned Through Body Metabolism"),
         QStringLiteral("Percent of Calories burnned throught general metabolism from total calories consumed and "
                        "burnned")},
        {QStringLiteral("Calories Burnned Through Excercise"),
         QStringLiteral("Percent of Calories burnned throught excercise from total calories consumed and burnned")},
    };
    return tips[qBound(0, pair, 2)][qBound(0, index, 1)];
}

QCalendarWidget *calendar(QWidget *window, const QDate &today, int left, int top, int width, int height)
{
    auto *c = new QCalendarWidget(window);
    c->setObjectName(QStringLiteral("DTPicker1"));
    c->setDateRange(DateText::kFirstDate, DateText::kLastDate);
    // The week numbers would take the room the days need.
    c->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    c->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    c->setGridVisible(false);
    c->setSelectedDate(today);
    Twips::place(c, left, top, width, height);
    return c;
}

LabelButton *viewButton(QWidget *window, int left, int top)
{
    LabelButton *button = Controls::labelButton(
        window, QStringLiteral("lblEnter"), QString(66, u' ') + QStringLiteral("View Information"),
        Controls::greenRound(QStringLiteral("Shape1"), QStringLiteral("Shape2")), left, top, kButtonSize, kButtonSize,
        LabelButton::MoveBackFirst);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setBold(true);
    button->label()->setFont(font);
    button->label()->setToolTip(QStringLiteral("Press Button To Enter Data"));
    return button;
}

QLabel *valueLabel(QWidget *window, const QString &name, int left, int top, const QString &toolTip)
{
    QLabel *l = Controls::label(window, name, QString());
    l->setToolTip(toolTip);
    l->setAutoFillBackground(false);
    Twips::place(l, left, top, kValueWidth, kValueHeight);
    return l;
}

PictureBox *picture(QWidget *window, int left, int top, int width, int height)
{
    auto *p = new PictureBox(window, QStringLiteral("Picture1"), kPictureBack, Qt::white);
    Twips::place(p, left, top, width, height);
    return p;
}

Shape *line(QWidget *window, const QString &name, int left, int top, int length, bool vertical)
{
    auto *s = new Shape(window, name);
    s->setBorderWidth(0);
    s->setFillColor(kLineColour);
    if (vertical)
        Twips::place(s, left, top, Twips::kPerPixel, length);
    else
        Twips::place(s, left, top, length, Twips::kPerPixel);
    return s;
}

void makeOpaque(QLabel *label)
{
    label->setAutoFillBackground(true);
}

void colour(QLabel *label, const QColor &back, const QColor &text)
{
    Controls::setBackColour(label, back);
    Controls::setTextColour(label, text);
}

} // namespace PieWindowControls
