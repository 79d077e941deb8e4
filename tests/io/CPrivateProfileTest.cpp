#include "io/CPrivateProfile.h"
#include "io/RecentFiles.h"

#include "../util/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace zul;
using zul::test::ReadBytes;
using zul::test::WriteBytes;

class PrivateProfile : public ::testing::Test {
protected:
    zul::test::TestFolder folder;
    std::string ini = folder.file("Zul.ini");
};

TEST_F(PrivateProfile, MissingFileSectionOrKeyGivesDefaults) {
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "MenuMain", "Top"), 0);
    EXPECT_EQ(CPrivateProfile::GetValueString(ini, "FileName", "InitDir"), "");
    WriteBytes(ini, "[MenuMain]\r\nTop=100\r\n");
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "MenuMain", "Left"), 0);
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "Other", "Top"), 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("none.ini")));
}

TEST_F(PrivateProfile, NamesIgnoreCaseAndBlanksAroundValuesAreDropped) {
    WriteBytes(
        ini,
        "; comment\r\n[menumain]\r\n  TOP =  1234  \r\nLeft=-15\r\n[FileName]\r\nInitDir= /home/a b \r\n");
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "MenuMain", "Top"), 1234);
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "MENUMAIN", "left"), -15);
    EXPECT_EQ(GetIniString("FileName", "InitDir", ini), "/home/a b");
    // names given with blanks around them mean the same section and key
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, " MenuMain ", " Top ", " 7 "));
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "MenuMain", "Top"), 7);
    EXPECT_EQ(CPrivateProfile::GetValueString(ini, "  menumain", "top  "), "7");
}

TEST_F(PrivateProfile, IntegerIsTheLeadingDigits) {
    WriteBytes(ini, "[Chapter]\nInit=12.7\nMethod=abc\nStyle1=3x\nMargin1=99999999999\n");
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "Chapter", "Init"), 12);
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "Chapter", "Method"), 0);
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "Chapter", "Style1"), 3);
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "Chapter", "Margin1"), 2147483647);
}

TEST_F(PrivateProfile, TextIsCutAt127BytesNeverInsideATwoByteCharacter) {
    const std::string ascii(200, 'a');
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "FileName", "FileName1", ascii));
    EXPECT_EQ(CPrivateProfile::GetValueString(ini, "FileName", "FileName1"), std::string(127, 'a'));
    // 126 single bytes then a two-byte character: byte 127 would split it, so it is left out.
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "FileName", "FileName2", std::string(126, 'b') + "杭x"));
    EXPECT_EQ(CPrivateProfile::GetValueString(ini, "FileName", "FileName2"), std::string(126, 'b'));
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "FileName", "FileName3", std::string(125, 'c') + "杭x"));
    EXPECT_EQ(CPrivateProfile::GetValueString(ini, "FileName", "FileName3"), std::string(125, 'c') + "杭");
}

TEST_F(PrivateProfile, WritesCodePage932WithCrLfAndKeepsOtherLines) {
    WriteBytes(ini, "; settings\n[MenuMain]\nTop=1\n\n[Other]\nfree text line\nKey=v\n");
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "menumain", "TOP", "250"));
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "MenuMain", "Left", "30"));
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "FileName", "InitDir", "/杭/データ"));
    EXPECT_EQ(ReadBytes(ini),
              "; settings\r\n[MenuMain]\r\nTOP=250\r\nLeft=30\r\n\r\n[Other]\r\nfree text line\r\n"
              "Key=v\r\n[FileName]\r\nInitDir=/\x8d\x59/\x83\x66\x81\x5b\x83\x5e\r\n");
    EXPECT_EQ(GetIniString("FileName", "InitDir", ini), "/杭/データ");
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "Other", "Key"), 0);
}

TEST_F(PrivateProfile, FirstOfDuplicateSectionsAndKeysCounts) {
    WriteBytes(ini, "[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\nj=4\r\n");
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "A", "k"), 1);
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "A", "j"), 0);
    ASSERT_TRUE(CPrivateProfile::SetValueString(ini, "A", "k", "9"));
    EXPECT_EQ(ReadBytes(ini), "[A]\r\nk=9\r\nk=2\r\n[A]\r\nk=3\r\nj=4\r\n");
}

