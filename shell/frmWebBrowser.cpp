#include "frmWebBrowser.h"

#include "Shell.h"
#include "TextBox.h"
#include "Twips.h"
#include "mFormProcedures.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

namespace {

const QString kCaption = QStringLiteral("Kestrava Pulsar Tutorial");
const QString kTutorialItem = QStringLiteral("itmTut");

constexpr int kWidth = 9705;
constexpr int kFinalHeight = 6990;

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    Twips::place(button, left, 120, 1455, 375);
    return button;
}

// Pages of the program's own are shown in the window; everything else is a
// web address.
bool isOwnPage(const QUrl &address)
{
    return address.isRelative() || address.scheme() == QLatin1String("qrc") || address.isLocalFile();
}

} // namespace

static void initTutorialPages()
{
    // The pages live in the shell's static library; this keeps the linker
    // from dropping them.
    Q_INIT_RESOURCE(tutorial);
}

frmWebBrowser::frmWebBrowser(Shell &shell) : WorkingWindow(shell)
{
    initTutorialPages();

    cmdBack = makeButton(this, QStringLiteral("cmdBack"), QStringLiteral("<<<Previous"), 120);
    cmdForward = makeButton(this, QStringLiteral("cmdForward"), QStringLiteral("Forward>>>"), 1695);
    cmdHomePage = makeButton(this, QStringLiteral("cmdHomePage"), QStringLiteral("Home Page"), 3270);

    lblLocation = new QLabel(QStringLiteral("Location"), this);
    lblLocation->setObjectName(QStringLiteral("lblLocation"));
    lblLocation->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Twips::place(lblLocation, 4845, 120, 900, 375);
    // The window keeps its own font, but the caption must read on the blue
    // background.
    QPalette palette = lblLocation->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    lblLocation->setPalette(palette);

    txtLocation = new TextBox(this, QStringLiteral("txtLocation"));
    Twips::place(txtLocation, 5865, 120, 3600, 375);

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    // Links are followed by Navigate, which sends web addresses elsewhere.
    WebBrowser1->setOpenLinks(false);
    Twips::place(WebBrowser1, 120, 615, 9345, 5820);

    connect(WebBrowser1, &QTextBrowser::anchorClicked, this, &frmWebBrowser::Navigate);
    // The location box follows every page change, back and forward included.
    connect(WebBrowser1, &QTextBrowser::sourceChanged, this, [this](const QUrl &address) {
        txtLocation->setText(locationText(address, WebBrowser1->documentTitle()));
    });
    connect(cmdBack, &QPushButton::clicked, this, &frmWebBrowser::cmdBack_Click);
    connect(cmdForward, &QPushButton::clicked, this, &frmWebBrowser::cmdForward_Click);
    connect(cmdHomePage, &QPushButton::clicked, this, &frmWebBrowser::cmdHomePage_Click);
}

QUrl frmWebBrowser::tutorialPage()
{
    return QUrl(QStringLiteral("qrc:/tutorial/tutorial.html"));
}

QUrl frmWebBrowser::homePage()
{
    return QUrl(QStringLiteral("qrc:/tutorial/home.html"));
}

QString frmWebBrowser::locationText(const QUrl &address, const QString &title)
{
    return title.trimmed().isEmpty() ? address.fileName() : title.trimmed();
}

void frmWebBrowser::Form_Load()
{
    setWindowTitle(kCaption);
    setWidthTwips(kWidth);
    setHeightTwips(40);
    centreOverMain(10);
    showWindow();
    mFormProcedures::OpenForm(kFinalHeight);
    mFormProcedures::PaintForms();
    if (shell().isChecked(kTutorialItem))
        Navigate(tutorialPage());
}

void frmWebBrowser::Form_Unload()
{
    mFormProcedures::CloseForm();
}

void frmWebBrowser::Navigate(const QUrl &address)
{
    const QUrl target = WebBrowser1->source().resolved(address);
    if (isOwnPage(target))
        WebBrowser1->setSource(target);
    else
        QDesktopServices::openUrl(target);
}

void frmWebBrowser::cmdBack_Click()
{
    // With no earlier page there is nothing to go back to.
    WebBrowser1->backward();
}

void frmWebBrowser::cmdForward_Click()
{
    WebBrowser1->forward();
}

void frmWebBrowser::cmdHomePage_Click()
{
    Navigate(homePage());
}
