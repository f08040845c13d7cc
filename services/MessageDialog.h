#pragma once

#include <QMessageBox>
#include <QRect>
#include <QString>

class Beeper;
class QFont;

// Where the message dialog's parts go, in client coordinates.
struct MessageDialogGeometry {
    QSize client;
    QRect icon;
    QRect message;
    QRect okButton;
};

// Lays out the dialog for message in font: margins h(8)/v(8), the 32 × 32 icon at the top left,
// the message word-wrapped within half of screenWidth beside it after h(10), and the button row
// (h(50) or caption width + 8 wide, v(14) high) centred v(10) below the taller of the two.
MessageDialogGeometry messageDialogGeometry(const QFont& font, const QString& message,
                                            int screenWidth);

// Shows message modally in a dialog titled "Fehler" with the error icon and a centred "OK" that
// is both default and escape button, and returns QMessageBox::Ok for Enter, Esc or a click on
// it and QMessageBox::Cancel for the close box. Ctrl+C beeps with beeper and copies the dialog as
// text. Code that refuses an input shows it through its ErrorBox, so tests can record it.
int showMessageDialog(Beeper& beeper, const QString& message);

// The text Ctrl+C copies: lines of 27 "-" around the title, the message and the button
// captions (each followed by three blanks, "&" removed), every line ended by "\r\n".
QString messageDialogClipboardText(const QString& title, const QString& message,
                                   const QStringList& buttonCaptions);
