#include "site/SiteCsv.h"

#include "util/NumberFormat.h"
#include "util/NumberText.h"

namespace zul::site {

namespace {

// A field quoted when it holds a separator, a quote or a line end.
std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

std::string Number(const std::optional<double>& value) {
    return value ? GeneralNumberText(*value) : std::string();
}

const char* StatusWord(BoreholeStatus status) {
    switch (status) {
    case BoreholeStatus::Refused:
        return "取込不可";
    case BoreholeStatus::Failed:
        return "失敗";
    default:
        return "検討済";
    }
}

} // namespace

SiteCsv::SiteCsv(const std::vector<double>& diameters) {
    text_ = "\xEF\xBB\xBF"
            "ﾌｧｲﾙ,ﾎﾞｰﾘﾝｸﾞ名,緯度(度),経度(度),地盤面標高(m),地下水位標高(m),地層数,N値数,状態,理由";
    for (const double d : diameters) {
        const std::string head = "φ" + FormatNumber(d, "0.000") + " ";
        for (const char* column :
             {"必要杭長(m)", "Ra常時(kN)", "Ra地震時(kN)", "Pa常時(kN)", "Pa地震時(kN)"}) {
            text_ += "," + head + column;
        }
    }
    text_ += "\r\n";
}

void SiteCsv::Add(const BoreholeResult& b) {
    text_ += Field(b.file) + ',' + Field(b.name) + ',' + Number(b.latitude) + ',' + Number(b.longitude) +
             ',' + Number(b.ground) + ',' + Number(b.water) + ',' + std::to_string(b.layers) + ',' +
             std::to_string(b.points) + ',' + StatusWord(b.status) + ',' + Field(b.reason);
    for (const RequiredLength& required : b.required) {
        if (required.row) {
            for (const double value : {required.row->L, required.row->Ra, required.row->Rae, required.row->Pa,
                                       required.row->Pae}) {
                text_ += ',' + GeneralNumberText(value);
            }
        } else {
            text_ += ",,,,,";
        }
    }
    text_ += "\r\n";
}

} // namespace zul::site
