#include "io/InputDataFile.h"
#include "io/FieldReader.h"
#include "util/Cp932.h"

#include "../support/CrlfLines.h"
#include "../util/TestFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace zul;
using zul::test::ReadBytes;
using zul::test::WriteBytes;
namespace fs = std::filesystem;

namespace {

std::string Cp932(const std::string& utf8) {
    return EncodeCp932(utf8).value();
}

// A document with every kind of value in every area.
ProjectDocument FullDocument() {
    ProjectDocument doc;
    auto& c = doc.InpJyoken;
    c.InpFlg = true;
    c.Title = "杭1, 検討ｹｰｽ～①";
    c.D = 0.8;
    c.Dw = 1.6;
    c.Dwi = 0.35;
    c.L = 23.456;
    c.Theta = 12.5;
    c.ELPU = -2.25;
    c.Sekou = 7;
    c.Siji = 1;
    c.IsWpRa = 1;
    c.IsWpPa = 0;
    c.Gp1 = 78.5;
    c.Gp2 = 68.5;
    c.QdMethod = 0;
    c.QdSiji = 1;
    c.ELSL = -15.125;
    c.Bottom = 1;
    doc.Anzen(2) = CellValue::Number(4.5);
    doc.Anzen(7) = CellValue::Truth(false);
    doc.JibanInpFlg = true;
    doc.JibanLevel(1) = CellValue::Number(3.5);
    doc.JibanLevel(2) = CellValue::Number(-1e-7);
    doc.JibanLevel(3) = CellValue::Number(123456789012345.0);
    doc.JibanLevel(4) = CellValue::Number(1e20);
    doc.JibanCount = 3;
    for (std::size_t r = 1; r <= 3; ++r) {
        for (std::size_t col = 1; col <= 8; ++col) {
            doc.JibanLayer(col, r) = CellValue::Number(static_cast<double>(r * 10 + col) / 4);
        }
    }
    doc.JibanLayer(8, 2) = CellValue();
    doc.NCount = 2;
    doc.NData(1, 1) = CellValue::Number(1.5);
    doc.NData(2, 1) = CellValue::Number(12);
    doc.NData(1, 2) = CellValue::Number(2.5);
    doc.NData(2, 2) = CellValue::Number(50);
    doc.RaTableInpFlg = true;
    doc.RaTable(1) = CellValue::Number(4);
    doc.RaTable(2) = CellValue::Number(16);
    doc.RaTable(3) = CellValue::Number(0.5);
    doc.RaTable(11) = CellValue::Text("0.8");
    doc.RaTable(12) = CellValue::Number(0);
    doc.RaTable(13) = CellValue::Text("1.0");
    return doc;
}

// The text of a version 1.00 file with the given conditions fields and a plain tail.
std::string File100(const std::vector<std::string>& conditions) {
    std::vector<std::string> lines = {Cp932("VELMAROK INPUT FILE FORMAT V1：") + " 0 ",
                                      "PRODUCT NAME                   [rarazizo]",
                                      "INPUT FILE VERSION             [1.00]", " 1 "};
    lines.insert(lines.end(), conditions.begin(), conditions.end());
    lines.push_back("#TRUE#");
    for (const char* f : {"3", "4", "6", "2", "3", "3", "", "", "", ""}) {
        lines.push_back(f);
    }
    lines.push_back("#FALSE#");
    lines.insert(lines.end(), 10, "");
    lines.push_back(" 0 ");
    lines.push_back(" 0 ");
    lines.push_back("#FALSE#");
    lines.insert(lines.end(), 20, "");
    return test::JoinCrlfLines(lines);
}

} // namespace

class InputDataFile : public ::testing::Test {
protected:
    test::TestFolder folder;
    std::string path = folder.file("study.zul");
    int code = -1;

