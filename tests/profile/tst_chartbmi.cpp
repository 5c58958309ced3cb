#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

#include "common/DateText.h"
#include "common/ImageSurface.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "profile/BMIChartWindows.h"
#include "profile/WeightGoal.h"
#include "profile/WeightHistory.h"
#include "profile/frmChartBMI.h"
#include "profile/frmFitnessBMI.h"
#include "profile/mBMI.h"
#include "shell/MsgBox.h"
#include "shell/PictureBox.h"
#include "shell/PrintService.h"
#include "shell/Shape.h"
#include "shell/Shell.h"
#include "shell/Twips.h"
#include "shell/WorkingWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QProcess>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

const QDate kToday(2026, 12, 14);

// A working window of another name that only shows itself.
class OtherWindow : public WorkingWindow
{
public:
    using WorkingWindow::WorkingWindow;
    void Form_Load() override
    {
        setWidthTwips(3000);
        setHeightTwips(3000);
        showWindow();
    }
};

void registerOther(WindowRegistry &registry)
{
    registry.add(QStringLiteral("frmOther"), [](Shell &shell) { return new OtherWindow(shell); });
}

void registerGraph(WindowRegistry &registry)
{
    registry.add(QStringLiteral("frmFitnessGraph"),
                 [](Shell &shell) { return new OtherWindow(shell); });
}

using WindowTest::click;
using WindowTest::control;
using WindowTest::hover;

ShellFixture::Options on(QList<QStringList> settings = {})
{
    return WindowTest::on(kToday, std::move(settings));
}

void writeHistory(ShellFixture &f, const QByteArray &bytes)
{
    WindowTest::write(f, WeightHistory::kFileName, bytes);
}

// A few weighings a week apart, newest first, 70 inches tall.
const QByteArray kWeighings = "\"07-Dec-26\",40,180,70\r\n"
                              "\"30-Nov-26\",40,183,70\r\n"
                              "\"23-Nov-26\",40,186,70\r\n"
                              "\"16-Nov-26\",40,190,70\r\n"
                              "\"Initializer\",0,0,0\r\n";

// Opens the options dialog in body-weight mode, sets its choices and views
// the chart.
frmFitnessBMI *viewChart(ShellFixture &f, const QString &period, const QString &kind, bool bars)
{
    f.trigger(QStringLiteral("itmBWG"));
    WorkingWindow *dialog = f.window(QStringLiteral("frmChartBMI"));
    if (!dialog)
        return nullptr;
    control<QComboBox>(dialog, "Combo1(2)")->setCurrentText(period);
    control<QComboBox>(dialog, "Combo2")->setCurrentText(kind);
    control<QRadioButton>(dialog, bars ? "Option2(0)" : "Option2(1)")->setChecked(true);
    click(dialog, "lblEnter");
    return f.windowAs<frmFitnessBMI>(QStringLiteral("frmFitnessBMI"));
}

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// Pixels of the picture that are neither its back colour nor one of the
// frame's colours: the columns or the ribbon.
int seriesPixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 60 && c.green() > 120 && c.blue() < 60)
                ++n;
        }
    return n;
}

} // namespace

class TestChartBMI : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void dialogStartsWithItsDefaults();
    void viewChartHidesTheDialogAndDrawsTheChart_data();
    void viewChartHidesTheDialogAndDrawsTheChart();
    void captionsAndOptionLabels();
    void abdominalModeHandsOverToTheGraph();
    void abdominalModeWithoutGraphKeepsTheDialog();
    void goalSentences_data();
    void goalSentences();
    void printsTheChartIntoAPdf_data();
    void printsTheChartIntoAPdf();
    void printTwiceKeepsTheLabels();
    void printReadsTheHiddenDialog();
    void printFailureSaysSoWithTheButtonPressed();
    void anotherWindowClosesTheChart();
    void printDialogDoesNotCloseTheChart();
    void unreadableHistoryIsReportedOnce();
};

void TestChartBMI::cleanup()
{
    qunsetenv(PrintService::kPdfVariable);
}

