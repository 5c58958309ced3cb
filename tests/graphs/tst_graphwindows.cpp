#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

#include "common/DateText.h"
#include "common/ImageSurface.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "graphs/GraphSettings.h"
#include "graphs/GraphWindows.h"
#include "graphs/frmChartInfo.h"
#include "graphs/frmFitnessGraph.h"
#include "profile/BMIChartWindows.h"
#include "shell/LabelButton.h"
#include "shell/PictureBox.h"
#include "shell/Shell.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/WeightCatalogue.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QtTest>

#include "shell/PrintService.h"

// The chart options and the graph window as the user works them.
class TestGraphWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void viewChartRefusals();
    void weightBarGraphOnTheRetainedImage();
    void backShowsTheOptionsAsTheyWere();
    void cardioUnitFrames();
    void aerobicGraphCaptionsAndPrintButton_data();
    void aerobicGraphCaptionsAndPrintButton();
    void abdominalGraph();
    void abdominalGraphOfADamagedFile_data();
    void abdominalGraphOfADamagedFile();
    void printedWeightGraph_data();
    void printedWeightGraph();
    void printedAerobicGraph();
    void nothingPrintedWithoutAPage_data();
    void nothingPrintedWithoutAPage();
    void printerFailureIsReported();

private:
    static frmFitnessGraph *openGraph(ShellFixture &f, const QString &item, const QString &category,
                                      const QString &exercise, bool line);
    static QString pdfFile(const QString &name);
    static QString run(const QString &program, const QStringList &arguments);
    static int colouredPixels(const QString &pdf);
    static std::unique_ptr<ShellFixture> fixture();
    static frmChartInfo *openOptions(ShellFixture &f, const QString &item);
    static void choose(frmChartInfo *dialog, const QString &category, const QString &exercise);
    static void press(QWidget *window, const QString &label);
    static QColor pixelAt(frmFitnessGraph *graph, double x, double y);
};

using WindowTest::control;
using WindowTest::chooseByKeys;
using WindowTest::chooseByMouse;
using WindowTest::clickOn;

std::unique_ptr<ShellFixture> TestGraphWindows::fixture()
{
    ShellFixture::Options options;
    options.today = QDate(2026, 3, 1);
    auto f = std::make_unique<ShellFixture>(QList<WindowRegistry::Registrar>{registerGraphWindows}, options);
    TestEnvironment::writeFile(f->dataFolder(), WeightCatalogue::kFileName,
                               "\"Bi\",\"Barbell Curl\",\"curl\",\"3\"\r\n\"Bi\",\"Hammer Curl\",\"\",1\r\n");
    TestEnvironment::writeFile(f->dataFolder(), QStringLiteral("BiBarbell Curl.txt"),
                               "\"01-Mar-26\",100,10,105,8,110,6\r\n\"26-Feb-26\",95,10,100,8,105,6\r\n");
    TestEnvironment::writeFile(f->dataFolder(), AerobicCatalogue::kFileName,
                               "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
                               "\"Ou\",\"Skiing\",#TRUE#,#FALSE#,#TRUE#\r\n");
    TestEnvironment::writeFile(f->dataFolder(), QStringLiteral("OuRunning.txt"),
                               "\"01-Mar-26\",30,3,\"Hilly \"\r\n\"27-Feb-26\",60,5,\"Flat - Outdoor\"\r\n");
    TestEnvironment::writeFile(f->dataFolder(), QStringLiteral("OuSkiing.txt"), "\"01-Mar-26\",45\r\n");
    return f;
}

frmChartInfo *TestGraphWindows::openOptions(ShellFixture &f, const QString &item)
{
    f.trigger(item);
    return f.windowAs<frmChartInfo>(QStringLiteral("frmChartInfo"));
}

void TestGraphWindows::choose(frmChartInfo *dialog, const QString &category, const QString &exercise)
{
    QVERIFY(chooseByKeys(control<QComboBox>(dialog, QStringLiteral("Combo1(0)")), category));
    QVERIFY(chooseByKeys(control<QListWidget>(dialog, QStringLiteral("List1")), exercise));
}

