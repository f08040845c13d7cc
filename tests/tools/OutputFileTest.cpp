#include "OutputFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
struct OutputFileTest : ::testing::Test {
    fs::path dir;

    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorvel-output-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }

    std::vector<std::string> entries() const
    {
        // By hand, so that links (a looping one included) are listed and never entered.
        std::vector<std::string> names;
        std::vector<fs::path> folders{dir};
        while (!folders.empty()) {
            const fs::path folder = folders.back();
            folders.pop_back();
            for (const auto& e : fs::directory_iterator(folder)) {
                names.push_back(e.path().lexically_relative(dir).string());
                if (fs::is_directory(fs::symlink_status(e.path())))
                    folders.push_back(e.path());
            }
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string contents(const fs::path& path)
    {
        std::ifstream in(path);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Opens path, writes text and commits; the error text, empty when all went well.
    static std::string write(const fs::path& path, const std::string& text)
    {
        OutputFile file;
        std::string error;
        if (!file.open(path.string(), error))
            return "open: " + error;
        std::fputs(text.c_str(), file.stream());
        if (!file.commit(error))
            return "commit: " + error;
        return {};
    }
    static mode_t mode(const fs::path& path)
    {
        struct stat s;
        return lstat(path.c_str(), &s) == 0 ? s.st_mode : 0;
    }
};
}  // namespace

TEST_F(OutputFileTest, AppearsOnlyOnCommit)
{
    const fs::path target = dir / "out.csv";
    OutputFile file;
    std::string error;
    ASSERT_TRUE(file.open(target.string(), error)) << error;
    std::fputs("seed,round\n", file.stream());
    EXPECT_FALSE(fs::exists(target));
    ASSERT_TRUE(file.commit(error)) << error;
    EXPECT_EQ(contents(target), "seed,round\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"out.csv"});

    // Permissions as for any new file, not the private ones of a temporary file.
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(target).permissions()), 0666 & ~mask);
}

TEST_F(OutputFileTest, AbandonedFileLeavesTheOldOneAlone)
{
    const fs::path target = dir / "out.csv";
    std::ofstream(target) << "old\n";
    {
        OutputFile file;
        std::string error;
        ASSERT_TRUE(file.open(target.string(), error)) << error;
        std::fputs("half a tab", file.stream());
    }
    EXPECT_EQ(contents(target), "old\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"out.csv"});
}

TEST_F(OutputFileTest, ReplacedFileKeepsItsModeAndOwner)
{
    const bool root = geteuid() == 0;
    struct Case {
        mode_t mode;
        uid_t owner;  // given to the old file when running as root
        gid_t group;
    };
    for (const auto c : {Case{0600, 4321, 8765}, Case{0640, 0, 8765}, Case{0444, 4321, 0}, Case{02755, 1, 1}}) {
        SCOPED_TRACE(c.mode);
        const fs::path target = dir / "kept.csv";
        fs::remove(target);
        std::ofstream(target) << "old\n";
        if (root) {
            ASSERT_EQ(chown(target.c_str(), c.owner, c.group), 0);
        }
        ASSERT_EQ(chmod(target.c_str(), c.mode), 0);
        ASSERT_EQ(write(target, "new\n"), "");
        EXPECT_EQ(contents(target), "new\n");
        struct stat s;
        ASSERT_EQ(stat(target.c_str(), &s), 0);
        EXPECT_EQ(s.st_mode & 07777, c.mode);
        if (root) {
            EXPECT_EQ(s.st_uid, c.owner);
            EXPECT_EQ(s.st_gid, c.group);
        }
        EXPECT_EQ(entries(), std::vector<std::string>{"kept.csv"});
    }
}

// A link stays a link; what it points to gets the rows, kept mode included.
TEST_F(OutputFileTest, LinksAreFollowed)
{
    fs::create_directory(dir / "data");
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links;  // name, what it points to
        const char* target;
        bool targetExists;
    };
    const Case cases[] = {
        {"relative", {{"link.csv", "data/rows.csv"}}, "data/rows.csv", true},
        {"absolute", {{"link.csv", (dir / "data/rows.csv").string()}}, "data/rows.csv", true},
        {"relative to the link's own directory", {{"data/link.csv", "rows.csv"}}, "data/rows.csv", true},
        {"chain", {{"link.csv", "data/second"}, {"data/second", "rows.csv"}}, "data/rows.csv", true},
        {"dangling", {{"link.csv", "data/new.csv"}}, "data/new.csv", false},
        {"dangling chain", {{"link.csv", "data/second"}, {"data/second", "../new.csv"}}, "new.csv", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir / "data");
        fs::remove(dir / "new.csv");
        fs::remove(dir / "link.csv");
        fs::create_directory(dir / "data");
        if (c.targetExists) {
            std::ofstream(dir / c.target) << "old\n";
            fs::permissions(dir / c.target, fs::perms::owner_read | fs::perms::owner_write);
        }
        for (const auto& [name, to] : c.links)
            fs::create_symlink(to, dir / name);
        const fs::path first = dir / c.links.front().first;
        ASSERT_EQ(write(first, "rows\n"), "");
        for (const auto& [name, to] : c.links) {
            EXPECT_TRUE(fs::is_symlink(dir / name)) << name;
            EXPECT_EQ(fs::read_symlink(dir / name), to) << name;
        }
        EXPECT_EQ(contents(dir / c.target), "rows\n");
        EXPECT_TRUE(S_ISREG(mode(dir / c.target)));
        if (c.targetExists) {
            EXPECT_EQ(mode(dir / c.target) & 0777, 0600u);
        }
    }
}

