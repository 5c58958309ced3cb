#pragma once

#include "shell/WorkingWindow.h"

#include <QUrl>

class QLabel;
class QPushButton;
class QTextBrowser;
class TextBox;

// The tutorial browser (Help > Tutorial): the program's tutorial and home
// pages, which ship inside the program, with Previous, Forward and Home Page
// buttons and a location box that shows the address of the page on display.
// Links to web addresses open in the user's own web browser.
class frmWebBrowser : public WorkingWindow
{
    Q_OBJECT

public:
    explicit frmWebBrowser(Shell &shell);

    // The addresses of the two pages.
    static QUrl tutorialPage();
    static QUrl homePage();
    // What the location box shows of a page of the program's own: its
    // title, or its file name when it has none.
    static QString locationText(const QUrl &address, const QString &title);

    void Form_Load() override;
    void Form_Unload() override;

    // Shows a page of the program's own in the window (an address relative to
    // the page on display is taken from there); any other address goes to the
    // user's web browser.
    void Navigate(const QUrl &address);

    QTextBrowser *WebBrowser1;
    QPushButton *cmdBack;
    QPushButton *cmdForward;
    QPushButton *cmdHomePage;
    QLabel *lblLocation;
    TextBox *txtLocation;

private:
    void cmdBack_Click();
    void cmdForward_Click();
    void cmdHomePage_Click();
};
