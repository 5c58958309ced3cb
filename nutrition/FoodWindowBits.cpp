#include "FoodWindowBits.h"

#include "shell/Controls.h"
#include "shell/Twips.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

LabelButton *FoodWindowBits::roundButton(QWidget *window, const QString &labelName, const QString &caption,
                                         const QString &frontName, const QString &backName, int left, int top,
                                         int size, int shadowOffset, LabelButton::Options options)
{
    Controls::ButtonShapes shapes = Controls::greenRound(frontName, backName);
    shapes.backLeft = -shadowOffset;
    return Controls::labelButton(window, labelName, caption, shapes, left, top, size, size, options);
}

void FoodWindowBits::shadowWhilePressed(LabelButton *button)
{
    button->setPressedFill(button->back()->fillColor());
}

QLabel *FoodWindowBits::caption(QWidget *window, const QString &name, const QString &text, int left, int top,
                                int width, int height)
{
    QLabel *label = Controls::label(window, name, text);
    Twips::place(label, left, top, width, height);
    return label;
}

void FoodWindowBits::blackCaption(QLabel *label)
{
    Controls::setTextColour(label, Qt::black);
}

QTreeWidget *FoodWindowBits::listView(QWidget *window, const QString &name, int left, int top, int width,
                                      int height)
{
    auto *list = new QTreeWidget(window);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    Twips::place(list, left, top, width, height);
    return list;
}

void FoodWindowBits::setColumns(QTreeWidget *list, const QStringList &headings, const QList<int> &widths)
{
    list->clear();
    list->setColumnCount(int(headings.size()));
    list->setHeaderLabels(headings);
    for (int i = 0; i < widths.size(); ++i)
        list->setColumnWidth(i, Twips::toPixels(widths[i]));
}