TEST_F(PrivateProfile, RefusedWritesLeaveTheFileAlone) {
    WriteBytes(ini, "[A]\r\nk=1\r\n");
    EXPECT_FALSE(CPrivateProfile::SetValueString(ini, "A", "k", "ü"));        // no code page 932 form
    EXPECT_FALSE(CPrivateProfile::SetValueString(ini, "A", "k", "1\r\n[B]")); // would add a line
    EXPECT_FALSE(CPrivateProfile::SetValueString(ini, "A", "a=b", "1"));
    EXPECT_FALSE(CPrivateProfile::SetValueString(ini, "", "k", "1"));
    EXPECT_FALSE(CPrivateProfile::SetValueString(folder.file("no/such/folder.ini"), "A", "k", "1"));
    EXPECT_EQ(ReadBytes(ini), "[A]\r\nk=1\r\n");
    std::filesystem::create_directory(folder.file("dir.ini"));
    EXPECT_FALSE(CPrivateProfile::SetValueString(folder.file("dir.ini"), "A", "k", "1"));
    EXPECT_EQ(CPrivateProfile::GetValueString(folder.file("dir.ini"), "A", "k"), "");
    EXPECT_EQ(CPrivateProfile::GetValueLong("/dev/zero", "A", "k"), 0); // a device is no settings file
}

// A file above the bound of a settings file (1 MB) reads as defaults and is never rewritten;
// one just below it is read and written as any other.
TEST_F(PrivateProfile, AFileAboveItsBoundReadsAsDefaultsAndStays) {
    const std::string head = "[A]\r\nk=7\r\n";
    for (const std::size_t size : {std::size_t{1024 * 1024}, std::size_t{1024 * 1024 + 1}}) {
        const std::string bytes = head + std::string(size - head.size() - 2, ';') + "\r\n";
        WriteBytes(ini, bytes);
        const bool read = size <= 1024 * 1024;
        EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "A", "k"), read ? 7 : 0) << size;
        EXPECT_EQ(CPrivateProfile::SetValueString(ini, "A", "k", "8"), read) << size;
        EXPECT_EQ(ReadBytes(ini).size(), size) << size; // one value replaced in place, or none
    }
}

TEST_F(PrivateProfile, UndecodableValueReadsAsEmpty) {
    WriteBytes(ini, "[A]\r\nk=\x81\r\nn=5\xff\r\n");
    EXPECT_EQ(CPrivateProfile::GetValueString(ini, "A", "k"), "");
    EXPECT_EQ(CPrivateProfile::GetValueLong(ini, "A", "n"), 5);
}

class RecentFiles : public PrivateProfile {
protected:
    void Store(const RecentFileList& list) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            CPrivateProfile::SetValueString(ini, "FileName", "FileName" + std::to_string(i + 1), list[i]);
        }
    }
};

TEST_F(RecentFiles, ReorderingRuleForEveryPosition) {
    const RecentFileList old{"/a.zul", "/b.zul", "/c.zul", "/d.zul"};
    const std::pair<std::string, RecentFileList> cases[] = {
        {"/a.zul", {"/a.zul", "/b.zul", "/c.zul", "/d.zul"}},
        {"/b.zul", {"/b.zul", "/a.zul", "/c.zul", "/d.zul"}},
        {"/c.zul", {"/c.zul", "/a.zul", "/b.zul", "/d.zul"}},
        {"/d.zul", {"/d.zul", "/a.zul", "/b.zul", "/c.zul"}},
        {"/e.zul", {"/e.zul", "/a.zul", "/b.zul", "/c.zul"}},
        {"/A.zul", {"/A.zul", "/a.zul", "/b.zul", "/c.zul"}}, // case-sensitive: stored twice
    };
    for (const auto& [path, expected] : cases) {
        Store(old);
        EXPECT_EQ(AddRecentFile(ini, path), expected) << path;
        EXPECT_EQ(ReadRecentFiles(ini), expected) << path;
    }
}

TEST_F(RecentFiles, FillsAnEmptyListAndUsesTheLastOfDuplicates) {
    EXPECT_EQ(AddRecentFile(ini, "/x.zul"), (RecentFileList{"/x.zul", "", "", ""}));
    EXPECT_EQ(AddRecentFile(ini, "/y.zul"), (RecentFileList{"/y.zul", "/x.zul", "", ""}));
    EXPECT_EQ(ReadBytes(ini),
              "[FileName]\r\nFileName1=/y.zul\r\nFileName2=/x.zul\r\nFileName3=\r\nFileName4=\r\n");
    Store({"/p.zul", "/q.zul", "/p.zul", "/r.zul"});
    // "/p.zul" occurs at 1 and 3: the last occurrence (3) counts
    EXPECT_EQ(AddRecentFile(ini, "/p.zul"), (RecentFileList{"/p.zul", "/p.zul", "/q.zul", "/r.zul"}));
}
