#include "frmPrintPreview.h"

#include "ReportLists.h"

#include "shell/Controls.h"
#include "shell/DatePicker.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>

#include <utility>

using namespace Controls;

const QString frmPrintPreview::kName = QStringLiteral("frmPrintPreview");
const QString frmPrintPreview::kCaption = QStringLiteral("Print Preview");

namespace {

const QString kReportWindow = QStringLiteral("frmRTF");

const QColor kCaptionColour(224, 224, 224);
const QColor kOptionBack(0, 0, 90);

// The options and their labels from the top: 0, 1, 3, 2.
struct TypeRow
{
    int index;
    int optionTop;
    int labelTop;
    const char *caption;
};
constexpr TypeRow kTypeRows[] = {
    {0, 600, 720, "Print Excercise"},
    {1, 1275, 1320, "Print Excercise Template"},
    {3, 1965, 2040, "Print Excercise Description"},
    {2, 2700, 2760, "Print Foods"},
};

const QStringList kTypeHints = {
    QStringLiteral("Click this to see a selection of exercises according to category."),
    QStringLiteral("Click this to see a template of exercises you wish to print."),
    QStringLiteral("Click this to see a list of foods you have entered into the database."),
    QStringLiteral("Click this to see a list of all your weightlifting exercises."),
};

} // namespace

frmPrintPreview::frmPrintPreview(Shell &shell) : WorkingWindow(shell)
{
    setWindowTitle(kCaption);

    m_types = new QButtonGroup(this);
    m_types->setExclusive(true);
    for (int i = 0; i < 4; ++i) {
        chkType.append(nullptr);
        lblType.append(nullptr);
    }
    for (const TypeRow &row : kTypeRows) {
        auto *option = new QRadioButton(this);
        option->setObjectName(element(QStringLiteral("chkType"), row.index));
        option->setAccessibleName(QString::fromLatin1(row.caption));
        Twips::place(option, 600, row.optionTop, 255, 375);
        m_types->addButton(option, row.index);
        chkType[row.index] = option;
        QLabel *caption = label(this, element(QStringLiteral("lblType"), row.index), QString::fromLatin1(row.caption));
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A little taller than designed, for two lines at the hovered size.
        Twips::place(caption, 960, row.labelTop, 2055, 540);
        caption->installEventFilter(this);
        lblType[row.index] = caption;
    }

    lblCategory = label(this, QStringLiteral("lblCategory"), QStringLiteral("Please Pick Category"));
    Twips::place(lblCategory, 3000, 240, 2775, 255);
    cboCategory = new QComboBox(this);
    cboCategory->setObjectName(QStringLiteral("cboCategory"));
    cboCategory->setEditable(false);
    cboCategory->setPlaceholderText(QStringLiteral("Category"));
    Twips::place(cboCategory, 3240, 600, 3255, 315);
    lstExcercise = new QListWidget(this);
    lstExcercise->setObjectName(QStringLiteral("lstExcercise"));
    lstExcercise->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Twips::place(lstExcercise, 3240, 1200, 3255, 1815);

    lblTime = label(this, QStringLiteral("lblTime"), QStringLiteral("Time Period to Veiw"));
    Twips::place(lblTime, 480, 3360, 2415, 255);
    lblTime->hide();
    DTPicker1 = new DatePicker(this, QStringLiteral("DTPicker1"));
    DTPicker1->setToolTip(QStringLiteral("Select Date to View Foods"));
    Twips::place(DTPicker1, 840, 3720, 3375, 375);
    DTPicker1->hide();

    lblNotes = notesLabel(this, QStringLiteral("lblNotes"), 600, 4560, 3495, 1215);
    lblNotes->setText(QStringLiteral("Notes"));

    // The caption's leading blanks fill a line of their own: the words stand
    // below them, inside the circle.
    m_preview = labelButton(this, QStringLiteral("Label7"), QString(66, u' ') + QStringLiteral("Print Preview"),
                            greenRound(QStringLiteral("Shape1"), QStringLiteral("Shape2")), 4995, 4440, 1455, 1455,
                            LabelButton::MoveBackFirst);
    Label7 = m_preview->label();
    Shape1 = m_preview->front();
    Shape2 = m_preview->back();
    Label7->setToolTip(QStringLiteral("Press Button to view Chart"));

    for (int i = 0; i < 4; ++i) {
        connect(chkType[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                fillingAction([this, i] { chkType_Click(i); });
        });
    }
    connect(cboCategory, &QComboBox::activated, this,
            [this] { fillingAction([this] { cboCategory_Click(); }); });
    connect(m_preview, &LabelButton::clicked, this, &frmPrintPreview::Label7_Click);

    m_hints = new HoverHint(this, lblNotes, HoverHint::FontSize);
    m_hints->add(lblCategory, QStringLiteral("Select category to view a list of associated exercises."));
    m_hints->add(lblTime, QStringLiteral("Please select a viewing period you wish to print out."));
    for (int i = 0; i < 4; ++i)
        m_hints->add(lblType[i], kTypeHints[i]);
    // The mouse moves over the list's viewport.
    m_listHint = new HoverHint(this, lblNotes, HoverHint::NoHighlight);
    m_listHint->add(lstExcercise->viewport(), QString());
}

