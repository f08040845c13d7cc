#include "AtomicFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
std::string reason(const std::string& path, int error)
{
    return "cannot write '" + path + "': " + std::strerror(error);
}
}  // namespace

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::open(const std::string& path, std::string& error)
{
    discard();
    path_ = path;
    // Beside the target, so the rename stays within one file system and is atomic.
    std::vector<char> name(path.begin(), path.end());
    const char suffix[] = ".tmp-XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = reason(path, errno);
        return false;
    }
    temporary_ = name.data();
    // mkstemp makes the file private; the finished file gets the permissions of any new file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    stream_ = fdopen(fd, "w");
    if (!stream_) {
        error = reason(path, errno);
        close(fd);
        discard();
        return false;
    }
    return true;
}

bool AtomicFile::commit(std::string& error)
{
    if (!stream_) {
        error = reason(path_, EBADF);
        return false;
    }
    const bool written = std::fflush(stream_) == 0 && !std::ferror(stream_);
    const int writeError = errno;
    const bool closed = std::fclose(stream_) == 0;
    const int closeError = errno;
    stream_ = nullptr;
    if (!written || !closed) {
        error = reason(path_, !written ? writeError : closeError);
        discard();
        return false;
    }
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        error = reason(path_, errno);
        discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void AtomicFile::discard()
{
    if (stream_) {
        std::fclose(stream_);
        stream_ = nullptr;
    }
    if (!temporary_.empty()) {
        std::remove(temporary_.c_str());
        temporary_.clear();
    }
}
