#pragma once

#include <cstdio>
#include <string>

// The file a batch writes its rows to. A regular file, or a name not taken yet, is replaced
// whole: the text goes to a temporary file beside it, which commit renames over the name, so
// the name never shows a part; the new file keeps the old one's permissions, and its owner and
// group where the process may set them. A symbolic link is followed and its target replaced
// that way. A FIFO, a device or anything else that is not a regular file is written directly
// and never replaced; a directory is refused when the file is opened.
class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Discards what was not committed: a temporary file is removed.
    ~OutputFile();

    // Opens the file for path (a FIFO waits for its reader); false with a one-line reason naming
    // path when it cannot.
    bool open(const std::string& path, std::string& error);
    // The stream to write to between a successful open and commit.
    std::FILE* stream() const { return stream_; }
    // Flushes and closes, then renames a temporary file onto its target; on any failure removes
    // the temporary file and returns false with a one-line reason.
    bool commit(std::string& error);

    // Removes the temporary file of the file opened last, if it has one. Async-signal-safe: for
    // a handler of a signal that is about to end the process.
    static void removeTemporaryOnSignal();

private:
    bool openTemporary(const std::string& target, const struct stat* old, std::string& error);
    void discard();

    std::string path_;       // as given, for messages
    std::string name_;       // the target's name in its directory
    std::string temporary_;  // the temporary file's name there; empty when written directly
    int directory_ = -1;
    std::FILE* stream_ = nullptr;
};
