#include "Exception.h"
#include "SaveAtomically.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

// A writer that fails in any way leaves the old file as it was and no temporary file beside it;
// one that succeeds replaces it.
TEST(SaveAtomically, OnlyAWriterThatSucceedsReplacesTheFile)
{
    struct Row {
        const char* name;
        std::function<bool(QIODevice&)> write;
        bool replaces;
        bool raisesWriteError;
    };
    const Row rows[] = {
        {"succeeds", [](QIODevice& f) { return f.write("new") == 3; }, true, false},
        {"gives up after writing", [](QIODevice& f) { f.write("half"); return false; }, false, true},
        {"gives up at once", [](QIODevice&) { return false; }, false, true},
        {"throws", [](QIODevice& f) -> bool { f.write("half"); throw std::runtime_error("no"); }, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir folder;
        const QString path = folder.filePath("data.csv");
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();

        if (r.raisesWriteError) {
            try {
                saveAtomically(path, r.write);
                ADD_FAILURE() << "no error raised";
            } catch (const FileWriteError& e) {
                EXPECT_TRUE(e.message().contains(QStringLiteral("kann nicht geschrieben werden")))
                    << e.message().toStdString();
            }
        } else if (r.replaces) {
            saveAtomically(path, r.write);
        } else {
            EXPECT_THROW(saveAtomically(path, r.write), std::runtime_error);
        }
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), r.replaces ? "new" : "old");
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"data.csv"});
    }
}
