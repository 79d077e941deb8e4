#include "report/basResOutPrn.h"

#include "io/FileAccess.h"
#include "io/FileError.h"
#include "io/FileMessages.h"
#include "util/Cp932.h"
#include "util/FileHelpers.h"
#include "util/NumberText.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <optional>

namespace zul {

namespace {

constexpr char kFormFeed = '\f';
constexpr std::string_view kLineEnd = "\r\n";
// Left margins beyond this are taken as this (the settings screen allows 0..10).
constexpr std::int32_t kMaxMargin = 200;

// Width in bytes of the code page 932 character that starts at text[i].
std::size_t CharWidth(std::string_view text, std::size_t i) {
    return IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// Byte position of the next character c (single byte) at or after from, walking characters.
std::size_t FindChar(std::string_view text, char c, std::size_t from) {
    for (std::size_t i = from; i < text.size(); i += CharWidth(text, i)) {
        if (text[i] == c) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool IsPictureChar(char c) {
    return c == '#' || c == ',' || c == '.' || c == '0';
}

std::string Spaces(std::int32_t n) {
    return std::string(static_cast<std::size_t>(std::clamp<std::int32_t>(n, 0, kMaxMargin)), ' ');
}

// One line of the template file without its line end.
bool NextLine(std::string_view bytes, std::size_t& pos, std::string_view& line) {
    if (pos >= bytes.size()) {
        return false;
    }
    std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
        end = bytes.size();
    }
    line = bytes.substr(pos, end - pos);
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') {
        ++pos;
    }
    if (pos < bytes.size() && bytes[pos] == '\n') {
        ++pos;
    }
    return true;
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

const char* const kRoman[] = {"i", "ii", "iii", "iv", "v", "vi", "vii", "viii", "ix", "x"};
const char* const kCircled[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧", "⑨", "⑩",
                                "⑪", "⑫", "⑬", "⑭", "⑮", "⑯", "⑰", "⑱", "⑲", "⑳"};

// The counter within 1..limit: above it set back to 1.
std::int32_t Wrapped(std::int32_t& counter, std::int32_t limit) {
    if (counter > limit) {
        counter = 1;
    }
    return counter;
}

} // namespace

// ---- templates

TemplateBlock::TemplateBlock(std::int32_t limit) : lines_(static_cast<std::size_t>(std::max(limit, 0))) {}

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

TemplateBlock ReadFmtSection(const std::string& fmtFile, std::string_view blockName, std::int32_t limit) {
    const std::string file = "帳票書式ファイル（" + fmtFile + "）";
    std::string bytes;
    if (const int err = ReadWholeFile(fmtFile, bytes); err != FileError::None) {
        throw ReportError(file + "を読み込めません：" + FileErrorCause(err));
    }
    const std::string block = "ブロック「" + std::string(blockName) + "」";
    const std::string name = PrintText(blockName);
    TemplateBlock result(limit);
    std::size_t pos = 0;
    std::size_t lineNo = 0;
    std::string_view line;
    bool inside = false;
    while (NextLine(bytes, pos, line)) {
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
        throw ReportError(file + "に" + block + "がありません。");
    }
    throw ReportError(file + "の" + block + "が End で終わっていません。");
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
            i += CharWidth(text, i);
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

std::string PrintText(std::string_view utf8) {
    std::string out;
    if (auto whole = EncodeCp932(utf8)) {
        out = *std::move(whole);
    } else {
        // Character by character: what code page 932 cannot hold becomes "?".
        for (std::size_t i = 0; i < utf8.size();) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            n = std::min(n, utf8.size() - i);
            const auto one = EncodeCp932(utf8.substr(i, n));
            out += one ? *one : std::string("?");
            i += n;
        }
    }
    // A line end, form feed or other control character inside a value would break the lines and
    // pages of the print file: it prints as a space.  (Control bytes never occur as the second
    // byte of a two-byte character.)
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return out;
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

std::string NumberText(std::int32_t style, std::int32_t& counter) {
    if (counter <= 0) {
        return {};
    }
    const std::string n = std::to_string(counter);
    switch (style) {
    case 1:
        return n;
    case 2:
        return "(" + n + ")";
    case 3:
        return n + ")";
    case 4:
        return "(" + std::string(1, static_cast<char>('a' + Wrapped(counter, 26) - 1)) + ")";
    case 5:
        return std::string(1, static_cast<char>('a' + Wrapped(counter, 26) - 1)) + ")";
    case 6:
        return "(" + std::string(kRoman[Wrapped(counter, 10) - 1]) + ")";
    case 7:
        return std::string(kRoman[Wrapped(counter, 10) - 1]) + ")";
    case 8:
        return kCircled[Wrapped(counter, 20) - 1];
    case 9:
        return "･";
    default:
        return {};
    }
}

// ---- print state

PrintState::PrintState(std::string tempFolder) : tempFolder_(std::move(tempFolder)) {}

PrintState::~PrintState() {
    AbandonPrnFile();
    DeleteTempFiles();
}

void PrintState::LoadNumbering(const NumberingSettings& settings) {
    NumMethod = settings.Method;
    NumCounter = {settings.Init - 1, 0, 0, 0};
    NumStyle = settings.Style;
    NumMargin = settings.Margin;
    CurLevel = 1;
}

std::string PrintState::NewTempFile(std::vector<std::string>& list, std::size_t limit) {
    if (list.size() >= limit) {
        throw ReportError("一時ファイルが" + std::to_string(limit) + "を超えました。");
    }
    errno = 0;
    std::string path = tempFolder_.empty() ? MakeTempFileName() : MakeTempFileName(tempFolder_);
    if (path.empty()) {
        NoteWriteError(errno);
        throw ReportError("一時ファイルを作成できません（" + TempFolder() + "）：" +
                          FileErrorCause(FileErrorFromErrno(errno, std::string())));
    }
    list.push_back(path);
    return path;
}

std::string PrintState::NewPrnFile() {
    return NewTempFile(PrnTempFiles, kMaxPrnTempFiles);
}

std::string PrintState::NewFigFile() {
    return NewTempFile(FigTempFiles, kMaxFigTempFiles);
}

void PrintState::DeleteTempFiles() {
    for (const auto* list : {&PrnTempFiles, &FigTempFiles}) {
        for (const std::string& path : *list) {
            KillFile(path);
        }
    }
    PrnTempFiles.clear();
    FigTempFiles.clear();
}

void PrintState::NoteWriteError(int err) {
    if (WriteError == FileError::None) {
        WriteError = err != 0 ? FileErrorFromErrno(err, std::string()) : FileError::PathFileAccess;
    }
}

void PrintState::ThrowWriteError(int err) {
    NoteWriteError(err);
    throw ReportError("印刷ファイル（" + PrnFileName + "）を書き込めません：" +
                      FileErrorCause(FileErrorFromErrno(err, std::string())));
}

void PrintState::OpenPrnFile() {
    AbandonPrnFile();
    errno = 0;
    file_.reset(PrnFileName.empty() ? nullptr : std::fopen(PrnFileName.c_str(), "ab"));
    if (!file_) {
        ThrowWriteError(errno);
    }
    LineCount = 0;
}

void PrintState::ClosePrnFile() {
    if (!file_) {
        return;
    }
    errno = 0;
    const bool failed = std::ferror(file_.get()) != 0;
    const int err = errno;
    if (std::fclose(file_.release()) != 0 || failed) {
        ThrowWriteError(errno != 0 ? errno : err);
    }
}

void PrintState::AbandonPrnFile() noexcept {
    file_.reset();
}

void PrintState::Write(std::string_view bytes) {
    if (!file_) {
        throw ReportError("印刷ファイル（" + PrnFileName + "）が開かれていません。");
    }
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
        ThrowWriteError(errno);
    }
}

std::string PrintState::MakeHeadNumber(std::int32_t level) {
    CurLevel = level;
    auto& c = NumCounter;
    switch (level) {
    case 1:
        ++c[0];
        c[1] = c[2] = c[3] = 0;
        break;
    case 2:
        ++c[1];
        c[2] = c[3] = 0;
        break;
    case 3:
        ++c[2];
        c[3] = 0;
        break;
    case 4:
        ++c[3];
        break;
    default:
        break;
    }
    std::array<std::string, 4> t;
    for (std::size_t k = 0; k < 4; ++k) {
        t[k] = NumberText(NumStyle[k], NumCounter[k]);
    }
    std::string number;
    if (NumMethod == 1 && level >= 1 && level <= 4) {
        number = t[static_cast<std::size_t>(level - 1)];
    } else if (NumMethod == 2 || NumMethod == 3) {
        const std::string sep = NumMethod == 2 ? "-" : ".";
        switch (level) {
        case 1:
            number = t[0] + ".";
            break;
        case 2:
            number = t[0] + sep + t[1];
            break;
        case 3:
            number = t[0] + sep + t[1] + sep + t[2];
            break;
        case 4:
            number = t[3];
            break;
        default:
            break;
        }
    }
    return number + " ";
}

void PrintState::PrintLineHead(std::int32_t level) {
    const std::string number = NumMethod != 0 && level != 0 ? MakeHeadNumber(level) : std::string();
    head_.clear();
    if (level >= 1 && level <= 4) {
        head_ += Spaces(NumMargin[static_cast<std::size_t>(level - 1)]);
        head_ += level == 1 ? "?R1" : level == 2 ? "?R2" : "";
        head_ += PrintText(number);
    } else {
        const std::size_t current = static_cast<std::size_t>(std::clamp<std::int32_t>(CurLevel, 1, 4) - 1);
        head_ += Spaces(NumMargin[current]);
        head_ += "  ";
    }
    Write(head_);
    ++LineCount;
}

void PrintState::PrintFmtLine(std::int32_t level, std::string_view tmpl, std::span<const double> numbers,
                              std::span<const std::string> texts) {
    const std::string line = FillTemplate(tmpl, numbers, texts);
    PrintLineHead(level);
    PrintRaw(line);
}

void PrintState::PrintFmtLine(const TemplateBlock& block, std::int32_t k,
                              std::initializer_list<double> numbers,
                              std::initializer_list<std::string> texts) {
    PrintFmtLine(block.Level(k), block.Text(k), std::span<const double>(numbers.begin(), numbers.size()),
                 std::span<const std::string>(texts.begin(), texts.size()));
}

void PrintState::PrintAsIs(const TemplateBlock& block, std::int32_t k) {
    const std::string& text = block.Text(k);
    PrintLineHead(block.Level(k));
    PrintRaw(text);
}

void PrintState::PrintRaw(std::string_view cp932) {
    Write(cp932);
    Write(kLineEnd);
}

void PrintState::PrintBlank(std::int32_t n) {
    for (std::int32_t i = 0; i < n; ++i) {
        Write(kLineEnd);
        ++LineCount;
    }
}

void PrintState::PageCheck(std::int32_t need, std::int32_t blanks) {
    if (LinesPerPage - LineCount < need) {
        FormFeed();
    } else {
        PrintBlank(blanks);
    }
}

void PrintState::FormFeed() {
    Write(std::string_view(&kFormFeed, 1));
    LineCount = 0;
}

void PrintState::AppendFormFeed() {
    if (PrnFileName.empty()) {
        return;
    }
    // The report goes on without the page break; a lost one is kept for the caller, who must
    // not pass the file on as complete.
    errno = 0;
    std::FILE* f = std::fopen(PrnFileName.c_str(), "ab");
    if (f == nullptr) {
        NoteWriteError(errno);
        return;
    }
    const bool written = std::fputc(kFormFeed, f) != EOF;
    const int err = errno;
    if (std::fclose(f) != 0 || !written) {
        NoteWriteError(errno != 0 ? errno : err);
    }
}

std::int32_t PrintState::RowsOnPage(std::int32_t linesPerRow) const {
    return static_cast<std::int32_t>(
        std::nearbyint(static_cast<double>(LinesPerPage - LineCount) / static_cast<double>(linesPerRow)));
}

} // namespace zul
