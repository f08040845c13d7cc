#pragma once

#include <QWidget>

class Beeper;
class QLineEdit;
class QToolButton;

// A one-line edit box for an integer with an up/down button pair inside its right end. The value
// lives only in the text: value() reads it strictly and reports MinValue for anything that is no
// number. The text is clamped to MinValue..MaxValue only when the focus leaves the box with an
// out-of-range number; typed characters other than digits, signs and the decimal separator, and
// Enter, are refused with a beep of beeper, which must outlive the box; pasted text is not
// filtered.
class SpinEdit : public QWidget {
    Q_OBJECT
public:
    explicit SpinEdit(Beeper& beeper, QWidget* parent = nullptr);

    // The text's value, not clamped; MinValue when the text is no valid integer.
    int value() const;
    // Sets the text to value clamped to MinValue..maxValue (not clamped when the two are equal).
    void setValue(int value);

    int minValue() const { return minValue_; }
    void setMinValue(int value) { minValue_ = value; }
    int maxValue() const { return maxValue_; }
    void setMaxValue(int value) { maxValue_ = value; }
    int increment() const { return increment_; }
    void setIncrement(int value) { increment_ = value; }

    QLineEdit* lineEdit() const { return edit_; }

    // The least height: the box's font height + min(that, the application font's height) / 4 + 6.
    // The box never gets lower than that.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int clamped(qint64 value) const;
    void step(int direction);
    bool filterKey(QKeyEvent* event);
    void placeButtons();

    Beeper& beeper_;
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
};
