// The program name, version and date of printing on the printed pages.
#include "util/ProgramIdentity.h"

#include <gtest/gtest.h>

namespace zul {
namespace {

TEST(ProgramIdentity, PrintDateComesFromSourceDateEpochWhenItIsANumber) {
    const std::time_t now = 1700000000; // 2023-11-14 22:13:20 UTC
    std::tm local{};
    localtime_r(&now, &local);
    char today[16];
    std::strftime(today, sizeof today, "%Y/%m/%d", &local);
    struct Case {
        std::optional<std::string_view> epoch;
        std::string date;
    };
    const Case cases[] = {
        {std::nullopt, today}, {"1000000000", "2001/09/09"},
        {"0", "1970/01/01"},   {"86399", "1970/01/01"},
        {"", today},           {"12x", today},
        {"-5", today},         {" 1000000000", today},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.epoch.value_or("(unset)")));
        EXPECT_EQ(PrintDate(now, c.epoch), c.date);
    }
}

} // namespace
} // namespace zul
