#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"
#include "support/TextFit.h"
#include "support/WindowTest.h"

#include "common/DateText.h"
#include "common/ImageSurface.h"
#include "nutrition/FoodDay.h"
#include "reports/ReportWindows.h"
#include "reports/frmPrintPreview.h"
#include "reports/frmRTF.h"
#include "shell/DatePicker.h"
#include "shell/LabelButton.h"
#include "shell/PictureBox.h"
#include "shell/PrintService.h"
#include "shell/Shell.h"
#include "shell/ShellStyle.h"
#include "shell/Twips.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/WeightCatalogue.h"

#include <QApplication>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>

using WindowTest::control;

namespace {

const QDate kToday(2026, 12, 7);

QString dateOf(int i)
{
    return kToday.addDays(-i).toString(QStringLiteral("dd-MMM-yy"));
}

// A weight-training log of `entries` entries of `sets` sets, entry i with
// the weight 100 + i in each set.
QByteArray weightLog(int entries, int sets)
{
    QByteArray out;
    for (int i = 0; i < entries; ++i) {
        out += '"' + dateOf(i).toLatin1() + '"';
        for (int k = 0; k < sets; ++k)
            out += ',' + QByteArray::number(100 + i) + ",10";
        out += "\r\n";
    }
    return out;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The lines of a page box's text, blanks folded, empty ones left out.
QStringList lines(const QString &text)
{
    QStringList out;
    for (const QString &line : text.split(u'\n')) {
        if (!line.simplified().isEmpty())
            out << line.simplified();
    }
    return out;
}

} // namespace

// The report choice and the report window as the user works them: with the
// mouse on options, labels and buttons, the keyboard in the category box and
// the list, and printing into a PDF.
class TestReportWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printableStatsChoosesNothing();
    void foodConsumptionChoosesTheFoodsReport();
    void setUps_data();
    void setUps();
    void descriptionOptionKeepsTheSelection();
    void emptyCategoryRefuses();
    void unreadableCatalogueNamedOncePerClick();
    void hoverHints();
    void pagingThroughAWeightLog();
    void reportedExerciseOfSeveralSelected();
    void pageLimitsOfEveryReport_data();
    void pageLimitsOfEveryReport();
    void backShowsTheChoiceAsItWas();
    void escapeClosesAndActivationKeepsThePage();
    void pageBoxFollowsTheWindowsSize();
    void printedWeightLogToPdf();
    void printedAerobicLogToPdf();
    void printerFailureIsReported();
    void templateSheetToPdf();
    void foodsOfADayPagedAndPrinted();
    void foodsOfADayWithoutFoodsPrintsNothing();
    void descriptionsPagedAndPrinted();
    void logoShipsAndIsSmall();
    void captionsFit();

private:
    static std::unique_ptr<ShellFixture> fixture();
    static frmPrintPreview *openChoice(ShellFixture &f, const QString &item = QStringLiteral("itmPrintForm"));
    static frmRTF *preview(ShellFixture &f, frmPrintPreview *dialog);
    // The log option, a category by keys and the exercise by a click.
    static frmRTF *openLog(ShellFixture &f, const QString &category, const QString &exercise);
    static QString pdfFile(const QString &name);
    // Prints into a fresh PDF by a click on Print: its file name.
    static QString printToPdf(frmRTF *report, const QString &name);
};

std::unique_ptr<ShellFixture> TestReportWindows::fixture()
{
    auto f = std::make_unique<ShellFixture>(QList<WindowRegistry::Registrar>{registerReportWindows},
                                            WindowTest::on(kToday));
    WindowTest::write(*f, WeightCatalogue::kFileName,
                      "\"Bi\",\"Barbell Curl\",\"Curl the bar\",\"3\"\r\n\"Ch\",\"Bench Press\",\"\",\"5\"\r\n"
                      "\"Bi\",\"Hammer Curl\",\"\",1\r\n");
    WindowTest::write(*f, AerobicCatalogue::kFileName,
                      "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n");
    WindowTest::write(*f, "BiBarbell Curl.txt", weightLog(10, 3));
    WindowTest::write(*f, "BiHammer Curl.txt", weightLog(25, 1));
    QByteArray running;
    for (int i = 0; i < 25; ++i)
        running += "\"" + dateOf(i).toLatin1() + "\",30,3,\"Hilly \"\r\n";
    WindowTest::write(*f, "OuRunning.txt", running);
    return f;
}

frmPrintPreview *TestReportWindows::openChoice(ShellFixture &f, const QString &item)
{
    if (!f.trigger(item))
        return nullptr;
    return f.windowAs<frmPrintPreview>(frmPrintPreview::kName);
}

frmRTF *TestReportWindows::preview(ShellFixture &f, frmPrintPreview *dialog)
{
    WindowTest::click(dialog, QStringLiteral("Label7"));
    return f.windowAs<frmRTF>(frmRTF::kName);
}

frmRTF *TestReportWindows::openLog(ShellFixture &f, const QString &category, const QString &exercise)
{
    frmPrintPreview *dialog = openChoice(f);
    if (!dialog)
        return nullptr;
    WindowTest::click(dialog, QStringLiteral("lblType(0)"));
    if (!WindowTest::chooseByKeys(control<QComboBox>(dialog, QStringLiteral("cboCategory")), category))
        return nullptr;
    auto *list = control<QListWidget>(dialog, QStringLiteral("lstExcercise"));
    const QList<QListWidgetItem *> found = list->findItems(exercise, Qt::MatchExactly);
    if (found.isEmpty())
        return nullptr;
    WindowTest::clickRow(list, list->row(found.first()));
    return preview(f, dialog);
}

