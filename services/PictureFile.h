#pragma once

#include <QImage>
#include <QString>

// Reads a picture file, choosing the kind by the text after the last "." of the file's name
// (case-insensitive): "bmp" reads a Windows bitmap, "ico" an icon (InvalidGraphic "Symbol ist
// ungültig" when it is none); "wmf" and "emf" are known but cannot be read here and raise
// InvalidGraphic "Metadatei ist ungültig" once the file has been opened; anything else raises
// InvalidGraphic "Unbekannte Bilddateierweiterung (.<ext>)" before the file is touched.
// A file that cannot be opened raises FileOpenError "Datei <absolute path> kann nicht geöffnet
// werden. <reason>", the path made absolute against the current working directory. Content
// errors are those of readBitmap; a read failure is ReadError "Stream-Lesefehler", and a file
// larger than any acceptable bitmap is refused with the kind's "ist ungültig" text.
QImage loadPicture(const QString& fileName);
