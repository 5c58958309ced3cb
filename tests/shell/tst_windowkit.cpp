#include "FakeWindow.h"
#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"

#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "shell/DatePicker.h"
#include "shell/HoverHint.h"
#include "shell/LabelButton.h"
#include "shell/MDIFitness.h"
#include "shell/Shape.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/WavPlayer.h"
#include "shell/mFormProcedures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScrollBar>
#include <QScopeGuard>
#include <QSemaphore>
#include <QThread>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

using namespace mFormProcedures;

namespace {

// A loaded window of a given height, to run the procedures on.
WorkingWindow *loadPlain(ShellFixture &fixture, const QString &name, int height)
{
    WorkingWindow *w = fixture.main().loadForm(name);
    w->setHeightTwips(height);
    return w;
}

WindowRegistry::Registrar plainWindows(QStringList names)
{
    return [names](WindowRegistry &registry) {
        for (const QString &name : names)
            registry.add(name, [](Shell &shell) { return new WorkingWindow(shell); });
    };
}

QList<QStringList> scrolling(const QString &value)
{
    if (value.isNull())
        return {};
    return {{SettingKeys::Fitness, SettingKeys::Scrolling, value}};
}

// Records what reaches the sound channel.
class RecordingChannel : public WavPlayer::Channel
{
public:
    explicit RecordingChannel(QStringList *log) : m_log(log) {}
    void play(const QUrl &source) override
    {
        *m_log << QStringLiteral("play ") + source.fileName();
        m_playing = true;
    }
    void stop() override
    {
        *m_log << QStringLiteral("stop");
        m_playing = false;
    }
    bool isPlaying() const override { return m_playing; }

private:
    QStringList *m_log;
    bool m_playing = false;
};

// The mouse moving over `widget` at `pos` with no button down.
void moveOver(QWidget *widget, QPoint pos = QPoint(3, 3))
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class TestWindowKit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        WavPlayer::instance().setChannel(nullptr);
        WavPlayer::instance().setLoader(nullptr);
    }

    void openFormGrowsOrSetsTheHeight_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("finalHeight");
        QTest::addColumn<int>("expected");
        QTest::newRow("on, 40 to 5000 ends at 5040") << "True" << 40 << 5000 << 5040;
        QTest::newRow("on, 40 to 5040") << "True" << 40 << 5040 << 5040;
        QTest::newRow("on, taller window kept") << "True" << 6000 << 5000 << 6000;
        QTest::newRow("off, at once") << "False" << 40 << 6000 << 6000;
        QTest::newRow("off, taller window cut") << "False" << 6000 << 5000 << 5000;
        QTest::newRow("off, any letter case") << "false" << 40 << 4590 << 4590;
        QTest::newRow("missing means on") << QString() << 40 << 5000 << 5040;
        QTest::newRow("garbage means on") << "sometimes" << 40 << 5000 << 5040;
        QTest::newRow("zero means off") << "0" << 40 << 4000 << 4000;
    }
    void openFormGrowsOrSetsTheHeight()
    {
        QFETCH(QString, stored);
        QFETCH(int, start);
        QFETCH(int, finalHeight);
        QFETCH(int, expected);
        ShellFixture::Options options;
        options.settings = scrolling(stored);
        ShellFixture fixture({plainWindows({"frmA", "frmB"})}, options);
        WorkingWindow *a = loadPlain(fixture, "frmA", start);
        // Every loaded window of normal state is treated, not only the caller.
        WorkingWindow *b = loadPlain(fixture, "frmB", start);
        qint16 h = qint16(finalHeight);
        OpenForm(h);
        QCOMPARE(a->heightTwips(), expected);
        QCOMPARE(b->heightTwips(), expected);
    }

    void closeFormShrinksOnlyWithTheAnimation_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");
        QTest::newRow("on, 5040 ends at 340") << "True" << 5040 << 340;
        QTest::newRow("on, 4600 ends at 400") << "True" << 4600 << 400;
        QTest::newRow("on, 406 ends at 306") << "True" << 406 << 306;
        QTest::newRow("on, 405 left alone") << "True" << 405 << 405;
        QTest::newRow("off, unchanged") << "False" << 5040 << 5040;
        QTest::newRow("missing means on") << QString() << 5040 << 340;
        QTest::newRow("garbage means on") << "yes please" << 5040 << 340;
    }
    void closeFormShrinksOnlyWithTheAnimation()
    {
        QFETCH(QString, stored);
        QFETCH(int, start);
        QFETCH(int, expected);
        ShellFixture::Options options;
        options.settings = scrolling(stored);
        ShellFixture fixture({plainWindows({"frmA"})}, options);
        WorkingWindow *a = loadPlain(fixture, "frmA", start);
        CloseForm();
        QCOMPARE(a->heightTwips(), expected);
    }

    void minimisedAndMaximisedWindowsAreLeftAlone()
    {
        ShellFixture fixture({plainWindows({"frmA", "frmB", "frmC"})});
        WorkingWindow *minimised = loadPlain(fixture, "frmA", 40);
        WorkingWindow *maximised = loadPlain(fixture, "frmB", 40);
        WorkingWindow *normal = loadPlain(fixture, "frmC", 40);
        minimised->frame()->showMinimized();
        maximised->frame()->showMaximized();
        const int minimisedHeight = minimised->frame()->height();
        OpenForm(5000);
        PaintForms();
        QCOMPARE(normal->heightTwips(), 5040);
        QVERIFY(normal->hasGradient());
        QCOMPARE(minimised->frame()->height(), minimisedHeight);
        QVERIFY(!minimised->hasGradient());
        QVERIFY(!maximised->hasGradient());
    }

    void gradientColours_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("blue");
        QTest::newRow("left edge") << 0 << 50;
        QTest::newRow("50.5 goes to the even 50") << 2 << 50;
        QTest::newRow("50.75") << 3 << 51;
        QTest::newRow("254.5 goes to the even 254") << 818 << 254;
        QTest::newRow("254.75") << 819 << 255;
        QTest::newRow("full blue from 820") << 820 << 255;
        QTest::newRow("right edge, limited to 255") << 1000 << 255;
    }
    void gradientColours()
    {
        QFETCH(int, x);
        QFETCH(int, blue);
        QCOMPARE(gradientColour(x), QColor(0, 0, blue));
        // The painted background: unit x of 1000 on a 1000-pixel-wide area.
        const QImage image = gradientPixmap(QSize(1000, 4)).toImage();
        if (x < 1000)
            QCOMPARE(image.pixelColor(x, 2), QColor(0, 0, blue));
    }

    void formatControlsStylesEachKind()
    {
        ShellFixture fixture({plainWindows({"frmA", "frmHidden"})});
        WorkingWindow *w = fixture.main().loadForm("frmA");
        auto *label = new QLabel("Caption", w);
        label->setObjectName("Label1");
        auto *enter = new QLabel("Enter", w);
        enter->setObjectName("lblEnter");
        auto *box = new TextBox(w, "txtWeight");
        auto *combo = new QComboBox(w);
        auto *check = new QCheckBox("Check", w);
        auto *option = new QRadioButton("Option", w);
        auto *list = new QListWidget(w);
        auto *date = new DatePicker(w, "DTPicker1");
        auto *frame = new QGroupBox("Frame", w);
        auto *inFrame = new QLabel("Inside", frame);
        auto *bar = new QScrollBar(Qt::Vertical, w);
        auto *image = new QLabel(w);
        image->setPixmap(QPixmap(8, 8));
        auto *shadow = new Shape(w, "Shape2");
        auto *front = new Shape(w, "Shape1");
        front->setBorderColor(Qt::red);
        front->setBorderWidth(3);
        auto *upDown = new QSpinBox(w);
        upDown->setProperty(kNoFontProperty, true);
        const QFont barFont = bar->font();
        const QFont imageFont = image->font();
        const QFont upDownFont = upDown->font();

        // A hidden window keeps its own styling.
        WorkingWindow *hidden = fixture.main().loadForm("frmHidden");
        auto *hiddenLabel = new QLabel("Hidden", hidden);
        const QFont hiddenFont = hiddenLabel->font();
        hidden->hideWindow();

        FormatControls();

        for (QWidget *control : QList<QWidget *>{label, enter, box, combo, check, option, list, date, frame, inFrame}) {
            QCOMPARE(control->font().family(), QStringLiteral("Helvatica"));
            QCOMPARE(control->font().pointSizeF(), 10.0);
            QVERIFY(control->font().bold());
            QVERIFY(!control->font().italic());
        }
        QCOMPARE(bar->font(), barFont);
        QCOMPARE(image->font(), imageFont);
        QCOMPARE(upDown->font(), upDownFont);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(inFrame->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(enter->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(shadow->borderColor(), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(shadow->borderWidth(), 1);
        QCOMPARE(front->borderColor(), QColor(Qt::red));
        QCOMPARE(front->borderWidth(), 3);
        QCOMPARE(hiddenLabel->font(), hiddenFont);
    }

    void pressedLookIsSeenFromInsideTheWork_data()
    {
        QTest::addColumn<int>("options");
        QTest::addColumn<bool>("pressedDuringWork");
        QTest::newRow("work while pressed") << int(LabelButton::NoOptions) << true;
        QTest::newRow("moves back before the work") << int(LabelButton::MoveBackFirst) << false;
    }
    void pressedLookIsSeenFromInsideTheWork()
    {
        QFETCH(int, options);
        QFETCH(bool, pressedDuringWork);
        ShellFixture fixture({plainWindows({"frmA"})});
        WorkingWindow *w = fixture.main().loadForm("frmA");
        w->setHeightTwips(6000);
        auto *back = new Shape(w, "Shape2", Shape::Circle);
        auto *front = new Shape(w, "Shape1", Shape::Circle);
        auto *label = new QLabel("Enter", w);
        Twips::place(back, 8235, 1920, 1455, 1455);
        Twips::place(front, 8280, 1920, 1455, 1455);
        Twips::place(label, 8280, 1920, 1455, 1455);
        auto *button = new LabelButton(label, front, back, LabelButton::Options(options));

        QList<QPoint> seen;
        int works = 0;
        connect(button, &LabelButton::clicked, this, [&] {
            ++works;
            seen << QPoint(Twips::left(front), Twips::top(front)) << QPoint(Twips::left(label), Twips::top(label));
        });
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(20, 20));

        QCOMPARE(works, 1);
        const QPoint during = pressedDuringWork ? QPoint(8235, 1920) : QPoint(8280, 1920);
        QCOMPARE(seen, (QList<QPoint>{during, during}));
        // Back where they were, as whole twips.
        QCOMPARE(QPoint(Twips::left(front), Twips::top(front)), QPoint(8280, 1920));
        QCOMPARE(QPoint(Twips::left(label), Twips::top(label)), QPoint(8280, 1920));
    }

    void labelButtonActsOnMouseDownWhenAsked()
    {
        ShellFixture fixture({plainWindows({"frmA"})});
        WorkingWindow *w = fixture.main().loadForm("frmA");
        auto *back = new Shape(w, "Shape2");
        auto *front = new Shape(w, "Shape1");
        auto *label = new QLabel("Enter", w);
        Twips::place(back, 1000, 1000, 1200, 600);
        Twips::place(front, 1045, 1000, 1200, 600);
        Twips::place(label, 1045, 1000, 1200, 600);
        auto *onDown = new LabelButton(label, front, back, LabelButton::ActOnMouseDown);
        int works = 0;
        connect(onDown, &LabelButton::clicked, this, [&] { ++works; });
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(works, 1);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(works, 1);

        onDown->setOptions(LabelButton::NoOptions);
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(works, 1);
        // Released off the label: no click.
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-30, 5));
        QCOMPARE(works, 1);
    }

    void hintIsWrittenAndCleared()
    {
        ShellFixture fixture({plainWindows({"frmA"})});
        WorkingWindow *w = fixture.main().loadForm("frmA");
        w->setHeightTwips(6000);
        auto *notes = new QLabel(w);
        notes->setObjectName("lblNotes");
        Twips::place(notes, 120, 4000, 5000, 600);
        auto *caption = new QLabel("Weight", w);
        auto *other = new QLabel("Age", w);
        Twips::place(caption, 120, 120, 1500, 400);
        Twips::place(other, 120, 800, 1500, 400);
        for (QWidget *c : QList<QWidget *>{notes, caption, other})
            c->show();
        FormatControls();
        auto *hints = new HoverHint(w, notes);
        hints->add(caption, "Your weight in pounds.");
        hints->add(other, "Your age in years.");

        moveOver(caption);
        QCOMPARE(notes->text(), QStringLiteral("Your weight in pounds."));
        QCOMPARE(caption->font().pointSizeF(), 11.0);
        moveOver(other);
        QCOMPARE(notes->text(), QStringLiteral("Your age in years."));
        QCOMPARE(caption->font().pointSizeF(), 10.0);
        QCOMPARE(other->font().pointSizeF(), 11.0);

        // The bare window: notes emptied, captions back to 10 points.
        moveOver(w, QPoint(w->width() - 3, 3));
        QCOMPARE(notes->text(), QString());
        QCOMPARE(other->font().pointSizeF(), 10.0);
    }

    void hintCanHighlightByColour()
    {
        ShellFixture fixture({plainWindows({"frmA"})});
        WorkingWindow *w = fixture.main().loadForm("frmA");
        auto *notes = new QLabel(w);
        auto *caption = new QLabel("Biceps", w);
        Twips::place(caption, 120, 120, 1500, 400);
        caption->show();
        FormatControls();
        auto *hints = new HoverHint(w, notes, HoverHint::Colour);
        hints->setColours(Qt::white, Qt::yellow);
        hints->add(caption, "Choose the biceps.");
        moveOver(caption);
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        hints->clear();
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(caption->font().pointSizeF(), 10.0);
    }

    void secondSoundCutsOffTheFirst()
    {
        QStringList log;
        WavPlayer::instance().setChannel(std::make_unique<RecordingChannel>(&log));
        QVERIFY(PlayWav(kOpenSound, true));
        QVERIFY(PlayWav(kClickSound, true));
        QCOMPARE(log, (QStringList{"play open.wav", "stop", "play click.wav"}));
        // A missing file plays nothing and stops nothing.
        QVERIFY(!PlayWav(TestEnvironment::root() + "/nothing.wav", true));
        QCOMPARE(log.size(), 3);
    }

    void soundsAskedWhileTheChannelLoads_data()
    {
        // What happens before the channel's loading ends ("load"), and what
        // the channel then hears; "made" is the channel being made.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("one sound waits for the channel")
            << QStringList{"open", "load"} << QStringList{"made", "play open.wav"};
        QTest::newRow("a second sound cuts off the first")
            << QStringList{"open", "click", "load"} << QStringList{"made", "play click.wav"};
        QTest::newRow("a stop cancels the waiting sound")
            << QStringList{"open", "stop", "load"} << QStringList{"made"};
        QTest::newRow("sounds after the load go straight through")
            << QStringList{"open", "load", "click"}
            << QStringList{"made", "play open.wav", "stop", "play click.wav"};
        QTest::newRow("no module: silence")
            << QStringList{"open", "load nothing", "click"} << QStringList{};
    }

    void soundsAskedWhileTheChannelLoads()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, heard);
        QStringList log;
        QSemaphore gate;
        bool found = true;
        std::atomic<bool> loaded{false};
        WavPlayer::instance().setLoader([&]() -> WavPlayer::Factory {
            gate.acquire();
            WavPlayer::Factory make;
            if (found) {
                make = [&log] {
                    log << "made";
                    return std::make_unique<RecordingChannel>(&log);
                };
            }
            loaded = true; // the last this thread touches of the test's own
            return make;
        });
        // Whatever the test comes to, the loading ends before what it uses
        // goes, and its channel with it.
        const auto finish = qScopeGuard([&] {
            gate.release(2);
            while (!loaded)
                QThread::msleep(1);
            WavPlayer::instance().setChannel(nullptr);
        });
        for (const QString &step : steps) {
            if (step == "open") {
                QVERIFY(PlayWav(kOpenSound, true));
            } else if (step == "click") {
                QVERIFY(PlayWav(kClickSound, true));
            } else if (step == "stop") {
                WavPlayer::instance().stop();
            } else {
                found = step == "load";
                // Nothing reaches a channel before its loading ends.
                QTest::qWait(20);
                QVERIFY(log.isEmpty());
                gate.release();
                QTRY_VERIFY(loaded);
                if (found)
                    QTRY_VERIFY(log.contains("made"));
                else
                    QTest::qWait(20);
            }
        }
        QCOMPARE(log, heard);
    }

    void soundModuleMakesTheChannel()
    {
        // The build's own module is found, loads, and makes a channel that
        // takes a sound (heard or not, as the machine has an audio device).
        QVERIFY(!WavPlayer::modulePath().isEmpty());
        const WavPlayer::Factory make = WavPlayer::loadModule();
        QVERIFY(make);
        std::unique_ptr<WavPlayer::Channel> channel = make();
        QVERIFY(channel);
        channel->play(WavPlayer::sourceOf(kOpenSound));
        channel->stop();
        QVERIFY(!channel->isPlaying());
    }

    void openAndCloseEachPlayTheirSound()
    {
        QStringList log;
        WavPlayer::instance().setChannel(std::make_unique<RecordingChannel>(&log));
        ShellFixture::Options options;
        options.settings = scrolling("False");
        ShellFixture fixture({plainWindows({"frmA"})}, options);
        OpenForm(1000);
        CloseForm();
        ClickSound();
        QCOMPARE(log, (QStringList{"play open.wav", "stop", "play close.wav", "stop", "play click.wav"}));
    }

    void spinnerWritesTheBarIntoTheBox()
    {
        QWidget window;
        window.resize(200, 300);
        auto *box = new TextBox(&window, "txtWeight");
        auto *bar = new QScrollBar(&window);
        bar->setGeometry(100, 0, 20, 200);
        Spinner spinner(bar, box);
        spinner.setRange(0, 400);
        window.show();

        // A stored value beyond the bar's range stays in the box.
        box->setText("450");
        spinner.setValueSilently(450);
        QCOMPARE(box->text(), QStringLiteral("450"));
        QCOMPARE(bar->value(), 400);

        spinner.setValue(150);
        QCOMPARE(box->text(), QStringLiteral("150"));
        // Typing does not move the bar.
        box->setText("151");
        QCOMPARE(bar->value(), 150);

        // The top arrow counts up.
        QStyleOptionSlider opt;
        opt.initFrom(bar);
        opt.orientation = Qt::Vertical;
        opt.minimum = bar->minimum();
        opt.maximum = bar->maximum();
        opt.sliderPosition = bar->value();
        opt.sliderValue = bar->value();
        opt.singleStep = bar->singleStep();
        opt.pageStep = bar->pageStep();
        opt.upsideDown = bar->invertedAppearance();
        const QRect top = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSubLine, bar);
        const QRect bottom = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarAddLine, bar);
        const QRect upper = top.top() < bottom.top() ? top : bottom;
        QTest::mouseClick(bar, Qt::LeftButton, {}, upper.center());
        QCOMPARE(bar->value(), 151);
        QCOMPARE(box->text(), QStringLiteral("151"));
        // So do the wheel turned up and the up key.
        QWheelEvent wheel(QPointF(5, 100), bar->mapToGlobal(QPointF(5, 100)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        QCOMPARE(bar->value(), 152);
        QTest::keyClick(bar, Qt::Key_Up);
        QCOMPARE(bar->value(), 153);
        QCOMPARE(box->text(), QStringLiteral("153"));
    }

    void textBoxSelectsItsWholeTextOnFocus()
    {
        QWidget window;
        auto *first = new TextBox(&window, "txtA");
        auto *box = new TextBox(&window, "txtB");
        box->move(0, 40);
        box->setText("150");
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        box->setFocus(Qt::TabFocusReason);
        QVERIFY(box->hasFocus());
        QCOMPARE(box->selectedText(), QStringLiteral("150"));
        QTest::mouseClick(first, Qt::LeftButton);
        first->setText("abc");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, 3));
        QCoreApplication::processEvents();
        QCOMPARE(box->selectedText(), QStringLiteral("150"));
    }

    void datePickerIsLimitedToTheRecordYears()
    {
        DatePicker picker(nullptr, "DTPicker1");
        picker.setDate(QDate(1900, 5, 1));
        QCOMPARE(picker.date(), QDate(1950, 1, 1));
        picker.setDate(QDate(2100, 5, 1));
        QCOMPARE(picker.date(), QDate(2049, 12, 31));
        QVERIFY(picker.calendarPopup());
        QVERIFY(DatePicker::displayFormatFor(QLocale(QLocale::English, QLocale::UnitedStates)).contains("yyyy"));
    }

    void twipsKeepTheirExactValues()
    {
        QWidget parent;
        auto *control = new QWidget(&parent);
        Twips::place(control, 8235, 4920, 1455, 1455);
        QCOMPARE(control->geometry(), QRect(549, 328, 97, 97));
        QCOMPARE(Twips::left(control), 8235);
        QCOMPARE(Twips::width(control), 1455);
        // Moved by other means: its pixels count.
        control->move(10, 20);
        QCOMPARE(Twips::left(control), 150);
        QCOMPARE(Twips::toPixels(40), 3);
        QCOMPARE(Twips::toPixels(22), 1);
        QCOMPARE(Twips::toPixels(-23), -2);
    }
};

PULSAR_TEST_MAIN(TestWindowKit)
#include "tst_windowkit.moc"