void TestGraphWindows::press(QWidget *window, const QString &label)
{
    auto *l = control<QLabel>(window, label);
    QVERIFY(l);
    auto *button = l->findChild<LabelButton *>();
    QVERIFY(button);
    button->click();
}

// The colour of the graph's picture at a point of its 1000 x 1000 units.
QColor TestGraphWindows::pixelAt(frmFitnessGraph *graph, double x, double y)
{
    auto *picture = control<PictureBox>(graph, QStringLiteral("pctGraph"));
    const QImage &image = picture->surface().image();
    const double ratio = image.devicePixelRatio();
    const QPoint p(int(x / 1000 * picture->width() * ratio), int((1000 - y) / 1000 * picture->height() * ratio));
    return image.pixelColor(p);
}

void TestGraphWindows::viewChartRefusals()
{
    auto f = fixture();
    frmChartInfo *dialog = openOptions(*f, QStringLiteral("itmWeight"));
    QVERIFY(dialog);
    press(dialog, QStringLiteral("lblEnter"));
    choose(dialog, QStringLiteral("Biceps"), QStringLiteral("Hammer Curl"));
    press(dialog, QStringLiteral("lblEnter"));
    QCOMPARE(f->takeMessages(),
             (QStringList{QStringLiteral("you must select an excercise"), QStringLiteral("You must pick a chart type")}));
    QVERIFY(!f->window(QStringLiteral("frmFitnessGraph")));
    QVERIFY(dialog->isShownWindow());
    // The catalogue lists the group's exercises in file order.
    auto *list = control<QListWidget>(dialog, QStringLiteral("List1"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Barbell Curl"));
}

void TestGraphWindows::weightBarGraphOnTheRetainedImage()
{
    auto f = fixture();
    frmChartInfo *dialog = openOptions(*f, QStringLiteral("itmWeight"));
    choose(dialog, QStringLiteral("Biceps"), QStringLiteral("Barbell Curl"));
    control<QRadioButton>(dialog, QStringLiteral("Option2(0)"))->setChecked(true);
    press(dialog, QStringLiteral("lblEnter"));

    auto *graph = f->windowAs<frmFitnessGraph>(QStringLiteral("frmFitnessGraph"));
    QVERIFY(graph);
    QVERIFY(!dialog->isShownWindow());
    QVERIFY(f->window(QStringLiteral("frmChartInfo")));
    QCOMPARE(graph->windowTitle(), QStringLiteral("Graphical Output for Barbell Curl"));
    QCOMPARE(f->settings().get(SettingKeys::ChartInfo, QStringLiteral("timechecked"), QString()),
             QStringLiteral("False"));
    QCOMPARE(f->settings().get(SettingKeys::ChartInfo, GraphSettings::kDistanceChecked, QString()),
             QStringLiteral("False"));
    QVERIFY(f->messages().isEmpty());

    // The newest entry's set 1 (10 reps): front face from 850 to 865 wide,
    // 60 up to 470; below the floor the picture's black, the gradient above
    // it and the light grey floor edge at 50.
    QCOMPARE(pixelAt(graph, 857, 300), QColor(0, 255, 0));
    QCOMPARE(pixelAt(graph, 907, 200), QColor(255, 0, 0)); // set 3 (6 reps), the red
    QCOMPARE(pixelAt(graph, 400, 20), QColor(Qt::black));
    const QColor wall = pixelAt(graph, 400, 700);
    QCOMPARE(wall.green(), 20);
    QCOMPARE(wall.blue(), 33);
    QVERIFY(wall.red() > 150 && wall.red() < 175);
    bool edge = false;
    for (double y = 44; y <= 56; y += 0.5)
        edge = edge || pixelAt(graph, 400, y) == QColor(0xE0, 0xE0, 0xE0);
    QVERIFY(edge);

    // The legend shows the three sets in their colours.
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(control<QLabel>(graph, QStringLiteral("Label2(%1)").arg(i))->isVisibleTo(graph), i <= 3);
    QCOMPARE(control<QLabel>(graph, QStringLiteral("Label2(2)"))->palette().color(QPalette::Window),
             QColor(0, 0, 255));
    QCOMPARE(control<QLabel>(graph, QStringLiteral("lblDis"))->text(), QStringLiteral("Reps"));
    QVERIFY(!control<QLabel>(graph, QStringLiteral("Label7"))->isVisibleTo(graph));
    QVERIFY(control<QLabel>(graph, QStringLiteral("lblPrint"))->isEnabled());

    // Repainting the window does not draw the graph again.
    const QImage before = control<PictureBox>(graph, QStringLiteral("pctGraph"))->surface().image();
    graph->repaint();
    QCOMPARE(control<PictureBox>(graph, QStringLiteral("pctGraph"))->surface().image(), before);
}

void TestGraphWindows::backShowsTheOptionsAsTheyWere()
{
    auto f = fixture();
    frmChartInfo *dialog = openOptions(*f, QStringLiteral("itmWeight"));
    choose(dialog, QStringLiteral("Biceps"), QStringLiteral("Barbell Curl"));
    control<QRadioButton>(dialog, QStringLiteral("Option2(1)"))->setChecked(true);
    auto *period = control<QComboBox>(dialog, QStringLiteral("Combo1(2)"));
    period->setCurrentText(QStringLiteral("Last 30 Entries"));
    control<QCheckBox>(dialog, QStringLiteral("chkViewWeight"))->setChecked(true);
    f->settings().set(SettingKeys::FitnessGraph, QStringLiteral("SetThree"), QStringLiteral("12"));
    press(dialog, QStringLiteral("lblEnter"));
    QVERIFY(f->window(QStringLiteral("frmFitnessGraph")));

    press(f->window(QStringLiteral("frmFitnessGraph")), QStringLiteral("lblSysInfo"));
    ShellFixture::settle();
    QVERIFY(!f->window(QStringLiteral("frmFitnessGraph")));
    QCOMPARE(f->window(QStringLiteral("frmChartInfo")), dialog);
    QVERIFY(dialog->isShownWindow());
    QCOMPARE(dialog->heightTwips(), 5640);
    // Every choice is kept and the dialog was not loaded again.
    QCOMPARE(period->count(), 7);
    QCOMPARE(period->currentText(), QStringLiteral("Last 30 Entries"));
    QCOMPARE(control<QComboBox>(dialog, QStringLiteral("Combo1(0)"))->count(), 6);
    const ChartChoice c = dialog->choice();
    QCOMPARE(c.category, QStringLiteral("Biceps"));
    QCOMPARE(c.exercise, QStringLiteral("Barbell Curl"));
    QCOMPARE(c.type, ChartType::Line);
    QVERIFY(c.viewWeight);
    // Closing the graph set every "Fitness Graph" key to "0".
    for (const QString &key : GraphSettings::fitnessGraphKeys())
        QCOMPARE(f->settings().get(SettingKeys::FitnessGraph, key, QString()), QStringLiteral("0"));
    QCOMPARE(GraphSettings::fitnessGraphKeys().size(), 25);
}

void TestGraphWindows::cardioUnitFrames()
{
    auto f = fixture();
    frmChartInfo *dialog = openOptions(*f, QStringLiteral("itmAero"));
    auto *distance = control<QGroupBox>(dialog, QStringLiteral("fraDistance"));
    auto *time = control<QGroupBox>(dialog, QStringLiteral("fraTime"));
    auto *minutes = control<QRadioButton>(dialog, QStringLiteral("optTime(0)"));
    QVERIFY(!distance->isHidden() && !time->isHidden());
    QVERIFY(control<QCheckBox>(dialog, QStringLiteral("chkViewWeight"))->isHidden());

    // A time-only activity hides the distance; one with a distance shows
    // both frames with no unit chosen, by the keyboard as by the mouse.
    choose(dialog, QStringLiteral("Outdoor Activites"), QStringLiteral("Skiing"));
    QVERIFY(distance->isHidden() && !time->isHidden());
    choose(dialog, QStringLiteral("Outdoor Activites"), QStringLiteral("Running"));
    QVERIFY(!distance->isHidden());
    auto *miles = control<QRadioButton>(dialog, QStringLiteral("optDistance(2)"));
    clickOn(miles);
    QVERIFY(miles->isChecked());
    QVERIFY(!minutes->isEnabled());
    clickOn(control<QRadioButton>(dialog, QStringLiteral("optDistance(0)")));
    QVERIFY(minutes->isEnabled());
    auto *list = control<QListWidget>(dialog, QStringLiteral("List1"));
    QVERIFY(chooseByMouse(list, QStringLiteral("Skiing")));
    QVERIFY(distance->isHidden());
    QVERIFY(chooseByMouse(list, QStringLiteral("Running")));
    QVERIFY(!distance->isHidden());
    for (int i = 0; i < 4; ++i)
        QVERIFY(!control<QRadioButton>(dialog, QStringLiteral("optDistance(%1)").arg(i))->isChecked());

    // Choosing the category again shows the distance frame again.
    choose(dialog, QStringLiteral("Outdoor Activites"), QStringLiteral("Skiing"));
    QVERIFY(distance->isHidden());
    auto *category = control<QComboBox>(dialog, QStringLiteral("Combo1(0)"));
    QVERIFY(chooseByKeys(category, QStringLiteral("Indoor Activities")));
    QVERIFY(!distance->isHidden());
    QVERIFY(chooseByKeys(category, QStringLiteral("Outdoor Activites")));
    QVERIFY(!distance->isHidden());
}

void TestGraphWindows::aerobicGraphCaptionsAndPrintButton_data()
{
    QTest::addColumn<QString>("activity");
    QTest::addColumn<int>("distance"); // optDistance index, -1 for none
    QTest::addColumn<int>("time");     // optTime index, -1 for none
    QTest::addColumn<bool>("line");
    QTest::addColumn<QString>("distanceChecked");
    QTest::addColumn<QStringList>("caption"); // the shown parts of the Y caption
    QTest::newRow("miles per hour, bars") << "Running" << 2 << 1 << false << "True"
                                          << QStringList{"Miles", "Per", "Hour"};
    QTest::newRow("kilometres, no time, line") << "Running" << 3 << -1 << true << "True"
                                               << QStringList{"Kilometers", "", ""};
    QTest::newRow("time only") << "Skiing" << -1 << 0 << false << "False" << QStringList{};
}

void TestGraphWindows::aerobicGraphCaptionsAndPrintButton()
{
    QFETCH(QString, activity);
    QFETCH(int, distance);
    QFETCH(int, time);
    QFETCH(bool, line);
    QFETCH(QString, distanceChecked);
    QFETCH(QStringList, caption);
    auto f = fixture();
    frmChartInfo *dialog = openOptions(*f, QStringLiteral("itmAero"));
    choose(dialog, QStringLiteral("Outdoor Activites"), activity);
    if (distance >= 0)
        control<QRadioButton>(dialog, QStringLiteral("optDistance(%1)").arg(distance))->click();
    if (time >= 0)
        control<QRadioButton>(dialog, QStringLiteral("optTime(%1)").arg(time))->click();
    control<QRadioButton>(dialog, line ? QStringLiteral("Option2(1)") : QStringLiteral("Option2(0)"))->setChecked(true);
    press(dialog, QStringLiteral("lblEnter"));
    QCOMPARE(f->settings().get(SettingKeys::ChartInfo, GraphSettings::kDistanceChecked, QString()), distanceChecked);

    auto *graph = f->windowAs<frmFitnessGraph>(QStringLiteral("frmFitnessGraph"));
    QVERIFY(graph);
    QVERIFY(f->messages().isEmpty());
    QStringList shown;
    for (const QString &name : {QStringLiteral("lblDis"), QStringLiteral("Label7"), QStringLiteral("lblTime")}) {
        auto *l = control<QLabel>(graph, name);
        if (l->isVisibleTo(graph))
            shown.append(l->text());
    }
    QCOMPARE(shown, caption);
    QCOMPARE(control<QLabel>(graph, QStringLiteral("lblPrint"))->isEnabled(), !line);
    QCOMPARE(control<QLabel>(graph, QStringLiteral("Label5"))->text(), QStringLiteral("Grouped by Date"));
    if (!line && activity == QLatin1String("Running")) {
        // Hilly and flat outdoor workouts: legend entries 1 and 3.
        QVERIFY(control<QLabel>(graph, QStringLiteral("Label3(1)"))->isVisibleTo(graph));
        QCOMPARE(control<QLabel>(graph, QStringLiteral("Label3(1)"))->text(), QStringLiteral("Hilly"));
        QCOMPARE(control<QLabel>(graph, QStringLiteral("Label3(3)"))->text(), QStringLiteral("Flat - Outdoor"));
        QVERIFY(!control<QLabel>(graph, QStringLiteral("Label3(2)"))->isVisibleTo(graph));
    }
}

void TestGraphWindows::abdominalGraph()
{
    // The hidden Results > Abdomen opens the body-weight chart options in
    // their abdominal mode, whose View Chart opens this graph.
    ShellFixture::Options options;
    options.today = QDate(2026, 3, 1);
    ShellFixture f({registerGraphWindows, registerBMIChartWindows}, options);
    TestEnvironment::writeFile(f.dataFolder(), QStringLiteral("Abdominal.txt"),
                               "\"01-Mar-26\",10,0,30\r\n\"28-Feb-26\",12,2,28\r\n\"27-Feb-26\",14,4,26\r\n");
    f.click(QStringLiteral("itmAbdGraph"));
    WorkingWindow *abdominalOptions = f.window(QStringLiteral("frmChartBMI"));
    QVERIFY(abdominalOptions);
    control<QComboBox>(abdominalOptions, QStringLiteral("Combo1(2)"))->setCurrentText(QStringLiteral("Last 14 Entries"));
    control<QCheckBox>(abdominalOptions, QStringLiteral("chkViewWeight"))->setChecked(true);
    press(abdominalOptions, QStringLiteral("lblEnter"));

    auto *graph = f.windowAs<frmFitnessGraph>(QStringLiteral("frmFitnessGraph"));
    QVERIFY(graph);
    QCOMPARE(graph->windowTitle(), QStringLiteral("Graphical Output for Abdomen Excercises"));
    QVERIFY(f.messages().isEmpty());
    QVERIFY(!control<QLabel>(graph, QStringLiteral("lblSysInfo"))->isVisibleTo(graph));
    QVERIFY(!control<QLabel>(graph, QStringLiteral("lblPrint"))->isVisibleTo(graph));
    QCOMPARE(control<QLabel>(graph, QStringLiteral("lblDis"))->text(), QStringLiteral("Reps"));
    QVERIFY(!control<QLabel>(graph, QStringLiteral("lblTime"))->isVisibleTo(graph));
    QCOMPARE(control<QLabel>(graph, QStringLiteral("Label3(3)"))->text(), QStringLiteral("Lower Abs"));
    QVERIFY(!control<QLabel>(graph, QStringLiteral("Label3(1)"))->isVisibleTo(graph));
    // Records 1 and 3 as groups 1 and 2 (step 2: base 837): the oblique bar
    // of record 3 (26 reps) stands from 837 - 260 + 100 + 45 and up to 93.
    QCOMPARE(pixelAt(graph, 730, 76), QColor(255, 0, 0));
    QCOMPARE(pixelAt(graph, 545, 76), QColor(100, 20, 33)); // no third group: the floor
}

void TestGraphWindows::abdominalGraphOfADamagedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("told"); // one message naming the file
    QTest::addColumn<bool>("secondGroup");
    const QByteArray two = "\"01-Mar-26\",10,0,30\r\n\"28-Feb-26\",12,2,28\r\n";
    QTest::newRow("third record cut off") << two + "\"27-Feb-26\",14,4\r\n" << true << false;
    QTest::newRow("a word for a number") << two + "\"27-Feb-26\",14,four,26\r\n" << true << false;
    QTest::newRow("binary bytes after the records")
        << two + "\"27-Feb-26\",14,4,26\r\n" + QByteArray("\x00\x81\xff\r\n", 5) << true << true;
    QTest::newRow("blank last lines") << two + "\"27-Feb-26\",14,4,26\r\n\r\n\r\n" << false << true;
}

// "Last 14 Entries" shows records 1 and 3: a damaged file shows what was
// read before the damage, names the file and stays as it was.
void TestGraphWindows::abdominalGraphOfADamagedFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, told);
    QFETCH(bool, secondGroup);
    ShellFixture::Options options;
    options.today = QDate(2026, 3, 1);
    ShellFixture f({registerGraphWindows, registerBMIChartWindows}, options);
    TestEnvironment::writeFile(f.dataFolder(), QStringLiteral("Abdominal.txt"), bytes);
    f.click(QStringLiteral("itmAbdGraph"));
    WorkingWindow *abdominalOptions = f.window(QStringLiteral("frmChartBMI"));
    QVERIFY(abdominalOptions);
    control<QComboBox>(abdominalOptions, QStringLiteral("Combo1(2)"))->setCurrentText(QStringLiteral("Last 14 Entries"));
    press(abdominalOptions, QStringLiteral("lblEnter"));

    auto *graph = f.windowAs<frmFitnessGraph>(QStringLiteral("frmFitnessGraph"));
    QVERIFY(graph);
    const QStringList messages = f.takeMessages();
    QCOMPARE(messages.size(), told ? 1 : 0);
    if (told)
        QVERIFY2(messages.first().contains(QStringLiteral("Abdominal.txt")), qPrintable(messages.first()));
    // The oblique bar of record 3, the second group, or the bare floor.
    QCOMPARE(pixelAt(graph, 730, 76) == QColor(255, 0, 0), secondGroup);
    QCOMPARE(TestEnvironment::readFile(f.dataFolder(), QStringLiteral("Abdominal.txt")), bytes);
}

