#include "frmEnterData.h"

#include "WeightCatalogue.h"
#include "WindowBits.h"

#include "common/RecordFile.h"
#include "common/RecordFileError.h"

#include "shell/Controls.h"
#include "shell/DatePicker.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MsgBox.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

const QString frmEnterData::kName = QStringLiteral("frmEnterData");

namespace {

constexpr int kWidth = 10125;
constexpr int kTargetHeight = 7050;
constexpr int kGrowStep = 22;
constexpr int kColumn = 1560;
constexpr int kMostWeight = 600;
constexpr int kMostReps = 25;
constexpr int kLabelTops[frmEnterData::kRows] = {1200, 1680, 2160, 2640, 3120, 3720, 4200};
constexpr int kLabelHeight = 495;
constexpr int kSeparatorTop = 360;
constexpr int kSeparatorDesignBottom = 960;

const QString kRowWords[frmEnterData::kRows] = {
    QStringLiteral("One"),  QStringLiteral("Two"), QStringLiteral("Three"), QStringLiteral("Four"),
    QStringLiteral("Five"), QStringLiteral("Six"), QStringLiteral("Seven")};

const QString kExerciseHint =
    QStringLiteral("These are the excercises you have chosen to include in your excercise regime");

// The Enter button's caption: blanks that wrap the three words into the
// middle of the circle.
QString enterCaption()
{
    return QString(75, u' ') + QStringLiteral("Enter") + QString(16, u' ') + QStringLiteral("Excercise")
        + QString(4, u' ') + QStringLiteral("Data");
}

} // namespace

const QStringList &frmEnterData::groupItems()
{
    static const QStringList items = {QStringLiteral("itmBiceps"), QStringLiteral("itmTriceps"),
                                      QStringLiteral("itmShoulders"), QStringLiteral("itmBack"),
                                      QStringLiteral("itmChest"), QStringLiteral("itmLegs")};
    return items;
}

frmEnterData::frmEnterData(Shell &shell) : WorkingWindow(shell)
{
    setObjectName(kName);
    setWindowTitle(QStringLiteral("Enter Data"));

    for (int k = 0; k < kSets; ++k) {
        // The headings stand where they always have; they are a little wider
        // than they were, so that the common bold font fits them whole.
        WindowBits::caption(this, Controls::element(QStringLiteral("lblSets"), k), QStringLiteral("Set %1").arg(k + 1),
              2640 + kColumn * k, 360, 690, 255);
        WindowBits::caption(this, Controls::element(QStringLiteral("lblWeight"), k), QStringLiteral("Weight"),
              2160 + kColumn * k, 720, 810, 255);
        WindowBits::caption(this, Controls::element(QStringLiteral("lblRep"), k), QStringLiteral("Rep"),
              3000 + kColumn * k, 720, 555, 255);
        auto *line = new Shape(this, Controls::element(QStringLiteral("Line1"), k));
        line->setBorderWidth(0);
        line->setFillColor(QColor(0xE0, 0xE0, 0xE0));
        Twips::place(line, 3600 + kColumn * k, kSeparatorTop, Twips::kPerPixel,
                     kSeparatorDesignBottom - kSeparatorTop);
        m_separators[k] = line;
    }
    auto *line2 = new Shape(this, QStringLiteral("Line2"));
    line2->setBorderWidth(0);
    line2->setFillColor(QColor(0xE0, 0xE0, 0xE0));
    Twips::place(line2, 2160, kSeparatorDesignBottom, 9840 - 2160, Twips::kPerPixel);

    for (int r = 0; r < kRows; ++r)
        buildRow(r);

    WindowBits::caption(this, QStringLiteral("Label1"), QStringLiteral("Date"), 240, 5160, 615, 255);
    m_date = new DatePicker(this, QStringLiteral("DTPicker1"));
    Twips::place(m_date, 960, 5085, 3135, 390);

    m_notes = Controls::notesLabel(this, QStringLiteral("lblNotes"), 240, 5520, 6015, 975);
    m_notes->setText(QStringLiteral("Notes"));

    m_button = WindowBits::roundButton(this, QStringLiteral("lblEnter"), enterCaption(), 8280, 4920);
    m_enter = m_button->label();
    m_enter->setToolTip(QStringLiteral("Press to Enter Excercise Data"));
    QFont bold = m_enter->font();
    bold.setBold(true);
    m_enter->setFont(bold);
    connect(m_button, &LabelButton::clicked, this, &frmEnterData::lblEnter_Click);

    m_hints = new HoverHint(this, m_notes, HoverHint::NoHighlight);
    m_hints->add(findChild<QLabel *>(QStringLiteral("Label1")),
                 QStringLiteral("Enter the date you performed these exercises."));
    for (const Row &row : m_rows)
        m_hints->add(row.label, kExerciseHint);
    for (int k = 0; k < kSets; ++k) {
        m_hints->add(findChild<QLabel *>(Controls::element(QStringLiteral("lblRep"), k)),
                     QStringLiteral("Record here the number of reps you have performed for the set. "));
        m_hints->add(findChild<QLabel *>(Controls::element(QStringLiteral("lblSets"), k)),
                     QStringLiteral("This is the set number you have indicated you wish to include in "
                                    "your excercise"));
        m_hints->add(findChild<QLabel *>(Controls::element(QStringLiteral("lblWeight"), k)),
                     QStringLiteral("This is the weight you lifted in during the set"));
    }
    connect(m_hints, &HoverHint::hovered, this, &frmEnterData::hovered);
    connect(m_hints, &HoverHint::cleared, this, &frmEnterData::cleared);
}