    std::string SaveText(const ProjectDocument& doc) {
        EXPECT_TRUE(SaveInputData(doc, path, code)) << code;
        return ReadBytes(path);
    }
    // Replaces line `number` (1-based) of the file written for doc and reads it back.
    bool LoadWithLine(const ProjectDocument& written, std::size_t number, const std::string& line,
                      ProjectDocument& target) {
        auto lines = test::CrlfLines(SaveText(written));
        lines.at(number - 1) = line;
        WriteBytes(path, test::JoinCrlfLines(lines));
        return LoadInputData(target, path, code);
    }
};

TEST_F(InputDataFile, FreshDocumentWritesTheSixtySevenLineLayout) {
    std::vector<std::string> expected = {Cp932("VELMAROK INPUT FILE FORMAT V1：") + " 0 ",
                                         "PRODUCT NAME                   [rarazizo]",
                                         "INPUT FILE VERSION             [1.30]",
                                         " 1 ",
                                         "#FALSE#",
                                         "\"" + Cp932("（未定義）") + "\"",
                                         " 1 ",
                                         " 1.5 ",
                                         " 0.5 ",
                                         " 10 ",
                                         " 0 ",
                                         " 0 ", // D Dw Dwi L Theta ELPU
                                         " 0 ",
                                         " 0 ",
                                         " 0 ",
                                         " 1 ", // Sekou Siji IsWpRa IsWpPa
                                         " 0 ",
                                         " 0 ",
                                         " 1 ",
                                         " 2 ",
                                         " 0 ",
                                         " 0 ", // Gp1 Gp2 QdMethod QdSiji ELSL Bottom
                                         "#TRUE#",
                                         "3",
                                         "4",
                                         "6",
                                         "2",
                                         "3",
                                         "3",
                                         "",
                                         "",
                                         "",
                                         "",
                                         "#FALSE#"};
    expected.insert(expected.end(), 10, "");
    expected.push_back(" 0 ");
    expected.push_back(" 0 ");
    expected.push_back("#FALSE#");
    expected.insert(expected.end(), 20, "");
    ASSERT_EQ(expected.size(), 67u);
    EXPECT_EQ(SaveText(ProjectDocument()), test::JoinCrlfLines(expected));
    EXPECT_EQ(code, FileError::None);
}

TEST_F(InputDataFile, LayersAndNRowsFollowTheirCounts) {
    const auto lines = test::CrlfLines(SaveText(FullDocument()));
    ASSERT_EQ(lines.size(), 67u + 24 + 2);
    EXPECT_EQ(lines[0], Cp932("VELMAROK INPUT FILE FORMAT V1：") + " 12.5 ");
    EXPECT_EQ(lines[5], "\"" + Cp932("杭1, 検討ｹｰｽ～①") + "\"");
    EXPECT_EQ(lines[11], "-2.25 ");
    EXPECT_EQ(lines[35], "-1E-07");
    EXPECT_EQ(lines[36], "123456789012345");
    EXPECT_EQ(lines[37], "1E+20");
    EXPECT_EQ(lines[44], " 3 ");
    EXPECT_EQ(lines[45], "2.75"); // layer 1 column 1: 11 / 4
    EXPECT_EQ(lines[60], "");     // layer 2 column 8 is empty
    EXPECT_EQ(lines[69], " 2 ");
    EXPECT_EQ(lines[70], "1.5,12");
    EXPECT_EQ(lines[71], "2.5,50");
    EXPECT_EQ(lines[72], "#TRUE#");
    EXPECT_EQ(lines[83], "\"0.8\"");
    EXPECT_EQ(lines[84], "0");
    EXPECT_EQ(lines[29], "#FALSE#"); // Anzen(7) holds a truth value
}

TEST_F(InputDataFile, SavedDocumentReadsBackAndRewritesByteForByte) {
    for (const ProjectDocument& original : {ProjectDocument(), FullDocument()}) {
        const std::string first = SaveText(original);
        ProjectDocument read;
        read.DataFileName = "/keep/me.zul";
        ASSERT_TRUE(LoadInputData(read, path, code)) << code;
        EXPECT_EQ(code, FileError::None);
        EXPECT_TRUE(SameStudy(read, original));
        EXPECT_EQ(read.DataFileName, "/keep/me.zul"); // run state is not part of the file
        EXPECT_EQ(SaveText(read), first);
    }
}

