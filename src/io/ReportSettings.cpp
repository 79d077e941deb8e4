#include "io/ReportSettings.h"

#include "io/CPrivateProfile.h"

#include <algorithm>

namespace zul {

namespace {

constexpr const char* kChapter = "Chapter";
constexpr const char* kPrint = "Print";
constexpr const char* kSupplement = "Supplement";

std::string levelKey(const char* name, std::size_t index) {
    return name + std::to_string(index + 1);
}

} // namespace

NumberingSettings ClampedNumberingSettings(NumberingSettings settings) {
    settings.Method = std::clamp(settings.Method, 0, kMaxNumberingMethod);
    settings.Init = std::clamp(settings.Init, 0, kMaxFirstChapter);
    for (std::size_t i = 0; i < 4; ++i) {
        settings.Style[i] = std::clamp(settings.Style[i], 0, kMaxNumberStyle);
        settings.Margin[i] = std::clamp(settings.Margin[i], 0, kMaxHeadingMargin);
    }
    return settings;
}

NumberingSettings ReadNumberingSettings(const std::string& iniFile) {
    const auto read = [&](const std::string& key) {
        return CPrivateProfile::GetValueLong(iniFile, kChapter, key);
    };
    NumberingSettings settings;
    settings.Method = read("Method");
    settings.Init = read("Init");
    for (std::size_t i = 0; i < 4; ++i) {
        settings.Style[i] = read(levelKey("Style", i));
        settings.Margin[i] = read(levelKey("Margin", i));
    }
    return ClampedNumberingSettings(settings);
}

bool WriteNumberingSettings(const std::string& iniFile, const NumberingSettings& settings) {
    const auto write = [&](const std::string& key, std::int32_t value) {
        return CPrivateProfile::SetValueString(iniFile, kChapter, key, std::to_string(value));
    };
    bool ok = write("Method", settings.Method);
    ok = write("Init", settings.Init) && ok;
    for (std::size_t i = 0; i < 4; ++i) {
        ok = write(levelKey("Style", i), settings.Style[i]) && ok;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        ok = write(levelKey("Margin", i), settings.Margin[i]) && ok;
    }
    return ok;
}

PrintItemChoices ReadPrintItemChoices(const std::string& iniFile) {
    PrintItemChoices choices;
    for (std::size_t i = 0; i < choices.Chosen.size(); ++i) {
        choices.Chosen[i] = CPrivateProfile::GetValueLong(iniFile, kPrint, std::to_string(i)) != 0;
    }
    return choices;
}

bool WritePrintItemChoices(const std::string& iniFile, const PrintItemChoices& choices) {
    bool ok = true;
    for (std::size_t i = 0; i < choices.Chosen.size(); ++i) {
        ok = CPrivateProfile::SetValueString(iniFile, kPrint, std::to_string(i),
                                             choices.Chosen[i] ? "1" : "0") &&
             ok;
    }
    return ok;
}

bool ReadSupplementSetting(const std::string& iniFile) {
    // Only a value that starts with a number switches; a missing key or other text keeps the
    // supplements on.
    const std::string text = CPrivateProfile::GetValueString(iniFile, kPrint, kSupplement);
    const std::size_t first = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (first >= text.size() || text[first] < '0' || text[first] > '9') {
        return true;
    }
    return CPrivateProfile::GetValueLong(iniFile, kPrint, kSupplement) != 0;
}

bool WriteSupplementSetting(const std::string& iniFile, bool supplement) {
    return CPrivateProfile::SetValueString(iniFile, kPrint, kSupplement, supplement ? "1" : "0");
}

} // namespace zul
