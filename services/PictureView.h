#pragma once

#include <QWidget>

class Picture;

// A widget that shows one picture: the board's background and its tiles. It paints nothing
// where it has no picture, so whatever lies beneath shows through; with Transparent on, every
// pixel of the colour of the picture's bottom-left pixel is left out as well.
// The picture, masked and scaled for the widget's size, is prepared once per picture, size
// and mode and shared by every widget showing the same picture; a paint only copies it.
class PictureView : public QWidget {
    Q_OBJECT

public:
    explicit PictureView(QWidget* parent = nullptr);

    // The widget repaints whenever its picture changes.
    Picture& picture() { return *picture_; }
    const Picture& picture() const { return *picture_; }

    // Scale the picture to fill the widget (aspect ratio not kept); off by default.
    bool isStretched() const { return stretch_; }
    void setStretched(bool on);

    // Without Stretch: centre the picture in the widget instead of placing it at the top left.
    bool isCentered() const { return center_; }
    void setCentered(bool on);

    // Kept for the layout's sake: a picture in memory is always shown at once.
    bool incrementalDisplay() const { return incrementalDisplay_; }
    void setIncrementalDisplay(bool on) { incrementalDisplay_ = on; }

    // Leave out the pixels of the picture's transparent colour, its bottom-left pixel's.
    bool isTransparent() const { return transparent_; }
    void setTransparent(bool on);

signals:
    // A left-button press and release, both on the widget.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setFlag(bool& flag, bool on);

    Picture* picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool incrementalDisplay_ = false;
    bool transparent_ = false;
    bool pressed_ = false;
};
