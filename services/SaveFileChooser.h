#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Asks the user where to save a file. The program's save commands take one; the real one is a
// file dialog, tests answer with a fixed choice.
class SaveFileChooser {
public:
    struct Choice {
        QString path;    // empty: the user cancelled
        QString filter;  // the one of the filters offered that was chosen
    };

    virtual ~SaveFileChooser() = default;

    // Offers suggestedPath (folder and name) and the filters ("PNG-Bild (*.png)"), the first
    // one chosen. A chosen name without an extension gets the chosen filter's.
    virtual Choice choose(const QString& title, const QString& suggestedPath, const QStringList& filters) = 0;
};

// A picture's file type as a save command offers it: a PNG at pngScale times the size shown, or
// with pngScale 0 an SVG drawing.
struct PictureType {
    QString filter;
    int pngScale;
};

struct PictureChoice {
    QString path;  // empty: the user cancelled
    int pngScale;  // of the type chosen
};

// Offers types (the first one chosen) and returns the path and the scale of the type chosen.
PictureChoice choosePicture(SaveFileChooser& chooser, const QString& title, const QString& suggestedPath,
                            const std::vector<PictureType>& types);