void frmEnterData::buildRow(int r)
{
    Row &row = m_rows[r];
    row.label = WindowBits::caption(this, Controls::element(QStringLiteral("lblExcercise"), r), QString(),
                                    240, kLabelTops[r], 1935, kLabelHeight);
    row.label->setTextFormat(Qt::PlainText);
    row.label->setWordWrap(true);
    row.label->hide();

    const int top = 1200 + 480 * r;
    const int barWidth = r < 5 ? 240 : 255;
    const int barHeight = r < 5 ? 390 : 375;
    // Dragging a set-1 thumb fills the row's other sets as it goes on rows
    // Three and Seven, and for the weights of row Six; elsewhere the others
    // follow when the drag ends.
    row.reps.dragFills = r == 2 || r == 6;
    row.weight.dragFills = r == 2 || r == 5 || r == 6;
    for (int k = 0; k < kSets; ++k) {
        const QString word = kRowWords[r];
        for (Kind kind : {Weight, Reps}) {
            Inputs &in = kind == Weight ? row.weight : row.reps;
            const QString what = kind == Weight ? QStringLiteral("Weight") : QStringLiteral("Rep");
            const int boxLeft = (kind == Weight ? 2160 : 2880) + kColumn * k;
            const QString boxName = Controls::element(QStringLiteral("txtEx") + word + what, k);
            // Only the weight boxes of row One select their text when they
            // get the focus.
            QLineEdit *box = (r == 0 && kind == Weight) ? new TextBox(this, boxName) : new QLineEdit(this);
            box->setObjectName(boxName);
            box->setText(QStringLiteral("0"));
            // Without the sunken frame three digits fit the narrow box.
            box->setFrame(false);
            Twips::place(box, boxLeft, top, 375, 390);
            box->hide();
            in.box[k] = box;

            auto *bar = new QScrollBar(Qt::Vertical, this);
            bar->setObjectName(Controls::element(QStringLiteral("vsEx") + word + what, k));
            Twips::place(bar, boxLeft + 360, top, barWidth, barHeight);
            bar->hide();
            in.bar[k] = bar;

            const int step = (kind == Weight && k == 0 && r < 5) ? 5 : 1;
            bindSpinner(in, k, step, step);
            in.spinner[k]->setRange(0, kind == Weight ? kMostWeight : kMostReps);
            in.spinner[k]->setValueSilently(0);
        }
    }
}

void frmEnterData::bindSpinner(Inputs &inputs, int set, int smallStep, int largeStep)
{
    auto *spinner = new Spinner(inputs.bar[set], inputs.box[set]);
    spinner->setSteps(smallStep, largeStep);
    inputs.spinner[set] = spinner;
    if (set != 0)
        return;
    Inputs *in = &inputs;
    QScrollBar *bar = inputs.bar[0];
    connect(spinner, &Spinner::valueChanged, this, [this, in, bar](int value) {
        if (!bar->isSliderDown() || in->dragFills)
            firstSetChanged(*in, value);
    });
    connect(bar, &QScrollBar::sliderReleased, this, [this, in, bar] { firstSetChanged(*in, bar->value()); });
}

void frmEnterData::firstSetChanged(Inputs &inputs, int value)
{
    // Set 1 sets all five sets of the row and kind, hidden ones too; each
    // can then be changed on its own.
    for (int j = 1; j < kSets; ++j)
        inputs.spinner[j]->setValue(value);
}

QLineEdit *frmEnterData::box(int row, Kind kind, int set) const
{
    return (kind == Weight ? m_rows[row].weight : m_rows[row].reps).box[set];
}

QScrollBar *frmEnterData::bar(int row, Kind kind, int set) const
{
    return (kind == Weight ? m_rows[row].weight : m_rows[row].reps).bar[set];
}

Spinner *frmEnterData::spinner(int row, Kind kind, int set) const
{
    return (kind == Weight ? m_rows[row].weight : m_rows[row].reps).spinner[set];
}

void frmEnterData::showRow(int r, const QString &name, int sets)
{
    Row &row = m_rows[r];
    row.label->setText(name);
    row.label->show();
    row.sets = sets;
    for (int k = 0; k < sets && k < kSets; ++k) {
        for (Inputs *in : {&row.weight, &row.reps}) {
            in->box[k]->show();
            in->bar[k]->show();
        }
    }
}