frmFitnessGraph *TestGraphWindows::openGraph(ShellFixture &f, const QString &item, const QString &category,
                                             const QString &exercise, bool line)
{
    frmChartInfo *dialog = openOptions(f, item);
    choose(dialog, category, exercise);
    control<QRadioButton>(dialog, line ? QStringLiteral("Option2(1)") : QStringLiteral("Option2(0)"))->setChecked(true);
    press(dialog, QStringLiteral("lblEnter"));
    return f.windowAs<frmFitnessGraph>(QStringLiteral("frmFitnessGraph"));
}

// A PDF path for the print service, no file there yet.
QString TestGraphWindows::pdfFile(const QString &name)
{
    const QString pdf = TestEnvironment::freshFolder(QStringLiteral("pdf")) + u'/' + name;
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    return pdf;
}

QString TestGraphWindows::run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Pixels of the printed page that are not grey.
int TestGraphWindows::colouredPixels(const QString &pdf)
{
    const QString png = pdf + QStringLiteral("-page");
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("40"),
                                      QStringLiteral("-singlefile"), pdf, png});
    const QImage page(png + QStringLiteral(".png"));
    if (page.isNull())
        return -1;
    int n = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (qMax(qAbs(c.red() - c.green()), qAbs(c.green() - c.blue())) > 24)
                ++n;
        }
    return n;
}

