#include "site/SiteFiles.h"

#include "../util/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace zul;

// A folder gives its *.xml and *.XML files (not its subfolders'), every path is taken once in
// byte order, also when named again through another spelling or its folder.
TEST(SiteFiles, FoldersAndFilesInByteOrderEachOnce) {
    test::TestFolder folder;
    const std::string dir = folder.file("d");
    std::filesystem::create_directories(dir + "/sub");
    for (const char* name : {"b.xml", "B.XML", "a.Xml", "c.txt", "sub/d.xml", "a-2.xml"}) {
        test::WriteBytes(dir + "/" + name, "x");
    }
    std::filesystem::create_directory(dir + "/e.xml"); // a folder named like a file is left out
    const std::string other = folder.file("z.dat");
    test::WriteBytes(other, "x");
    const site::BoreholeFiles files =
        site::CollectBoreholeFiles({other, dir, dir + "/../d/b.xml", dir + "/b.xml", dir + "/sub/d.xml"});
    EXPECT_EQ(files.error, "");
    EXPECT_EQ(files.files, (std::vector<std::string>{dir + "/../d/b.xml", dir + "/B.XML", dir + "/a-2.xml",
                                                     dir + "/sub/d.xml", other}));
    EXPECT_NE(site::CollectBoreholeFiles({dir, folder.file("missing")}).error, "");
}

TEST(SiteFiles, StemClashesAreNumbered) {
    EXPECT_EQ(site::StudyFileNames({"x/a-2.xml", "x/a.XML", "y/a.xml", "z/a.xml", "b.c.xml"}),
              (std::vector<std::string>{"a-2.zul", "a.zul", "a-3.zul", "a-4.zul", "b.c.zul"}));
    // The base study in the output folder is never overwritten.
    EXPECT_EQ(site::StudyFileNames({"base.xml", "base.XML"}, {"base.zul"}),
              (std::vector<std::string>{"base-2.zul", "base-3.zul"}));
}
