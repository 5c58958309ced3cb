#include "frmAbout.h"

#include "LabelButton.h"
#include "MsgBox.h"
#include "Shape.h"
#include "Shell.h"
#include "SystemInfoLauncher.h"
#include "Twips.h"
#include "mFormProcedures.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QVersionNumber>

namespace {

const QString kCaption = QStringLiteral("About Kestrava Pulsar\u00AE");
const QString kDescription = QStringLiteral(
    "Kestrava Pulsar\u00AE Personal Fitness Tracker provides you with the latest and most user "
    "friendly technology to keep track and motivate you towards your fitness and dietary goals");
// Shown in capitals.
const QString kDisclaimer = QStringLiteral(
    "Copying this program or any part of it without the written permission of its owner is "
    "forbidden by law and will be prosecuted. Distributing, selling, lending or sharing copies "
    "of it in any form without that permission is forbidden as well.");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// The 25 leading blanks wrap onto the first line of the round button, so the
// caption stands lower, inside the circle.
const QString kPad = QString(25, QLatin1Char(' '));

constexpr int kWidth = 7050;
constexpr int kFinalHeight = 4570;
constexpr int kButtonSize = 1215;
constexpr int kButtonTop = 2640;

frmAbout::Launcher &launcher()
{
    static frmAbout::Launcher current;
    return current;
}

QLabel *makeLabel(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    Twips::place(label, left, top, width, height);
    return label;
}

Shape *makeCircle(QWidget *parent, const QString &name, int left, const QColor &fill)
{
    auto *shape = new Shape(parent, name, Shape::Circle);
    shape->setFillColor(fill);
    Twips::place(shape, left, kButtonTop, kButtonSize, kButtonSize);
    return shape;
}

// A round button's caption wraps between its words; where the common font's
// face is too wide for a word to fit inside the circle (a chord somewhat
// shorter than its width), the caption is narrowed just enough, keeping its
// size.
void fitWords(QLabel *label)
{
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    const int room = label->width() * 85 / 100;
    int widest = 0;
    const QStringList words = label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words)
        widest = qMax(widest, QFontMetrics(font).horizontalAdvance(word));
    if (widest > room && room > 0)
        font.setStretch(qMax(70, 100 * room / widest));
    label->setFont(font);
}

// Lets a wrapped text that the face in use makes a little taller than its
// box show its last line whole.
void growToText(QLabel *label)
{
    const int needed = label->heightForWidth(label->width());
    if (needed > label->height())
        label->resize(label->width(), needed);
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

} // namespace

frmAbout::frmAbout(Shell &shell) : WorkingWindow(shell)
{
    lblTitle = makeLabel(this, QStringLiteral("lblTitle"), 600, 240, 6165, 480);
    lblVersion = makeLabel(this, QStringLiteral("lblVersion"), 840, 600, 3885, 225);
    lblDescription = makeLabel(this, QStringLiteral("lblDescription"), 600, 1080, 5805, 930);
    lblDisclaimer = makeLabel(this, QStringLiteral("lblDisclaimer"), 1800, 2760, 3615, 1425);

    const QColor shadow = QApplication::palette().color(QPalette::Dark);
    const QColor green(0, 255, 0);
    shpBackPrint = makeCircle(this, QStringLiteral("shpBackPrint"), 266, shadow);
    shpFrontPrint = makeCircle(this, QStringLiteral("shpFrontPrint"), 315, green);
    lblPrint = makeLabel(this, QStringLiteral("lblPrint"), 315, kButtonTop, kButtonSize, kButtonSize);
    lblPrint->setAlignment(Qt::AlignCenter);
    lblPrint->setText(kPad + QStringLiteral("OK "));
    lblPrint->setToolTip(QStringLiteral("Press to Return to Kestrava Pulsar "));

    shpSysInfoB = makeCircle(this, QStringLiteral("shpSysInfoB"), 5546, shadow);
    shpSysInf = makeCircle(this, QStringLiteral("shpSysInf"), 5595, green);
    lblSysInfo = makeLabel(this, QStringLiteral("lblSysInfo"), 5595, kButtonTop, kButtonSize, kButtonSize);
    lblSysInfo->setAlignment(Qt::AlignCenter);
    lblSysInfo->setText(kPad + QStringLiteral("System Information"));
    lblSysInfo->setToolTip(QStringLiteral("View Your System Information"));

    // Both buttons come back up before they act.
    printButton = new LabelButton(lblPrint, shpFrontPrint, shpBackPrint, LabelButton::MoveBackFirst);
    sysInfoButton = new LabelButton(lblSysInfo, shpSysInf, shpSysInfoB, LabelButton::MoveBackFirst);
    connect(printButton, &LabelButton::clicked, this, &frmAbout::lblPrint_Click);
    connect(sysInfoButton, &LabelButton::clicked, this, &frmAbout::lblSysInfo_Click);
}

QString frmAbout::versionCaption(const QString &version)
{
    const QVersionNumber number = QVersionNumber::fromString(version);
    return QStringLiteral("Version %1.%2.%3")
        .arg(number.majorVersion())
        .arg(number.minorVersion())
        .arg(number.microVersion());
}

void frmAbout::setLauncher(Launcher replacement)
{
    launcher() = std::move(replacement);
}

void frmAbout::Form_Load()
{
    setWindowTitle(kCaption);
    lblVersion->setText(versionCaption(QStringLiteral(PULSAR_VERSION)));
    lblTitle->setText(MsgBox::title());
    lblDescription->setText(kDescription);
    lblDisclaimer->setText(kDisclaimer.toUpper());

    // A thin strip across the middle of the main window that grows downwards.
    openWindow(kWidth, kFinalHeight, 2);

    QFont disclaimer = lblDisclaimer->font();
    disclaimer.setFamily(QStringLiteral("Small Fonts"));
    disclaimer.setPointSize(6);
    lblDisclaimer->setFont(disclaimer);
    QFont title = lblTitle->font();
    title.setPointSize(14);
    lblTitle->setFont(title);
    setTextColour(lblPrint, Qt::black);
    setTextColour(lblSysInfo, Qt::black);
    fitWords(lblPrint);
    fitWords(lblSysInfo);
    growToText(lblDescription);
}

void frmAbout::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmAbout::StartSysInfo()
{
    const bool started = launcher() ? launcher()() : SystemInfoLauncher().launch();
    if (!started)
        MsgBox::show(kUnavailable);
}

void frmAbout::lblPrint_Click()
{
    unloadSelf();
}

void frmAbout::lblSysInfo_Click()
{
    StartSysInfo();
}