TEST_F(InputDataFile, DoubleQuoteInATextIsWrittenFullWidthSoTheFileStaysReadable) {
    ProjectDocument doc;
    doc.InpJyoken.Title = "pile \"A\", case 2";
    doc.RaTable(11) = CellValue::Text("0.8\"");
    EXPECT_EQ(test::CrlfLines(SaveText(doc))[5], "\"pile " + Cp932("＂") + "A" + Cp932("＂") + ", case 2\"");
    ProjectDocument read;
    ASSERT_TRUE(LoadInputData(read, path, code)) << code;
    EXPECT_EQ(read.InpJyoken.Title, "pile ＂A＂, case 2");
    EXPECT_EQ(read.RaTable(11).text(), "0.8＂");
}

TEST_F(InputDataFile, ReaderAcceptsFieldVariantsOfOtherWriters) {
    auto lines = test::CrlfLines(SaveText(FullDocument()));
    lines[4] = "  -1  ";                 // InpFlg as a number
    lines[5] = "\"title\" ignored tail"; // the rest after the closing quote is skipped
    lines[6] = ".75";                    // D without leading zero
    lines[12] = " 2.5 ";                 // Sekou rounds half to even
    lines[13] = " 3.5 ";
    lines[70] = "  1.5 ,  \"12\"  "; // blanks around fields, a quoted cell
    std::string text;
    for (const auto& line : lines) {
        text += line + "\n"; // LF line ends
    }
    text += "anything after the last cell\n";
    WriteBytes(path, text);
    ProjectDocument read;
    ASSERT_TRUE(LoadInputData(read, path, code)) << code;
    EXPECT_TRUE(read.InpJyoken.InpFlg);
    EXPECT_EQ(read.InpJyoken.Title, "title");
    EXPECT_EQ(read.InpJyoken.D, 0.75);
    EXPECT_EQ(read.InpJyoken.Sekou, 2);
    EXPECT_EQ(read.InpJyoken.Siji, 4);
    EXPECT_EQ(read.NData(1, 1), CellValue::Number(1.5));
    EXPECT_EQ(read.NData(2, 1), CellValue::Text("12"));
}

TEST_F(InputDataFile, RowsAboveTheCountsKeepWhatTheyHeld) {
    ProjectDocument doc;
    doc.JibanLayer(2, 5) = CellValue::Number(9);
    doc.NData(1, 7) = CellValue::Number(8);
    SaveText(FullDocument());
    ASSERT_TRUE(LoadInputData(doc, path, code));
    EXPECT_EQ(doc.JibanLayer(2, 5), CellValue::Number(9));
    EXPECT_EQ(doc.NData(1, 7), CellValue::Number(8));
}

TEST_F(InputDataFile, Version100DerivesBladeDiametersAndPullOutSelfWeight) {
    WriteBytes(path, File100({"#TRUE#", "\"" + Cp932("旧形式") + "\"",
                              " 1.2 ",  " 15 ",
                              " 0 ",    " 2.5 ",
                              " 3 ",    " 1 ",
                              " 1 ",    " 10 ",
                              " 9 ",    " 0 ",
                              " 0 ",    "-20 ",
                              " 1 ",    "a",
                              "b",      "1",
                              "2",      "\"x\"",
                              ""}));
    ProjectDocument doc;
    ASSERT_TRUE(LoadInputData100(doc, path, code)) << code;
    const auto& c = doc.InpJyoken;
    EXPECT_EQ(c.Title, "旧形式");
    EXPECT_DOUBLE_EQ(c.Dw, 1.8);
    EXPECT_DOUBLE_EQ(c.Dwi, 0.6);
    EXPECT_EQ(c.IsWpPa, 1);
    EXPECT_EQ(c.L, 15);
    EXPECT_EQ(c.ELPU, 2.5);
    EXPECT_EQ(c.Sekou, 3);
    EXPECT_EQ(c.Gp2, 9);
    EXPECT_EQ(c.ELSL, -20);
    EXPECT_EQ(c.Bottom, 1);
    EXPECT_EQ(doc.Anzen(3), CellValue::Number(6));
    EXPECT_EQ(GetInputFileVersion(path), "1.00");
    // and the same file through the 1.30 reader fails: "a" is no number
    EXPECT_FALSE(LoadInputData(doc, path, code));
    EXPECT_EQ(code, FileError::TypeMismatch);
}

