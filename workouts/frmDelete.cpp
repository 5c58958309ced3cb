#include "frmDelete.h"

#include "WindowBits.h"

#include "shell/Controls.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

const QString frmDelete::kName = QStringLiteral("frmDelete");

namespace {

constexpr int kWidth = 5850;
constexpr int kFinalHeight = 4080;

} // namespace

frmDelete::frmDelete(Shell &shell) : WorkingWindow(shell)
{
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Delete Exercise(s)"));

    m_heading = new QLabel(QStringLiteral("Please Pick Category From Where Exercise Will Be Deleted"), this);
    m_heading->setObjectName(QStringLiteral("lblCategory"));
    m_heading->setWordWrap(true);
    Twips::place(m_heading, 600, 120, 4800, 540);

    // The category picks the catalogue to rewrite: it is chosen, not typed.
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("cboCategory"));
    m_category->setEditable(false);
    Twips::place(m_category, 600, 720, 2895, 345);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstExcercise"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Twips::place(m_list, 600, 1320, 2895, 1425);

    m_notes = Controls::notesLabel(this, QStringLiteral("lblNotes"), 720, 2880, 3150, 900);

    m_button =
        WindowBits::roundButton(this, QStringLiteral("lblEnter"),
                                QString(30, u' ') + QStringLiteral("Delete Exercises Chosen"), 3960, 1920);
    m_enter = m_button->label();
    m_enter->setToolTip(QStringLiteral("Press Button To Enter Data"));
    connect(m_button, &LabelButton::clicked, this, &frmDelete::lblEnter_Click);

    m_hints = new HoverHint(this, m_notes, HoverHint::NoHighlight);
    m_hints->add(m_heading, QStringLiteral("Scroll through the two categories you wish to view."));
    m_hints->add(m_enter, QStringLiteral("Press button to delete selected exercise(s) in the list box."));
    m_hints->add(m_list,
                 QStringLiteral("Select from the list of exercises in your database you wish to delete."));
}

void frmDelete::Form_Load()
{
    openWindow(kWidth, kFinalHeight, 8);

    m_category->setPlaceholderText(QStringLiteral("Choose A Category"));
    m_category->addItems({QStringLiteral("Weightlifting"), QStringLiteral("Cardio")});
    m_category->setCurrentIndex(-1);
    // The list stays empty until a category is chosen.
    Controls::onClick(m_category, [this] { FillDeleteList(); });
}

void frmDelete::Form_Unload()
{
    mFormProcedures::CloseForm();
}

ExerciseDeletion::Category frmDelete::category() const
{
    return ExerciseDeletion::categoryOf(m_category->currentText());
}

void frmDelete::FillDeleteList()
{
    m_list->clear();
    m_rows = ExerciseDeletion::entries(shell().dataFolder(), category());
    for (const ExerciseDeletion::Entry &e : m_rows)
        m_list->addItem(e.name);
}

bool frmDelete::DeleteExercises()
{
    QList<ExerciseDeletion::Entry> chosen;
    for (int i = 0; i < m_list->count() && i < m_rows.size(); ++i) {
        if (m_list->item(i)->isSelected())
            chosen.append(m_rows[i]);
    }
    const QString error = ExerciseDeletion::remove(shell().dataFolder(), category(), chosen);
    if (!error.isEmpty()) {
        MsgBox::show(error);
        return false;
    }
    m_notes->setText(ExerciseDeletion::kDone);
    return true;
}

void frmDelete::lblEnter_Click()
{
    DeleteExercises();
    FillDeleteList();
}
