#include "Controls.h"

#include "Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

QLabel *Controls::label(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel *Controls::notesLabel(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    QLabel *notes = label(parent, name, QString());
    notes->setWordWrap(true);
    notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::place(notes, left, top, width, height);
    return notes;
}

void Controls::onClick(QListWidget *list, std::function<void()> work)
{
    // The selection changes after the current row: by then both are
    // settled, whichever the work reads.
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [work = std::move(work)] { work(); });
}

void Controls::onClick(QComboBox *combo, std::function<void()> work)
{
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [work = std::move(work)] { work(); });
}

QString Controls::element(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void Controls::setBackColour(QWidget *control, const QColor &colour)
{
    control->setAutoFillBackground(true);
    QPalette p = control->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    control->setPalette(p);
}

void Controls::setTextColour(QWidget *control, const QColor &colour)
{
    QPalette p = control->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    control->setPalette(p);
}

Controls::ButtonShapes Controls::greenRound(const QString &frontName, const QString &backName)
{
    return {frontName, backName, Shape::Circle, QColor(0, 255, 0), QColor(0x80, 0x80, 0x80), -45, 0};
}

LabelButton *Controls::labelButton(QWidget *parent, const QString &labelName, const QString &caption,
                                   const ButtonShapes &shapes, int left, int top, int width, int height,
                                   LabelButton::Options options)
{
    auto *back = new Shape(parent, shapes.backName, shapes.kind);
    back->setFillColor(shapes.backFill);
    auto *front = new Shape(parent, shapes.frontName, shapes.kind);
    front->setFillColor(shapes.frontFill);
    QLabel *l = label(parent, labelName, caption);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    Twips::place(back, left + shapes.backLeft, top + shapes.backTop, width, height);
    Twips::place(front, left, top, width, height);
    Twips::place(l, left, top, width, height);
    return new LabelButton(l, front, back, options);
}

LabelButton *Controls::enterButton(QWidget *parent, const QString &caption, int left, int top, int width,
                                   int height, LabelButton::Options options)
{
    const ButtonShapes shapes{QStringLiteral("Shape1"), QStringLiteral("Shape2"), Shape::Rectangle,
                              QColor(192, 192, 192), QColor(0, 0, 40), 60, 60};
    return labelButton(parent, QStringLiteral("lblEnter"), caption, shapes, left, top, width, height, options);
}