TEST_F(InputDataFile, FailedReadReportsItsCodeAndLeavesAResetDocument) {
    const ProjectDocument full = FullDocument();
    struct Case {
        std::size_t line;
        std::string text;
        int code;
    };
    const Case cases[] = {
        {45, " 21 ", FileError::SubscriptOutOfRange},  {45, "-1 ", FileError::SubscriptOutOfRange},
        {70, " 101 ", FileError::SubscriptOutOfRange}, {70, "-3 ", FileError::SubscriptOutOfRange},
        {45, "three", FileError::TypeMismatch},        {7, "nan", FileError::TypeMismatch},
        {8, "inf", FileError::TypeMismatch},           {8, "1E999", FileError::TypeMismatch},
        {24, "-inf", FileError::TypeMismatch},         {71, "nan,3", FileError::TypeMismatch},
        {5, "maybe", FileError::TypeMismatch},         {6, "\"\x81\"", FileError::TypeMismatch},
        {13, " 2147483648 ", FileError::Overflow},     {45, "-3E9", FileError::Overflow},
        {14, " 2147483647 ", FileError::None},
    };
    for (const auto& test : cases) {
        ProjectDocument doc = full;
        doc.DataEdited = true;
        doc.JibanInpFlg = false;
        const bool ok = LoadWithLine(full, test.line, test.text, doc);
        EXPECT_EQ(code, test.code) << "line " << test.line << ": " << test.text;
        EXPECT_EQ(ok, test.code == FileError::None);
        if (!ok) {
            ProjectDocument fresh;
            fresh.JibanInpFlg = doc.JibanInpFlg;
            EXPECT_TRUE(SameStudy(doc, fresh)) << test.text;
            EXPECT_TRUE(doc.DataEdited);
        }
    }
}

TEST_F(InputDataFile, FileEndingEarlyIsInputPastEnd) {
    const std::string text = SaveText(FullDocument());
    for (const std::size_t cut : {std::size_t{0}, std::size_t{30}, text.size() / 2, text.size() - 2}) {
        WriteBytes(path, text.substr(0, cut));
        ProjectDocument doc = FullDocument();
        EXPECT_FALSE(LoadInputData(doc, path, code)) << cut;
        EXPECT_EQ(code, FileError::InputPastEnd) << cut;
        ProjectDocument fresh;
        fresh.JibanInpFlg = true; // a reset leaves the ground flag
        EXPECT_TRUE(SameStudy(doc, fresh));
    }
}

TEST_F(InputDataFile, OpeningErrorsMapToTheirCodes) {
    ProjectDocument doc;
    EXPECT_FALSE(LoadInputData(doc, folder.file("missing.zul"), code));
    EXPECT_EQ(code, FileError::FileNotFound);
    EXPECT_FALSE(LoadInputData(doc, folder.file("nofolder/a.zul"), code));
    EXPECT_EQ(code, FileError::PathNotFound);
    EXPECT_FALSE(LoadInputData100(doc, "", code));
    EXPECT_EQ(code, FileError::BadFileName);
    EXPECT_FALSE(LoadInputData(doc, folder.file(std::string(300, 'x') + ".zul"), code));
    EXPECT_EQ(code, FileError::BadFileName);
    EXPECT_FALSE(LoadInputData(doc, folder.path().string(), code));
    EXPECT_EQ(code, FileError::PathFileAccess);
    // a pipe would wait for a writer and a device never end: neither is read
    ASSERT_EQ(::mkfifo(folder.file("pipe.zul").c_str(), 0600), 0);
    EXPECT_FALSE(LoadInputData(doc, folder.file("pipe.zul"), code));
    EXPECT_EQ(code, FileError::PathFileAccess);
    EXPECT_EQ(GetInputFileVersion(folder.file("pipe.zul")), "error");
    EXPECT_FALSE(LoadInputData(doc, "/dev/zero", code));
    EXPECT_EQ(code, FileError::PathFileAccess);
    WriteBytes(path, "x");
    EXPECT_FALSE(LoadInputData(doc, path + "/inner.zul", code)); // a file used as a folder
    EXPECT_EQ(code, FileError::PathNotFound);
    if (!test::IgnoresPermissions()) {
        ::chmod(path.c_str(), 0);
        EXPECT_FALSE(LoadInputData(doc, path, code));
        EXPECT_EQ(code, FileError::PermissionDenied);
    }
}

