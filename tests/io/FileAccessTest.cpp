// The bounded reader, the two-step replacement and the checks made before writing: pipes and
// devices refused at once, long files refused after the bound, an unfinished replacement never
// seen, the same file found behind a link.
#include "io/FileAccess.h"
#include "io/FileError.h"

#include "../util/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zul {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TestFolder;
using test::WriteBytes;

TEST(FileAccess, ReadsOnlyPlainFilesAndNoMoreThanTheBound) {
    TestFolder folder;
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    WriteBytes(folder.file("ten"), "0123456789");
    struct Case {
        std::string path;
        std::size_t bound;
        int error;
        std::string bytes;
    };
    const Case cases[] = {
        {folder.file("ten"), 10, FileError::None, "0123456789"},
        {folder.file("ten"), 9, FileError::OutOfMemory, ""},
        {fifo, kMaxReadBytes, FileError::PathFileAccess, ""},        // no writer: would wait for ever
        {"/dev/zero", kMaxReadBytes, FileError::PathFileAccess, ""}, // would never end
        {folder.path().string(), kMaxReadBytes, FileError::PathFileAccess, ""},
        {folder.file("none"), kMaxReadBytes, FileError::FileNotFound, ""},
    };
    for (const Case& c : cases) {
        std::string bytes = "stale";
        EXPECT_EQ(ReadWholeFile(c.path, bytes, c.bound), c.error) << c.path << " " << c.bound;
        EXPECT_EQ(bytes, c.bytes) << c.path;
    }
}

TEST(FileAccess, WritableTargetsAreCheckedBeforeWriting) {
    TestFolder folder;
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    WriteBytes(folder.file("old"), "old");
    const struct {
        std::string path;
        int error;
    } cases[] = {
        {folder.file("old"), FileError::None},
        {folder.file("new"), FileError::None},
        {fifo, FileError::PathFileAccess},
        {"/dev/full", FileError::PathFileAccess},
        {folder.path().string(), FileError::PathFileAccess},
        {folder.file("no/new"), FileError::PathNotFound},
        {folder.file(std::string(300, 'x')), FileError::BadFileName},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckWritableTarget(c.path), c.error) << c.path;
        // The replacement refuses the same targets without waiting, and writes the others.
        if (c.error == FileError::PathFileAccess) {
            EXPECT_EQ(ReplaceFileContents(c.path, "x"), c.error) << c.path;
        }
    }
    EXPECT_FALSE(fs::exists(folder.file("new"))); // nothing written by the checks
}

TEST(FileAccess, APreparedFileReplacesOnlyWhenCommitted) {
    TestFolder folder;
    const std::string target = folder.file("out.prn");
    WriteBytes(target, "old");
    {
        PendingFile pending;
        ASSERT_EQ(pending.Prepare(target, "new"), FileError::None);
        EXPECT_EQ(ReadBytes(target), "old");
    } // dropped: the new file goes, the old one stays
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
    PendingFile pending;
    EXPECT_EQ(pending.Commit(), FileError::PathFileAccess); // nothing prepared
    ASSERT_EQ(pending.Prepare(target, "new"), FileError::None);
    ASSERT_EQ(pending.Commit(), FileError::None);
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

TEST(FileAccess, SameFileSeesThroughLinksAndDots) {
    TestFolder folder;
    WriteBytes(folder.file("s.zul"), "x");
    fs::create_directory(folder.file("sub"));
    fs::create_symlink(folder.file("s.zul"), folder.file("link.zul"));
    fs::create_hard_link(folder.file("s.zul"), folder.file("hard.zul"));
    EXPECT_TRUE(SameFile(folder.file("s.zul"), folder.file("link.zul")));
    EXPECT_TRUE(SameFile(folder.file("s.zul"), folder.file("hard.zul")));
    EXPECT_TRUE(SameFile(folder.file("s.zul"), folder.file("sub/../s.zul")));
    EXPECT_TRUE(SameFile(folder.file("new.pdf"), folder.file("sub/../new.pdf"))); // neither exists
    EXPECT_FALSE(SameFile(folder.file("s.zul"), folder.file("new.pdf")));
    EXPECT_FALSE(SameFile(folder.file("a.pdf"), folder.file("b.pdf")));
}

} // namespace
} // namespace zul
