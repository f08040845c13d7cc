#include "AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
struct AtomicFileTest : ::testing::Test {
    fs::path dir;

    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorvel-atomic-" + std::to_string(getpid()) + "-" +
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
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(dir))
            names.push_back(fs::relative(e.path(), dir).string());
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
};
}  // namespace

TEST_F(AtomicFileTest, AppearsOnlyOnCommit)
{
    const fs::path target = dir / "out.csv";
    AtomicFile file;
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

TEST_F(AtomicFileTest, AbandonedFileLeavesTheOldOneAlone)
{
    const fs::path target = dir / "out.csv";
    std::ofstream(target) << "old\n";
    {
        AtomicFile file;
        std::string error;
        ASSERT_TRUE(file.open(target.string(), error)) << error;
        std::fputs("half a tab", file.stream());
    }
    EXPECT_EQ(contents(target), "old\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"out.csv"});
}

TEST_F(AtomicFileTest, UnwritablePlacesLeaveNothingBehind)
{
    std::ofstream(dir / "plain") << "x";
    fs::create_directory(dir / "taken.csv");
    const auto before = entries();
    struct Case {
        fs::path target;
        bool opens;  // the failure shows only when the finished file is renamed
    };
    const Case cases[] = {
        {dir / "missing" / "out.csv", false},
        {dir / "plain" / "out.csv", false},
        {dir / "taken.csv", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.string());
        AtomicFile file;
        std::string error;
        bool ok = file.open(c.target.string(), error);
        EXPECT_EQ(ok, c.opens);
        if (ok) {
            std::fputs("rows\n", file.stream());
            ok = file.commit(error);
        }
        EXPECT_FALSE(ok);
        EXPECT_NE(error.find(c.target.string()), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
        EXPECT_EQ(entries(), before);
    }
}

TEST_F(AtomicFileTest, ReadOnlyDirectory)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    AtomicFile file;
    std::string error;
    EXPECT_FALSE(file.open((dir / "out.csv").string(), error));
    EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_TRUE(entries().empty());
}
