#include "io/BoreholeReader.h"

#include "io/BoreholeBounds.h"
#include "io/FileAccess.h"
#include "io/FileError.h"
#include "io/FileMessages.h"
#include "util/Cp932.h"
#include "util/NumberFormat.h"
#include "util/TextLines.h"
#include "util/TextNormalize.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <vector>

namespace zul {

namespace {

constexpr std::string_view kRootName = "ボーリング情報";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

BoreholeReadResult Failure(std::string reason) {
    BoreholeReadResult result;
    result.message = "ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀﾌｧｲﾙを読み込めませんでした。" + reason;
    return result;
}

std::string FileErrorReason(int code) {
    return FileErrorCause(code, FileErrorWording::HalfWidth) + "（ｴﾗｰｺｰﾄﾞ ： " +
           FormatNumber(code, "##,##0）");
}

std::string_view NameOf(const xmlNode* node) {
    return node->name == nullptr ? std::string_view() : reinterpret_cast<const char*>(node->name);
}

// The text an element holds directly (its text and CDATA children; entity references are never
// expanded).
std::string TextOf(const xmlNode* element) {
    std::string text;
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        if ((child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) &&
            child->content != nullptr) {
            text += reinterpret_cast<const char*>(child->content);
        }
    }
    return text;
}

// The first child element of that name, or nullptr.
const xmlNode* ChildElement(const xmlNode* parent, std::string_view name) {
    for (const xmlNode* child = parent->children; child != nullptr; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && NameOf(child) == name) {
            return child;
        }
    }
    return nullptr;
}

std::string ChildText(const xmlNode* parent, std::string_view name) {
    const xmlNode* child = ChildElement(parent, name);
    return child == nullptr ? std::string() : TextOf(child);
}

// The text of a child as written, blanks at both ends removed.
std::string ChildTrimmed(const xmlNode* parent, std::string_view name) {
    return std::string(TrimBlanks(ChildText(parent, name)));
}

// The first of several alternative children present.
std::string ChildTextOfAny(const xmlNode* parent, std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        if (ChildElement(parent, name) != nullptr) {
            return ChildText(parent, name);
        }
    }
    return {};
}

// Degrees, minutes and seconds as the file gives them: "34度59分53.2000秒"; empty when none is
// given.
std::string Angle(const xmlNode* parent, std::string_view prefix) {
    const std::string base(prefix);
    const std::string degrees = ChildTrimmed(parent, base + "_度");
    const std::string minutes = ChildTrimmed(parent, base + "_分");
    const std::string seconds = ChildTrimmed(parent, base + "_秒");
    if (degrees.empty() && minutes.empty() && seconds.empty()) {
        return {};
    }
    return degrees + "度" + minutes + "分" + seconds + "秒";
}

struct DocumentDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct ContextDeleter {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};

// libxml2 prints nothing of its own: the reader turns errors into messages.
void SilentErrors(void*, const char*, ...) {}

void InitialiseParser() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetGenericErrorFunc(nullptr, SilentErrors);
    });
}

// What the parser has still to read.
struct TextSource {
    std::string_view rest;
};

int ReadPiece(void* context, char* buffer, int length) {
    auto& source = *static_cast<TextSource*>(context);
    const std::size_t n = std::min(source.rest.size(), static_cast<std::size_t>(std::max(length, 0)));
    std::copy_n(source.rest.data(), n, buffer);
    source.rest.remove_prefix(n);
    return static_cast<int>(n);
}

