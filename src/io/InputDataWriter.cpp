#include "io/BoreholeSourceBlock.h"
#include "io/FieldReader.h"
#include "io/FileAccess.h"
#include "io/InputDataFile.h"
#include "util/Cp932.h"
#include "util/NumberText.h"

#include <cmath>

namespace zul {

namespace {

// Raised while the file text is built: a value that the file cannot hold.
struct WriteFailure {
    int code;
};

// Builds the file text line by line in code page 932 with CR LF line ends.
class LineWriter {
public:
    void Line(std::string_view bytes) {
        text_ += bytes;
        text_ += "\r\n";
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

void RequireFinite(double value) {
    if (!std::isfinite(value)) {
        throw WriteFailure{FileError::TypeMismatch};
    }
}

// The Print form: " 1 ", "-2.5 ".
std::string PrintForm(double value) {
    RequireFinite(value);
    return PrintNumberText(value);
}

// A text in double quotes.  A double quote inside it would end the field early, so it is
// written as the full-width "＂"; a character without a code page 932 form, or a text longer
// than the reader takes, fails the save.
std::string QuotedText(const std::string& text) {
    if (CountCharacters(text) > FieldReader::kMaxTextCharacters) {
        throw WriteFailure{FileError::TypeMismatch};
    }
    std::string safe;
    for (const char c : text) {
        if (c == '"') {
            safe += "＂";
        } else {
            safe += c;
        }
    }
    const auto encoded = EncodeCp932(safe);
    if (!encoded) {
        throw WriteFailure{FileError::TypeMismatch};
    }
    return "\"" + *encoded + "\"";
}

std::string TruthField(bool value) {
    return value ? "#TRUE#" : "#FALSE#";
}

std::string CellField(const CellValue& cell) {
    if (cell.isEmpty()) {
        return {};
    }
    if (cell.isTruth()) {
        return TruthField(cell.truth());
    }
    if (cell.isText()) {
        return QuotedText(cell.text());
    }
    RequireFinite(cell.number());
    return GeneralNumberText(cell.number());
}

// Fixed lines of the file, in code page 932.
const std::string& HeaderStart() {
    static const std::string header = *EncodeCp932("VELMAROK INPUT FILE FORMAT V1：");
    return header;
}

std::string BuildText(const ProjectDocument& doc) {
    if (doc.JibanCount < 0 || doc.JibanCount > kMaxLayers || doc.NCount < 0 || doc.NCount > kMaxNPoints) {
        throw WriteFailure{FileError::SubscriptOutOfRange};
    }
    const CInpJyoken& c = doc.InpJyoken;
    LineWriter out;
    out.Line(HeaderStart() + PrintForm(c.Theta));
    out.Line("PRODUCT NAME                   [rarazizo]");
    out.Line("INPUT FILE VERSION             [1.30]");
    out.Line(PrintForm(doc.DataKind));
    out.Line(TruthField(c.InpFlg));
    out.Line(QuotedText(c.Title));
    for (const double value : {c.D, c.Dw, c.Dwi, c.L, c.Theta, c.ELPU}) {
        out.Line(PrintForm(value));
    }
    for (const std::int32_t value : {c.Sekou, c.Siji, c.IsWpRa, c.IsWpPa}) {
        out.Line(PrintForm(value));
    }
    out.Line(PrintForm(c.Gp1));
    out.Line(PrintForm(c.Gp2));
    out.Line(PrintForm(c.QdMethod));
    out.Line(PrintForm(c.QdSiji));
    out.Line(PrintForm(c.ELSL));
    out.Line(PrintForm(c.Bottom));

    out.Line(TruthField(doc.AnzenInpFlg));
    for (std::size_t i = 1; i <= doc.Anzen.size; ++i) {
        out.Line(CellField(doc.Anzen(i)));
    }
    out.Line(TruthField(doc.JibanInpFlg));
    for (std::size_t i = 1; i <= doc.JibanLevel.size; ++i) {
        out.Line(CellField(doc.JibanLevel(i)));
    }
    out.Line(PrintForm(doc.JibanCount));
    for (std::size_t r = 1; r <= static_cast<std::size_t>(doc.JibanCount); ++r) {
        for (std::size_t col = 1; col <= doc.JibanLayer.columns; ++col) {
            out.Line(CellField(doc.JibanLayer(col, r)));
        }
    }
    out.Line(PrintForm(doc.NCount));
    for (std::size_t r = 1; r <= static_cast<std::size_t>(doc.NCount); ++r) {
        out.Line(CellField(doc.NData(1, r)) + "," + CellField(doc.NData(2, r)));
    }
    out.Line(TruthField(doc.RaTableInpFlg));
    for (std::size_t i = 1; i <= doc.RaTable.size; ++i) {
        out.Line(CellField(doc.RaTable(i)));
    }
    // What an imported ground came from, after the study table where other readers stop.
    return doc.boreholeSource ? out.text() + BoreholeSourceBlock(*doc.boreholeSource) : out.text();
}

} // namespace

bool SaveInputData(const ProjectDocument& doc, const std::string& path, int& errorCode) {
    try {
        errorCode = ReplaceFileContents(path, BuildText(doc));
    } catch (const WriteFailure& failure) {
        errorCode = failure.code;
    }
    return errorCode == FileError::None;
}

} // namespace zul
