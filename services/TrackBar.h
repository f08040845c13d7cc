#pragma once

#include <QWidget>

#include <functional>

class ErrorBox;
class QSlider;

// A horizontal track bar with tick marks below. Its change handler runs after every scroll action
// of the user (each key, each click into the channel, each movement while dragging and the end of
// a drag), whether or not the position changed, and after a change by the program only when the
// position really changed. An error thrown by the handler is reported into the bar's error box
// and the bar goes on working.
class TrackBar : public QWidget {
    Q_OBJECT
public:
    // errorBox must outlive the bar.
    explicit TrackBar(ErrorBox& errorBox, QWidget* parent = nullptr);

    int minimum() const;
    // Sets the lower limit, raising Max and Position to it where they lie below.
    void setMinimum(int value);
    int maximum() const;
    // Sets the upper limit, lowering Min and Position to it where they lie above.
    void setMaximum(int value);
    int position() const;
    // Moves the thumb to value clamped to Min..Max; calls the handler if that changed Position.
    void setPosition(int value);
    int pageSize() const;
    void setPageSize(int value);
    int lineSize() const;
    void setLineSize(int value);
    int frequency() const;
    // A tick mark every value positions.
    void setFrequency(int value);

    void setChangeHandler(std::function<void()> handler);

    QSlider* slider() const { return slider_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void changed();
    template <typename Apply> void changeKeepingPosition(Apply apply);

    ErrorBox& errorBox_;
    QSlider* slider_;
    std::function<void()> changeHandler_;
};