TEST_F(InputDataFile, FailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
    SaveText(FullDocument());
    const std::string old = ReadBytes(path);

    ProjectDocument bad;
    bad.InpJyoken.Title = "Müller"; // "ü" has no code page 932 form
    EXPECT_FALSE(SaveInputData(bad, path, code));
    EXPECT_EQ(code, FileError::TypeMismatch);
    bad.InpJyoken.Title = std::string(FieldReader::kMaxTextCharacters + 1, 'x'); // the reader would refuse it
    EXPECT_FALSE(SaveInputData(bad, path, code));
    EXPECT_EQ(code, FileError::TypeMismatch);
    bad.InpJyoken.Title = "ok";
    bad.InpJyoken.L = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(SaveInputData(bad, path, code));
    EXPECT_EQ(code, FileError::TypeMismatch);
    bad = ProjectDocument();
    bad.NCount = 101;
    EXPECT_FALSE(SaveInputData(bad, path, code));
    EXPECT_EQ(code, FileError::SubscriptOutOfRange);

    ::chmod(path.c_str(), 0444); // read-only holds for every user
    EXPECT_FALSE(SaveInputData(ProjectDocument(), path, code));
    EXPECT_EQ(code, FileError::PermissionDenied);
    EXPECT_EQ(ReadBytes(path), old);
    ::chmod(path.c_str(), 0640);

    if (!test::IgnoresPermissions()) {
        ::chmod(folder.path().c_str(), 0555); // the folder refuses new files
        EXPECT_FALSE(SaveInputData(ProjectDocument(), path, code));
        EXPECT_EQ(code, FileError::PermissionDenied);
        ::chmod(folder.path().c_str(), 0755);
    }
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);

    // a successful save keeps the file's permissions
    ASSERT_TRUE(SaveInputData(ProjectDocument(), path, code));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(InputDataFile, SaveErrorsMapToTheirCodes) {
    const ProjectDocument doc;
    EXPECT_FALSE(SaveInputData(doc, folder.file("nofolder/a.zul"), code));
    EXPECT_EQ(code, FileError::PathNotFound);
    EXPECT_FALSE(SaveInputData(doc, "", code));
    EXPECT_EQ(code, FileError::BadFileName);
    EXPECT_FALSE(SaveInputData(doc, folder.file(std::string(300, 'x')), code));
    EXPECT_EQ(code, FileError::BadFileName);
    fs::create_directory(folder.file("dir.zul"));
    EXPECT_FALSE(SaveInputData(doc, folder.file("dir.zul"), code));
    EXPECT_EQ(code, FileError::PathFileAccess);
    EXPECT_EQ(FileErrorFromErrno(ENOSPC, path), FileError::DiskFull);
    EXPECT_EQ(FileErrorFromErrno(EDQUOT, path), FileError::DiskFull);
    EXPECT_EQ(FileErrorFromErrno(EROFS, path), FileError::PermissionDenied);
    EXPECT_EQ(FileErrorFromErrno(EIO, path), FileError::PathFileAccess);
}

