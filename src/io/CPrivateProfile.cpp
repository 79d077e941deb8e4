#include "io/CPrivateProfile.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "util/Cp932.h"
#include "util/TextLines.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace zul {

namespace {

// The value buffer of the classic interface holds 128 bytes including the terminating NUL.
constexpr std::size_t kValueBufferBytes = 128;

// The settings file holds window places, four recent files and the print choices: some
// kilobytes.  A larger file is not the program's; it reads as defaults and is never rewritten.
constexpr std::size_t kMaxSettingsFileBytes = 1024 * 1024;

// The file's bytes; the file error code, or PathFileAccess for a file above its bound.
int ReadSettingsFile(const std::string& file, std::string& bytes) {
    bool tooLarge = false;
    const int error = ReadWholeFileUpTo(file, kMaxSettingsFileBytes, bytes, tooLarge);
    return error == FileError::None && tooLarge ? FileError::PathFileAccess : error;
}

// The section name of a header line "[name]", or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return TrimBlanks(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

// Where a key lives in the file's lines.
struct Location {
    std::optional<std::size_t> sectionLine; // the header of the first section of that name
    std::optional<std::size_t> keyLine;     // the first line of that key within the section
    std::size_t lastContentLine = 0;        // last non-blank line of the section (or its header)
};

Location Find(const std::vector<std::string_view>& lines, std::string_view section, std::string_view key) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    Location where;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (inSection) {
                break; // the section ended
            }
            if (Cp932EqualsIgnoreCase(*name, section)) {
                inSection = true;
                where.sectionLine = i;
                where.lastContentLine = i;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (!IsBlankText(lines[i])) {
            where.lastContentLine = i;
        }
        if (!where.keyLine) {
            if (const auto entry = ParseKeyLine(lines[i]); entry && Cp932EqualsIgnoreCase(entry->key, key)) {
                where.keyLine = i;
            }
        }
    }
    return where;
}

// The raw value of a key in code page 932, or nothing when the file, section or key is absent.
std::optional<std::string> ReadRawValue(const std::string& file, const std::string& section,
                                        const std::string& key) {
    const auto encodedSection = EncodeCp932(section);
    const auto encodedKey = EncodeCp932(key);
    if (!encodedSection || !encodedKey) {
        return std::nullopt;
    }
    std::string bytes;
    if (ReadSettingsFile(file, bytes) != FileError::None) {
        return std::nullopt;
    }
    const auto lines = SplitLines(bytes);
    const auto where = Find(lines, *encodedSection, *encodedKey);
    if (!where.keyLine) {
        return std::nullopt;
    }
    return std::string(ParseKeyLine(lines[*where.keyLine])->value);
}

bool IsSafeName(std::string_view name, std::string_view forbidden) {
    return !IsBlankText(name) && name.find_first_of(forbidden) == std::string_view::npos;
}

} // namespace

std::int32_t CPrivateProfile::GetValueLong(const std::string& strINIFileName, const std::string& strSection,
                                           const std::string& strKey) {
    const auto raw = ReadRawValue(strINIFileName, strSection, strKey);
    if (!raw) {
        return 0;
    }
    std::string_view text = *raw;
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            value = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1; // saturate
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

std::string CPrivateProfile::GetValueString(const std::string& strINIFileName, const std::string& strSection,
                                            const std::string& strKey) {
    const auto raw = ReadRawValue(strINIFileName, strSection, strKey);
    if (!raw) {
        return {};
    }
    const std::string_view cut =
        std::string_view(*raw).substr(0, Cp932PrefixLength(*raw, kValueBufferBytes - 1));
    // Bytes that are not code page 932 cannot be shown as a text: the key reads as absent.
    return DecodeCp932(cut).value_or(std::string());
}

bool CPrivateProfile::SetValueString(const std::string& strINIFileName, const std::string& strSection,
                                     const std::string& strKey, const std::string& strValue) {
    const auto section = EncodeCp932(strSection);
    const auto key = EncodeCp932(strKey);
    const auto value = EncodeCp932(strValue);
    if (!section || !key || !value) {
        return false;
    }
    // Names and values that would change the file's structure are refused.
    if (!IsSafeName(*section, "]\r\n") || !IsSafeName(*key, "=[\r\n") ||
        value->find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    std::string bytes;
    const int readError = ReadSettingsFile(strINIFileName, bytes);
    if (readError != FileError::None && readError != FileError::FileNotFound) {
        return false; // never overwrite a file that could not be read
    }
    const auto lines = SplitLines(bytes);
    const auto where = Find(lines, *section, *key);
    const std::string entry = std::string(TrimBlanks(*key)) + "=" + std::string(TrimBlanks(*value));

    std::vector<std::string> output(lines.begin(), lines.end());
    if (where.keyLine) {
        output[*where.keyLine] = entry;
    } else if (where.sectionLine) {
        output.insert(output.begin() + static_cast<std::ptrdiff_t>(where.lastContentLine) + 1, entry);
    } else {
        output.push_back("[" + std::string(TrimBlanks(*section)) + "]");
        output.push_back(entry);
    }
    std::string text;
    for (const auto& line : output) {
        text += line;
        text += "\r\n";
    }
    return ReplaceFileContents(strINIFileName, text) == FileError::None;
}

std::string GetIniString(const std::string& section, const std::string& key, const std::string& iniFile) {
    return CPrivateProfile::GetValueString(iniFile, section, key);
}

} // namespace zul
