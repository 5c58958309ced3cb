#include "frmIntroPage.h"

#include "Shell.h"
#include "Twips.h"
#include "mFormProcedures.h"
#include "mQuotes.h"

#include "common/SettingKeys.h"
#include "common/Settings.h"

#include <QFontMetrics>
#include <QRandomGenerator>

frmIntroPage::frmIntroPage(Shell &shell, DrawFunction draw)
    : WorkingWindow(shell), m_draw(std::move(draw))
{
    setObjectName(kName);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(p);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette p1 = Label1->palette();
    p1.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    Label1->setPalette(p1);
    QFont f1(QStringLiteral("Georgia"));
    f1.setPointSizeF(mQuotes::kDesignedSize);
    Label1->setFont(f1);
    Twips::place(Label1, 360, 240, 5355, 3165);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    QPalette p2 = Label2->palette();
    p2.setColor(QPalette::WindowText, QColor(255, 255, 0));
    Label2->setPalette(p2);
    QFont f2(QStringLiteral("Georgia"));
    f2.setPointSizeF(kAuthorSize);
    f2.setBold(true);
    f2.setItalic(true);
    Label2->setFont(f2);
    Twips::place(Label2, 2400, 3480, 885, 405);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmIntroPage::Timer1_Timer);
}

int frmIntroPage::randomDraw()
{
    return int(QRandomGenerator::global()->bounded(mQuotes::kCount));
}

int frmIntroPage::intervalFor(int characters)
{
    const qint64 ms = qint64(characters) * 100;
    return int(qMin<qint64>(ms, kMaxInterval));
}

void frmIntroPage::placeAuthor()
{
    // The author line is as wide as its text; a long name is moved left, and
    // one too long for the page is set a little smaller, so that the whole
    // line stays inside the page (its inner width, within the frame).
    const int inner = width() > 0 ? Twips::fromPixels(width()) : kWidth;
    const int room = inner - 360 - 120;
    QFont font = Label2->font();
    font.setPointSizeF(kAuthorSize);
    int textWidth = 0;
    for (;;) {
        textWidth = Twips::fromPixels(QFontMetrics(font).horizontalAdvance(Label2->text()) + 4);
        if (textWidth <= room || font.pointSizeF() <= kSmallestAuthorSize)
            break;
        font.setPointSizeF(qMax(kSmallestAuthorSize, font.pointSizeF() - 0.75));
    }
    Label2->setFont(font);
    const int width = qMax(885, textWidth);
    const int left = qMax(360, qMin(2400, inner - 120 - width));
    Twips::place(Label2, left, 3480, width, 405);
}

void frmIntroPage::Form_Load()
{
    const int n = m_draw ? m_draw() : randomDraw();
    qint16 draw = qint16(n);
    mQuotes::ShowQuote(draw, Label1, Label2);

    const QString firstName = shell().settings().get(SettingKeys::PersonalInformation, SettingKeys::FirstName,
                                                     QStringLiteral("Enter First Name"));
    if (n == mQuotes::kPersonalDraw) {
        const mQuotes::Quote quote = mQuotes::personal(firstName);
        Label1->setText(quote.text);
        Label2->setText(quote.author);
    }
    setWindowTitle(firstName + QStringLiteral("'s Inspiration For The Day"));
    Timer1->setInterval(intervalFor(int(Label1->text().length())));
    QFont font = Label1->font();
    font.setFamily(mFormProcedures::commonFont().family());
    Label1->setFont(font);

    setHeightTwips(40);
    setWidthTwips(kWidth);
    setTopTwips((shell().mainHeightTwips() - kTargetHeight) / 2);
    setLeftTwips((shell().mainWidthTwips() - widthTwips()) / 2);
    showWindow();
    placeAuthor();
    // The page grows by itself, whatever Help > Scrolling says, and
    // silently.
    mFormProcedures::slideHeight(this, 16, kTargetHeight);
    if (isUnloading())
        return; // the program closed while the page grew
    mFormProcedures::PaintForms();
    Timer1->start();
}

void frmIntroPage::Timer1_Timer()
{
    Timer1->stop();
    if (isUnloading())
        return;
    mFormProcedures::slideHeight(this, -1, 250);
    unloadSelf();
}

void frmIntroPage::Form_Unload()
{
    Timer1->stop();
    mFormProcedures::slideHeight(this, -2, 405);
    shell().unloadForm();
    shell().uncheck();
}
