#include "support/TestEnvironment.h"
#include "support/TextFit.h"
#include "support/WindowTest.h"

#include "Program.h"
#include "common/DataFolder.h"
#include "common/DateText.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "profile/WeightGoal.h"
#include "profile/WeightHistory.h"
#include "shell/MDIFitness.h"
#include "shell/MsgBox.h"
#include "shell/WorkingWindow.h"
#include "shell/mFormProcedures.h"
#include "workouts/StandardAerobic.h"
#include "workouts/StandardExercises.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTreeWidget>

// Every working window a user reaches, opened as the user opens it, must
// show each of its texts whole in the fonts the setup installs: as it
// opens, and while the mouse rests on each of its controls (hints grow
// captions and fill the notes). The windows are found through the main
// window's menu items and the window registry, so a window that joins the
// program joins this test.
class TestTextFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        mFormProcedures::setPauses(0, 0);
        MsgBox::setRecorder([](const QString &) {});

        // A user who has installed every standard exercise and activity and
        // entered a weight, so the lists and charts have their texts.
        const QString folder = DataFolder::location();
        DataFolder::seed(DataFolder::shipped(), folder);
        QList<StandardExercises::Tick> weights;
        for (int i = 0; i < StandardExercises::kCount; ++i)
            weights << StandardExercises::Tick{i, QStringLiteral("3")};
        QVERIFY(StandardExercises::install(folder, weights).complete());
        QList<int> aerobic;
        for (int i = 0; i < StandardAerobic::kCount; ++i)
            aerobic << i;
        QVERIFY(StandardAerobic::install(folder, aerobic).duplicateName.isEmpty());
        WeightHistory(folder).addFirst(QDate::currentDate().addDays(-7), 40, 180, 70);
        WeightHistory(folder).addFirst(QDate::currentDate(), 40, 178, 70);
        // And set a goal, so the body-weight chart shows its sentences.
        Settings settings;
        settings.set(SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("178"));
        settings.set(SettingKeys::Goals, WeightGoal::kGoalWeightKey, QStringLiteral("165"));
        settings.set(SettingKeys::Goals, WeightGoal::kGoalDateKey,
                     DateText::shortDate(QDate::currentDate().addDays(120)));

        m_main = createProgram();
        QVERIFY(m_main);
    }

    void cleanupTestCase()
    {
        if (m_main)
            m_main->item(QStringLiteral("itmExit"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MsgBox::clearRecorder();
    }

    // The check itself: each kind of text that does not fit is named with
    // its control; the same texts with room enough are not.
    void theCheckNamesEachMisfit()
    {
        QWidget window;
        window.resize(450, 300);
        window.setFont(mFormProcedures::commonFont(10));
        auto *caption = new QLabel(QStringLiteral("Cross Country Skiing"), &window);
        caption->setGeometry(0, 0, 60, 20);
        auto *wrapped = new QLabel(QStringLiteral("Please select the viewing period you wish to see."), &window);
        wrapped->setWordWrap(true);
        wrapped->setGeometry(0, 30, 120, 20);
        auto *combo = new QComboBox(&window);
        combo->addItems({QStringLiteral("Weight Only"), QStringLiteral("BMI (Body Mass Index)")});
        combo->setGeometry(0, 60, 120, 24);
        auto *list = new QListWidget(&window);
        list->addItems({QStringLiteral("Golf"), QStringLiteral("Scull rowing (race)")});
        list->setGeometry(0, 90, 80, 60);
        auto *box = new QCheckBox(QStringLiteral("View Weight Used"), &window);
        box->setGeometry(0, 160, 60, 20);
        auto *columns = new QTreeWidget(&window);
        columns->setHeaderLabels({QStringLiteral("Food"), QStringLiteral("Calories")});
        columns->setRootIsDecorated(false);
        auto *row = new QTreeWidgetItem(columns, {QStringLiteral("Peanut butter sandwich"), QStringLiteral("350")});
        row->setCheckState(0, Qt::Unchecked);
        columns->setGeometry(0, 190, 200, 80);
        columns->setColumnWidth(0, 90);
        // A month calendar narrower than its days need: the last column is
        // cut.
        auto *calendar = new QCalendarWidget(&window);
        calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
        calendar->setSelectedDate(QDate(2001, 4, 21));
        calendar->setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        calendar->setGeometry(210, 0, 170, 160);
        const QList<QWidget *> controls = {caption, wrapped, combo, list, box, columns, calendar};
        for (int i = 0; i < controls.size(); ++i)
            controls[i]->setObjectName(QStringLiteral("control%1").arg(i));
        window.show();

        QStringList named;
        for (const TextFit::Misfit &m : TextFit::misfits(&window))
            named << m.control + u' ' + m.text;
        QCOMPARE(named, QStringList({"control0 Cross Country Skiing",
                                     "control1 Please select the viewing period you wish to see.",
                                     "control2 BMI (Body Mass Index)", "control3 Scull rowing (race)",
                                     "control4 View Weight Used", "control5 Peanut butter sandwich",
                                     "control6 6"}));

        caption->resize(200, 20);
        wrapped->resize(120, 80);
        combo->resize(220, 24);
        list->resize(220, 60);
        box->resize(220, 20);
        columns->resize(400, 80);
        columns->setColumnWidth(0, 250);
        calendar->setGeometry(210, 0, 230, 160);
        QCOMPARE(TextFit::misfits(&window).size(), 0);
    }

    // The captions are drawn in the face the setup installs, bold, at the
    // designed size.
    void controlsUseTheInterfaceFace()
    {
        m_main->item(QStringLiteral("itmPersonal"))->trigger();
        WorkingWindow *w = m_main->form(QStringLiteral("frmPersonalInformation"));
        QVERIFY(w);
        const QFont font = WindowTest::control<QLabel>(w, QStringLiteral("lblLabel(0)"))->font();
        const QFontInfo face(font);
        QCOMPARE(face.family(), QStringLiteral("Liberation Sans"));
        QVERIFY(face.bold());
        QCOMPARE(font.pointSizeF(), 10.0);
    }

    // One row per menu item that opens a registered window, one per
    // window a dialog opens in turn, one per registered window no menu
    // item opens.
    void everyTextFits_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QStringList reached;
        const QStringList items = m_main->itemNames();
        for (const QString &item : items) {
            const QString target = m_main->itemTarget(item);
            const QAction *action = m_main->item(item);
            if (target.isEmpty() || !m_main->registry().contains(target) || !action->isVisible()
                || !action->isEnabled())
                continue;
            QTest::newRow(qPrintable(item)) << item << QString();
            reached << target;
        }
        for (const FollowOn &f : followOns()) {
            if (m_main->registry().contains(f.window) && m_main->registry().contains(m_main->itemTarget(f.item))) {
                QTest::newRow(qPrintable(f.item + QStringLiteral(" then ") + f.window)) << f.item << f.window;
                reached << f.window;
            }
        }
        const QStringList names = m_main->registry().names();
        for (const QString &name : names) {
            if (!reached.contains(name))
                QTest::newRow(qPrintable(name)) << QString() << name;
        }
    }

    void everyTextFits()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        if (!item.isEmpty()) {
            QVERIFY(m_main->item(item));
            m_main->item(item)->trigger();
        } else {
            m_main->unloadForm();
            m_main->uncheck();
            m_main->loadForm(window);
        }
        settle();
        if (!item.isEmpty() && !window.isEmpty()) {
            const FollowOn *f = followOn(item, window);
            QVERIFY(f);
            f->steps(shownWindow());
            settle();
        }

        WorkingWindow *w = shownWindow();
        QVERIFY2(w, "no working window is shown");
        if (!window.isEmpty())
            QCOMPARE(w->objectName(), window);
        // Each misfit once, named with the first hover that shows it.
        QStringList misfits;
        QSet<QString> known;
        const auto note = [&](const QString &where) {
            const QList<TextFit::Misfit> found = TextFit::misfits(w);
            for (const TextFit::Misfit &m : found) {
                const QString key = m.control + u'|' + m.text + u'|' + m.why;
                if (!known.contains(key)) {
                    known.insert(key);
                    misfits << TextFit::describe(where, {m});
                }
            }
        };
        note(w->objectName());

        // The mouse over each control in turn, then over the bare window.
        const QList<QWidget *> controls = w->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (!control->isVisibleTo(w) || control->isWindow())
                continue;
            WindowTest::hover(control, control->rect().center());
            note(w->objectName() + QStringLiteral(" (over ") + control->objectName() + QStringLiteral(")"));
        }
        if (const auto bare = bareSpot(w))
            WindowTest::hover(w, *bare);
        QVERIFY2(misfits.isEmpty(), qPrintable(QStringLiteral("\n") + misfits.join(u'\n')));
    }

