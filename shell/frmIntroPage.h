#pragma once

#include "WorkingWindow.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <functional>

// The start-up page: greets the user by first name with a quotation chosen
// at random, grows open, stays for a time that grows with the quotation's
// length, shrinks and closes itself. Closing it, however it happens,
// closes every working window and clears the menu check marks.
class frmIntroPage : public WorkingWindow
{
    Q_OBJECT

public:
    // `draw` gives the quotation's number, 0 to 38; by default a random one.
    using DrawFunction = std::function<int()>;
    explicit frmIntroPage(Shell &shell, DrawFunction draw = {});

    inline static const QString kName = QStringLiteral("frmIntroPage");
    static constexpr int kWidth = 6000;
    static constexpr int kTargetHeight = 4590;
    static constexpr int kMaxInterval = 65535;
    // The author line's size; a line too long for the page goes down to the
    // smallest size in steps.
    static constexpr qreal kAuthorSize = 15.75;
    static constexpr qreal kSmallestAuthorSize = 9;

    void Form_Load() override;
    void Form_Unload() override;
    // The closing timer's handler: shrinks the page and unloads it.
    void Timer1_Timer();

    // How long the page stays after it has grown, for a quotation of that
    // length: 100 ms a character, at most kMaxInterval.
    static int intervalFor(int characters);
    // A random draw, 0 to 38, each equally likely.
    static int randomDraw();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QTimer *Timer1 = nullptr;

private:
    void placeAuthor();

    DrawFunction m_draw;
};
