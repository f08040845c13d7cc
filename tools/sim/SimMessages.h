#pragma once

#include <string>

// How quorvel-sim ends badly, always with exit code 2 and nothing but its message on stderr:
// a refused command line gives the reason and a line pointing to --help; any other failure the
// reason alone.
int refuse(const std::string& reason);
int fail(const std::string& reason);

// Flushes standard output and tells whether everything written to it arrived; if not, error is
// the reason (for failOutput).
bool standardOutputWritten(int& error);
// The failure of a write to standard output, for error from errno.
int failOutput(int error);
