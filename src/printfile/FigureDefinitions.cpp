#include "printfile/FigureDefinitions.h"

#include "printfile/PrintFileFormatError.h"
#include "util/Cp932.h"
#include "util/NumberText.h"
#include "util/TextLines.h"

#include <limits>

namespace zul {

namespace {

// The fields of a definition file after its header line: separated by commas and line ends,
// blanks around them and enclosing double quotes removed.
class DefFields {
public:
    explicit DefFields(std::string_view bytes) {
        std::size_t pos = bytes.find_first_of("\r\n");
        pos = pos == std::string_view::npos ? bytes.size() : pos;
        std::string field;
        bool quoted = false;
        bool any = false;
        auto finish = [&] {
            if (any) {
                fields_.push_back(std::string(TrimBlanks(field)));
            }
            field.clear();
            any = false;
        };
        for (std::size_t i = pos; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '"') {
                quoted = !quoted;
                any = true;
            } else if (!quoted && (c == ',' || c == '\r' || c == '\n')) {
                if (c == ',') {
                    any = true;
                }
                finish();
            } else {
                field += c;
                any = any || !IsBlank(c);
            }
        }
        finish();
    }
    std::string Text() {
        if (next_ >= fields_.size()) {
            throw PrintFileFormatError("END の行がありません。");
        }
        return fields_[next_++];
    }
    std::int32_t Number() {
        const auto value = ParseNumber(Text());
        if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
            *value > std::numeric_limits<std::int32_t>::max()) {
            throw PrintFileFormatError("数値でない欄があります。");
        }
        return static_cast<std::int32_t>(*value);
    }

private:
    std::vector<std::string> fields_;
    std::size_t next_ = 0;
};

// Names of the definition files are code page 932; in memory UTF-8.
std::string DecodedName(const std::string& cp932) {
    auto text = DecodeCp932(cp932);
    return text ? *text : cp932;
}

// The definitions of a definition file's contents, each read by readRest from its decoded name
// on.
template <typename Def, typename ReadRest>
std::vector<Def> ParseDefinitions(std::string_view bytes, std::size_t most, const char* what,
                                  ReadRest readRest) {
    DefFields in(bytes);
    std::vector<Def> defs;
    for (std::string name = in.Text(); name != "END"; name = in.Text()) {
        if (defs.size() >= most) {
            throw PrintFileFormatError("定義が" + std::to_string(most) + "行を超えています（" + what +
                                       "）。");
        }
        Def d;
        d.Name = DecodedName(name);
        readRest(in, d);
        defs.push_back(std::move(d));
    }
    return defs;
}

} // namespace

std::vector<LineDef> ParseLineDefs(std::string_view cp932, std::size_t most) {
    return ParseDefinitions<LineDef>(cp932, most, "線種", [](DefFields& in, LineDef& d) {
        d.Style = in.Number();
        d.Width = in.Number();
    });
}

std::vector<StrDef> ParseStrDefs(std::string_view cp932, std::size_t most) {
    return ParseDefinitions<StrDef>(cp932, most, "文字種", [](DefFields& in, StrDef& d) {
        d.Weight = in.Number();
        d.Font = DecodedName(in.Text());
        d.Size = in.Number();
        d.Spacing = in.Number();
        d.Colour = in.Number();
        d.Reserved = in.Number();
    });
}

} // namespace zul
