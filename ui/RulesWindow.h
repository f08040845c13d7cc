#pragma once

#include "CellPictures.h"

#include <QWidget>

class QTextBrowser;

// A small window that explains the game as the program plays it: the board, the two sides, what
// a roll does on each kind of cell, the two modes and the two decisions of "Interaktiv", the
// insecticide, the chart, the game's number and the Versuchsreihe, each cell shown as the board
// shows it. Not modal; Esc closes it.
class RulesWindow : public QWidget {
    Q_OBJECT
public:
    RulesWindow(const CellPictures& pictures, QWidget* parent);

    // The text as it reads, without the pictures.
    QString text() const;
    // Whether the text shows the cells' pictures (not when they could not be loaded).
    bool showsPictures() const { return showsPictures_; }

    // Where the window goes beside a main window of frame and client geometry on a screen of
    // available geometry screen: never larger than the screen, with room for a frame like the
    // main window's (the text scrolls instead); to the main window's right where the screen has
    // room, else at (0, 0), which leaves the place to the desktop. Gives the frame's top left
    // and the client size.
    QRect placeBeside(const QRect& frame, const QRect& client, const QRect& screen) const;

private:
    QString html(bool withPictures) const;

    QTextBrowser* browser_ = nullptr;
    bool showsPictures_ = false;
};
