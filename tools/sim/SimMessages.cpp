#include "SimMessages.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int refuse(const std::string& reason)
{
    std::fprintf(stderr, "quorvel-sim: %s\nTry 'quorvel-sim --help' for more information.\n", reason.c_str());
    return 2;
}

int fail(const std::string& reason)
{
    std::fprintf(stderr, "quorvel-sim: %s\n", reason.c_str());
    return 2;
}

bool standardOutputWritten(int& error)
{
    if (std::fflush(stdout) != 0) {
        error = errno;
        return false;
    }
    if (std::ferror(stdout)) {
        // An earlier write failed and the stream has nothing left to write: its errno is the
        // latest, unless something reset it.
        error = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

int failOutput(int error) { return fail(std::string("cannot write to standard output: ") + std::strerror(error)); }
