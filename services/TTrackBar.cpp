#include "TTrackBar.h"

#include "ErrorReporting.h"

#include <QSlider>

#include <algorithm>

TTrackBar::TTrackBar(QWidget* parent) : QWidget(parent), slider_(new QSlider(Qt::Horizontal, this))
{
    slider_->setObjectName(QStringLiteral("slider"));
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setRange(0, 10);
    setFocusPolicy(slider_->focusPolicy());
    setFocusProxy(slider_);

    // actionTriggered comes in the middle of the slider's own step, before the value follows the
    // thumb; the value is brought along first, so the handler reads the new Position.
    connect(slider_, &QSlider::actionTriggered, this, [this] {
        slider_->setValue(slider_->sliderPosition());
        changed();
    });
    connect(slider_, &QSlider::sliderReleased, this, [this] { changed(); });
}

int TTrackBar::Min() const
{
    return slider_->minimum();
}

void TTrackBar::setMin(int value)
{
    changeKeepingPosition([&] { slider_->setMinimum(value); });
}

int TTrackBar::Max() const
{
    return slider_->maximum();
}

void TTrackBar::setMax(int value)
{
    changeKeepingPosition([&] { slider_->setMaximum(value); });
}

int TTrackBar::Position() const
{
    return slider_->value();
}

void TTrackBar::setPosition(int value)
{
    changeKeepingPosition([&] { slider_->setValue(std::clamp(value, Min(), Max())); });
}

int TTrackBar::PageSize() const
{
    return slider_->pageStep();
}

void TTrackBar::setPageSize(int value)
{
    slider_->setPageStep(value);
}

int TTrackBar::LineSize() const
{
    return slider_->singleStep();
}

void TTrackBar::setLineSize(int value)
{
    slider_->setSingleStep(value);
}

int TTrackBar::Frequency() const
{
    return slider_->tickInterval();
}

void TTrackBar::setFrequency(int value)
{
    slider_->setTickInterval(value);
}

void TTrackBar::setOnChange(std::function<void()> handler)
{
    onChange_ = std::move(handler);
}

template <typename Apply> void TTrackBar::changeKeepingPosition(Apply apply)
{
    const int before = Position();
    apply();
    if (Position() != before)
        changed();
}

void TTrackBar::changed()
{
    // Reported here rather than left to the application: an error escaping the slider's own
    // step would leave the slider half-way through it.
    callReporting(onChange_);
}

void TTrackBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    slider_->setGeometry(rect());
}

QSize TTrackBar::sizeHint() const
{
    return slider_->sizeHint();
}

QSize TTrackBar::minimumSizeHint() const
{
    return slider_->minimumSizeHint();
}
