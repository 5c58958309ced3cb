#include "frmEnterAero.h"

#include "AerobicCatalogue.h"
#include "AerobicLog.h"
#include "AerobicWorkout.h"

#include "WindowBits.h"

#include "common/NumberText.h"
#include "common/RecordFileError.h"
#include "shell/Controls.h"
#include "shell/DatePicker.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shell.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include <cmath>

const QString frmEnterAero::kName = QStringLiteral("frmEnterAero");

namespace {

constexpr int kWidth = 5940;
constexpr int kFinalHeight = 4230;
constexpr int kMostHours = 6;

// The class each Cardio menu item opens, in the order the marks are read.
struct ClassItem
{
    const char *item;
    const char *title; // spelled as the window has always shown it
    const char *terrains[3];
};
const ClassItem kClasses[3] = {
    {"itmIn", "Indoor Activites", {"Hilly ", "Flat - Indoor", "Flat - Outdoor"}},
    {"itmOut", "Outdoor Actities", {"Hilly ", "Flat - Indoor", "Flat - Outdoor"}},
    {"itmAqua", "Aquatic Activities", {"Choppy Waters", "Calm Waters", "Indoor"}},
};

Spinner *spinner(QWidget *parent, const char *name, TextBox *box, int left, int top, int high)
{
    auto *bar = new QScrollBar(parent);
    bar->setObjectName(QLatin1String(name));
    Twips::place(bar, left, top, 255, 435);
    auto *s = new Spinner(bar, box);
    s->setRange(0, high);
    return s;
}

} // namespace

frmEnterAero::frmEnterAero(Shell &shell) : WorkingWindow(shell)
{
    setObjectName(kName);

    m_labels[0] =
        WindowBits::caption(this, QStringLiteral("Label1"), QStringLiteral("Activity"), 240, 120, 2400);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setToolTip(QStringLiteral("Please select activity you wish to enter"));
    Twips::place(m_list, 240, 420, 2400, 850);
    Controls::onClick(m_list, [this] { List1_Click(); });

    m_labels[2] = WindowBits::caption(this, QStringLiteral("Label3"), QStringLiteral("Time"), 240, 1380, 800);
    m_labels[3] =
        WindowBits::caption(this, QStringLiteral("Label4"), QStringLiteral("hh  /  mm"), 1020, 1380, 1400);
    m_labels[3]->setToolTip(QStringLiteral("Type in Hour and Minute Excercise Was Performed"));
    m_hr = new TextBox(this, QStringLiteral("txtHr"));
    m_hr->setToolTip(QStringLiteral("Enter here the hours"));
    Twips::place(m_hr, 240, 1740, 495, 345);
    m_vsHr = spinner(this, "vsHr", m_hr, 735, 1695, kMostHours);
    m_min = new TextBox(this, QStringLiteral("txtMin"));
    m_min->setToolTip(QStringLiteral("Enter her the minutes"));
    Twips::place(m_min, 1140, 1740, 495, 345);
    m_vsMin = spinner(this, "vsMin", m_min, 1635, 1695, 60);
    connect(m_vsMin, &Spinner::valueChanged, this, &frmEnterAero::vsMin_Change);
    // Dragging only copies the value; the roll-over waits for the drag's end.
    connect(m_vsMin->bar(), &QScrollBar::sliderReleased, this, [this] { vsMin_Change(m_vsMin->value()); });

    m_labels[4] = WindowBits::caption(this, QStringLiteral("Label5"), QStringLiteral("Date"), 240, 2280, 800);
    m_date = new DatePicker(this, QStringLiteral("DTPicker1"));
    m_date->setToolTip(QStringLiteral("Enter date to record"));
    Twips::place(m_date, 240, 2580, 1935, 345);

    m_labels[5] =
        WindowBits::caption(this, QStringLiteral("Label6"), QStringLiteral("Terraine"), 2880, 120, 2160);
    m_terrain = new QComboBox(this);
    m_terrain->setObjectName(QStringLiteral("Combo7"));
    // The terrain becomes a field of the log: it is chosen, not typed.
    m_terrain->setEditable(false);
    m_terrain->setToolTip(QStringLiteral("Enter type of terrain"));
    Twips::place(m_terrain, 2880, 420, 2760, 345);

    m_labels[1] =
        WindowBits::caption(this, QStringLiteral("Label2"), QStringLiteral("Distance"), 2880, 900, 1400);
    m_dis = new TextBox(this, QStringLiteral("txtDis"));
    m_dis->setToolTip(QStringLiteral("Enter distance ran"));
    Twips::place(m_dis, 2880, 1200, 615, 345);
    m_vsDis = spinner(this, "vsDis", m_dis, 3495, 1155, 300);
    m_labels[6] =
        WindowBits::caption(this, QStringLiteral("Label7"), QStringLiteral("Miles"), 3840, 1230, 900);

    for (TextBox *box : {m_hr, m_min, m_dis})
        box->setText(QStringLiteral("0"));
    showDistance(false);
    showTerrain(false);

    m_notes = Controls::notesLabel(this, QStringLiteral("lblNotes"), 240, 3000, 3840, 660);

    m_button = WindowBits::roundButton(this, QStringLiteral("lblEnter"),
                                       QString(59, u' ') + QStringLiteral("Enter Excercise Information"),
                                       4200, 1740, LabelButton::ActOnMouseDown);
    m_enter = m_button->label();
    m_enter->setToolTip(QStringLiteral("Please press button to enter data"));
    connect(m_button, &LabelButton::clicked, this, &frmEnterAero::lblEnter_MouseDown);

    m_hints = new HoverHint(this, m_notes, HoverHint::NoHighlight);
    m_hints->add(m_labels[0], QStringLiteral("Please choose from the list of excercises"));
    m_hints->add(m_labels[1], QStringLiteral("Enter Distance Ran in Miles"));
    m_hints->add(m_labels[2], QStringLiteral("Please enter the hours and/or minutes you have excercised"));
    m_hints->add(m_labels[4], QStringLiteral("Please enter the date you wish to record"));
    m_hints->add(m_labels[5], QStringLiteral("Please enter type of terrain"));
}

