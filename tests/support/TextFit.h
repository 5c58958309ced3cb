#pragma once

#include <QList>
#include <QString>

class QWidget;

// Whether the texts a window shows fit their controls in the fonts they are
// drawn in: every visible caption, hint, check box and option button text,
// frame title, list entry, list view heading and entry (within its column),
// combo entry (each as it would stand in the closed box), text box, date
// box and month calendar (its days whole in its view). A single line must be no wider than its control's room
// for text, a wrapped caption no taller than its label (and no word wider);
// a caption on a round label-button keeps every line inside the circle.
namespace TextFit {

struct Misfit
{
    QString control; // objectName, or the class where there is none
    QString text;
    QString why;     // "212 px wide in 180" and the like
};

QList<Misfit> misfits(const QWidget *window);

// One line per misfit: "window: control \"text\" why".
QStringList describe(const QString &window, const QList<Misfit> &misfits);

} // namespace TextFit
