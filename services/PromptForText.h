#pragma once

#include <QRect>
#include <QString>

class QFont;
class QWidget;

// Where the prompt's parts go, in client coordinates.
struct PromptGeometry {
    QSize client;
    QRect label;
    QRect edit;
    QRect okButton;
    QRect cancelButton;
};

// Lays out the prompt for font and prompt text: client width h(180); the label at (h(8), v(8)),
// word-wrapped within h(164); the edit h(164) wide and editHeight high 5 pixels below the label;
// the buttons h(50) × v(14) at h(38) and h(92), 15 pixels below the edit; 13 pixels below them.
PromptGeometry promptGeometry(const QFont& font, const QString& prompt, int editHeight);

// Asks for one line of text in a modal dialog titled caption, centred on the screen, in the
// application's default font. The edit starts with text, all selected, and takes 255 characters
// at most. "OK" (Enter) stores the edit's content in text and returns true; "Abbrechen" (Esc)
// and the close box return false and leave text exactly as it was.
bool promptForText(const QString& caption, const QString& prompt, QString& text,
                   QWidget* parent = nullptr);
