#pragma once

#include <QMdiArea>
#include <QPixmap>

// The main window's work area: black, with the background picture over it,
// scaled to fit and centred; the working windows are its sub-windows.
class WorkArea : public QMdiArea
{
    Q_OBJECT

public:
    explicit WorkArea(QWidget *parent = nullptr);

    // The picture shown (null when the resource is missing).
    const QPixmap &picture() const { return m_picture; }

    inline static const QString kPicture = QStringLiteral(":/pictures/background.jpg");

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