void frmEnterData::Form_Load()
{
    m_date->setDate(shell().today());

    QString groupName;
    for (int g = 0; g < groupItems().size(); ++g) {
        if (shell().isChecked(groupItems()[g])) {
            groupName = WeightCatalogue::groups()[g];
            break;
        }
    }
    setWindowTitle(QStringLiteral("Please Enter Exercises for ") + groupName);
    m_group = WeightCatalogue::codeOf(groupName);

    // The rows: the group's exercises in catalogue order, at most seven. A
    // catalogue that cannot be read whole still gives the rows before the
    // damage, and the user is told which file is at fault.
    if (!m_group.isEmpty()) {
        const QString path = WeightCatalogue::path(shell().dataFolder());
        QList<WeightExercise> exercises;
        QString problem;
        try {
            const QByteArray bytes = RecordFile::read(path);
            bool complete = true;
            exercises = WeightCatalogue::parse(bytes, path, &complete);
            if (!complete) {
                try {
                    WeightCatalogue::parse(bytes, path);
                } catch (const RecordFileError &e) {
                    problem = e.message();
                }
            }
        } catch (const RecordFileError &e) {
            problem = e.message();
        }
        int counter = 0;
        for (const WeightExercise &e : WeightCatalogue::ofGroup(exercises, m_group)) {
            if (counter == kRows)
                break;
            showRow(counter++, e.name, e.setCount());
        }
        if (!problem.isEmpty())
            MsgBox::show(problem);
    }

    setHeightTwips(40);
    setWidthTwips(kWidth);
    centreOverMain(16);
    m_date->setDate(shell().today());
    showWindow();
    grow();
    extendSeparators();
    mFormProcedures::PaintForms();
}

void frmEnterData::grow()
{
    // The window grows itself in small steps; Help > Scrolling switches the
    // animation off as it does for every window.
    if (!mFormProcedures::scrollingOn(shell().settings())) {
        setHeightTwips(kTargetHeight);
        return;
    }
    mFormProcedures::slideHeight(this, kGrowStep, kTargetHeight);
}

void frmEnterData::extendSeparators()
{
    int depth = 0;
    for (const Row &row : m_rows) {
        if (row.label->isVisibleTo(this))
            depth = Twips::top(row.label) + Twips::height(row.label);
    }
    if (depth == 0)
        return;
    for (Shape *line : m_separators)
        Twips::place(line, Twips::left(line), kSeparatorTop, Twips::width(line), depth - kSeparatorTop);
}

void frmEnterData::Form_Activate()
{
    for (QLabel *l : findChildren<QLabel *>())
        Controls::setTextColour(l, QColor(0xE0, 0xE0, 0xE0));
    Controls::setTextColour(m_enter, Qt::black);
    mFormProcedures::FormatControls();
    for (QLineEdit *box : findChildren<QLineEdit *>()) {
        // The date picker's own text field is no text box of the window.
        if (box->parentWidget() != this)
            continue;
        QFont f = box->font();
        f.setPointSizeF(9);
        box->setFont(f);
    }
}

void frmEnterData::Form_Unload()
{
    mFormProcedures::CloseForm();
}

QList<WeightWorkout::Row> frmEnterData::workoutRows() const
{
    QList<WeightWorkout::Row> out;
    for (const Row &row : m_rows) {
        if (!row.label->isVisibleTo(this))
            continue;
        WeightWorkout::Row w{m_group, row.label->text(), {}, {}};
        for (int k = 0; k < row.sets && k < kSets; ++k) {
            w.weights.append(row.weight.box[k]->text());
            w.reps.append(row.reps.box[k]->text());
        }
        out.append(w);
    }
    return out;
}

void frmEnterData::lblEnter_Click()
{
    const auto outcome =
        WeightWorkout::save(shell().dataFolder(), shell().settings(), m_date->date(), workoutRows());
    if (!outcome.ok()) {
        MsgBox::show(outcome.refusal);
        return;
    }
    m_notes->setText(WeightWorkout::kEntered);
    resetInputs();
}

void frmEnterData::resetInputs()
{
    for (Row &row : m_rows) {
        for (Inputs *in : {&row.weight, &row.reps}) {
            for (int k = 0; k < kSets; ++k) {
                in->box[k]->setText(QStringLiteral("0"));
                in->spinner[k]->setValueSilently(0);
            }
        }
    }
}

void frmEnterData::hovered(QWidget *control)
{
    int index = -1;
    for (int r = 0; r < kRows; ++r) {
        if (m_rows[r].label == control)
            index = r;
    }
    if (index < 0)
        return;
    for (const Row &row : m_rows) {
        if (WindowBits::pointSize(row.label) > 10)
            WindowBits::setPointSize(row.label, 10);
    }
    WindowBits::setPointSize(m_rows[index].label, 11);
}

void frmEnterData::cleared()
{
    for (const Row &row : m_rows) {
        if (WindowBits::pointSize(row.label) > 10)
            WindowBits::setPointSize(row.label, 10);
    }
}
