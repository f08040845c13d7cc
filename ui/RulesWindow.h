#pragma once

#include "CellPictures.h"

#include <QWidget>

class QTextBrowser;

// A small window that explains the game as the program plays it: the board, the two sides, what
// a roll does on each kind of cell, the two modes and the two decisions of "Interaktiv", the
// insecticide, the chart and the game's number, each cell shown as the board shows it. Not
// modal; Esc closes it.
class RulesWindow : public QWidget {
    Q_OBJECT
public:
    RulesWindow(const CellPictures& pictures, QWidget* parent);

    // The text as it reads, without the pictures.
    QString text() const;
    // Whether the text shows the cells' pictures (not when they could not be loaded).
    bool showsPictures() const { return showsPictures_; }

private:
    QString html(bool withPictures) const;

    QTextBrowser* browser_ = nullptr;
    bool showsPictures_ = false;
};
