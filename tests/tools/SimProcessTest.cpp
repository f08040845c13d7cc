// quorvel-sim as a process: under the signals that end a batch, no temporary file is left and
// the old file is untouched whatever arrives while the CSV file is played for or written; into a
// closed pipe, no mode plays on as if it were read.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
using namespace std::chrono_literals;

// While the games are played the temporary file is empty; once the rows are written it grows.
enum class Moment { Play, Write };

struct Case {
    const char* name;
    Moment moment;
    std::vector<int> signals;
    int endingSignal;  // 0: the run ends itself, interrupted
};

// Starts quorvel-sim with stdout to out (or /dev/null) and stderr to the file err (or /dev/null).
pid_t startSim(const std::vector<std::string>& args, int out = -1, const char* err = nullptr,
               const posix_spawnattr_t* attributes = nullptr)
{
    std::vector<char*> argv{const_cast<char*>(QUORVEL_SIM)};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out >= 0)
        posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err ? err : "/dev/null", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, QUORVEL_SIM, &actions, attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

// The size of the one temporary file beside keep.csv, or -1 while there is none.
std::intmax_t temporarySize(const fs::path& dir)
{
    std::error_code error;
    for (const auto& e : fs::directory_iterator(dir, error))
        if (e.path().filename() != "keep.csv")
            return static_cast<std::intmax_t>(fs::file_size(e.path(), error));
    return -1;
}
}  // namespace

TEST(SimProcess, NoTemporaryFileSurvivesASignal)
{
    const Case cases[] = {
        {"SIGTERM while playing", Moment::Play, {SIGTERM}, SIGTERM},
        {"SIGHUP while playing", Moment::Play, {SIGHUP}, SIGHUP},
        {"Ctrl-C while playing", Moment::Play, {SIGINT}, 0},
        {"SIGTERM while writing", Moment::Write, {SIGTERM}, SIGTERM},
        // The rows are written to the end after a first Ctrl-C, then dropped; a second ends it all.
        {"Ctrl-C while writing", Moment::Write, {SIGINT}, 0},
        {"Ctrl-C twice while writing", Moment::Write, {SIGINT, SIGINT}, SIGINT},
    };
    const fs::path dir = fs::temp_directory_path() / ("quorvel-signals-" + std::to_string(getpid()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The write lasts a fraction of a second; should the signal come too late, try again.
        bool hit = false;
        for (int attempt = 0; attempt < 4 && !hit; ++attempt) {
            fs::remove_all(dir);
            fs::create_directories(dir);
            std::ofstream(dir / "keep.csv") << "old\n";
            const std::vector<std::string> play = {"--games", "1000", "--rounds", "2147483647", "--every",
                                                   "1073741824", "--jobs", "1"};
            const std::vector<std::string> write = {"--games", "4000000", "--rounds", "0", "--jobs", "2"};
            auto args = c.moment == Moment::Play ? play : write;
            args.insert(args.end(), {"--csv", (dir / "keep.csv").string()});
            const pid_t pid = startSim(args);
            ASSERT_GT(pid, 0);

            // A safety bound only: the file shows up within moments.
            const auto giveUp = std::chrono::steady_clock::now() + 120s;
            while (std::chrono::steady_clock::now() < giveUp &&
                   temporarySize(dir) < (c.moment == Moment::Play ? 0 : 1))
                std::this_thread::sleep_for(1ms);
            for (const int signal : c.signals) {
                kill(pid, signal);
                std::this_thread::sleep_for(20ms);  // two signals, not one pending pair
            }
            int status = 0;
            ASSERT_EQ(waitpid(pid, &status, 0), pid);

            EXPECT_EQ(temporarySize(dir), -1) << "a temporary file was left";
            std::ifstream in(dir / "keep.csv");
            std::string kept;
            std::getline(in, kept);
            const bool interrupted = WIFEXITED(status) && WEXITSTATUS(status) == 130;
            // Missed moments: the run had finished, or it ended on the first Ctrl-C before the second came.
            if (kept != "old" || (c.endingSignal && interrupted))
                continue;
            hit = true;
            if (c.endingSignal)
                EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.endingSignal) << status;
            else
                EXPECT_TRUE(interrupted) << status;
        }
        EXPECT_TRUE(hit) << "the run always finished before the signal";
    }
    fs::remove_all(dir);
}

// Output into a pipe whose reader has gone: with SIGPIPE ignored the write error ends the run with
// one line and exit code 2 (where the whole game used to be played, then exit 0); with SIGPIPE
// as usual, the signal ends it.
TEST(SimProcess, ClosedPipeEndsEveryMode)
{
    const std::vector<std::vector<std::string>> modes = {
        {"--seed", "1", "--rounds", "2000000000"},
        {"--help"},
        {"--games", "20", "--rounds", "10", "--seed", "1", "--every", "1"},
        {"--games", "2000", "--rounds", "10", "--seed", "1", "--every", "1", "--csv", "-"},
    };
    const fs::path err = fs::temp_directory_path() / ("quorvel-pipe-" + std::to_string(getpid()));
    for (const bool ignored : {true, false}) {
        for (const auto& args : modes) {
            SCOPED_TRACE(args[0] + (ignored ? ", SIGPIPE ignored" : ""));
            int ends[2];
            ASSERT_EQ(pipe(ends), 0);
            close(ends[0]);
            posix_spawnattr_t attributes;
            posix_spawnattr_init(&attributes);
            sigset_t pipeSignal;
            sigemptyset(&pipeSignal);
            sigaddset(&pipeSignal, SIGPIPE);
            // The child inherits an ignored SIGPIPE; a default one is set for it explicitly.
            const auto previous = std::signal(SIGPIPE, SIG_IGN);
            if (!ignored) {
                posix_spawnattr_setsigdefault(&attributes, &pipeSignal);
                posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
            }
            const pid_t pid = startSim(args, ends[1], err.c_str(), &attributes);
            std::signal(SIGPIPE, previous);
            posix_spawnattr_destroy(&attributes);
            close(ends[1]);
            ASSERT_GT(pid, 0);
            int status = 0;
            ASSERT_EQ(waitpid(pid, &status, 0), pid);
            std::ifstream in(err);
            const std::string message{std::istreambuf_iterator<char>(in), {}};
            if (ignored) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
                EXPECT_EQ(message, "quorvel-sim: cannot write to standard output: Broken pipe\n");
            } else {
                EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) << status;
            }
        }
    }
    fs::remove(err);
}
