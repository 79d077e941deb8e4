#include "io/InputDataFile.h"

#include "../util/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace zul;
namespace fs = std::filesystem;

// Every bundled example is a file the writer produced: read and written again it is unchanged.
TEST(Examples, EveryExampleRewritesByteForByte) {
    const fs::path examples = fs::path(ZUL_SOURCE_DIR) / "examples";
    test::TestFolder folder;
    int count = 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".zul") {
            continue;
        }
        ++count;
        ProjectDocument doc;
        const auto opened = OpenInputFile(doc, entry.path().string());
        ASSERT_TRUE(opened.success) << entry.path() << " code " << opened.errorCode;
        const std::string copy = folder.file("copy.zul");
        int code = 0;
        ASSERT_TRUE(SaveInputData(doc, copy, code)) << code;
        EXPECT_EQ(test::ReadBytes(copy), test::ReadBytes(entry.path().string())) << entry.path();
    }
    EXPECT_GE(count, 1);
}
