#pragma once

#include <cstdio>
#include <string>

// An output file that appears under its name only once it is completely written: the text
// goes to a temporary file beside it, which commit renames over the name. A file that is not
// committed, after any failure or when the object goes away first, leaves nothing behind.
class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    // Creates the temporary file for path; false with a one-line reason when it cannot.
    bool open(const std::string& path, std::string& error);
    // The temporary file's stream between a successful open and commit.
    std::FILE* stream() const { return stream_; }
    // Flushes, closes and renames onto the path; on any failure removes the temporary file and
    // returns false with a one-line reason.
    bool commit(std::string& error);

private:
    void discard();

    std::string path_;
    std::string temporary_;
    std::FILE* stream_ = nullptr;
};