TEST_F(InputDataFile, SaveThroughALinkReplacesTheLinkedFile) {
    const std::string real = folder.file("real.zul");
    WriteBytes(real, "old");
    fs::create_symlink(real, path);
    ASSERT_TRUE(SaveInputData(FullDocument(), path, code));
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(ReadBytes(real), ReadBytes(path));
    EXPECT_NE(ReadBytes(real), "old");

    // a chain of links, one of them relative to its own folder, and a link to a file not yet there
    fs::create_directory(folder.file("sub"));
    fs::create_symlink("../real.zul", folder.file("sub/up.zul"));
    fs::create_symlink(folder.file("sub/up.zul"), folder.file("chain.zul"));
    fs::create_symlink("sub/later.zul", folder.file("dangling.zul"));
    WriteBytes(real, "old");
    for (const char* name : {"chain.zul", "dangling.zul"}) {
        ASSERT_TRUE(SaveInputData(ProjectDocument(), folder.file(name), code)) << name << code;
        EXPECT_TRUE(fs::is_symlink(folder.file(name))) << name;
    }
    EXPECT_TRUE(fs::is_symlink(folder.file("sub/up.zul")));
    EXPECT_NE(ReadBytes(real), "old");
    EXPECT_EQ(ReadBytes(real), ReadBytes(folder.file("sub/later.zul")));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder.file("sub/later.zul"))));
}

TEST_F(InputDataFile, SaveRefusesAPipeOrADeviceAtOnce) {
    const std::string pipe = folder.file("pipe.zul");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // A reader is waiting, so a save that wrongly wrote into the pipe would succeed, not hang.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    fs::create_symlink(pipe, folder.file("to-pipe.zul"));
    for (const std::string& target : {pipe, folder.file("to-pipe.zul"), std::string("/dev/null")}) {
        EXPECT_FALSE(SaveInputData(FullDocument(), target, code)) << target;
        EXPECT_EQ(code, FileError::PathFileAccess) << target;
    }
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0); // nothing went into the pipe
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    // only the pipe, the link and the folder are there: no temporary file was left
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

TEST_F(InputDataFile, ReplacedFileKeepsItsOwnerGroupAndMode) {
    SaveText(ProjectDocument());
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    if (test::IgnoresPermissions()) {
        // the administrator may hand the file to anybody: the new file goes back to them
        ASSERT_EQ(::chown(path.c_str(), 4321, 8765), 0);
        ASSERT_EQ(::chmod(path.c_str(), 02664), 0); // a change of owner clears set-group
        ASSERT_EQ(::stat(path.c_str(), &before), 0);
    }
    ASSERT_TRUE(SaveInputData(FullDocument(), path, code));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino); // replaced, not rewritten
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
}

TEST_F(InputDataFile, OverlongFieldOrLineFailsAtTheBound) {
    const ProjectDocument full = FullDocument();
    const std::size_t bound = FieldReader::kMaxLineBytes;
    const std::size_t characters = FieldReader::kMaxTextCharacters;
    std::string longest;
    for (std::size_t i = 0; i < characters; ++i) {
        longest += Cp932("杭");
    }
    struct Case {
        std::size_t line;
        std::string text;
        int code;
    };
    const Case cases[] = {
        {6, "\"" + longest + "\"", FileError::None}, // the longest text, two bytes a character
        {6, "\"" + std::string(characters + 1, 'x') + "\"", FileError::TypeMismatch},
        {6, "\"ok\"" + std::string(bound, ' ') + "tail", FileError::TypeMismatch},
        {7, std::string(bound - 1, ' ') + "1", FileError::None}, // a field of exactly the bound
        {7, std::string(bound, ' ') + "1", FileError::TypeMismatch},
        {7, std::string(bound + 1, '1'), FileError::TypeMismatch},
        {1, std::string(bound + 1, 'V'), FileError::TypeMismatch},
        {2, std::string(bound, 'P'), FileError::None},
    };
    for (const auto& test : cases) {
        ProjectDocument doc;
        const bool ok = LoadWithLine(full, test.line, test.text, doc);
        EXPECT_EQ(code, test.code) << "line " << test.line << ", " << test.text.size() << " bytes";
        EXPECT_EQ(ok, test.code == FileError::None);
    }
    // Every text that reads is saved and reads again: here one whose double quotes become the
    // two-byte "＂" when it is written.
    ProjectDocument doc;
    ASSERT_TRUE(LoadWithLine(full, 6, "a" + std::string(characters - 1, '"'), doc)) << code;
    ASSERT_TRUE(SaveInputData(doc, path, code)) << code;
    ProjectDocument again;
    ASSERT_TRUE(LoadInputData(again, path, code)) << code;
    EXPECT_EQ(CountCharacters(again.InpJyoken.Title), characters);

    // A title that never ends: the read stops at the bound instead of taking in the whole file.
    auto lines = test::CrlfLines(SaveText(full));
    lines.resize(5);
    WriteBytes(path, test::JoinCrlfLines(lines) + "\"");
    fs::resize_file(path, std::uintmax_t{4} << 30); // 4 GB that take no disk space
    EXPECT_FALSE(LoadInputData(doc, path, code));
    EXPECT_EQ(code, FileError::TypeMismatch);
}

