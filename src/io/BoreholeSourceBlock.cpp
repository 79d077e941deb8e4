#include "io/BoreholeSourceBlock.h"

#include "util/Cp932.h"
#include "util/NumberText.h"
#include "util/TextLines.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace zul {

namespace {

constexpr std::string_view kBegin = "#BOREHOLE-SOURCE ";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kEnd = "#END-BOREHOLE-SOURCE ";

// ---- writing

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point of the UTF-8 character at text[i] and its length; an invalid byte is U+FFFD of
// length 1.
std::pair<char32_t, std::size_t> NextCharacter(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || i + length > text.size()) {
        return {0xFFFD, 1};
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return {0xFFFD, 1};
        }
        c = (c << 6) | (next & 0x3F);
    }
    return {c, length};
}

std::string CodePointEscape(char32_t c) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(c), 16).ptr;
    return "\\u{" + std::string(digits, end) + "}";
}

// A text as a field: escaped, in code page 932.
std::string TextField(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, length] = NextCharacter(text, i);
        const std::string_view character = text.substr(i, length);
        i += length;
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7F || c == 0xFFFD) {
            out += CodePointEscape(c);
        } else if (const auto encoded = EncodeCp932(character)) {
            out += *encoded;
        } else {
            out += CodePointEscape(c);
        }
    }
    return out;
}

std::string NumberField(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    char digits[40];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

std::string NumberField(const std::optional<double>& value) {
    return value ? NumberField(*value) : std::string();
}

const char* FlagName(NPointFlag flag) {
    switch (flag) {
    case NPointFlag::Capped:
        return "capped";
    case NPointFlag::SelfSink:
        return "selfsink";
    case NPointFlag::None:
        break;
    }
    return "";
}

class BlockWriter {
public:
    void Record(std::string_view key, std::initializer_list<std::string> fields) {
        std::string line(key);
        for (const std::string& field : fields) {
            line += '\t';
            line += field;
        }
        Line(line);
    }
    void Text(std::string_view key, const std::string& text) { Record(key, {TextField(text)}); }
    void Line(std::string_view line) {
        text_ += line;
        text_ += "\r\n";
        ++records_;
    }
    std::string Finish() {
        return std::string(kBegin) + std::string(kVersion) + "\r\n" + text_ + std::string(kEnd) +
               std::to_string(records_) + "\r\n";
    }

private:
    std::string text_;
    std::size_t records_ = 0;
};

// ---- reading

struct Damaged {
    std::string why;
};

std::string Unescaped(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) {
            throw Damaged{"「\\」で終わる値"};
        }
        switch (field[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case 'u': {
            const std::size_t close = field.find('}', i);
            if (i + 1 >= field.size() || field[i + 1] != '{' || close == std::string_view::npos ||
                close - i - 2 < 1 || close - i - 2 > 6) {
                throw Damaged{"正しくない「\\u」"};
            }
            std::uint32_t code = 0;
            const auto [end, error] = std::from_chars(field.data() + i + 2, field.data() + close, code, 16);
            if (error != std::errc() || end != field.data() + close || code > 0x10FFFF ||
                (code >= 0xD800 && code <= 0xDFFF)) {
                throw Damaged{"正しくない「\\u」"};
            }
            AppendUtf8(out, code);
            i = close;
            break;
        }
        default:
            throw Damaged{"正しくない「\\」"};
        }
    }
    return out;
}

std::optional<double> OptionalNumber(const std::string& field) {
    if (field.empty()) {
        return std::nullopt;
    }
    const auto value = ParseNumber(field);
    if (!value || field.find_first_of(" \t") != std::string::npos) {
        throw Damaged{"数値でない「" + field + "」"};
    }
    return value;
}

double Number(const std::string& field) {
    const auto value = OptionalNumber(field);
    if (!value) {
        throw Damaged{"数値がない"};
    }
    return *value;
}

class RecordReader {
public:
    explicit RecordReader(BoreholeSource& source) : s_(source) {}

    void Read(const std::string& key, const std::vector<std::string>& f) {
        if (key == "layer") {
            Need(f, 4, true);
            const double kind = Number(f[0]);
            if (kind != 0 && kind != 1 && kind != 2) {
                throw Damaged{"層種が 0～2 でない"};
            }
            if (f[1] != "0" && f[1] != "1") {
                throw Damaged{"層種の選択が 0 か 1 でない"};
            }
            s_.layers.push_back({std::vector<std::string>(f.begin() + 4, f.end()),
                                 static_cast<std::int32_t>(kind), f[1] == "1", Number(f[2]), Number(f[3])});
        } else if (key == "point") {
            Need(f, 5);
            NPointFlag flag = NPointFlag::None;
            if (f[4] == "capped") {
                flag = NPointFlag::Capped;
            } else if (f[4] == "selfsink") {
                flag = NPointFlag::SelfSink;
            } else if (!f[4].empty()) {
                throw Damaged{"不明な印「" + f[4] + "」"};
            }
            s_.points.push_back(
                {Number(f[0]), Number(f[1]), OptionalNumber(f[2]), OptionalNumber(f[3]), flag});
        } else if (key == "refused") {
            Need(f, 4);
            s_.refusedTests.push_back(
                {OptionalNumber(f[0]), OptionalNumber(f[1]), OptionalNumber(f[2]), f[3]});
        } else if (key == "note") {
            Need(f, 1);
            s_.notes.push_back(f[0]);
        } else if (key == "elevation" || key == "totalDepth") {
            Need(f, 1);
            Once(key);
            (key == "elevation" ? s_.elevation : s_.totalDepth) = OptionalNumber(f[0]);
        } else if (std::string* text = TextOf(key)) {
            Need(f, 1);
            Once(key);
            *text = f[0];
        } else {
            throw Damaged{"不明な記録「" + key + "」"};
        }
    }

private:
    std::string* TextOf(const std::string& key) {
        const std::pair<const char*, std::string*> texts[] = {
            {"file", &s_.fileName},         {"borehole", &s_.boreholeName}, {"survey", &s_.surveyName},
            {"latitude", &s_.latitude},     {"longitude", &s_.longitude},   {"surveyStart", &s_.surveyStart},
            {"surveyEnd", &s_.surveyEnd},   {"layout", &s_.layoutVersion},  {"importDate", &s_.importDate},
            {"options", &s_.importOptions}, {"water", &s_.waterRecord},
        };
        for (const auto& [name, text] : texts) {
            if (key == name) {
                return text;
            }
        }
        return nullptr;
    }
    static void Need(const std::vector<std::string>& fields, std::size_t count, bool orMore = false) {
        if (fields.size() < count || (!orMore && fields.size() > count)) {
            throw Damaged{"値の数が合わない"};
        }
    }
    void Once(const std::string& key) {
        for (const std::string& seen : seen_) {
            if (seen == key) {
                throw Damaged{"記録「" + key + "」が二つある"};
            }
        }
        seen_.push_back(key);
    }

