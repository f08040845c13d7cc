#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A one-line edit box for an integer with an up/down button pair inside its right end, stepping
// by 1. Unlike QSpinBox, the value lives only in the text: value() reads it strictly and reports
// the minimum for anything that is no number, and the text is clamped to minimum..maximum only
// when the focus leaves the box with an out-of-range number. Typed characters other than digits,
// signs and the decimal separator, and Enter, are refused with keyRefused(); pasted text is not
// filtered.
class SpinEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    // The text's value, not clamped; the minimum when the text is no valid integer.
    int value() const;
    // Sets the text to value clamped to minimum..maximum (not clamped when the two are equal).
    void setValue(int value);

    int minimum() const { return minimum_; }
    void setMinimum(int value) { minimum_ = value; }
    int maximum() const { return maximum_; }
    void setMaximum(int value) { maximum_ = value; }

    QLineEdit* lineEdit() const { return edit_; }

    // The least height: the box's font height + min(that, the application font's height) / 4 + 6.
    // The box never gets lower than that.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    // A typed key was refused; the program beeps.
    void keyRefused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int clamped(qint64 value) const;
    void step(int direction);
    bool filterKey(QKeyEvent* event);
    void placeButtons();

    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 0;
};