QString TestReportWindows::pdfFile(const QString &name)
{
    const QString pdf = TestEnvironment::freshFolder(QStringLiteral("pdf")) + u'/' + name;
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    return pdf;
}

QString TestReportWindows::printToPdf(frmRTF *report, const QString &name)
{
    const QString pdf = pdfFile(name);
    QTest::mouseClick(control<QLabel>(report, "lblPrint"), Qt::LeftButton);
    qunsetenv(PrintService::kPdfVariable);
    return pdf;
}

void TestReportWindows::printableStatsChoosesNothing()
{
    auto f = fixture();
    frmPrintPreview *dialog = openChoice(*f);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Preview"));
    QCOMPARE(f->checkedItems(), QStringList{"itmPrintForm"});
    for (int i = 0; i < 4; ++i)
        QVERIFY(!control<QRadioButton>(dialog, QStringLiteral("chkType(%1)").arg(i))->isChecked());
    auto *category = control<QComboBox>(dialog, "cboCategory");
    QVERIFY(!category->isEditable());
    QCOMPARE(category->count(), 0);
    QCOMPARE(category->placeholderText(), QStringLiteral("Category"));
    QCOMPARE(control<QListWidget>(dialog, "lstExcercise")->count(), 0);
    QVERIFY(!control<QLabel>(dialog, "lblTime")->isVisibleTo(dialog));
    QVERIFY(!control<DatePicker>(dialog, "DTPicker1")->isVisibleTo(dialog));
    QCOMPARE(control<DatePicker>(dialog, "DTPicker1")->date(), kToday);

    WindowTest::click(dialog, "Label7");
    QCOMPARE(f->takeMessages(), QStringList{"You must select an excercise "});
    QVERIFY(!f->window(frmRTF::kName));
    QVERIFY(dialog->isShownWindow());
}

void TestReportWindows::foodConsumptionChoosesTheFoodsReport()
{
    auto f = fixture();
    frmPrintPreview *dialog = openChoice(*f, QStringLiteral("itmFoodView"));
    QVERIFY(dialog);
    QCOMPARE(f->checkedItems(), QStringList());
    QVERIFY(control<QRadioButton>(dialog, "chkType(2)")->isChecked());
    QVERIFY(control<QLabel>(dialog, "lblTime")->isVisibleTo(dialog));
    QCOMPARE(control<QLabel>(dialog, "lblTime")->text(), QStringLiteral("Pick Date to View"));
    QVERIFY(control<DatePicker>(dialog, "DTPicker1")->isVisibleTo(dialog));
    QCOMPARE(control<DatePicker>(dialog, "DTPicker1")->date(), kToday);
    QVERIFY(!control<QComboBox>(dialog, "cboCategory")->isVisibleTo(dialog));

    frmRTF *report = preview(*f, dialog);
    QVERIFY(report);
    // No foods on that day yet.
    QCOMPARE(f->takeMessages(), QStringList{"No foods have been entered in for this day."});
    QVERIFY(!dialog->isShownWindow());
    QCOMPARE(report->input().choice.type(), ReportType::Foods);
    QCOMPARE(report->input().choice.day, kToday);
}

void TestReportWindows::setUps_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("categories"); // empty: the box hidden
    QTest::addColumn<QStringList>("listed");     // the list shown with these
    QTest::addColumn<bool>("listShown");
    QTest::addColumn<bool>("dayShown"); // the caption "Pick Date to View" and the picker
    const QStringList nine{"Biceps", "Triceps", "Shoulders", "Back", "Chest", "Legs", "Indoor Activities",
                           "Outdoor Activites", "Aquatic Activities"};
    const QStringList weights{"Barbell Curl", "Bench Press", "Hammer Curl"};
    QTest::newRow("log option") << QStringList{"chkType(0)"} << 0 << nine
                                << QStringList{"Barbell Curl", "Hammer Curl"} << true << false;
    QTest::newRow("log label") << QStringList{"lblType(0)"} << 0 << nine
                               << QStringList{"Barbell Curl", "Hammer Curl"} << true << false;
    QTest::newRow("template label") << QStringList{"lblType(1)"} << 1 << QStringList{"Weightlifting", "Cardio"}
                                    << weights << true << false;
    QTest::newRow("description option hides the list") << QStringList{"chkType(3)"} << 3 << QStringList{}
                                                       << QStringList{} << false << false;
    QTest::newRow("description label lists every weight exercise")
        << QStringList{"lblType(0)", "lblType(3)"} << 3 << QStringList{} << weights << true << false;
    QTest::newRow("foods option") << QStringList{"chkType(2)"} << 2 << QStringList{} << QStringList{} << false
                                  << true;
    QTest::newRow("foods label") << QStringList{"lblType(2)"} << 2 << QStringList{} << QStringList{} << false
                                 << true;
    QTest::newRow("template label after foods") << QStringList{"chkType(2)", "lblType(1)"} << 1
                                                << QStringList{"Weightlifting", "Cardio"} << weights << true
                                                << false;
    QTest::newRow("log option after descriptions") << QStringList{"lblType(3)", "chkType(0)"} << 0 << nine
                                                   << QStringList{"Barbell Curl", "Hammer Curl"} << true << false;
}

