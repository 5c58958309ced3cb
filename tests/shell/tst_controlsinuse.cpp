#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

#include "shell/Controls.h"
#include "shell/ShellStyle.h"
#include "shell/TextBox.h"
#include "shell/mFormProcedures.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>

// The shell kit's controls as a user meets them: text boxes under the
// keyboard and the mouse, lists and combo boxes chosen either way, captions
// wrapped and greyed as the windows were designed, menu check marks.
class TestControlsInUse : public QObject
{
    Q_OBJECT

    // A shown, active window holding a box before the one under test.
    struct Window
    {
        QWidget widget;
        QLineEdit *before = new QLineEdit(&widget);

        void show()
        {
            widget.resize(300, 200);
            widget.show();
            QApplication::setActiveWindow(&widget);
            QVERIFY(QTest::qWaitForWindowActive(&widget));
        }
    };

    static QString selected(QWidget *box)
    {
        if (auto *line = qobject_cast<QLineEdit *>(box))
            return line->selectedText();
        return static_cast<QPlainTextEdit *>(box)->textCursor().selectedText();
    }
    static QString text(QWidget *box)
    {
        if (auto *line = qobject_cast<TextBox *>(box))
            return line->text();
        return static_cast<MultiLineTextBox *>(box)->text();
    }
    static void fill(QWidget *box, const QString &value)
    {
        if (auto *line = qobject_cast<TextBox *>(box))
            line->setText(value);
        else
            static_cast<MultiLineTextBox *>(box)->setText(value);
    }

private Q_SLOTS:
    void initTestCase()
    {
        ShellStyle::install();
        mFormProcedures::setPauses(0, 0);
    }

    void boxesKeepTheirWholeTextForTheUser_data()
    {
        QTest::addColumn<bool>("lines");
        QTest::newRow("one line") << false;
        QTest::newRow("several lines") << true;
    }
    void boxesKeepTheirWholeTextForTheUser()
    {
        QFETCH(bool, lines);
        Window window;
        QWidget *box = lines ? static_cast<QWidget *>(new MultiLineTextBox(&window.widget, "Text1(1)"))
                             : new TextBox(&window.widget, "txtGoalWeight");
        box->setGeometry(10, 40, 200, lines ? 80 : 24);
        window.show();

        // The focus arrives while the box is empty; the window fills it
        // afterwards: typing replaces the filled text.
        box->setFocus(Qt::OtherFocusReason);
        fill(box, "170");
        QCOMPARE(selected(box), QStringLiteral("170"));
        QVERIFY(WindowTest::type("165"));
        QCOMPARE(text(box), QStringLiteral("165"));
        // Once typed into, a value the window puts in stays unselected.
        fill(box, "150");
        QCOMPARE(selected(box), QString());

        // The first click into a box, focused or not, selects its whole
        // text; the next one places the cursor.
        window.before->setFocus();
        box->setFocus(Qt::OtherFocusReason);
        WindowTest::clickOn(box, QPoint(30, 10));
        QCOMPARE(selected(box), QStringLiteral("150"));
        WindowTest::clickOn(box, QPoint(30, 10));
        QCOMPARE(selected(box), QString());
        WindowTest::clickOn(window.before);
        WindowTest::clickOn(box, QPoint(30, 10));
        QCOMPARE(selected(box), QStringLiteral("150"));

        // A drag selects what it covers.
        window.before->setFocus();
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(2, 10));
        QMouseEvent drag(QEvent::MouseMove, QPointF(60, 10), box->mapToGlobal(QPointF(60, 10)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(lines ? static_cast<QPlainTextEdit *>(box)->viewport() : box, &drag);
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(60, 10));
        QVERIFY(!selected(box).isEmpty());
    }

