#include "Spinner.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

Spinner::Spinner(QScrollBar *bar, QLineEdit *box)
    : QObject(bar), m_bar(bar), m_box(box)
{
    bar->setOrientation(Qt::Vertical);
    // Largest value at the top. The bar's arrows, page clicks and keys still
    // step as for a bar whose top is its smallest value, so each step is
    // turned round: the up arrow counts up and the thumb follows the click.
    bar->setInvertedAppearance(true);
    bar->setTracking(true);
    connect(bar, &QAbstractSlider::actionTriggered, this, [this](int action) {
        const int v = m_bar->value();
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            m_bar->setSliderPosition(v - m_bar->singleStep());
            break;
        case QAbstractSlider::SliderSingleStepSub:
            m_bar->setSliderPosition(v + m_bar->singleStep());
            break;
        case QAbstractSlider::SliderPageStepAdd:
            m_bar->setSliderPosition(v - m_bar->pageStep());
            break;
        case QAbstractSlider::SliderPageStepSub:
            m_bar->setSliderPosition(v + m_bar->pageStep());
            break;
        default:
            break;
        }
    });
    bar->installEventFilter(this);
    connect(bar, &QScrollBar::valueChanged, this, &Spinner::barChanged);
}

bool Spinner::eventFilter(QObject *watched, QEvent *event)
{
    // The wheel turned up counts up.
    if (watched == m_bar && event->type() == QEvent::Wheel) {
        const int notches = static_cast<QWheelEvent *>(event)->angleDelta().y() / 120;
        if (notches != 0)
            m_bar->setValue(m_bar->value() + notches * m_bar->singleStep());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Spinner::setRange(int low, int high)
{
    m_silent = true;
    m_bar->setRange(qMin(low, high), qMax(low, high));
    m_silent = false;
}

void Spinner::setSteps(int small, int large)
{
    m_bar->setSingleStep(small);
    m_bar->setPageStep(large);
}

void Spinner::setValue(int value)
{
    const int clamped = qBound(m_bar->minimum(), value, m_bar->maximum());
    if (m_bar->value() == clamped)
        barChanged(clamped);
    else
        m_bar->setValue(clamped);
}

void Spinner::setValueSilently(int value)
{
    m_silent = true;
    m_bar->setValue(qBound(m_bar->minimum(), value, m_bar->maximum()));
    m_silent = false;
}

int Spinner::value() const
{
    return m_bar->value();
}

void Spinner::barChanged(int value)
{
    if (m_silent)
        return;
    if (m_box)
        m_box->setText(QString::number(value));
    Q_EMIT valueChanged(value);
}