// The set-ups of the options and their labels, clicked with the mouse.
void TestReportWindows::setUps()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, selected);
    QFETCH(QStringList, categories);
    QFETCH(QStringList, listed);
    QFETCH(bool, listShown);
    QFETCH(bool, dayShown);
    auto f = fixture();
    frmPrintPreview *dialog = openChoice(*f);
    for (const QString &name : clicks)
        WindowTest::click(dialog, name);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(control<QRadioButton>(dialog, QStringLiteral("chkType(%1)").arg(i))->isChecked(), i == selected);
    auto *category = control<QComboBox>(dialog, "cboCategory");
    QCOMPARE(category->isVisibleTo(dialog), !categories.isEmpty());
    if (!categories.isEmpty()) {
        QStringList items;
        for (int i = 0; i < category->count(); ++i)
            items << category->itemText(i);
        QCOMPARE(items, categories);
        QCOMPARE(category->currentText(), categories.first());
    }
    auto *list = control<QListWidget>(dialog, "lstExcercise");
    QCOMPARE(list->isVisibleTo(dialog), listShown);
    if (listShown) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        QCOMPARE(items, listed);
        QVERIFY(list->selectedItems().isEmpty());
    }
    QCOMPARE(control<QLabel>(dialog, "lblTime")->isVisibleTo(dialog), dayShown);
    QCOMPARE(control<DatePicker>(dialog, "DTPicker1")->isVisibleTo(dialog), dayShown);
}

// The description option hides the list with its entries and selection,
// and the button accepts them; its label instead refills the list.
void TestReportWindows::descriptionOptionKeepsTheSelection()
{
    auto f = fixture();
    frmPrintPreview *dialog = openChoice(*f);
    WindowTest::click(dialog, "chkType(0)");
    auto *list = control<QListWidget>(dialog, "lstExcercise");
    WindowTest::clickRow(list, 1);
    WindowTest::click(dialog, "chkType(3)");
    QVERIFY(!list->isVisibleTo(dialog));
    QCOMPARE(list->count(), 2);
    QVERIFY(list->item(1)->isSelected());
    frmRTF *report = preview(*f, dialog);
    QVERIFY(report);
    QCOMPARE(report->input().choice.type(), ReportType::Descriptions);
    QCOMPARE(report->input().choice.selectedEntries(), QStringList{"Hammer Curl"});

    WindowTest::click(report, "lblSysInfo");
    WindowTest::click(dialog, "lblType(3)");
    QCOMPARE(list->count(), 3);
    QVERIFY(list->selectedItems().isEmpty());
}