void TestGraphWindows::printedWeightGraph_data()
{
    QTest::addColumn<bool>("line");
    QTest::addColumn<bool>("colour");
    QTest::newRow("bars in colour") << false << true;
    QTest::newRow("bars in black and white") << false << false;
    QTest::newRow("lines in colour") << true << true;
    QTest::newRow("lines in black and white") << true << false;
}

void TestGraphWindows::printedWeightGraph()
{
    QFETCH(bool, line);
    QFETCH(bool, colour);
    auto f = fixture();
    frmFitnessGraph *graph = openGraph(*f, QStringLiteral("itmWeight"), QStringLiteral("Biceps"),
                                       QStringLiteral("Barbell Curl"), line);
    QVERIFY(graph);
    if (!colour) {
        // A click on the caption "Black and White" chooses it.
        auto *caption = control<QLabel>(graph, QStringLiteral("Label1(1)"));
        QTest::mouseClick(caption, Qt::LeftButton);
        QVERIFY(control<QRadioButton>(graph, QStringLiteral("Option1(1)"))->isChecked());
        QVERIFY(!control<QRadioButton>(graph, QStringLiteral("Option1(0)"))->isChecked());
    }
    const QString pdf = pdfFile(QStringLiteral("weight.pdf"));
    press(graph, QStringLiteral("lblPrint"));
    qunsetenv(PrintService::kPdfVariable);
    QVERIFY(f->messages().isEmpty());
    QVERIFY(QFile::exists(pdf));

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b"))), qPrintable(info));
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
    QVERIFY(size.hasMatch());
    QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble()); // landscape
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("This is the Results of your Barbell Curl Exercise")), qPrintable(text));
    for (int set = 1; set <= 5; ++set)
        QVERIFY(text.contains(QStringLiteral("Set %1").arg(set)));
    QVERIFY(text.contains(QStringLiteral("1-Mar")) && text.contains(QStringLiteral("26-Feb")));
    QVERIFY(text.contains(DateText::longDate(QDate(2026, 3, 1))));
    const int coloured = colouredPixels(pdf);
    QVERIFY(coloured >= 0);
    QCOMPARE(coloured > 0, colour);
}

