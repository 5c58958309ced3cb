#pragma once

#include <QImage>
#include <QMdiArea>
#include <QPixmap>

#include <future>

// The main window's work area: black, with the background picture over it,
// scaled to fit and centred; the working windows are its sub-windows.
class WorkArea : public QMdiArea
{
    Q_OBJECT

public:
    explicit WorkArea(QWidget *parent = nullptr);

    // The picture shown (null when the resource is missing).
    const QPixmap &picture() const;

    inline static const QString kPicture = QStringLiteral(":/pictures/background.jpg");

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Decoded on a thread of its own while the main window is built, and
    // taken at the first paint.
    mutable std::future<QImage> m_decoding;
    mutable QPixmap m_picture;
};
