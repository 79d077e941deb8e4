#include "util/FileHelpers.h"
#include "util/CSystem.h"
#include "util/ProgramPaths.h"

#include "TestFolder.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

using namespace zul;
using zul::test::ReadBytes;
using zul::test::WriteBytes;
namespace fs = std::filesystem;

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(FileHelpers, KillMakeAndCreateReportSuccessOnly) {
    test::TestFolder folder;
    const auto file = folder.file("a.txt");
    EXPECT_FALSE(KillFile(file)); // missing file: false, nothing thrown
    WriteBytes(file, "data");
    EXPECT_TRUE(CreateEmptyFile(file));
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_TRUE(KillFile(file));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_FALSE(KillFile(folder.path().string())); // a folder is not a file
    EXPECT_FALSE(KillFile(""));

    const auto sub = folder.file("sub");
    EXPECT_TRUE(MakeFolder(sub));
    EXPECT_FALSE(MakeFolder(sub)); // exists already
    EXPECT_FALSE(MakeFolder(folder.file("no/parent")));
    EXPECT_FALSE(CreateEmptyFile(folder.file("no/parent/x")));
}

TEST(FileHelpers, AppendTextFileEndsEveryLineWithCrLf) {
    test::TestFolder folder;
    const auto destination = folder.file("joined.txt");
    const auto source = folder.file("part.txt");
    WriteBytes(source, "one\r\ntwo\nthree\rfour");
    EXPECT_TRUE(AppendTextFile(destination, source)); // destination created
    WriteBytes(source, "\x8d\x59\r\n\r\n");
    EXPECT_TRUE(AppendTextFile(destination, source));
    EXPECT_EQ(ReadBytes(destination), "one\r\ntwo\r\nthree\r\nfour\r\n\x8d\x59\r\n\r\n");
    WriteBytes(source, "");
    EXPECT_TRUE(AppendTextFile(destination, source));
    EXPECT_EQ(fs::file_size(destination), 29u); // an empty source adds nothing
    EXPECT_FALSE(AppendTextFile(destination, folder.file("missing.txt")));
    EXPECT_FALSE(AppendTextFile(folder.file("no/dest.txt"), source));

    // a file appended to itself, also through a link, is refused and left as it was
    std::string lines;
    for (int i = 0; i < 2000; ++i) {
        lines += "line of a print file\r\n";
    }
    WriteBytes(source, lines);
    fs::create_symlink(source, folder.file("link.txt"));
    EXPECT_FALSE(AppendTextFile(source, source));
    EXPECT_FALSE(AppendTextFile(folder.file("link.txt"), source));
    EXPECT_EQ(ReadBytes(source), lines);
}

TEST(FileHelpers, TempFileNamesAreNewEmptyFilesWithPrefix) {
    test::TestFolder folder;
    ScopedEnv tmp("TMPDIR", folder.path().c_str());
    const auto first = MakeTempFileName();
    const auto second = MakeTempFileName();
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(fs::path(first).parent_path(), folder.path());
    EXPECT_EQ(fs::path(first).filename().string().substr(0, 3), "~PS");
    EXPECT_TRUE(fs::is_regular_file(first));
    EXPECT_EQ(fs::file_size(first), 0u);
    ScopedEnv missing("TMPDIR", folder.file("gone").c_str());
    EXPECT_EQ(MakeTempFileName(), "");
}

TEST(FileHelpers, DataAndSettingsFoldersFollowTheUserEnvironment) {
    {
        ScopedEnv data("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(GetLocalAppDataFolder(), "/data/home");
        EXPECT_EQ(PerUserDataFolder(), "/data/home/Velmarok/Zul");
    }
    ScopedEnv data("XDG_DATA_HOME", "relative/ignored");
    ScopedEnv home("HOME", "/home/engineer");
    EXPECT_EQ(GetLocalAppDataFolder(), "/home/engineer/.local/share");
    EXPECT_DOUBLE_EQ(TwipToMM(1440), 25.4);
    EXPECT_DOUBLE_EQ(TwipToMM(-720), -12.7);
}

TEST(ProgramPaths, ProgramFolderHoldsTheRunningExecutable) {
    const auto folder = ProgramFolder();
    EXPECT_TRUE(fs::equivalent(fs::path(folder) / fs::path(fs::canonical("/proc/self/exe")).filename(),
                               "/proc/self/exe"));
    // The test folder is writable, so the settings and metafiles stay beside the program.
    ASSERT_TRUE(IsWritableFolder(folder));
    EXPECT_EQ(SettingsFilePath(), folder + "/Zul.ini");
    EXPECT_EQ(MetafileFolder(), folder);
    EXPECT_FALSE(IsWritableFolder(folder + "/no-such-folder"));
}

TEST(ProgramPaths, AnInstalledProgramFolderUnderUsrIsNeverWritten) {
    test::TestFolder folder;
    // A writable folder elsewhere holds the program's own files.
    EXPECT_TRUE(IsProgramFolderWritable(folder.path().string()));
    // Folders under /usr never do, even when the administrator could write them.
    for (const char* installed : {"/usr", "/usr/lib", "/usr/local/lib"}) {
        EXPECT_FALSE(IsProgramFolderWritable(installed)) << installed;
    }
    EXPECT_FALSE(IsProgramFolderWritable(folder.file("no-such-folder")));
}

TEST(CSystem, SplitsCommandTextAtBlanksOutsideQuotes) {
    using Parts = std::vector<std::string>;
    EXPECT_EQ(CSystem::SplitCommandLine("prog a  b"), (Parts{"prog", "a", "b"}));
    EXPECT_EQ(CSystem::SplitCommandLine("\"/opt/my prog/Preview\" \"/tmp/a b.txt\" \"\""),
              (Parts{"/opt/my prog/Preview", "/tmp/a b.txt", ""}));
    EXPECT_FALSE(CSystem::SplitCommandLine("   ").has_value());
}

TEST(CSystem, ShellStartsDetachedOrWaitsAndRefusesBadArguments) {
    test::TestFolder folder;
    const auto marker = folder.file("marker");
    const std::string command = "/bin/sh -c \"sleep 0.2; echo done > '" + marker + "'\"";

    EXPECT_TRUE(CSystem::Shell(command, 0.0, true));
    EXPECT_EQ(ReadBytes(marker), "done\n"); // waited for the end
    fs::remove(marker);

    // WaitForCompletion as a text that is not a number: nothing starts.
    EXPECT_FALSE(CSystem::Shell(command, 0.0, std::string("yes")));
    EXPECT_FALSE(CSystem::Shell(command, std::string("normal")));
    EXPECT_FALSE(CSystem::Shell("/no/such/program"));

    EXPECT_TRUE(CSystem::Shell(command, std::string("1"), std::string("0")));
    EXPECT_FALSE(fs::exists(marker)); // returned before the process ended
    for (int i = 0; i < 100 && ReadBytes(marker).empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(ReadBytes(marker), "done\n");
}
