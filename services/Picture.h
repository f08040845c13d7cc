#pragma once

#include <QImage>
#include <QObject>
#include <QString>

// A picture read from a file: empty at first, replaced as a whole by a load or a copy. Pictures
// are shared, not duplicated, so a copy costs nothing.
class Picture : public QObject {
    Q_OBJECT

public:
    explicit Picture(QObject* parent = nullptr);

    // Loads the file, choosing the kind by the text after the last "." of the file's name
    // (case-insensitive): "bmp" reads a Windows bitmap, "ico" an icon (InvalidGraphic
    // "Symbol ist ungültig" when it is none); "wmf" and "emf" are
    // known but cannot be read here and raise InvalidGraphic "Metadatei ist ungültig" once
    // the file has been opened; anything else raises InvalidGraphic
    // "Unbekannte Bilddateierweiterung (.<ext>)" before the file is touched.
    // A file that cannot be opened raises FileOpenError "Datei <absolute path> kann nicht
    // geöffnet werden. <reason>", the path made absolute against the current working
    // directory. Content errors are those of readBitmap; a read failure is ReadError
    // "Stream-Lesefehler", and a file larger than any acceptable bitmap is refused with the
    // kind's "ist ungültig" text. On any error the previous picture stays and changed() is
    // not emitted; on success changed() is emitted once.
    void loadFromFile(const QString& fileName);

    // Takes over source's picture (shared) and emits changed().
    void assign(const Picture& source);

    // Replaces the picture and emits changed(); for pictures made in memory.
    void setImage(const QImage& image);

    const QImage& image() const { return image_; }
    bool isEmpty() const { return image_.isNull(); }

signals:
    void changed();

private:
    QImage image_;
};