void TestReportWindows::emptyCategoryRefuses()
{
    auto f = fixture();
    frmPrintPreview *dialog = openChoice(*f);
    WindowTest::click(dialog, "chkType(0)");
    auto *list = control<QListWidget>(dialog, "lstExcercise");
    WindowTest::clickRow(list, 0);
    // Legs has no exercise: the list empties, and with it the choice.
    QVERIFY(WindowTest::chooseByKeys(control<QComboBox>(dialog, "cboCategory"), "Legs"));
    QCOMPARE(list->count(), 0);
    WindowTest::click(dialog, "Label7");
    QCOMPARE(f->takeMessages(), QStringList{"You must select an excercise "});
    // Outdoor activities are listed from the aerobic catalogue.
    QVERIFY(WindowTest::chooseByKeys(control<QComboBox>(dialog, "cboCategory"), "Outdoor Activites"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Running"));
}

// A FIFO where the weight-training catalogue belongs: each click that fills
// the list names it once, also the label's click that runs two set-ups; the
// aerobic activities list without a word.
void TestReportWindows::unreadableCatalogueNamedOncePerClick()
{
    auto f = fixture();
    const QString path = f->dataFolder() + u'/' + WeightCatalogue::kFileName;
    QVERIFY(TestEnvironment::putFifo(f->dataFolder(), WeightCatalogue::kFileName));
    frmPrintPreview *dialog = openChoice(*f);
    auto *list = control<QListWidget>(dialog, "lstExcercise");
    const QString told = QStringLiteral("The file ExerciseDescription.txt could not be read: it is not a regular "
                                        "file. The list shows none of its exercises.");
    for (const QString &label : {"lblType(0)", "lblType(1)"}) {
        QElapsedTimer clock;
        clock.start();
        WindowTest::click(dialog, label);
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(f->takeMessages(), QStringList{told});
        QCOMPARE(list->count(), 0);
    }
    QVERIFY(WindowTest::chooseByKeys(control<QComboBox>(dialog, "cboCategory"), "Cardio"));
    QVERIFY(f->messages().isEmpty());
    QCOMPARE(list->count(), 2);
    QVERIFY(WindowTest::chooseByKeys(control<QComboBox>(dialog, "cboCategory"), "Weightlifting"));
    QCOMPARE(f->takeMessages(), QStringList{told});
    QVERIFY(QFileInfo(path).exists());
}

void TestReportWindows::hoverHints()
{
    auto f = fixture();
    frmPrintPreview *dialog = openChoice(*f);
    auto *notes = control<QLabel>(dialog, "lblNotes");
    QCOMPARE(notes->text(), QStringLiteral("Notes"));
    auto *template_ = control<QLabel>(dialog, "lblType(1)");
    WindowTest::hover(template_);
    QCOMPARE(notes->text(), QStringLiteral("Click this to see a template of exercises you wish to print."));
    QCOMPARE(template_->font().pointSizeF(), 11.0);
    WindowTest::hover(control<QLabel>(dialog, "lblCategory"));
    QCOMPARE(notes->text(), QStringLiteral("Select category to view a list of associated exercises."));
    QCOMPARE(template_->font().pointSizeF(), 10.0);

    auto *list = control<QListWidget>(dialog, "lstExcercise");
    // No report chosen: the list leaves the notes alone.
    WindowTest::hover(list->viewport());
    QCOMPARE(notes->text(), QStringLiteral("Select category to view a list of associated exercises."));
    WindowTest::click(dialog, "chkType(1)");
    WindowTest::hover(list->viewport());
    QCOMPARE(notes->text(), QStringLiteral("Select all the exercises you wish to see in the template."));
    WindowTest::click(dialog, "chkType(3)");
    WindowTest::click(dialog, "lblType(3)");
    WindowTest::hover(list->viewport());
    QCOMPARE(notes->text(),
             QStringLiteral("Select all the exercises's descriptions you wish to be printed out on paper."));

    // The bare window empties the notes and sets the captions back.
    WindowTest::hover(control<QLabel>(dialog, "lblType(2)"));
    WindowTest::hover(dialog, QPoint(5, Twips::toPixels(6300)));
    QVERIFY(notes->text().isEmpty());
    QCOMPARE(control<QLabel>(dialog, "lblType(2)")->font().pointSizeF(), 10.0);
    QCOMPARE(control<DatePicker>(dialog, "DTPicker1")->toolTip(), QStringLiteral("Select Date to View Foods"));
    QCOMPARE(control<QLabel>(dialog, "Label7")->toolTip(), QStringLiteral("Press Button to view Chart"));
}

// Three sets and ten entries: eight a page, the last of a page first on the
// next; Previous keeps page 1 and is disabled only by a second press.
void TestReportWindows::pagingThroughAWeightLog()
{
    auto f = fixture();
    frmRTF *report = openLog(*f, "Biceps", "Barbell Curl");
    QVERIFY(report);
    QCOMPARE(report->windowTitle(), QStringLiteral("Print Preview"));
    QVERIFY(!f->window(frmPrintPreview::kName)->isShownWindow());
    auto *previous = control<QLabel>(report, "lblPrevious");
    auto *next = control<QLabel>(report, "lblNext");
    const auto rowsOf = [&] { return lines(report->pageText()).mid(2); };
    const auto dates = [&](int from, int to) {
        QStringList out;
        for (int i = from; i <= to; ++i)
            out << dateOf(i);
        return out;
    };
    const auto shownDates = [&] {
        QStringList out;
        for (const QString &row : rowsOf())
            out << row.section(u' ', 0, 0);
        return out;
    };

    QCOMPARE(lines(report->pageText()).mid(0, 2),
             (QStringList{"Barbell Curl", "Date Weight 1 Set 1 Weight 2 Set 2 Weight 3 Set 3"}));
    QCOMPARE(shownDates(), dates(0, 7));
    QCOMPARE(rowsOf().first(), dateOf(0) + " 100 10 100 10 100 10");
    QCOMPARE(report->page(), qint16(1));
    QVERIFY(!previous->isEnabled());
    QVERIFY(next->isEnabled());
    // A disabled button ignores the click: no pressed look, no sound, no work.
    QSignalSpy pressed(previous->findChild<LabelButton *>(), &LabelButton::clicked);
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(pressed.count(), 0);
    QCOMPARE(report->page(), qint16(1));

    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(report->page(), qint16(2));
    QCOMPARE(shownDates(), dates(7, 9));
    QVERIFY(previous->isEnabled() && next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(shownDates(), QStringList());

    QTest::mouseClick(previous, Qt::LeftButton);
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(report->page(), qint16(1));
    QCOMPARE(shownDates(), dates(0, 7));
    QVERIFY(previous->isEnabled());
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(report->page(), qint16(1));
    QVERIFY(!previous->isEnabled());
    QVERIFY(f->messages().isEmpty());

    // The picture shows the page: text drawn on the page box's colour.
    const QImage &picture = control<PictureBox>(report, "Text7(3)")->surface().image();
    QCOMPARE(picture.pixelColor(1, 1), QColor(218, 225, 176));
    bool ink = false;
    for (int x = 0; x < picture.width() && !ink; ++x)
        for (int y = 0; y < picture.height() / 2 && !ink; ++y)
            ink = picture.pixelColor(x, y).lightness() < 80;
    QVERIFY(ink);
}

// With several exercises selected the current one is reported, or the first
// selected where the current one is not selected.
void TestReportWindows::reportedExerciseOfSeveralSelected()
{
    auto f = fixture();
    frmPrintPreview *dialog = openChoice(*f);
    WindowTest::click(dialog, "lblType(0)");
    auto *list = control<QListWidget>(dialog, "lstExcercise");
    WindowTest::clickRow(list, 0);
    WindowTest::clickRow(list, 1, Qt::ControlModifier);
    QCOMPARE(list->selectedItems().size(), 2);
    frmRTF *report = preview(*f, dialog);
    QCOMPARE(lines(report->pageText()).first(), QStringLiteral("Hammer Curl"));

    WindowTest::click(report, "lblSysInfo");
    WindowTest::clickRow(list, 1, Qt::ControlModifier); // Hammer Curl off, still current
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(list->selectedItems().size(), 1);
    report = preview(*f, dialog);
    QCOMPARE(lines(report->pageText()).first(), QStringLiteral("Barbell Curl"));

    // The arrow keys choose too, once a click has put the focus in the list.
    WindowTest::click(report, "lblSysInfo");
    WindowTest::clickRow(list, 0);
    QCOMPARE(WindowTest::focused(), list);
    QVERIFY(WindowTest::press(Qt::Key_Down));
    QCOMPARE(list->selectedItems().size(), 1);
    report = preview(*f, dialog);
    QCOMPARE(lines(report->pageText()).first(), QStringLiteral("Hammer Curl"));
    // One set, twenty-five entries: page 2 by Next shows entries 7 to 14.
    QTest::mouseClick(control<QLabel>(report, "lblNext"), Qt::LeftButton);
    QCOMPARE(lines(report->pageText()).size(), 2 + 8);
    QCOMPARE(lines(report->pageText()).at(2), dateOf(7) + " 107 10");
}

void TestReportWindows::pageLimitsOfEveryReport_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("limit");
    QTest::newRow("exercise log") << "lblType(0)" << 45;
    QTest::newRow("template") << "lblType(1)" << 10;
    QTest::newRow("foods") << "lblType(2)" << 10;
    QTest::newRow("descriptions") << "lblType(3)" << 35;
}

// Next is disabled on reaching the report's page limit, whatever its log.
void TestReportWindows::pageLimitsOfEveryReport()
{
    QFETCH(QString, label);
    QFETCH(int, limit);
    auto f = fixture();
    frmPrintPreview *dialog = openChoice(*f);
    WindowTest::click(dialog, label);
    auto *list = control<QListWidget>(dialog, "lstExcercise");
    if (list->isVisibleTo(dialog))
        WindowTest::clickRow(list, 0);
    frmRTF *report = preview(*f, dialog);
    QVERIFY(report);
    auto *next = control<QLabel>(report, "lblNext");
    for (int page = 2; page <= limit; ++page) {
        QVERIFY(next->isEnabled());
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(int(report->page()), page);
    }
    QVERIFY(!next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(int(report->page()), limit);
    QTest::mouseClick(control<QLabel>(report, "lblPrevious"), Qt::LeftButton);
    QCOMPARE(int(report->page()), limit - 1);
    QVERIFY(next->isEnabled());
}

void TestReportWindows::backShowsTheChoiceAsItWas()
{
    auto f = fixture();
    frmRTF *report = openLog(*f, "Outdoor Activites", "Running");
    QVERIFY(report);
    QCOMPARE(lines(report->pageText()).mid(0, 3),
             (QStringList{"Running", "Date Time Distance Terrain", dateOf(0) + " 30 min 3 m Hilly"}));
    QTest::mouseClick(control<QLabel>(report, "lblNext"), Qt::LeftButton);
    // The unit stays "m" on every page.
    QCOMPARE(lines(report->pageText()).at(2), dateOf(7) + " 30 min 3 m Hilly");

    WindowTest::click(report, "lblSysInfo");
    ShellFixture::settle();
    QVERIFY(!f->window(frmRTF::kName));
    auto *dialog = f->windowAs<frmPrintPreview>(frmPrintPreview::kName);
    QVERIFY(dialog->isShownWindow());
    // Grown again to its height (the opening's steps end up to 99 twips above it).
    QVERIFY(dialog->heightTwips() >= frmPrintPreview::kFinalHeight
            && dialog->heightTwips() < frmPrintPreview::kFinalHeight + 100);
    QVERIFY(control<QRadioButton>(dialog, "chkType(0)")->isChecked());
    QCOMPARE(control<QComboBox>(dialog, "cboCategory")->currentText(), QStringLiteral("Outdoor Activites"));
    QCOMPARE(dialog->choice().reportedEntry(), QStringLiteral("Running"));

    report = preview(*f, dialog);
    QVERIFY(report);
    QCOMPARE(report->page(), qint16(1));
    QVERIFY(!control<QLabel>(report, "lblPrevious")->isEnabled());
    QCOMPARE(lines(report->pageText()).at(2), dateOf(0) + " 30 min 3 m Hilly");
}

// Escape closes the window and leaves the choice hidden (not with Shift);
// becoming the active window again draws nothing anew.
void TestReportWindows::escapeClosesAndActivationKeepsThePage()
{
    auto f = fixture();
    frmRTF *report = openLog(*f, "Biceps", "Barbell Curl");
    QVERIFY(report);
    QTest::mouseClick(control<QLabel>(report, "lblNext"), Qt::LeftButton);
    const QString second = report->pageText();
    // The user clicks away into another window, then back into the page.
    {
        QWidget elsewhere;
        elsewhere.setWindowTitle(QStringLiteral("Another program"));
        elsewhere.resize(200, 100);
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        WindowTest::clickOn(&elsewhere);
        QVERIFY(!report->isActiveWindow());
    }
    // The window system brings the program to the front under the click.
    report->window()->activateWindow();
    WindowTest::clickOn(control<PictureBox>(report, "Text7(3)"));
    QVERIFY(report->isActiveWindow());
    QCOMPARE(report->frame()->mdiArea()->activeSubWindow(), report->frame());
    QCOMPARE(report->page(), qint16(2));
    QCOMPARE(report->pageText(), second);
    QVERIFY(control<QLabel>(report, "lblPrevious")->isEnabled());
    QVERIFY(f->messages().isEmpty());

    QTest::keyClick(report, Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(f->window(frmRTF::kName));
    QTest::keyClick(report, Qt::Key_Escape);
    ShellFixture::settle();
    QVERIFY(!f->window(frmRTF::kName));
    QVERIFY(f->window(frmPrintPreview::kName));
    QVERIFY(!f->window(frmPrintPreview::kName)->isShownWindow());
}

// The window opens at the work area's top left corner, 100 twips in; the
// page box keeps 100 twips from the left, top and right edges and the strip
// for the buttons below it; its page is drawn again at its new size.
void TestReportWindows::pageBoxFollowsTheWindowsSize()
{
    auto f = fixture();
    frmRTF *report = openLog(*f, "Biceps", "Barbell Curl");
    QVERIFY(report);
    QCOMPARE(report->leftTwips(), 100);
    QCOMPARE(report->topTwips(), 100);
    QCOMPARE(report->frame()->pos(), QPoint(Twips::toPixels(100), Twips::toPixels(100)));
    auto *box = control<PictureBox>(report, "Text7(3)");
    const auto check = [&] {
        QCOMPARE(box->x(), Twips::toPixels(100));
        QCOMPARE(box->y(), Twips::toPixels(100));
        QVERIFY(qAbs(report->width() - box->x() - box->width() - Twips::toPixels(100)) <= 1);
        QVERIFY(qAbs(report->height() - box->y() - box->height() - Twips::toPixels(1700)) <= 1);
    };
    check();
    const QString text = report->pageText();
    report->frame()->resize(report->frame()->width() - 60, report->frame()->height() + 45);
    check();
    QCOMPARE(box->surface().size(), box->size());
    QCOMPARE(report->pageText(), text);
}

// 25 entries printed: the logo and heading, then entries 1 to 19; the
// twentieth begins a page (landscape).
void TestReportWindows::printedWeightLogToPdf()
{
    auto f = fixture();
    frmRTF *report = openLog(*f, "Biceps", "Hammer Curl");
    QVERIFY(report);
    const QString before = report->pageText();
    const QString pdf = pdfFile("hammer.pdf");
    QTest::mouseClick(control<QLabel>(report, "lblPrint"), Qt::LeftButton);
    qunsetenv(PrintService::kPdfVariable);
    QVERIFY2(f->messages().isEmpty(), qPrintable(f->messages().join('\n')));
    QCOMPARE(report->pageText(), before);
    QCOMPARE(report->page(), qint16(1));

    const QString info = run("pdfinfo", {pdf});
    const auto size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    QVERIFY2(size.hasMatch(), qPrintable(info));
    QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
    const QStringList pages = run("pdftotext", {pdf, "-"}).split(u'\f');
    int twentieth = -1;
    for (int p = 0; p < pages.size(); ++p) {
        if (pages[p].contains(dateOf(19)))
            twentieth = p;
    }
    QVERIFY(twentieth > 0);
    QVERIFY2(pages[twentieth].trimmed().startsWith(dateOf(19)), qPrintable(pages[twentieth].left(60)));
    QVERIFY(!pages[twentieth - 1].contains(dateOf(19)));
    QVERIFY(pages[twentieth - 1].contains(dateOf(18)));
    QVERIFY(pages[0].contains("Hammer Curl") && pages[0].contains("Reps 1"));
    for (int i = 0; i < 25; ++i)
        QVERIFY2(pages.join("").contains(dateOf(i)), qPrintable(dateOf(i)));
    // The globe on the first page.
    const QString images = run("pdfimages", {"-list", pdf});
    QVERIFY2(images.contains(QRegularExpression("\\n\\s*1\\s+0\\s+image\\s+90\\s+90")), qPrintable(images));
    // The columns were laid out for a face of Arial's widths.
    QVERIFY(run("pdffonts", {pdf}).contains(QRegularExpression("Liberation|Nimbus")));
}

void TestReportWindows::printedAerobicLogToPdf()
{
    auto f = fixture();
    frmRTF *report = openLog(*f, "Outdoor Activites", "Running");
    QVERIFY(report);
    const QString pdf = pdfFile("running.pdf");
    QTest::mouseClick(control<QLabel>(report, "lblPrint"), Qt::LeftButton);
    qunsetenv(PrintService::kPdfVariable);
    QVERIFY(f->messages().isEmpty());
    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(text.contains(QRegularExpression("Date\\s+Time\\s+Distance\\s+Terrain")));
    QVERIFY2(text.contains(QRegularExpression(dateOf(24) + "\\s+30\\s+min\\s+3\\s*m\\s+Hilly")), qPrintable(text));
    QVERIFY(!text.contains("km"));
}

void TestReportWindows::printerFailureIsReported()
{
    auto f = fixture();
    frmRTF *report = openLog(*f, "Biceps", "Barbell Curl");
    QVERIFY(report);
    const QString pdf = TestEnvironment::freshFolder("pdf") + "/no/such/folder/x.pdf";
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    QTest::mouseClick(control<QLabel>(report, "lblPrint"), Qt::LeftButton);
    qunsetenv(PrintService::kPdfVariable);
    const QStringList messages = f->takeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains("x.pdf"), qPrintable(messages.first()));
    QVERIFY(!QFile::exists(pdf));
}

// The template of three weight exercises chosen with the mouse and the
// keys: the user's name and the date over blank cells per set; printing
// leaves the page where it was, so Next goes on from there.
void TestReportWindows::templateSheetToPdf()
{
    auto f = std::make_unique<ShellFixture>(
        QList<WindowRegistry::Registrar>{registerReportWindows},
        WindowTest::on(kToday, {{"Personal Information", "FirstName", "Dana"}}));
    WindowTest::write(*f, WeightCatalogue::kFileName,
                      "\"Bi\",\"Barbell Curl\",\"Curl the bar\",\"3\"\r\n\"Ch\",\"Bench Press\",\"\",\"5\"\r\n"
                      "\"Bi\",\"Hammer Curl\",\"\",1\r\n");
    frmPrintPreview *dialog = openChoice(*f);
    WindowTest::click(dialog, "lblType(1)");
    auto *list = control<QListWidget>(dialog, "lstExcercise");
    WindowTest::clickRow(list, 0);
    WindowTest::clickRow(list, 2, Qt::ControlModifier);
    QCOMPARE(WindowTest::focused(), list);
    // Ctrl with the arrow moves without choosing; Ctrl+Space adds the row.
    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(list->selectedItems().size(), 3);
    frmRTF *report = preview(*f, dialog);
    QVERIFY(report);
    QVERIFY(f->messages().isEmpty());
    QCOMPARE(lines(report->pageText()),
             (QStringList{"Weightlifting", "Exercise Weight 1 Set 1 Weight 2 Set 2 Weight 3 Set 3", "Barbell Curl",
                          "Exercise Weight 1 Set 1 Weight 2 Set 2 Weight 3 Set 3 Weight 4 Set 4 Weight 5 Set 5",
                          "Bench Press", "Exercise Weight 1 Set 1", "Hammer Curl"}));
    QTest::mouseClick(control<QLabel>(report, "lblNext"), Qt::LeftButton);
    QCOMPARE(report->page(), qint16(2));
    QCOMPARE(lines(report->pageText()), QStringList());

    const QString pdf = printToPdf(report, "template.pdf");
    QVERIFY2(f->messages().isEmpty(), qPrintable(f->messages().join('\n')));
    QCOMPARE(report->page(), qint16(2));
    QTest::mouseClick(control<QLabel>(report, "lblNext"), Qt::LeftButton);
    QCOMPARE(report->page(), qint16(3));

    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    QVERIFY2(text.contains("Dana Template"), qPrintable(text));
    QVERIFY(text.contains(DateText::longDate(kToday)));
    QVERIFY(text.contains(QRegularExpression("Exercise\\s+Weight 1\\s+Set 1\\s+Weight 2\\s+Set 2\\s+Weight 3\\s+Set 3\\s*\\n")));
    // Three, five and one pairs of cells under the names.
    const auto cellsAfter = [&](const QString &name) {
        const QString line = text.section(name, 1).section(u'\n', 1, 1);
        return int(line.count(QRegularExpression("_{8}\\s+_{5}")));
    };
    QCOMPARE(cellsAfter("Barbell Curl"), 3);
    QCOMPARE(cellsAfter("Bench Press"), 5);
    QCOMPARE(cellsAfter("Hammer Curl"), 1);
    QVERIFY(!text.contains("Weightlifting"));
    const QString images = run("pdfimages", {"-list", pdf});
    QVERIFY2(images.contains(QRegularExpression("\\n\\s*1\\s+0\\s+image\\s+90\\s+90")), qPrintable(images));
}

// 25 foods of a day chosen in the date picker with the keys: 19 on the
// first page, the rest on the second, the whole day's total under both;
// printed whole.
void TestReportWindows::foodsOfADayPagedAndPrinted()
{
    auto f = fixture();
    const QDate day = kToday.addDays(-1);
    QByteArray foods;
    for (int i = 1; i <= 25; ++i)
        foods += FoodDay::line(DateText::medium(day), i % 2 ? "Grain" : "Meat", QStringLiteral("Dish %1").arg(i), "90",
                               i == 1 ? "1.5" : "1");
    WindowTest::write(*f, FoodDay::fileName(day), foods);
    frmPrintPreview *dialog = openChoice(*f, QStringLiteral("itmFoodView"));
    auto *picker = control<DatePicker>(dialog, "DTPicker1");
    QVERIFY(WindowTest::stepDate(picker, QDateTimeEdit::DaySection, -1));
    QCOMPARE(picker->date(), day);
    frmRTF *report = preview(*f, dialog);
    QVERIFY(report);
    QVERIFY2(f->messages().isEmpty(), qPrintable(f->messages().join('\n')));
    const QString total = QStringLiteral("Total %1").arg(135 + 24 * 90);
    QStringList page = lines(report->pageText());
    QCOMPARE(page.mid(0, 3), (QStringList{"Foods Eaten", "Date Consumed Category Food Servings Calories",
                                          DateText::medium(day) + " Grain Dish 1 1.5 135"}));
    QCOMPARE(page.size(), 2 + 19 + 2);
    QCOMPARE(page.last(), total);
    QTest::mouseClick(control<QLabel>(report, "lblNext"), Qt::LeftButton);
    page = lines(report->pageText());
    QCOMPARE(page.at(2), QStringLiteral("Meat Dish 20 1 90"));
    QCOMPARE(page.size(), 2 + 6 + 2);
    QCOMPARE(page.last(), total);

    const QString pdf = printToPdf(report, "foods.pdf");
    QVERIFY(f->messages().isEmpty());
    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    QVERIFY2(text.contains("Foods Eaten on " + DateText::longDate(day)), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression("Category\\s+Food\\s+Servings\\s+Calories")));
    for (int i = 1; i <= 25; ++i)
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Dish %1\\s+1(\\.5)?\\s+(90|135)\\s*\\n").arg(i))));
    QVERIFY(text.contains(QRegularExpression("Total\\s+2295")));
    QVERIFY(!text.contains(DateText::medium(day)));
    QCOMPARE(run("pdfimages", {"-list", pdf}).count(QRegularExpression("\\n\\s*\\d+\\s+\\d+\\s+image")), 0);
}

// A day without a food file: the page says so, Next says so, and Print
// says so without a print job or a PDF.
void TestReportWindows::foodsOfADayWithoutFoodsPrintsNothing()
{
    auto f = fixture();
    frmPrintPreview *dialog = openChoice(*f, QStringLiteral("itmFoodView"));
    frmRTF *report = preview(*f, dialog);
    QVERIFY(report);
    QCOMPARE(f->takeMessages(), QStringList{"No foods have been entered in for this day."});
    QTest::mouseClick(control<QLabel>(report, "lblNext"), Qt::LeftButton);
    QCOMPARE(f->takeMessages(), QStringList{"No foods have been entered in this month."});
    const QString pdf = printToPdf(report, "nothing.pdf");
    QCOMPARE(f->takeMessages(), QStringList{"No foods have been entered in this month."});
    QVERIFY(!QFile::exists(pdf));
    // Deleting the last food leaves an empty file: the same.
    WindowTest::write(*f, FoodDay::fileName(kToday), QByteArray());
    QTest::mouseClick(control<QLabel>(report, "lblPrint"), Qt::LeftButton);
    QCOMPARE(f->takeMessages(), QStringList{"No foods have been entered in this month."});
}

// Two exercises' descriptions, one a page, chosen after the description
// label lists every weight exercise; printed one after the other.
void TestReportWindows::descriptionsPagedAndPrinted()
{
    auto f = fixture();
    const QString long_ = QStringLiteral("Stand tall with the bar at arm's length, palms forward; curl it up to the "
                                         "shoulders without swinging the body, then lower it slowly all the way down "
                                         "again before the next repetition.");
    WindowTest::write(*f, WeightCatalogue::kFileName,
                      "\"Bi\",\"Barbell Curl\",\"" + long_.toLatin1() + "\",\"3\"\r\n\"Ch\",\"Bench Press\",\"Press.\",\"5\"\r\n");
    frmPrintPreview *dialog = openChoice(*f);
    WindowTest::click(dialog, "lblType(3)");
    auto *list = control<QListWidget>(dialog, "lstExcercise");
    QCOMPARE(list->count(), 2);
    WindowTest::clickRow(list, 1);
    WindowTest::clickRow(list, 0, Qt::ControlModifier);
    frmRTF *report = preview(*f, dialog);
    QVERIFY(report);
    QStringList page = lines(report->pageText());
    QCOMPARE(page.mid(0, 2), (QStringList{"Exercise Description", "Biceps Barbell Curl"}));
    QCOMPARE(page.size(), 4); // broken once at 105
    QCOMPARE(page.mid(2).join(' '), long_);
    QTest::mouseClick(control<QLabel>(report, "lblNext"), Qt::LeftButton);
    QCOMPARE(lines(report->pageText()), (QStringList{"Exercise Description", "Chest Bench Press", "Press."}));
    QTest::mouseClick(control<QLabel>(report, "lblNext"), Qt::LeftButton);
    QCOMPARE(lines(report->pageText()), QStringList{"Exercise Description"});

    const QString pdf = printToPdf(report, "descriptions.pdf");
    QVERIFY(f->messages().isEmpty());
    QCOMPARE(report->page(), qint16(3));
    const QString text = run("pdftotext", {pdf, "-"});
    QVERIFY2(text.contains("Exercise Description"), qPrintable(text));
    QVERIFY(text.indexOf("Barbell Curl") < text.indexOf("Bench Press"));
    QVERIFY(text.contains("Biceps") && text.contains("Chest") && text.contains("Press."));
    QVERIFY(text.simplified().contains(long_));
    const QString images = run("pdfimages", {"-list", pdf});
    QVERIFY2(images.contains(QRegularExpression("\\n\\s*1\\s+0\\s+image\\s+90\\s+90")), qPrintable(images));
}

void TestReportWindows::logoShipsAndIsSmall()
{
    auto f = fixture();
    QImageReader reader(f->dataFolder() + "/smallglobe.jpg");
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage logo = reader.read();
    QVERIFY(!logo.isNull());
    const double inches = logo.width() / (logo.dotsPerMeterX() * 0.0254);
    QVERIFY2(inches > 0.5 && inches <= 1.0, qPrintable(QString::number(inches)));
}

// Every caption of both windows reads whole in its control, at its normal
// size and at the hovered size of the captions that grow; the round
// buttons' words stand below the line their leading blanks fill.
void TestReportWindows::captionsFit()
{
    auto f = fixture();
    frmPrintPreview *dialog = openChoice(*f, QStringLiteral("itmFoodView"));
    QStringList misfits;
    const auto check = [&](QWidget *window, const QString &where) {
        misfits << TextFit::describe(where, TextFit::misfits(window));
    };
    const auto checkHovered = [&](const QStringList &growing) {
        for (const QString &name : growing) {
            WindowTest::hover(control<QLabel>(dialog, name));
            check(dialog, QStringLiteral("frmPrintPreview over ") + name);
        }
    };
    check(dialog, QStringLiteral("frmPrintPreview, foods"));
    checkHovered({"lblType(0)", "lblType(1)", "lblType(2)", "lblType(3)", "lblTime"});
    WindowTest::click(dialog, "lblType(0)");
    WindowTest::clickRow(control<QListWidget>(dialog, "lstExcercise"), 0);
    check(dialog, QStringLiteral("frmPrintPreview, exercise log"));
    checkHovered({"lblCategory"});
    const auto wordBelowBlanks = [&](QWidget *window, const QString &name, int blanks, const QString &word) {
        auto *caption = control<QLabel>(window, name);
        QCOMPARE(caption->text(), QString(blanks, u' ') + word);
        const QStringList shown = ShellStyle::wrapLines(caption->text(), QFontMetricsF(caption->font()),
                                                        caption->contentsRect().width());
        QVERIFY2(shown.size() >= 2 && shown.first().isEmpty(), qPrintable(name + ": " + shown.join('|')));
        QCOMPARE(shown.mid(1).join(u' ').trimmed(), word.trimmed());
    };
    wordBelowBlanks(dialog, "Label7", 66, "Print Preview");

    frmRTF *report = preview(*f, dialog);
    QVERIFY(report);
    check(report, QStringLiteral("frmRTF"));
    wordBelowBlanks(report, "lblPrevious", 22, "<<Prev.");
    wordBelowBlanks(report, "lblPrint", 25, "Print ");
    wordBelowBlanks(report, "lblSysInfo", 25, "Back");
    wordBelowBlanks(report, "lblNext", 25, "Next>>");
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));
}

PULSAR_TEST_MAIN(TestReportWindows)
#include "tst_reportwindows.moc"
