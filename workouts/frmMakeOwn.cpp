#include "frmMakeOwn.h"

#include "CustomExercise.h"
#include "StandardExercises.h"
#include "WeightCatalogue.h"
#include "WindowBits.h"

#include "shell/Controls.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

const QString frmMakeOwn::kName = QStringLiteral("frmMakeOwn");

namespace {

constexpr int kWidth = 6735;
constexpr int kFinalHeight = 6990;
constexpr int kInputLeft = 2880;

const QString kNameHint = QStringLiteral("This textbox lets you enter your personal excercise");
const QString kDescriptionHint =
    QStringLiteral("This text box lets you give a description of the excercise you have entered");

void setColours(QWidget *w, const QColor &text, const QColor &base)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
}

} // namespace

frmMakeOwn::frmMakeOwn(Shell &shell) : WorkingWindow(shell)
{
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Make Your Own Excercise"));

    struct CaptionSpec
    {
        const char *text;
        int left, top;
    };
    const CaptionSpec captions[4] = {{"Muscle Category", 480, 600},
                                     {"Name of Exercise", 480, 1200},
                                     {"Description of Exercise", 480, 1920},
                                     {"Number of Sets", 600, 3480}};
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(QLatin1String(captions[i].text), this);
        label->setObjectName(Controls::element(QStringLiteral("Label1"), i));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Twips::place(label, captions[i].left, captions[i].top, 2340, 540);
        m_captions.append(label);
    }

    // The group picks the code that names the log: it is chosen, not typed.
    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("Combo1(0)"));
    m_group->setEditable(false);
    Twips::place(m_group, kInputLeft, 555, 2175, 345);

    m_name = new TextBox(this, QStringLiteral("Text1(0)"));
    m_name->setText(CustomExercise::kNamePrompt);
    Twips::place(m_name, kInputLeft, 1155, 3375, 345);

    m_description = new MultiLineTextBox(this, QStringLiteral("Text1(1)"));
    m_description->setText(QStringLiteral("Enter Description Here"));
    Twips::place(m_description, kInputLeft, 1920, 3375, 1215);

    m_sets = new QComboBox(this);
    m_sets->setObjectName(QStringLiteral("Combo1(1)"));
    m_sets->setEditable(true);
    Twips::place(m_sets, kInputLeft, 3435, 855, 345);

    m_notes = Controls::notesLabel(this, QStringLiteral("lblNotes"), 600, 5040, 3975, 975);
    m_notes->setText(QStringLiteral("Notes"));

    m_button = WindowBits::roundButton(this, QStringLiteral("lblEnter"), StandardExercises::kCreateCaption,
                                       4800, 4560);
    m_enter = m_button->label();
    m_enter->setToolTip(QStringLiteral("Press Button To Enter Excercise"));
    connect(m_button, &LabelButton::clicked, this, &frmMakeOwn::lblEnter_Click);

    // The captions grow by hand (see hovered); the hint convention only
    // writes the notes.
    m_hints = new HoverHint(this, m_notes, HoverHint::NoHighlight);
    m_hints->add(m_captions[0],
                 QStringLiteral("This category lets you choose which muscle group your excercise belongs to "));
    m_hints->add(m_captions[1], kNameHint);
    m_hints->add(m_captions[2], kDescriptionHint);
    m_hints->add(m_captions[3],
                 QStringLiteral("This combo box lets you enter the number of sets you wish to log from 1 to 5"));
    m_hints->add(m_name, kNameHint);
    m_hints->add(m_description, kDescriptionHint);
    connect(m_hints, &HoverHint::hovered, this, &frmMakeOwn::hovered);

    WindowBits::unloadOnFocusLoss(this);
}

void frmMakeOwn::Form_Load()
{
    m_group->addItems(WeightCatalogue::groups());
    m_group->setCurrentIndex(0);
    m_sets->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                      QStringLiteral("5")});
    m_sets->setEditText(QStringLiteral("1"));

    for (QLabel *label : findChildren<QLabel *>())
        Controls::setTextColour(label, Qt::white);
    const QPalette system = QApplication::palette();
    for (QWidget *box : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_description)})
        setColours(box, system.color(QPalette::Text), system.color(QPalette::Base));
    for (QComboBox *combo : {m_group, m_sets})
        setColours(combo, Qt::black, system.color(QPalette::Base));

    openWindow(kWidth, kFinalHeight, 10);
    Controls::setTextColour(m_enter, Qt::black);
}

void frmMakeOwn::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmMakeOwn::lblEnter_Click()
{
    const CustomExercise::Input input{m_group->currentText(), m_name->text(),
                                      m_description->text(), m_sets->currentText()};
    const auto outcome = CustomExercise::add(shell().dataFolder(), input);
    if (!outcome.added()) {
        MsgBox::show(outcome.refusal);
        return;
    }
    m_notes->setText(CustomExercise::kAdded);
}

void frmMakeOwn::hovered(QWidget *control)
{
    // A caption: every caption at 11 points or more back to 10, then this
    // one to 11. The text boxes change no caption.
    const int index = m_captions.indexOf(qobject_cast<QLabel *>(control));
    if (index < 0)
        return;
    for (QLabel *caption : m_captions) {
        if (WindowBits::pointSize(caption) >= 11)
            WindowBits::setPointSize(caption, 10);
    }
    WindowBits::setPointSize(m_captions[index], 11);
}
