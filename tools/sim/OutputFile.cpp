#include "OutputFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string reason(const std::string& path, int error)
{
    return "cannot write '" + path + "': " + std::strerror(error);
}

// The temporary file a signal handler removes. Written only while disarmed, so a handler that
// sees it armed reads a complete name.
std::atomic<bool> slotArmed{false};
static_assert(std::atomic<bool>::is_always_lock_free, "read from a signal handler");
int slotDirectory = -1;
char slotName[NAME_MAX + 1];
const OutputFile* slotOwner = nullptr;

// Holds back the signals that end a batch while a temporary file is created and registered, so
// that none arrives between the two.
class SignalBlock {
public:
    SignalBlock()
    {
        sigset_t set;
        sigemptyset(&set);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&set, signal);
        pthread_sigmask(SIG_BLOCK, &set, &old_);
    }
    ~SignalBlock() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }

private:
    sigset_t old_;
};

std::string randomTag()
{
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (static_cast<std::uint64_t>(getpid()) << 32) ^ (++counter * 0x9E3779B97F4A7C15u);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    x ^= x >> 31;
    static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string tag;
    for (int i = 0; i < 6; ++i, x /= 62)
        tag += letters[x % 62];
    return tag;
}

// name.tmp-XXXXXX; where that would be too long for the directory, the name is cut so that the
// temporary name is exactly as long as the target's.
std::string temporaryName(const std::string& name, std::size_t nameMax)
{
    const std::string suffix = ".tmp-" + randomTag();
    std::string stem = name;
    if (stem.size() + suffix.size() > nameMax)
        stem.resize(name.size() > suffix.size() ? name.size() - suffix.size() : 0);
    return stem + suffix;
}

// What a relative link's text is relative to: the directory of the link, with its slash.
std::string directoryOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
}  // namespace

OutputFile::~OutputFile() { discard(); }

bool OutputFile::open(const std::string& path, std::string& error)
{
    discard();
    path_ = path;
    struct stat target;
    if (::stat(path.c_str(), &target) == 0) {
        if (S_ISDIR(target.st_mode)) {
            error = reason(path, EISDIR);
            return false;
        }
        if (S_ISREG(target.st_mode)) {
            struct stat link;
            if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
                return openTemporary(path, &target, error);
            // A link to a regular file: its target is replaced. A link that names no path (those
            // of /proc do) is written through like a device.
            if (char* real = realpath(path.c_str(), nullptr)) {
                const std::string resolved = real;
                std::free(real);
                struct stat check;
                if (::stat(resolved.c_str(), &check) == 0 && check.st_dev == target.st_dev &&
                    check.st_ino == target.st_ino)
                    return openTemporary(resolved, &target, error);
            }
        }
        const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (S_ISREG(target.st_mode) ? O_TRUNC : 0));
        if (fd < 0 || !(stream_ = fdopen(fd, "w"))) {
            error = reason(path, errno);
            if (fd >= 0)
                ::close(fd);
            return false;
        }
        return true;
    }
    if (errno != ENOENT) {
        error = reason(path, errno);
        return false;
    }
    // A new name, or a link (or chain of links) that ends at one: the file is created there.
    std::string resolved = path;
    for (int hops = 0;; ++hops) {
        struct stat link;
        if (::lstat(resolved.c_str(), &link) != 0) {
            if (errno != ENOENT) {
                error = reason(path, errno);
                return false;
            }
            break;
        }
        if (!S_ISLNK(link.st_mode))
            break;
        char text[PATH_MAX];
        const ssize_t length = readlink(resolved.c_str(), text, sizeof text);
        if (hops == 40 || length < 0 || length == static_cast<ssize_t>(sizeof text)) {
            error = reason(path, hops == 40 ? ELOOP : length < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        const std::string next(text, static_cast<std::size_t>(length));
        resolved = next.starts_with('/') ? next : directoryOf(resolved) + next;
    }
    return openTemporary(resolved, nullptr, error);
}

bool OutputFile::openTemporary(const std::string& target, const struct stat* old, std::string& error)
{
    // The temporary file lives beside the target, so the rename stays within one file system and
    // is atomic. Everything goes through the directory's descriptor, so a path that is just short
    // enough for the target is never too long for the temporary file.
    const auto slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    name_ = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name_.empty()) {
        error = reason(path_, EISDIR);
        return false;
    }
    directory_ = ::open(directory.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (directory_ < 0) {
        error = reason(path_, errno);
        return false;
    }
    const long nameMax = fpathconf(directory_, _PC_NAME_MAX);
    int fd = -1;
    {
        SignalBlock block;
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            temporary_ = temporaryName(name_, nameMax > 0 ? static_cast<std::size_t>(nameMax) : NAME_MAX);
            fd = ::openat(directory_, temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0 && errno != EEXIST)
                break;
        }
        if (fd < 0) {
            error = reason(path_, errno);
            temporary_.clear();
            discard();
            return false;
        }
        slotArmed.store(false);
        slotDirectory = directory_;
        std::memcpy(slotName, temporary_.c_str(), temporary_.size() + 1);
        slotOwner = this;
        slotArmed.store(true);
    }
    if (old) {
        // Owner first: changing it may clear the set-id bits that the mode then restores.
        if (fchown(fd, old->st_uid, old->st_gid) != 0 && fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0) {
            // Not ours to give away: the new file stays the process's, as any file it writes.
        }
        fchmod(fd, old->st_mode & 07777);
    } else {
        // openat made the file private; a new file gets the permissions of any new file.
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    stream_ = fdopen(fd, "w");
    if (!stream_) {
        error = reason(path_, errno);
        ::close(fd);
        discard();
        return false;
    }
    return true;
}

bool OutputFile::commit(std::string& error)
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
    if (!temporary_.empty()) {
        if (renameat(directory_, temporary_.c_str(), directory_, name_.c_str()) != 0) {
            error = reason(path_, errno);
            discard();
            return false;
        }
        if (slotOwner == this)
            slotArmed.store(false);
        temporary_.clear();
    }
    discard();
    return true;
}

void OutputFile::discard()
{
    if (stream_) {
        std::fclose(stream_);
        stream_ = nullptr;
    }
    if (!temporary_.empty()) {
        // Removed before the handler forgets it, so a signal in between finds nothing to leave.
        unlinkat(directory_, temporary_.c_str(), 0);
        if (slotOwner == this)
            slotArmed.store(false);
        temporary_.clear();
    }
    if (slotOwner == this)
        slotOwner = nullptr;
    if (directory_ >= 0) {
        ::close(directory_);
        directory_ = -1;
    }
}

void OutputFile::removeTemporaryOnSignal()
{
    if (slotArmed.load())
        unlinkat(slotDirectory, slotName, 0);
}