void TestChartBMI::dialogStartsWithItsDefaults()
{
    ShellFixture f({registerBMIChartWindows}, on());
    QVERIFY(f.trigger(QStringLiteral("itmBWG")));
    auto *dialog = f.windowAs<frmChartBMI>(QStringLiteral("frmChartBMI"));
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Chart Information for BMI Graph"));
    // The open animation grows it 100 twips a step to its final height.
    QCOMPARE(dialog->heightTwips(), 4840);
    QCOMPARE(dialog->widthTwips(), 5100);
    auto *period = control<QComboBox>(dialog, "Combo1(2)");
    QCOMPARE(period->count(), 7);
    QCOMPARE(period->itemText(6), QStringLiteral("Last 360 Entries"));
    QCOMPARE(period->currentText(), QStringLiteral("Last 7 Entries"));
    QVERIFY(!period->isEditable());
    auto *kind = control<QComboBox>(dialog, "Combo2");
    QCOMPARE(kind->currentText(), QStringLiteral("Weight Only"));
    QCOMPARE(kind->itemText(1), QStringLiteral("BMI (Body Mass Index)"));
    QVERIFY(!kind->isEditable());
    QVERIFY(control<QRadioButton>(dialog, "Option2(0)")->isChecked());
    QVERIFY(control<QCheckBox>(dialog, "chkViewWeight")->isHidden());
    QVERIFY(control(dialog, "lblViewWeight")->isHidden());
    QCOMPARE(control<QLabel>(dialog, "lblEnter")->text(),
             QString(71, u' ') + QStringLiteral("View      Chart"));
}

void TestChartBMI::viewChartHidesTheDialogAndDrawsTheChart_data()
{
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("bars");
    QTest::addColumn<QString>("caption");
    QTest::newRow("defaults") << "Last 7 Entries" << "Weight Only" << true
                              << "Body Weight For Your Last 7 Entries";
    QTest::newRow("BMI line, 30") << "Last 30 Entries" << "BMI (Body Mass Index)" << false
                                  << "Body Mass Index (BMI) For Your Last 30 Entries";
}

void TestChartBMI::viewChartHidesTheDialogAndDrawsTheChart()
{
    QFETCH(QString, period);
    QFETCH(QString, kind);
    QFETCH(bool, bars);
    QFETCH(QString, caption);
    ShellFixture f({registerBMIChartWindows}, on());
    writeHistory(f, kWeighings);
    frmFitnessBMI *chart = viewChart(f, period, kind, bars);
    QVERIFY(chart);
    WorkingWindow *dialog = f.window(QStringLiteral("frmChartBMI"));
    QVERIFY(dialog);
    QVERIFY(!dialog->isShownWindow());
    QCOMPARE(f.openWindow(), chart);
    QCOMPARE(chart->windowTitle(), caption);
    QCOMPARE(chart->frame()->windowTitle(), caption);
    QCOMPARE(chart->heightTwips(), 6340);
    QVERIFY(f.messages().isEmpty());
    auto *picture = control<PictureBox>(chart, "pctGraph");
    QVERIFY(picture->hasSurface());
    QVERIFY(seriesPixels(picture->surface().image()) > 50);
    QCOMPARE(f.settings().get(SettingKeys::BMIChart, mBMI::kPreXOneKey, QString()),
             QStringLiteral("0"));
}

void TestChartBMI::captionsAndOptionLabels()
{
    ShellFixture f({registerBMIChartWindows}, on());
    f.trigger(QStringLiteral("itmBWG"));
    WorkingWindow *dialog = f.window(QStringLiteral("frmChartBMI"));
    click(dialog, "Label3");
    QVERIFY(control<QRadioButton>(dialog, "Option2(1)")->isChecked());
    click(dialog, "Label2");
    QVERIFY(control<QRadioButton>(dialog, "Option2(0)")->isChecked());

    auto *notes = control<QLabel>(dialog, "lblNotes");
    hover(control(dialog, "Label4"));
    QCOMPARE(notes->text(), QStringLiteral("Choose which type evaluation form to view"));
    hover(control(dialog, "Label8"));
    QCOMPARE(notes->text(), QStringLiteral("Choose which type of graph to view"));
    // The bare dialog changes nothing.
    hover(dialog);
    QCOMPARE(notes->text(), QStringLiteral("Choose which type of graph to view"));

    QVERIFY(WindowTest::chooseByKeys(control<QComboBox>(dialog, "Combo2"), QStringLiteral("BMI (Body Mass Index)")));
    QCOMPARE(notes->text(), QStringLiteral("Press F1 to view details about BMI chart"));
}