private:
    struct FollowOn
    {
        QString item;   // the menu item that opens the dialog
        QString window; // the window the dialog opens
        std::function<void(WorkingWindow *)> steps;
    };

    // The choices a user makes in a dialog to open the window it leads to.
    static const QList<FollowOn> &followOns()
    {
        static const QList<FollowOn> list = {
            {QStringLiteral("itmWeight"), QStringLiteral("frmFitnessGraph"), chooseAndViewChart},
            {QStringLiteral("itmAero"), QStringLiteral("frmFitnessGraph"), chooseAndViewChart},
            {QStringLiteral("itmBWG"), QStringLiteral("frmFitnessBMI"),
             [](WorkingWindow *dialog) { WindowTest::click(dialog, QStringLiteral("lblEnter")); }},
        };
        return list;
    }

    static const FollowOn *followOn(const QString &item, const QString &window)
    {
        for (const FollowOn &f : followOns()) {
            if (f.item == item && f.window == window)
                return &f;
        }
        return nullptr;
    }

    // The chart options: the first category and exercise by the keyboard,
    // bars, View Chart.
    static void chooseAndViewChart(WorkingWindow *dialog)
    {
        auto *category = WindowTest::control<QComboBox>(dialog, QStringLiteral("Combo1(0)"));
        category->setFocus();
        QTest::keyClick(category, Qt::Key_Down);
        auto *list = WindowTest::control<QListWidget>(dialog, QStringLiteral("List1"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        WindowTest::control<QRadioButton>(dialog, QStringLiteral("Option2(0)"))->setChecked(true);
        WindowTest::click(dialog, QStringLiteral("lblEnter"));
    }

    WorkingWindow *shownWindow() const
    {
        WorkingWindow *shown = nullptr;
        for (WorkingWindow *w : m_main->loadedWindows()) {
            if (w->isShownWindow())
                shown = w;
        }
        return shown;
    }

    static std::optional<QPoint> bareSpot(QWidget *w)
    {
        for (int y = 2; y < w->height(); y += 5) {
            for (int x = 2; x < w->width(); x += 5) {
                if (!w->childAt(QPoint(x, y)))
                    return QPoint(x, y);
            }
        }
        return std::nullopt;
    }

    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QPointer<MDIFitness> m_main;
};

PULSAR_TEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