TEST_F(InputDataFile, VersionIsTheThirdLineFromItsThirtyThirdCharacter) {
    SaveText(ProjectDocument());
    EXPECT_EQ(GetInputFileVersion(path), "1.30");
    const std::string prefix = "INPUT FILE VERSION             [";
    const std::pair<std::string, std::string> cases[] = {
        {prefix + "1.3]", "1.3"},
        {prefix + "]", ""},
        {prefix, "error"}, // 32 characters
        {prefix + Cp932("ﾊﾞｰｼﾞｮﾝ]"), "ﾊﾞｰｼﾞｮﾝ"},
        {"short", "error"},
    };
    for (const auto& [line, version] : cases) {
        WriteBytes(path, "a\r\nb\r\n" + line + "\r\n");
        EXPECT_EQ(GetInputFileVersion(path), version) << line;
    }
    WriteBytes(path, "a\r\nb\r\n");
    EXPECT_EQ(GetInputFileVersion(path), "error");
    EXPECT_EQ(GetInputFileVersion(folder.file("missing.zul")), "error");
}

TEST_F(InputDataFile, OpenChoosesTheReaderFromExtensionAndVersion) {
    const ProjectDocument full = FullDocument();
    SaveText(full);
    ProjectDocument doc;
    auto result = OpenInputFile(doc, path);
    EXPECT_TRUE(result.success && result.readerRan);
    EXPECT_TRUE(SameStudy(doc, full));

    const std::string upper = folder.file("OLD.ZUL");
    WriteBytes(upper,
               File100({"#FALSE#", "\"t\"", " 2 ", " 10 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ",
                        " 1 ",     " 2 ",   " 0 ", " 0 ",  "",    "",    "",    "",    "",    ""}));
    result = OpenInputFile(doc, upper);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.versionText, "1.00");
    EXPECT_EQ(doc.InpJyoken.Dw, 3.0);

    // another extension reads nothing and leaves the document
    const std::string other = folder.file("study.txt");
    fs::copy_file(path, other);
    doc = full;
    result = OpenInputFile(doc, other);
    EXPECT_FALSE(result.success || result.readerRan || result.unsupportedVersion);
    EXPECT_EQ(result.errorCode, 0);
    EXPECT_TRUE(SameStudy(doc, full));

    auto lines = test::CrlfLines(ReadBytes(path));
    lines[2] = "INPUT FILE VERSION             [2.00]";
    WriteBytes(path, test::JoinCrlfLines(lines));
    result = OpenInputFile(doc, path);
    EXPECT_TRUE(result.unsupportedVersion);
    EXPECT_EQ(result.versionText, "2.00");
    EXPECT_EQ(result.errorCode, 0);
    EXPECT_TRUE(SameStudy(doc, full));

    result = OpenInputFile(doc, folder.file("missing.zul"));
    EXPECT_TRUE(result.unsupportedVersion);
    EXPECT_EQ(result.versionText, "error");
}