std::string ParseFailureReason(const xmlParserCtxt* context) {
    const xmlError* error = xmlCtxtGetLastError(const_cast<xmlParserCtxt*>(context));
    if (error == nullptr) {
        return "XML として読めません。";
    }
    const std::string detail = error->message == nullptr ? std::string() : error->message;
    if (detail.find("Excessive depth") != std::string::npos) {
        return "要素の入れ子が深すぎます（" + std::to_string(xmlParserMaxDepth) + " 段まで）。";
    }
    switch (error->code) {
    case XML_ERR_ENTITY_LOOP:
    case XML_ERR_ENTITY_BOUNDARY:
        return "実体参照の展開が大きすぎるか，循環しています。";
    case XML_ERR_DOCUMENT_EMPTY:
        return "XML ではありません（要素が見つかりません）。";
    case XML_ERR_DOCUMENT_END:
    case XML_ERR_TAG_NOT_FINISHED:
    case XML_ERR_LTSLASH_REQUIRED:
        if (detail.find("Premature end") != std::string::npos || error->code == XML_ERR_TAG_NOT_FINISHED) {
            return "ﾌｧｲﾙが途中で終わっています（" + std::to_string(error->line) + " 行目）。";
        }
        break;
    default:
        break;
    }
    std::string message = detail;
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) {
        message.pop_back();
    }
    return "XML として正しくありません（" + std::to_string(error->line) + " 行目：" + message + "）。";
}

struct Collected {
    BoreholeRecord record;
    std::vector<BoreholeLayer> layers2;
    std::vector<BoreholeLayer> layers3;
    std::vector<BoreholeLayer> layers4;
    bool millimetres = false;
    bool haveName = false;
    bool havePosition = false;
};

// An angle of degrees, minutes and seconds in decimal degrees; none when a part is missing.
std::optional<double> DecimalDegrees(const xmlNode* parent, const std::string& prefix) {
    const auto degrees = ParseDecimalNumber(ChildTrimmed(parent, prefix + "_度"));
    const auto minutes = ParseDecimalNumber(ChildTrimmed(parent, prefix + "_分"));
    const auto seconds = ParseDecimalNumber(ChildTrimmed(parent, prefix + "_秒"));
    if (!degrees || !minutes || !seconds) {
        return std::nullopt;
    }
    const double magnitude = std::fabs(*degrees) + *minutes / 60 + *seconds / 3600;
    return std::signbit(*degrees) ? -magnitude : magnitude;
}

// A layer of the log: its bottom depth and its name.
BoreholeLayer Layer(const xmlNode* element, std::string_view bottomName, std::string_view nameName) {
    BoreholeLayer layer;
    layer.bottomText = ChildTrimmed(element, bottomName);
    layer.bottom = ParseDecimalNumber(layer.bottomText);
    layer.name = ChildText(element, nameName);
    return layer;
}

// Adds a record to its list, or tells why the list is full.
template <typename Record>
std::optional<std::string> Append(std::vector<Record>& list, Record record, std::string_view kind,
                                  std::size_t bound) {
    if (list.size() >= bound) {
        return TooManyRecords(kind, bound);
    }
    list.push_back(std::move(record));
    return std::nullopt;
}

