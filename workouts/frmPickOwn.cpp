#include "frmPickOwn.h"

#include "ExerciseLogName.h"
#include "StandardExercises.h"
#include "WindowBits.h"

#include "shell/Controls.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

const QString frmPickOwn::kName = QStringLiteral("frmPickOwn");

namespace {

constexpr int kWidth = 9705;
constexpr int kFinalHeight = 6360;
constexpr int kGroupTops[3] = {480, 2280, 4080};
// Left edges of the two columns: heading, check box, name, sets box.
struct Column
{
    int heading, check, name, sets;
};
constexpr Column kColumns[2] = {{360, 600, 960, 3120}, {3960, 4200, 4560, 6720}};

const QString kEnterHint =
    QStringLiteral("Press button to enter tables selected into your own exercise database.");

} // namespace

QString frmPickOwn::groupHint(int group)
{
    static const QStringList hints = {
        QStringLiteral("These excercise develope the brachioradialis, brachialis, biceps brachii long "
                       "and short head muscles."),
        QStringLiteral("These excercises develope the  long, lateral and medial heads of the triceps "
                       "mucscles"),
        QStringLiteral("These excercises develope the upper trapezius, levator scapulae, pectoralis "
                       "minor, deltoid, supraspinatus and rhomboid minor."),
        QStringLiteral("These excercises develope the latissmus dorsi,  lower trapezius, posterior "
                       "deltoid, rhomboid major, teres major & minor, infraspinatus muscles."),
        QStringLiteral("These excercises develope the pectoralis major, anterior deltoid, serratus "
                       "anterior, intercostal muscles."),
        QStringLiteral("These excercises develope the gluteus maximus, medius & minimus, sartorius, "
                       "gracilis, rectus femoris, semitendinous, semimembranous, pectinius "
                       "grasronemius, soleus, tibialis anterior and adductor  muscles."),
    };
    return hints.value(group);
}

frmPickOwn::frmPickOwn(Shell &shell) : WorkingWindow(shell)
{
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Pick Your Own Excercise"));

    m_notes = Controls::notesLabel(this, QStringLiteral("Label3"), 7560, 840, 1935, 3135);
    m_notes->setText(QStringLiteral("Notes"));

    const auto &standards = StandardExercises::all();
    for (int group = 0; group < 6; ++group) {
        const Column &col = kColumns[group / 3];
        const int top = kGroupTops[group % 3];
        auto *heading = new QLabel(standards[group * 3].group, this);
        heading->setObjectName(Controls::element(QStringLiteral("Label2"), group * 3));
        Twips::place(heading, col.heading, top, 1815, 285);
        m_heading.append(heading);
    }
    for (int i = 0; i < StandardExercises::kCount; ++i) {
        const Column &col = kColumns[i / 9];
        const int top = kGroupTops[(i / 3) % 3] + 360 + 480 * (i % 3);
        auto *box = new QCheckBox(this);
        box->setObjectName(Controls::element(QStringLiteral("Check1"), i));
        Twips::place(box, col.check, top, 255, 255);
        m_check.append(box);

        auto *label = new QLabel(standards[i].name, this);
        label->setObjectName(Controls::element(QStringLiteral("Label1"), i));
        label->setTextFormat(Qt::PlainText);
        // A name too long for its line wraps onto a second one.
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Twips::place(label, col.name, top, col.sets - col.name, 465);
        WindowBits::onClick(label, [this, i] { Label1_Click(i); });
        m_name.append(label);

        auto *sets = new QComboBox(this);
        sets->setObjectName(Controls::element(QStringLiteral("Combo1"), i));
        sets->setEditable(true);
        Twips::place(sets, col.sets, top - 45, 615, 345);
        m_sets.append(sets);
    }
    for (int c = 0; c < 2; ++c) {
        auto *label = new QLabel(QStringLiteral("Num. of Sets"), this);
        label->setObjectName(c == 0 ? QStringLiteral("Label21") : QStringLiteral("Label22"));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Twips::place(label, kColumns[c].sets - 450, 240, 1515, 255);
    }

    m_button = WindowBits::roundButton(this, QStringLiteral("lblEnter"), StandardExercises::kCreateCaption,
                                       7800, 4320);
    m_enter = m_button->label();
    connect(m_button, &LabelButton::clicked, this, &frmPickOwn::lblEnter_Click);

    m_hints = new HoverHint(this, m_notes, HoverHint::NoHighlight);
    for (int i = 0; i < StandardExercises::kCount; ++i)
        m_hints->add(m_name[i], groupHint(i / 3));
    m_hints->add(m_enter, kEnterHint);
    connect(m_hints, &HoverHint::hovered, this, &frmPickOwn::hovered);
    connect(m_hints, &HoverHint::cleared, this, &frmPickOwn::cleared);

    WindowBits::unloadOnFocusLoss(this);
}

void frmPickOwn::Form_Load()
{
    for (QComboBox *sets : m_sets) {
        sets->setEditText(QStringLiteral("1"));
        sets->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                        QStringLiteral("5")});
        sets->setEditText(QStringLiteral("1"));
    }
    for (QLabel *label : findChildren<QLabel *>())
        Controls::setTextColour(label, Qt::white);
    Controls::setTextColour(m_enter, Qt::black);

    openWindow(kWidth, kFinalHeight, 8);
    m_keptNotes = m_notes->text();
}

void frmPickOwn::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmPickOwn::Label1_Click(int index)
{
    QCheckBox *box = m_check.value(index);
    if (box)
        box->setChecked(!box->isChecked());
}

void frmPickOwn::lblEnter_Click()
{
    QList<StandardExercises::Tick> ticked;
    for (int i = 0; i < StandardExercises::kCount; ++i) {
        if (m_check[i]->isChecked())
            ticked.append({i, m_sets[i]->currentText()});
    }
    const auto result = StandardExercises::install(shell().dataFolder(), ticked);
    for (const QString &name : result.duplicates)
        MsgBox::show(ExerciseLogName::alreadyCreated(name));
    if (!result.complete()) {
        MsgBox::show(result.refusal);
        return;
    }
    for (int i = 0; i < StandardExercises::kCount; ++i) {
        m_check[i]->setChecked(false);
        m_sets[i]->setEditText(QStringLiteral("1"));
    }
    m_notes->setText(StandardExercises::kDone);
    m_keptNotes = m_notes->text();
}

void frmPickOwn::hovered(QWidget *control)
{
    const int index = m_name.indexOf(qobject_cast<QLabel *>(control));
    if (index >= 0)
        WindowBits::setPointSize(m_heading[index / 3], 11);
    m_keptNotes = m_notes->text();
}

void frmPickOwn::cleared()
{
    // On this window the bare window sets the headings back but leaves the
    // notes as they are.
    for (QLabel *heading : m_heading) {
        if (WindowBits::pointSize(heading) > 10)
            WindowBits::setPointSize(heading, 10);
    }
    if (m_notes->text() != m_keptNotes)
        m_notes->setText(m_keptNotes);
}