void TestChartBMI::abdominalModeHandsOverToTheGraph()
{
    ShellFixture f({registerBMIChartWindows, registerGraph}, on());
    f.click(QStringLiteral("itmAbdGraph"));
    WorkingWindow *dialog = f.window(QStringLiteral("frmChartBMI"));
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Abdonomal Excercises Chart"));
    QVERIFY(control(dialog, "Combo2")->isHidden());
    QVERIFY(control(dialog, "Label4")->isHidden());
    QVERIFY(!control(dialog, "chkViewWeight")->isHidden());
    QVERIFY(!control(dialog, "lblViewWeight")->isHidden());
    click(dialog, "lblViewWeight");
    QVERIFY(control<QCheckBox>(dialog, "chkViewWeight")->isChecked());
    click(dialog, "lblViewWeight");
    QVERIFY(!control<QCheckBox>(dialog, "chkViewWeight")->isChecked());

    control<QComboBox>(dialog, "Combo1(2)")->setCurrentText(QStringLiteral("Last 90 Entries"));
    click(dialog, "lblEnter");
    QCOMPARE(f.settings().get(SettingKeys::BMIInfo, mBMI::kAbTimeCheckedKey, QString()),
             QStringLiteral("Last 90 Entries"));
    QVERIFY(f.window(QStringLiteral("frmFitnessGraph")));
    QVERIFY(!f.window(QStringLiteral("frmFitnessBMI")));
    QVERIFY(f.window(QStringLiteral("frmChartBMI")));
    QVERIFY(!f.window(QStringLiteral("frmChartBMI"))->isShownWindow());
}

void TestChartBMI::abdominalModeWithoutGraphKeepsTheDialog()
{
    ShellFixture f({registerBMIChartWindows}, on());
    f.click(QStringLiteral("itmAbdGraph"));
    WorkingWindow *dialog = f.window(QStringLiteral("frmChartBMI"));
    QVERIFY(dialog);
    click(dialog, "lblEnter");
    QCOMPARE(f.settings().get(SettingKeys::BMIInfo, mBMI::kAbTimeCheckedKey, QString()),
             QStringLiteral("Last 7 Entries"));
    QVERIFY(!f.window(QStringLiteral("frmFitnessBMI")));
    QCOMPARE(f.openWindow(), dialog);
    QVERIFY(dialog->heightTwips() >= 4755);
}

void TestChartBMI::goalSentences_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("goal");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("goalText");
    QTest::addColumn<QString>("rateText");
    QTest::addColumn<bool>("rateShown");
    QTest::newRow("10 in 35 days")
        << "180" << "170" << 35
        << "According to your goal setting objectives, you have 35 days to lose 10 pounds."
        << "That's 2 pounds per week." << true;
    QTest::newRow("reached") << "150.5" << "150" << 35
                             << "CONGRATULATIONS  Ann!   You've  reached  your  weight  goal."
                             << "" << false;
    QTest::newRow("goal no number") << "180" << "slim" << 35 << "" << "" << true;
}

void TestChartBMI::goalSentences()
{
    QFETCH(QString, weight);
    QFETCH(QString, goal);
    QFETCH(int, days);
    QFETCH(QString, goalText);
    QFETCH(QString, rateText);
    QFETCH(bool, rateShown);
    using namespace SettingKeys;
    ShellFixture f({registerBMIChartWindows},
                   on({{PersonalInformation, Weight, weight},
                       {PersonalInformation, FirstName, "Ann"},
                       {Goals, WeightGoal::kGoalWeightKey, goal},
                       {Goals, WeightGoal::kGoalDateKey, DateText::shortDate(kToday.addDays(days))}}));
    frmFitnessBMI *chart = viewChart(f, "Last 7 Entries", "Weight Only", true);
    QVERIFY(chart);
    QCOMPARE(control<QLabel>(chart, "lblGoalSetting")->text(), goalText);
    QCOMPARE(control<QLabel>(chart, "Label1(0)")->text(), rateText);
    QCOMPARE(!control<QLabel>(chart, "Label1(0)")->isHidden(), rateShown);
    // Dark text on the light grey, whatever the common formatting did.
    QCOMPARE(control<QLabel>(chart, "lblGoalSetting")->palette().color(QPalette::WindowText),
             QColor(Qt::black));
}

void TestChartBMI::printsTheChartIntoAPdf_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("bars");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("BMI columns") << "BMI (Body Mass Index)" << true
                                 << QStringList{"Overweight 25", "Obese 30", "7-Dec", "25.9"}
                                 << QStringList{"->"};
    QTest::newRow("weight line") << "Weight Only" << false
                                 << QStringList{"300", "7-Dec", "180", "16-Nov", "190"}
                                 << QStringList{"Overweight"};
}

void TestChartBMI::printsTheChartIntoAPdf()
{
    QFETCH(QString, kind);
    QFETCH(bool, bars);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    ShellFixture f({registerBMIChartWindows}, on());
    writeHistory(f, kWeighings);
    frmFitnessBMI *chart = viewChart(f, "Last 7 Entries", kind, bars);
    QVERIFY(chart);
    const QString pdf = TestEnvironment::freshFolder() + QStringLiteral("/bmi.pdf");
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    click(chart, "lblPrint");
    QVERIFY(f.messages().isEmpty());
    QCOMPARE(pdfPages(pdf), 1);
    const QString text = pdfText(pdf);
    for (const QString &t : present)
        QVERIFY2(text.contains(t), qPrintable(t + QStringLiteral(" missing in:\n") + text));
    for (const QString &t : absent)
        QVERIFY2(!text.contains(t), qPrintable(t));
    // The window stays, with its chart.
    QCOMPARE(f.window(QStringLiteral("frmFitnessBMI")), chart);
}

