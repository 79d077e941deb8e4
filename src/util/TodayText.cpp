#include "util/TodayText.h"

#include "util/NumberText.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace zul {

std::string TodayText() {
    std::time_t moment = std::time(nullptr);
    bool utc = false;
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        const auto seconds = ParseNumber(epoch);
        if (seconds && *seconds >= 0 && *seconds < 253402300800.0 &&
            *seconds == static_cast<double>(static_cast<long long>(*seconds))) {
            moment = static_cast<std::time_t>(*seconds);
            utc = true;
        }
    }
    std::tm parts{};
    if ((utc ? gmtime_r(&moment, &parts) : localtime_r(&moment, &parts)) == nullptr) {
        return {};
    }
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
    return text;
}

} // namespace zul
