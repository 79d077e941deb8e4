#include "report/TemplateBlock.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "io/FileMessages.h"
#include "printfile/PrintFileFormat.h"
#include "util/Cp932.h"
#include "util/NumberFormat.h"
#include "util/NumberText.h"
#include "util/TextLines.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zul {

namespace {

// Byte position of the next character c (single byte) at or after from, walking characters.
std::size_t FindChar(std::string_view text, char c, std::size_t from) {
    for (std::size_t i = from; i < text.size(); i += Cp932CharWidth(text, i)) {
        if (text[i] == c) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool IsPictureChar(char c) {
    return c == '#' || c == ',' || c == '.' || c == '0';
}

// The template number of characters 1 to 3: the number they read as (blanks count for nothing);
// no value when that is not a whole number from 1 on.
std::optional<std::int32_t> TemplateNumber(std::string_view field) {
    const double n = NumberOfText(field);
    if (!(n >= 1 && n <= 999) || n != std::floor(n)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(n);
}

} // namespace

// ---- templates

TemplateBlock::TemplateBlock(std::int32_t limit, std::string name)
    : lines_(static_cast<std::size_t>(std::max(limit, 0))), name_(std::move(name)) {}

const TemplateBlock::Line& TemplateBlock::line(std::int32_t k) const {
    if (k < 1 || k > limit()) {
        throw ReportError("帳票書式の番号 " + std::to_string(k) + " がブロックの範囲（1～" +
                          std::to_string(limit()) + "）の外です。");
    }
    return lines_[static_cast<std::size_t>(k - 1)];
}

std::int32_t TemplateBlock::Level(std::int32_t k) const {
    return line(k).level;
}

const std::string& TemplateBlock::Text(std::int32_t k) const {
    return line(k).text;
}

void TemplateBlock::Set(std::int32_t k, std::int32_t level, std::string text) {
    line(k); // range check
    lines_[static_cast<std::size_t>(k - 1)] = Line{level, std::move(text)};
    ++count_;
}

TemplateFile::TemplateFile(std::string fmtFile) : path_(std::move(fmtFile)) {
    bool tooLarge = false;
    if (const int err = ReadWholeFileUpTo(path_, kMaxTemplateFileBytes, bytes_, tooLarge);
        err != FileError::None) {
        failure_ = FileErrorCause(err);
    } else if (tooLarge) {
        failure_ =
            "ファイルが大きすぎます（" + std::to_string(kMaxTemplateFileBytes / 1024 / 1024) + " MB まで）。";
    }
}

std::string_view TemplateFile::Bytes() const {
    if (!failure_.empty()) {
        throw ReportError("帳票書式ファイル（" + path_ + "）を読み込めません：" + failure_);
    }
    return bytes_;
}

TemplateBlock ReadFmtSection(const TemplateFile& fmt, std::string_view blockName, std::int32_t limit) {
    if (std::optional<TemplateBlock> block = ReadFmtSectionIfPresent(fmt, blockName, limit)) {
        return std::move(*block);
    }
    throw ReportError("帳票書式ファイル（" + fmt.path() + "）にブロック「" + std::string(blockName) +
                      "」がありません。");
}

std::optional<TemplateBlock> ReadFmtSectionIfPresent(const TemplateFile& fmt, std::string_view blockName,
                                                     std::int32_t limit) {
    const std::string_view bytes = fmt.Bytes();
    const std::string file = "帳票書式ファイル（" + fmt.path() + "）";
    const std::string block = "ブロック「" + std::string(blockName) + "」";
    const std::string name = PrintText(blockName);
    TemplateBlock result(limit, std::string(blockName));
    std::size_t lineNo = 0;
    bool inside = false;
    for (const std::string_view line : SplitLines(bytes)) {
        ++lineNo;
        if (!inside) {
            inside = line == name;
            continue;
        }
        if (line == "End") {
            return result;
        }
        if (!line.empty() && line[0] == '\'') {
            continue;
        }
        const std::string at = file + "の" + std::to_string(lineNo) + "行目（" + block + "）：";
        const auto number = TemplateNumber(line.substr(0, 3));
        if (!number) {
            throw ReportError(at + "行の番号（1～3桁目）が正しくありません。");
        }
        if (*number > result.limit()) {
            throw ReportError(at + "行の番号 " + std::to_string(*number) + " がこのブロックの上限 " +
                              std::to_string(result.limit()) + " を超えています。");
        }
        const char levelChar = line.size() > 4 ? line[4] : '0';
        const std::int32_t level = levelChar >= '1' && levelChar <= '4' ? levelChar - '0' : 0;
        const std::string_view text = line.size() > 5 ? line.substr(5) : std::string_view();
        // A line with more fields than a line may hold is named here, with its place in the file.
        try {
            FindNumFields(text);
            FindStrFields(text);
        } catch (const ReportError& e) {
            throw ReportError(at + e.what());
        }
        result.Set(*number, level, std::string(text));
    }
    if (!inside) {
        return std::nullopt;
    }
    throw ReportError(file + "の" + block + "が End で終わっていません。");
}

TemplateBlock ReadFmtSection(const std::string& fmtFile, std::string_view blockName, std::int32_t limit) {
    return ReadFmtSection(TemplateFile(fmtFile), blockName, limit);
}

std::optional<TemplateBlock> ReadFmtSectionIfPresent(const std::string& fmtFile, std::string_view blockName,
                                                     std::int32_t limit) {
    return ReadFmtSectionIfPresent(TemplateFile(fmtFile), blockName, limit);
}

// ---- fields

std::vector<TemplateField> FindNumFields(std::string_view text) {
    std::vector<TemplateField> fields;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        const bool starts =
            c == '#' || ((c == '+' || c == '\\') && i + 1 < text.size() && text[i + 1] == '#');
        if (!starts) {
            i += Cp932CharWidth(text, i);
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && IsPictureChar(text[end])) {
            ++end;
        }
        if (fields.size() == kMaxFieldsPerLine) {
            throw ReportError("数値の欄が20を超えています。");
        }
        fields.push_back({i, end - i, std::string(text.substr(i, end - i))});
        i = end;
    }
    return fields;
}

std::vector<TemplateField> FindStrFields(std::string_view text) {
    std::vector<TemplateField> fields;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t start = FindChar(text, '&', i);
        std::size_t end = 0;
        bool right = false;
        if (start != std::string_view::npos) {
            const std::size_t close = FindChar(text, '&', start + 1);
            end = close == std::string_view::npos ? text.size() : close + 1;
            right = start + 1 < text.size() && text[start + 1] == '>';
        } else {
            start = FindChar(text, '!', i);
            if (start == std::string_view::npos) {
                break;
            }
            end = start + 1;
        }
        if (fields.size() == kMaxFieldsPerLine) {
            throw ReportError("文字の欄が20を超えています。");
        }
        const std::size_t width = end - start;
        fields.push_back({start, width, (right ? "" : "!") + std::string(width, '@')});
        i = end;
    }
    return fields;
}

std::string FormatNumField(double value, std::string_view format) {
    std::string_view body = format;
    const bool plus = !body.empty() && body.front() == '+';
    const bool yen = !body.empty() && body.front() == '\\';
    if (plus || yen) {
        body.remove_prefix(1);
    }
    // Commas only switch on the grouping of thousands, wherever they stand.
    std::string integer;
    std::string fraction;
    bool grouping = false;
    bool point = false;
    for (const char c : body) {
        if (c == ',') {
            grouping = true;
        } else if (c == '.' && !point) {
            point = true;
        } else if (c == '#' || c == '0') {
            (point ? fraction : integer) += c;
        }
    }
    std::string picture = yen ? "\\\\" : "";
    if (grouping) {
        if (integer.size() < 2) {
            integer.insert(0, integer.empty() ? "##" : "#");
        }
        integer.insert(1, ",");
    }
    picture += integer;
    if (point) {
        picture += '.' + fraction;
    }
    std::string text = FormatSignedNumber(value, picture);
    if (plus && !(value < 0)) {
        text.insert(0, "+");
    }
    if (text.size() < format.size()) {
        text.insert(0, format.size() - text.size(), ' ');
    }
    return text;
}

std::string FormatStrField(std::string_view value, std::string_view format) {
    const bool left = !format.empty() && format.front() == '!';
    const std::size_t width = format.size() - (left ? 1 : 0);
    if (value.empty()) {
        return std::string(width, ' ');
    }
    std::string text = PrintText(value);
    if (text.size() < width) {
        const std::string pad(width - text.size(), ' ');
        text = left ? text + pad : pad + text;
    }
    return text;
}

namespace {

// Writes result over the field at pos of width bytes: at most width bytes, the line keeps its
// length; a two-byte character cut in half leaves a space.
void Overwrite(std::string& line, const TemplateField& field, std::string_view result) {
    std::size_t n = std::min(result.size(), field.width);
    n = std::min(n, line.size() - field.pos);
    std::size_t i = 0;
    while (i < n) {
        const std::size_t w = IsCp932LeadByte(static_cast<unsigned char>(result[i])) ? 2 : 1;
        if (i + w > n) {
            line[field.pos + i] = ' ';
            break;
        }
        line[field.pos + i] = result[i];
        if (w == 2) {
            line[field.pos + i + 1] = result[i + 1];
        }
        i += w;
    }
}

} // namespace

std::string FillTemplate(std::string_view tmpl, std::span<const double> numbers,
                         std::span<const std::string> texts) {
    std::string line(tmpl);
    const auto numFields = FindNumFields(tmpl);
    const auto strFields = FindStrFields(tmpl);
    for (std::size_t k = 0; k < numFields.size(); ++k) {
        Overwrite(line, numFields[k],
                  FormatNumField(k < numbers.size() ? numbers[k] : 0.0, numFields[k].format));
    }
    for (std::size_t k = 0; k < strFields.size(); ++k) {
        Overwrite(line, strFields[k],
                  FormatStrField(k < texts.size() ? std::string_view(texts[k]) : std::string_view(),
                                 strFields[k].format));
    }
    return line;
}

std::string FillBlockLine(const TemplateBlock& block, std::int32_t k, std::span<const double> numbers,
                          std::span<const std::string> texts) {
    const std::string& text = block.Text(k);
    const std::size_t numberFields = FindNumFields(text).size();
    const std::size_t textFields = FindStrFields(text).size();
    if (numberFields != numbers.size() || textFields != texts.size()) {
        throw ReportError("帳票書式のブロック「" + block.name() + "」の " + std::to_string(k) +
                          " 番の行は数値の欄が " + std::to_string(numberFields) + "、文字の欄が " +
                          std::to_string(textFields) + " ですが、数値 " + std::to_string(numbers.size()) +
                          "、文字 " + std::to_string(texts.size()) + " で印刷しようとしました。");
    }
    return FillTemplate(text, numbers, texts);
}

} // namespace zul