QString frmEnterAero::chosenName() const
{
    const QList<QListWidgetItem *> chosen = m_list->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

QLabel *frmEnterAero::label(int which) const
{
    return which >= 1 && which <= 7 ? m_labels[which - 1] : nullptr;
}

void frmEnterAero::showDistance(bool shown)
{
    for (QWidget *w : {static_cast<QWidget *>(m_labels[1]), static_cast<QWidget *>(m_labels[6]),
                       static_cast<QWidget *>(m_vsDis->bar()), static_cast<QWidget *>(m_dis)})
        w->setVisible(shown);
}

void frmEnterAero::showTerrain(bool shown)
{
    m_labels[5]->setVisible(shown);
    m_terrain->setVisible(shown);
}

void frmEnterAero::Form_Load()
{
    m_date->setDate(shell().today());

    Twips::resize(m_list, Twips::width(m_list), 850);

    m_terrain->setPlaceholderText(AerobicLog::kNoTerrain);
    for (const ClassItem &c : kClasses) {
        if (!shell().isChecked(QLatin1String(c.item)))
            continue;
        m_title = QLatin1String(c.title);
        for (const char *t : c.terrains)
            m_terrain->addItem(QLatin1String(t));
        break;
    }
    m_terrain->setCurrentIndex(-1);

    const QPalette system = QApplication::palette();
    for (TextBox *box : {m_dis, m_hr, m_min}) {
        QPalette p = box->palette();
        p.setColor(QPalette::Base, system.color(QPalette::Base));
        box->setPalette(p);
    }
    for (QLabel *label : findChildren<QLabel *>())
        Controls::setTextColour(label, Qt::white);
    QPalette combo = m_terrain->palette();
    combo.setColor(QPalette::Text, Qt::black);
    combo.setColor(QPalette::ButtonText, Qt::black);
    combo.setColor(QPalette::Base, system.color(QPalette::Base));
    m_terrain->setPalette(combo);
    Controls::setTextColour(m_enter, Qt::black);

    m_list->clear();
    setWindowTitle(QStringLiteral("Please Enter Exercises for ") + m_title);
    m_code = m_title.left(2);
    try {
        m_list->addItems(AerobicCatalogue::namesOf(AerobicCatalogue::read(shell().dataFolder()), m_code));
    } catch (const RecordFileError &e) {
        MsgBox::show(e.message());
    }

    openWindow(kWidth, kFinalHeight, 8);
}

void frmEnterAero::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmEnterAero::List1_Click()
{
    showDistance(false);
    showTerrain(false);
    const QString name = chosenName();
    if (name.isEmpty())
        return;
    // The activity of this window's class: its flags say what it records.
    std::optional<AerobicActivity> activity;
    try {
        activity = AerobicCatalogue::find(AerobicCatalogue::read(shell().dataFolder()), m_code, name);
    } catch (const RecordFileError &e) {
        MsgBox::show(e.message());
    }
    if (activity) {
        showDistance(activity->hasDistance);
        showTerrain(activity->hasTerrain);
    }
    // The hours are selected for typing; the focus stays where the user is,
    // so the arrow keys go on choosing in the list.
    m_hr->selectWhole();
}

void frmEnterAero::vsMin_Change(int value)
{
    if (m_vsMin->bar()->isSliderDown() || value != 60)
        return;
    // 60 minutes roll over into an hour, up to the hours' top of 6.
    m_min->setText(QStringLiteral("0"));
    m_vsMin->setValue(0);
    const auto typed = NumberText::parse(m_hr->text());
    const double hours = (typed ? std::floor(*typed) : 0) + 1;
    if (hours <= kMostHours) {
        m_vsHr->setValue(int(hours));
        m_hr->setText(QString::number(int(hours)));
    } else {
        m_hr->setText(QString::number(kMostHours));
    }
}

void frmEnterAero::lblEnter_MouseDown()
{
    AerobicWorkout::Boxes boxes;
    boxes.hours = m_hr->text();
    boxes.minutes = m_min->text();
    boxes.distance = m_dis->text();
    boxes.terrain = m_terrain->currentIndex() >= 0 ? m_terrain->currentText() : AerobicLog::kNoTerrain;
    const auto outcome = AerobicWorkout::save(shell().dataFolder(), shell().settings(), m_code,
                                              chosenName(), m_date->date(), boxes);
    if (!outcome.saved()) {
        MsgBox::show(outcome.refusal);
        return;
    }
    for (TextBox *box : {m_hr, m_min, m_dis})
        box->setText(QStringLiteral("0"));
}