// Takes what the element holds into the record; why not when a list would grow past its bound.
std::optional<std::string> Collect(const xmlNode* element, Collected& c) {
    const std::string_view name = NameOf(element);
    BoreholeRecord& r = c.record;
    if (name == "ボーリング名") {
        if (!c.haveName) {
            r.name = TextOf(element);
            c.haveName = true;
        }
    } else if (name == "調査名") {
        if (r.surveyName.empty()) {
            r.surveyName = TrimBlanks(TextOf(element));
        }
    } else if (name == "経度緯度情報") {
        if (!c.havePosition) {
            r.latitude = Angle(element, "緯度");
            r.longitude = Angle(element, "経度");
            r.latitudeDegrees = DecimalDegrees(element, "緯度");
            r.longitudeDegrees = DecimalDegrees(element, "経度");
            c.havePosition = true;
        }
    } else if (name == "調査期間") {
        if (r.surveyStart.empty() && r.surveyEnd.empty()) {
            r.surveyStart = ChildTrimmed(element, "調査期間_開始年月日");
            r.surveyEnd = ChildTrimmed(element, "調査期間_終了年月日");
        }
    } else if (name == "孔口標高") {
        if (r.elevationText.empty()) {
            r.elevationText = TrimBlanks(TextOf(element));
            r.elevation = ParseDecimalNumber(r.elevationText);
        }
    } else if (name == "総掘進長" || name == "総削孔長") {
        if (!r.totalDepth) {
            r.totalDepth = ParseDecimalNumber(TextOf(element));
        }
    } else if (name == "土質岩種区分") {
        return Append(c.layers2, Layer(element, "土質岩種区分_下端深度", "土質岩種区分_土質岩種区分1"), name,
                      kMaxBoreholeLayers);
    } else if (name == "岩石土区分") {
        return Append(c.layers3, Layer(element, "岩石土区分_下端深度", "岩石土区分_岩石土名"), name,
                      kMaxBoreholeLayers);
    } else if (name == "工学的地質区分名現場土質名") {
        return Append(c.layers4,
                      Layer(element, "工学的地質区分名現場土質名_下端深度",
                            "工学的地質区分名現場土質名_工学的地質区分名現場土質名"),
                      name, kMaxBoreholeLayers);
    } else if (name == "標準貫入試験") {
        PenetrationTest test;
        test.startText = ChildTrimmed(element, "標準貫入試験_開始深度");
        test.blowsText = ChildTrimmed(element, "標準貫入試験_合計打撃回数");
        test.penetrationText = ChildTrimmed(element, "標準貫入試験_合計貫入量");
        test.startDepth = ParseDecimalNumber(test.startText);
        test.blows = ParseDecimalNumber(test.blowsText);
        test.penetrationCm = ParseDecimalNumber(test.penetrationText);
        return Append(r.tests, std::move(test), name, kMaxBoreholeTests);
    } else if (name.starts_with("標準貫入試験_0_100")) {
        c.millimetres = true;
    } else if (name == "孔内水位") {
        WaterRecord water;
        water.depthText = ChildTrimmed(element, "孔内水位_孔内水位");
        water.depth = ParseDecimalNumber(water.depthText);
        water.date = ChildTrimmed(element, "孔内水位_測定年月日");
        water.stateCode =
            TrimBlanks(ChildTextOfAny(element, {"孔内水位_掘削状況コード", "孔内水位_削孔状況コード"}));
        water.stateName = TrimBlanks(ChildTextOfAny(element, {"孔内水位_掘削状況", "孔内水位_削孔状況"}));
        water.kindCode = ChildTrimmed(element, "孔内水位_水位種別コード");
        water.kindName = ChildTrimmed(element, "孔内水位_水位種別備考");
        const std::string& code = water.stateCode;
        const std::string& state = water.stateName;
        water.state = code.empty() || state.empty() ? code + state : code + " " + state;
        return Append(r.water, std::move(water), name, kMaxBoreholeWaterRecords);
    }
    return std::nullopt;
}

} // namespace