TEST_F(OutputFileTest, SpecialFilesAreWrittenNotReplaced)
{
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_symlink("pipe", dir / "pipe-link");
    // A node of the null device of our own, so a fault cannot touch the system's.
    const bool device = mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    for (const char* name : {"pipe", "pipe-link", "null"}) {
        SCOPED_TRACE(name);
        if (std::string(name) == "null" && !device) {
            std::cout << "no device node: mknod is not allowed here\n";
            continue;
        }
        std::string received;
        std::thread reader;
        if (std::string(name) != "null")
            reader = std::thread([&] { received = contents(dir / "pipe"); });
        const std::string error = write(dir / name, "rows\n");
        if (reader.joinable())
            reader.join();
        EXPECT_EQ(error, "");
        if (std::string(name) != "null") {
            EXPECT_EQ(received, "rows\n");
        }
    }
    EXPECT_TRUE(S_ISFIFO(mode(dir / "pipe")));
    EXPECT_TRUE(S_ISLNK(mode(dir / "pipe-link")));
    if (device) {
        EXPECT_TRUE(S_ISCHR(mode(dir / "null")));
    }
    EXPECT_EQ(entries().size(), device ? 3u : 2u);
}

TEST_F(OutputFileTest, UnwritablePlacesAreRefusedAtOnceAndLeaveNothing)
{
    std::ofstream(dir / "plain") << "x";
    fs::create_directory(dir / "taken.csv");
    fs::create_symlink("taken.csv", dir / "link-to-dir");
    fs::create_symlink("loop", dir / "loop");
    const auto before = entries();
    struct Case {
        fs::path target;
        const char* reason;
    };
    const Case cases[] = {
        {dir / "missing" / "out.csv", "No such file or directory"},
        {dir / "plain" / "out.csv", "Not a directory"},
        {dir / "taken.csv", "Is a directory"},
        {dir / "link-to-dir", "Is a directory"},
        {dir.string() + "/new.csv/", "Is a directory"},
        {dir / "loop", "Too many levels of symbolic links"},
        {dir / std::string(256, 'n'), "File name too long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.string());
        OutputFile file;
        std::string error;
        EXPECT_FALSE(file.open(c.target.string(), error));
        EXPECT_NE(error.find(c.target.string()), std::string::npos) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
        EXPECT_EQ(entries(), before);
    }
}

// The temporary file's name fits wherever the target's does, up to the longest legal name.
TEST_F(OutputFileTest, LongestNamesWork)
{
    for (const std::size_t length : {1u, 243u, 244u, 254u, 255u}) {
        SCOPED_TRACE(length);
        const std::string name(length, 'a');
        ASSERT_EQ(write(dir / name, "rows\n"), "");
        EXPECT_EQ(contents(dir / name), "rows\n");
        ASSERT_EQ(write(dir / name, "again\n"), "");
        EXPECT_EQ(contents(dir / name), "again\n");
        EXPECT_EQ(entries(), std::vector<std::string>{name});
        fs::remove(dir / name);
    }
}

TEST_F(OutputFileTest, ReadOnlyDirectory)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    OutputFile file;
    std::string error;
    EXPECT_FALSE(file.open((dir / "out.csv").string(), error));
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_TRUE(entries().empty());
}