void TestChartBMI::printTwiceKeepsTheLabels()
{
    ShellFixture f({registerBMIChartWindows}, on());
    writeHistory(f, kWeighings);
    frmFitnessBMI *chart = viewChart(f, "Last 7 Entries", "Weight Only", false);
    QVERIFY(chart);
    const QString folder = TestEnvironment::freshFolder();
    QString texts[2];
    for (int i = 0; i < 2; ++i) {
        const QString pdf = folder + QStringLiteral("/print%1.pdf").arg(i);
        qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
        click(chart, "lblPrint");
        texts[i] = pdfText(pdf);
    }
    QVERIFY(texts[1].contains(QStringLiteral("300")));
    QVERIFY(texts[1].contains(QStringLiteral("7-Dec")));
    QCOMPARE(texts[1], texts[0]);
}

void TestChartBMI::printReadsTheHiddenDialog()
{
    ShellFixture f({registerBMIChartWindows}, on());
    writeHistory(f, kWeighings);
    frmFitnessBMI *chart = viewChart(f, "Last 7 Entries", "Weight Only", true);
    QVERIFY(chart);
    WorkingWindow *dialog = f.window(QStringLiteral("frmChartBMI"));
    control<QComboBox>(dialog, "Combo2")->setCurrentText(mBMI::kBMIKind);
    const QString pdf = TestEnvironment::freshFolder() + QStringLiteral("/bmi.pdf");
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    click(chart, "lblPrint");
    QVERIFY(pdfText(pdf).contains(QStringLiteral("Overweight 25")));
}

void TestChartBMI::printFailureSaysSoWithTheButtonPressed()
{
    ShellFixture f({registerBMIChartWindows}, on());
    writeHistory(f, kWeighings);
    frmFitnessBMI *chart = viewChart(f, "Last 7 Entries", "Weight Only", true);
    QVERIFY(chart);
    const QString pdf = TestEnvironment::freshFolder() + QStringLiteral("/missing/folder/x.pdf");
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    Shape *front = control<Shape>(chart, "shpFrontPrint");
    QStringList messages;
    int leftDuringPrint = 0;
    MsgBox::setRecorder([&](const QString &text) {
        messages.append(text);
        leftDuringPrint = Twips::left(front);
    });
    click(chart, "lblPrint");
    QCOMPARE(messages, QStringList{PrintService::cannotStartMessage(pdf)});
    QCOMPARE(leftDuringPrint, 390);
    QCOMPARE(Twips::left(front), 435);
    QCOMPARE(Twips::left(control(chart, "lblPrint")), 435);
    QVERIFY(f.window(QStringLiteral("frmFitnessBMI")));
}

void TestChartBMI::anotherWindowClosesTheChart()
{
    ShellFixture f({registerBMIChartWindows, registerOther}, on());
    QVERIFY(viewChart(f, "Last 7 Entries", "Weight Only", true));
    f.shell().loadForm(QStringLiteral("frmOther"));
    ShellFixture::settle();
    QVERIFY(!f.window(QStringLiteral("frmFitnessBMI")));
    QVERIFY(f.window(QStringLiteral("frmOther")));
}

void TestChartBMI::printDialogDoesNotCloseTheChart()
{
    ShellFixture f({registerBMIChartWindows}, on());
    writeHistory(f, kWeighings);
    frmFitnessBMI *chart = viewChart(f, "Last 7 Entries", "Weight Only", true);
    QVERIFY(chart);
    bool dialogSeen = false;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            dialogSeen = true;
            dialog->reject();
        }
    });
    closer.start();
    click(chart, "lblPrint");
    closer.stop();
    ShellFixture::settle();
    QVERIFY(dialogSeen);
    QCOMPARE(f.window(QStringLiteral("frmFitnessBMI")), chart);
    QVERIFY(f.messages().isEmpty());
}

void TestChartBMI::unreadableHistoryIsReportedOnce()
{
    ShellFixture f({registerBMIChartWindows}, on());
    writeHistory(f, "\"07-Dec-26\",40,180,70\r\n\"30-Nov-26\",40,heavy,70\r\n");
    QVERIFY(viewChart(f, "Last 7 Entries", "Weight Only", true));
    const QStringList messages = f.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages.first().contains(WeightHistory::kFileName));
}

PULSAR_TEST_MAIN(TestChartBMI)
#include "tst_chartbmi.moc"