void TestGraphWindows::printedAerobicGraph()
{
    auto f = fixture();
    frmChartInfo *dialog = openOptions(*f, QStringLiteral("itmAero"));
    choose(dialog, QStringLiteral("Outdoor Activites"), QStringLiteral("Running"));
    control<QRadioButton>(dialog, QStringLiteral("optDistance(3)"))->click();
    control<QRadioButton>(dialog, QStringLiteral("optTime(1)"))->click();
    control<QRadioButton>(dialog, QStringLiteral("Option2(0)"))->setChecked(true);
    press(dialog, QStringLiteral("lblEnter"));
    auto *graph = f->windowAs<frmFitnessGraph>(QStringLiteral("frmFitnessGraph"));
    QVERIFY(graph);
    const QString pdf = pdfFile(QStringLiteral("running.pdf"));
    press(graph, QStringLiteral("lblPrint"));
    qunsetenv(PrintService::kPdfVariable);
    QVERIFY(f->messages().isEmpty());
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.contains(QStringLiteral("This is the Results of your Running Exercise")));
    // 3 miles in half an hour: 9.6 kilometres an hour; 5 miles in an hour: 8.
    QVERIFY2(text.contains(QStringLiteral("9.6")) && text.contains(QStringLiteral("1-Mar")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("27-Feb")));
    QVERIFY(colouredPixels(pdf) > 0);
}

