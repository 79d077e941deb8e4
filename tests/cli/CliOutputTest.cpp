#include "cli/CliOutput.h"

#include <gtest/gtest.h>

using zul::cli::EscapeControls;

TEST(CliOutput, ControlCharactersFromAFileAreShownEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"杭1 ｹｰｽ～①", "杭1 ｹｰｽ～①"},                              // Japanese and full-width signs stay
        {"\x1b[2J\x1b]0;title\x07", "\\x1B[2J\\x1B]0;title\\x07"}, // clear screen, window title
        {std::string("a\0b", 3), "a\\x00b"},
        {"tab\there\r\nnext", "tab\\x09here\\x0D\\x0Anext"},
        {"del\x7f", "del\\x7F"},
        {"\xc2\x9b"
         "31m",
         "\\u009B31m"},                      // C1 control sequence introducer
        {"\xc2\xa0nbsp", "\xc2\xa0nbsp"},    // the first character after the C1 block stays
        {"bad\xff\xc3", "bad\\xFF\\xC3"},    // bytes that are no UTF-8
        {"\xe0\x80\xaf", "\\xE0\\x80\\xAF"}, // an overlong form is no character
        {"", ""},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(EscapeControls(text), shown) << shown;
    }
}