    BoreholeSource& s_;
    std::vector<std::string> seen_;
};

std::string DroppedMessage(const std::string& why) {
    return "ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み元の記録を読み込めないため，取込み元の記録なしで開きます（" + why + "）。";
}

} // namespace

std::string BoreholeSourceBlock(const BoreholeSource& s) {
    BlockWriter out;
    out.Text("file", s.fileName);
    out.Text("borehole", s.boreholeName);
    out.Text("survey", s.surveyName);
    out.Text("latitude", s.latitude);
    out.Text("longitude", s.longitude);
    out.Record("elevation", {NumberField(s.elevation)});
    out.Record("totalDepth", {NumberField(s.totalDepth)});
    out.Text("surveyStart", s.surveyStart);
    out.Text("surveyEnd", s.surveyEnd);
    out.Text("layout", s.layoutVersion);
    out.Text("importDate", s.importDate);
    out.Text("options", s.importOptions);
    out.Text("water", s.waterRecord);
    for (const SourceLayer& layer : s.layers) {
        std::string line = "layer\t" + std::to_string(layer.kind) + "\t" + (layer.kindChosen ? "1" : "0") +
                           "\t" + NumberField(layer.thickness) + "\t" + NumberField(layer.n);
        for (const std::string& name : layer.originalNames) {
            line += "\t" + TextField(name);
        }
        out.Line(line);
    }
    for (const SourcePoint& point : s.points) {
        out.Record("point", {NumberField(point.depth), NumberField(point.n), NumberField(point.blows),
                             NumberField(point.penetrationCm), FlagName(point.flag)});
    }
    for (const SourceTest& test : s.refusedTests) {
        out.Record("refused", {NumberField(test.depth), NumberField(test.blows),
                               NumberField(test.penetrationCm), TextField(test.reason)});
    }
    for (const std::string& note : s.notes) {
        out.Text("note", note);
    }
    return out.Finish();
}

SourceBlockRead ReadBoreholeSourceBlock(std::string_view bytes, bool cut) {
    SourceBlockRead result;
    if (bytes.size() > kMaxSourceBlockBytes) {
        bytes = bytes.substr(0, kMaxSourceBlockBytes);
        cut = true;
    }
    const std::vector<std::string_view> lines = SplitLines(bytes);
    std::size_t i = 0;
    while (i < lines.size() && !lines[i].starts_with(kBegin)) {
        ++i;
    }
    if (i == lines.size()) {
        return result;
    }
    if (lines[i].substr(kBegin.size()) != kVersion) {
        result.message = DroppedMessage("この版では読めない形式「" + DecodeCp932Lenient(lines[i]) + "」です");
        return result;
    }
    BoreholeSource source;
    RecordReader reader(source);
    std::size_t records = 0;
    for (++i; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.starts_with(kEnd)) {
            if (line.substr(kEnd.size()) != std::to_string(records)) {
                result.message = DroppedMessage("記録の数が合いません");
                return result;
            }
            result.source = std::move(source);
            return result;
        }
        ++records;
        try {
            const auto text = DecodeCp932(line);
            if (!text) {
                throw Damaged{"Shift_JIS でない文字"};
            }
            std::vector<std::string> fields;
            std::size_t start = 0;
            for (std::size_t tab = text->find('\t'); tab != std::string::npos;
                 tab = text->find('\t', start)) {
                fields.push_back(Unescaped(std::string_view(*text).substr(start, tab - start)));
                start = tab + 1;
            }
            fields.push_back(Unescaped(std::string_view(*text).substr(start)));
            const std::string key = fields.front();
            fields.erase(fields.begin());
            reader.Read(key, fields);
        } catch (const Damaged& damaged) {
            result.message = DroppedMessage(std::to_string(records) + " 番目の記録：" + damaged.why);
            return result;
        }
    }
    result.message = DroppedMessage(
        cut ? "大きすぎます（" + std::to_string(kMaxSourceBlockBytes / 1024 / 1024) + " MB まで）"
            : std::string("記録が途中で終わっています"));
    return result;
}

} // namespace zul