BoreholeReadResult ParseBoreholeFile(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    if (IsBlankText(bytes)) {
        return Failure("ﾌｧｲﾙが空です。");
    }
    // '<' and NUL are never part of a two-byte character of code page 932: a file past the
    // bounds is refused before it is decoded.
    if (const auto problem = BoreholeTextProblem(bytes)) {
        return Failure(*problem);
    }
    // UTF-8 is parsed where it lies; only code page 932 is decoded into a text of its own.
    std::string decoded;
    std::string_view text = bytes;
    if (!IsValidUtf8(bytes)) {
        auto fromCp932 = DecodeCp932(bytes);
        if (!fromCp932) {
            return Failure(UndecodableBoreholeText(bytes));
        }
        decoded = std::move(*fromCp932);
        text = decoded;
    }
    if (text.size() > kMaxBoreholeFileBytes * 2) {
        return Failure("ﾌｧｲﾙが大きすぎます（" + std::to_string(kMaxBoreholeFileBytes / 1024 / 1024) +
                       " MB まで）。");
    }
    // Decoded characters take more bytes: a text run may have grown past its bound.
    if (const auto problem = decoded.empty() ? std::nullopt : BoreholeTextProblem(text)) {
        return Failure(*problem);
    }

    InitialiseParser();
    std::unique_ptr<xmlParserCtxt, ContextDeleter> context(xmlNewParserCtxt());
    if (!context) {
        return Failure("XML の解析を始められません（ﾒﾓﾘ不足）。");
    }
    // The text is UTF-8 now, whatever its declaration says.  No DTD or entity is fetched, no
    // entity expanded into the text, and the parser's limits on depth and expansion stay on.
    const int options = XML_PARSE_NONET | XML_PARSE_IGNORE_ENC | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                        XML_PARSE_NOCDATA | XML_PARSE_COMPACT | XML_PARSE_NOBLANKS;
    // The parser reads the text in pieces instead of copying it whole.
    TextSource source{text};
    std::unique_ptr<xmlDoc, DocumentDeleter> doc(
        xmlCtxtReadIO(context.get(), ReadPiece, nullptr, &source, "borehole.xml", "UTF-8", options));
    if (!doc || !context->wellFormed) {
        return Failure(ParseFailureReason(context.get()));
    }
    if (doc->intSubset != nullptr &&
        (doc->intSubset->entities != nullptr || doc->intSubset->pentities != nullptr)) {
        return Failure("実体（ENTITY）を宣言したﾌｧｲﾙは読みません。");
    }
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (root == nullptr) {
        return Failure("ﾙｰﾄ要素がありません。");
    }
    if (NameOf(root) != kRootName) {
        return Failure("ﾎﾞｰﾘﾝｸﾞ交換用ﾃﾞｰﾀではありません（ﾙｰﾄ要素が「" + std::string(NameOf(root)) +
                       "」で，「" + std::string(kRootName) + "」ではありません）。");
    }

    Collected collected;
    if (xmlChar* version = xmlGetNoNsProp(root, reinterpret_cast<const xmlChar*>("DTD_version"))) {
        collected.record.dtdVersion = reinterpret_cast<const char*>(version);
        xmlFree(version);
    }
    // Every element below the root in document order, without recursion.
    std::vector<const xmlNode*> pending{root};
    while (!pending.empty()) {
        const xmlNode* node = pending.back();
        pending.pop_back();
        if (node != root) {
            if (auto tooMany = Collect(node, collected)) {
                return Failure(std::move(*tooMany));
            }
        }
        std::vector<const xmlNode*> children;
        for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
            if (child->type == XML_ELEMENT_NODE) {
                children.push_back(child);
            }
        }
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }

    BoreholeRecord& record = collected.record;
    if (!collected.layers4.empty()) {
        record.layout = BoreholeLayout::V400;
        record.layers = std::move(collected.layers4);
    } else if (!collected.layers3.empty()) {
        record.layout = BoreholeLayout::V300;
        record.layers = std::move(collected.layers3);
    } else if (!collected.layers2.empty()) {
        record.layout = BoreholeLayout::V2;
        record.layers = std::move(collected.layers2);
    } else if (collected.millimetres) {
        record.layout = BoreholeLayout::V400;
    }
    // Files of 4.00 give the penetration in mm.
    if (collected.millimetres) {
        for (PenetrationTest& test : record.tests) {
            if (test.penetrationCm) {
                *test.penetrationCm /= 10;
            }
        }
    }
    BoreholeReadResult result;
    result.record = std::move(record);
    return result;
}

BoreholeReadResult ReadBoreholeFile(const std::string& path) {
    std::string bytes;
    bool tooLarge = false;
    if (const int code = ReadWholeFileUpTo(path, kMaxBoreholeFileBytes, bytes, tooLarge);
        code != FileError::None) {
        return Failure(FileErrorReason(code));
    }
    if (tooLarge) {
        return Failure("ﾌｧｲﾙが大きすぎます（" + std::to_string(kMaxBoreholeFileBytes / 1024 / 1024) +
                       " MB まで）。");
    }
    BoreholeReadResult result = ParseBoreholeFile(bytes);
    if (result.record) {
        const std::size_t slash = path.find_last_of('/');
        result.record->fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    }
    return result;
}

} // namespace zul