void frmPrintPreview::Form_Load()
{
    for (QRadioButton *option : chkType)
        setBackColour(option, kOptionBack);

    openWindow(kWidth, kFinalHeight, 16);

    DTPicker1->setDate(shell().today());
    for (QLabel *caption : findChildren<QLabel *>())
        setTextColour(caption, kCaptionColour);
    setTextColour(Label7, Qt::black);
}

void frmPrintPreview::Form_Unload()
{
    mFormProcedures::CloseForm();
}

ReportChoice frmPrintPreview::choice() const
{
    ReportChoice c;
    for (int i = 0; i < 4; ++i)
        c.options[size_t(i)] = chkType[i]->isChecked();
    c.category = cboCategory->currentText();
    for (int row = 0; row < lstExcercise->count(); ++row) {
        const QListWidgetItem *item = lstExcercise->item(row);
        c.entries.append(item->text());
        if (item->isSelected())
            c.selectedRows.append(row);
    }
    c.currentRow = lstExcercise->currentRow();
    c.day = DTPicker1->date();
    return c;
}

void frmPrintPreview::fillCategories(const QStringList &categories)
{
    cboCategory->clear();
    cboCategory->addItems(categories);
    cboCategory->setCurrentIndex(0);
}

void frmPrintPreview::chkType_Click(int index)
{
    switch (index) {
    case 0:
        lblCategory->show();
        cboCategory->show();
        fillCategories(ReportLists::logCategories());
        lstExcercise->show();
        lblTime->hide();
        DTPicker1->hide();
        FillExerciseList();
        break;
    case 1:
        lblCategory->show();
        cboCategory->show();
        fillCategories(ReportLists::templateCategories());
        lstExcercise->show();
        DTPicker1->hide();
        FillExerciseList();
        break;
    case 2:
        lblCategory->hide();
        cboCategory->hide();
        lstExcercise->hide();
        lblTime->setText(QStringLiteral("Pick Date to View"));
        lblTime->show();
        DTPicker1->show();
        break;
    default:
        lblCategory->hide();
        cboCategory->hide();
        lstExcercise->hide();
        DTPicker1->hide();
        break;
    }
    updateListHint();
}

void frmPrintPreview::lblType_Click(int index)
{
    // Selecting an option that was not selected runs its own set-up first.
    chkType[index]->setChecked(true);
    switch (index) {
    case 0:
        cboCategory->show();
        fillCategories(ReportLists::logCategories());
        lstExcercise->show();
        lblTime->hide();
        break;
    case 1:
        cboCategory->show();
        fillCategories(ReportLists::templateCategories());
        lstExcercise->show();
        lblTime->hide();
        break;
    case 2:
        cboCategory->hide();
        lstExcercise->hide();
        lblTime->show();
        break;
    default:
        cboCategory->hide();
        fillCategories(ReportLists::descriptionCategories());
        lstExcercise->show();
        lblTime->hide();
        break;
    }
    FillExerciseList();
}

void frmPrintPreview::cboCategory_Click()
{
    FillExerciseList();
}

void frmPrintPreview::FillExerciseList()
{
    const ReportLists::Exercises listed = ReportLists::exercises(shell().dataFolder(), choice());
    lstExcercise->clear();
    lstExcercise->addItems(listed.names);
    m_listProblem = listed.problem;
}

void frmPrintPreview::fillingAction(const std::function<void()> &action)
{
    if (m_actions == 0)
        m_listProblem.clear();
    ++m_actions;
    action();
    if (--m_actions > 0 || m_listProblem.isEmpty())
        return;
    MsgBox::show(std::exchange(m_listProblem, QString()));
}

void frmPrintPreview::updateListHint()
{
    QString hint;
    if (chkType[0]->isChecked())
        hint = QStringLiteral("Select which exercise you wish to see.");
    else if (chkType[1]->isChecked())
        hint = QStringLiteral("Select all the exercises you wish to see in the template.");
    else if (chkType[3]->isChecked())
        hint = QStringLiteral("Select all the exercises's descriptions you wish to be printed out on paper.");
    // Over the list with the foods report, or none, the notes keep their text.
    m_listHint->setHint(lstExcercise->viewport(), hint);
}

void frmPrintPreview::Label7_Click()
{
    if (!choice().isMade()) {
        MsgBox::show(ReportTypes::kNothingChosen);
        return;
    }
    hideWindow();
    if (!shell().loadForm(kReportWindow)) {
        // No report window to hand over to: the dialog comes back as it was.
        showWindow();
        mFormProcedures::OpenForm(kFinalHeight);
    }
}

bool frmPrintPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const int i = int(lblType.indexOf(static_cast<QLabel *>(watched)));
        if (i >= 0 && mouse->button() == Qt::LeftButton
            && lblType[i]->rect().contains(mouse->position().toPoint())) {
            fillingAction([this, i] { lblType_Click(i); });
            return true;
        }
    }
    return WorkingWindow::eventFilter(watched, event);
}
