#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a file as a whole or not at all: write fills a temporary file beside path, which then
// takes path's place, so a failure at any point leaves an old file at path as it was. write
// returns false when it could not produce the whole contents (an encoder that gave up). Raises
// FileWriteError "Datei <path> kann nicht geschrieben werden. <reason>" when the file cannot be
// created, written or put in place, or write returns false; an error raised by write itself
// leaves the old file too.
void saveAtomically(const QString& path, const std::function<bool(QIODevice& file)>& write);
