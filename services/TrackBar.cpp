#include "TrackBar.h"

#include "ErrorReporting.h"

#include <QSlider>

#include <algorithm>

TrackBar::TrackBar(ErrorBox& errorBox, QWidget* parent)
    : QWidget(parent), errorBox_(errorBox), slider_(new QSlider(Qt::Horizontal, this))
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

int TrackBar::minimum() const
{
    return slider_->minimum();
}

void TrackBar::setMinimum(int value)
{
    changeKeepingPosition([&] { slider_->setMinimum(value); });
}

int TrackBar::maximum() const
{
    return slider_->maximum();
}

void TrackBar::setMaximum(int value)
{
    changeKeepingPosition([&] { slider_->setMaximum(value); });
}

int TrackBar::position() const
{
    return slider_->value();
}

void TrackBar::setPosition(int value)
{
    changeKeepingPosition([&] { slider_->setValue(std::clamp(value, minimum(), maximum())); });
}

int TrackBar::pageSize() const
{
    return slider_->pageStep();
}

void TrackBar::setPageSize(int value)
{
    slider_->setPageStep(value);
}

int TrackBar::lineSize() const
{
    return slider_->singleStep();
}

void TrackBar::setLineSize(int value)
{
    slider_->setSingleStep(value);
}

int TrackBar::frequency() const
{
    return slider_->tickInterval();
}

void TrackBar::setFrequency(int value)
{
    slider_->setTickInterval(value);
}

void TrackBar::setChangeHandler(std::function<void()> handler)
{
    changeHandler_ = std::move(handler);
}

template <typename Apply> void TrackBar::changeKeepingPosition(Apply apply)
{
    const int before = position();
    apply();
    if (position() != before)
        changed();
}

void TrackBar::changed()
{
    // Reported here rather than left to the application: an error escaping the slider's own
    // step would leave the slider half-way through it.
    callReporting(errorBox_, changeHandler_);
}

void TrackBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    slider_->setGeometry(rect());
}

QSize TrackBar::sizeHint() const
{
    return slider_->sizeHint();
}

QSize TrackBar::minimumSizeHint() const
{
    return slider_->minimumSizeHint();
}