    void typedLineBreaksAreCrLf()
    {
        Window window;
        auto *box = new MultiLineTextBox(&window.widget, "Text1(1)");
        box->setGeometry(10, 40, 200, 80);
        window.show();
        box->setFocus(Qt::TabFocusReason);
        QVERIFY(WindowTest::type("first"));
        QVERIFY(WindowTest::press(Qt::Key_Return));
        QVERIFY(WindowTest::type("second"));
        QCOMPARE(box->text(), QStringLiteral("first\r\nsecond"));
        QCOMPARE(box->toPlainText(), QStringLiteral("first\nsecond"));

        box->setText("a\r\nb\rc\nd");
        QCOMPARE(box->toPlainText(), QStringLiteral("a\nb\nc\nd"));
        QCOMPARE(box->text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
        // Tab leaves the box; it types no tab character.
        box->setFocus(Qt::TabFocusReason);
        QVERIFY(WindowTest::press(Qt::Key_Tab));
        QVERIFY(!box->hasFocus());
        QVERIFY(!box->text().contains(u'\t'));
    }

    // Every change of the selection is a Click, by the keyboard, the mouse
    // or the window; choosing what is chosen already is none.
    void listAndComboClickOnEveryChange()
    {
        Window window;
        auto *list = new QListWidget(&window.widget);
        list->setGeometry(10, 40, 150, 100);
        list->addItems({"Running", "Skiing", "Golf"});
        auto *combo = new QComboBox(&window.widget);
        combo->setGeometry(170, 40, 120, 24);
        combo->addItems({"Biceps", "Triceps", "Legs"});
        QStringList clicks;
        Controls::onClick(list, [&] { clicks << QStringLiteral("list ") + list->currentItem()->text(); });
        Controls::onClick(combo, [&] { clicks << QStringLiteral("combo ") + combo->currentText(); });
        window.show();

        QVERIFY(WindowTest::chooseByKeys(list, "Golf"));
        QVERIFY(WindowTest::chooseByMouse(list, "Skiing"));
        QVERIFY(WindowTest::chooseByMouse(list, "Skiing"));
        QVERIFY(WindowTest::press(Qt::Key_Up));
        list->setCurrentRow(2);
        QVERIFY(WindowTest::chooseByKeys(combo, "Legs"));
        QVERIFY(WindowTest::press(Qt::Key_Up));
        combo->setCurrentIndex(0);
        combo->setCurrentIndex(0);
        // The list given the focus has Running current, not chosen: the
        // arrows go from there.
        QCOMPARE(clicks, QStringList({"list Skiing", "list Golf", "list Skiing", "list Running", "list Golf",
                                      "combo Triceps", "combo Legs", "combo Triceps", "combo Biceps"}));
    }

    // Runs of blanks place the words of a wrapped caption as the windows
    // were laid out: a run that does not fit ends its line and is dropped.
    void wrappedCaptionsBreakAtRunsOfBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("widest"); // the text that just fits a line
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("blanks first: the words on the second line")
            << QString(66, u' ') + "Enter Information" << "Enter Information"
            << QStringList{"", "Enter Information"};
        QTest::newRow("a word a line")
            << QString(30, u' ') + "Create" + QString(20, u' ') + "Exercise" + QString(20, u' ') + "Table"
            << "Exercise" << QStringList{"", "Create", "Exercise", "Table"};
        QTest::newRow("two words apart") << "View" + QString(12, u' ') + "Chart" << "View Chart"
                                         << QStringList{"View", "Chart"};
        QTest::newRow("words that fit share a line") << "View Chart" << "View Chart" << QStringList{"View Chart"};
        QTest::newRow("a word too wide stands alone")
            << "a semimembranous b" << "semimem" << QStringList{"a", "semimembranous", "b"};
        QTest::newRow("blanks before a word that fit") << "   Bar" << "   Bar" << QStringList{"   Bar"};
        QTest::newRow("typed line breaks") << "one\r\ntwo\nthree" << "one two three"
                                           << QStringList{"one", "two", "three"};
        QTest::newRow("a trailing blank") << "Print " << "Print  " << QStringList{"Print "};
    }
    void wrappedCaptionsBreakAtRunsOfBlanks()
    {
        QFETCH(QString, text);
        QFETCH(QString, widest);
        const QFontMetricsF metrics(mFormProcedures::commonFont(10));
        QTEST(ShellStyle::wrapLines(text, metrics, metrics.horizontalAdvance(widest)), "lines");
    }

    // A disabled caption is drawn greyed whatever colour its window gave
    // it; the same caption enabled keeps its colour.
    void disabledCaptionsAreGreyed_data()
    {
        QTest::addColumn<bool>("checkBox");
        QTest::newRow("label") << false;
        QTest::newRow("check box") << true;
    }
    void disabledCaptionsAreGreyed()
    {
        QFETCH(bool, checkBox);
        QWidget window;
        window.resize(200, 40);
        QWidget *caption = checkBox ? static_cast<QWidget *>(new QCheckBox("Weight", &window))
                                    : Controls::label(&window, "lblLabel(2)", "Weight");
        caption->setGeometry(0, 0, 200, 40);
        caption->setFont(mFormProcedures::commonFont(10));
        Controls::setBackColour(caption, QColor(0, 0, 100));
        Controls::setTextColour(caption, Qt::white);
        const auto colours = [&] {
            QImage image(caption->size(), QImage::Format_RGB32);
            caption->render(&image);
            QSet<QRgb> found;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    found.insert(image.pixel(x, y));
            return found;
        };
        QVERIFY(colours().contains(QColor(Qt::white).rgb()));
        caption->setEnabled(false);
        const QSet<QRgb> greyed = colours();
        QVERIFY(!greyed.contains(QColor(Qt::white).rgb()));
        QVERIFY(greyed.contains(ShellStyle::disabledText().rgb()));
    }

    // A checkable menu item unchecked looks like any other item; checked,
    // it shows its mark.
    void menuMarksOnlyWhileChecked()
    {
        QMenu menu;
        QAction *plain = menu.addAction("Setup");
        QAction *unchecked = menu.addAction("Setup");
        unchecked->setCheckable(true);
        QAction *checked = menu.addAction("Setup");
        checked->setCheckable(true);
        checked->setChecked(true);
        menu.ensurePolished();
        menu.resize(menu.sizeHint());
        const QImage image = menu.grab().toImage();
        // Each row within the menu's frame and separating lines.
        const auto row = [&](QAction *a) { return image.copy(menu.actionGeometry(a).adjusted(2, 2, -2, -2)); };
        QCOMPARE(row(unchecked), row(plain));
        QVERIFY(row(checked) != row(plain));
    }
};

PULSAR_TEST_MAIN(TestControlsInUse)
#include "tst_controlsinuse.moc"
