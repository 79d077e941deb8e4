#include "util/ProgramIdentity.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#ifndef ZUL_VERSION_MAJOR
#error "the build passes the program version"
#endif

namespace zul {

std::string ProgramVersion() {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d.%03d", ZUL_VERSION_MAJOR, ZUL_VERSION_MINOR, ZUL_VERSION_PATCH);
    return text;
}

std::string ProgramNameAndVersion() {
    return std::string(kProgramName) + " Ver." + ProgramVersion();
}

std::string PrintDate(std::time_t now, std::optional<std::string_view> sourceDateEpoch) {
    std::tm date{};
    long long seconds = 0;
    const char* first = sourceDateEpoch ? sourceDateEpoch->data() : nullptr;
    const char* last = sourceDateEpoch ? first + sourceDateEpoch->size() : nullptr;
    const bool fromEpoch = sourceDateEpoch && !sourceDateEpoch->empty() &&
                           std::from_chars(first, last, seconds).ptr == last && seconds >= 0;
    const std::time_t at = fromEpoch ? static_cast<std::time_t>(seconds) : now;
    const bool ok = fromEpoch ? gmtime_r(&at, &date) != nullptr : localtime_r(&at, &date) != nullptr;
    if (!ok) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.tm_year + 1900, date.tm_mon + 1, date.tm_mday);
    return text;
}

std::string PrintDateToday() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    return PrintDate(std::time(nullptr), epoch ? std::optional<std::string_view>(epoch) : std::nullopt);
}

} // namespace zul