void TestGraphWindows::nothingPrintedWithoutAPage_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<bool>("line");
    QTest::newRow("empty aerobic log") << QByteArray() << false;
    QTest::newRow("aerobic line graph") << QByteArray("\"01-Mar-26\",30,3,\"Hilly \"\r\n") << true;
}

void TestGraphWindows::nothingPrintedWithoutAPage()
{
    QFETCH(QByteArray, log);
    QFETCH(bool, line);
    auto f = fixture();
    TestEnvironment::writeFile(f->dataFolder(), QStringLiteral("OuRunning.txt"), log);
    frmFitnessGraph *graph =
        openGraph(*f, QStringLiteral("itmAero"), QStringLiteral("Outdoor Activites"), QStringLiteral("Running"), line);
    QVERIFY(graph);
    QCOMPARE(control<QLabel>(graph, QStringLiteral("lblPrint"))->isEnabled(), !line);
    const QString pdf = pdfFile(QStringLiteral("none.pdf"));
    press(graph, QStringLiteral("lblPrint"));
    if (line)
        graph->PrintInfo(); // even when asked, a line graph has no printed form
    qunsetenv(PrintService::kPdfVariable);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(f->messages().isEmpty());
}

void TestGraphWindows::printerFailureIsReported()
{
    auto f = fixture();
    frmFitnessGraph *graph = openGraph(*f, QStringLiteral("itmWeight"), QStringLiteral("Biceps"),
                                       QStringLiteral("Barbell Curl"), false);
    QVERIFY(graph);
    const QString pdf = TestEnvironment::root() + QStringLiteral("/no such folder/weight.pdf");
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    press(graph, QStringLiteral("lblPrint"));
    qunsetenv(PrintService::kPdfVariable);
    QCOMPARE(f->messages().size(), 1);
    QVERIFY(f->messages().first().contains(pdf));
}

PULSAR_TEST_MAIN(TestGraphWindows)
#include "tst_graphwindows.moc"
