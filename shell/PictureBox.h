#pragma once

#include <QColor>
#include <QWidget>
#include <memory>

class ImageSurface;

// A picture box: a control that shows what is drawn on its drawing surface
// and keeps it until the window closes. The surface is as large as the
// control, filled with the back colour at first, and draws its text in the
// control's font (the one the shared control formatting gives it). Drawing
// code calls update() when it is done.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(QWidget *parent, const QString &name, const QColor &backColour = Qt::white,
               const QColor &foreColour = Qt::black);
    ~PictureBox() override;

    // The surface, made at the control's present size on first use (and
    // afresh, empty, once the control has another size).
    ImageSurface &surface();
    bool hasSurface() const { return m_surface != nullptr; }

    QColor backColour() const { return m_back; }
    QColor foreColour() const { return m_fore; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QColor m_back;
    QColor m_fore;
    std::unique_ptr<ImageSurface> m_surface;
};
