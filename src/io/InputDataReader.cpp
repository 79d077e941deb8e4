#include "io/BoreholeSourceBlock.h"
#include "io/FieldReader.h"
#include "io/InputDataFile.h"
#include "util/Cp932.h"

namespace zul {

namespace {

enum class Version { V100, V130 };

// A count of rows: above the bound of its table or negative is "subscript out of range".
std::int32_t ReadCount(FieldReader& in, std::int32_t bound) {
    const std::int32_t count = in.ReadInt32();
    if (count < 0 || count > bound) {
        throw ReadFailure{FileError::SubscriptOutOfRange};
    }
    return count;
}

// The pile conditions.  Version 1.00 had no blade diameters and one self-weight switch for both
// capacities, and six more fields at the end of the block.
void ReadConditions(FieldReader& in, CInpJyoken& c, Version version) {
    const bool v130 = version == Version::V130;
    c.InpFlg = in.ReadTruth();
    c.Title = in.ReadText();
    c.D = in.ReadNumber();
    if (v130) {
        c.Dw = in.ReadNumber();
        c.Dwi = in.ReadNumber();
    }
    c.L = in.ReadNumber();
    c.Theta = in.ReadNumber();
    c.ELPU = in.ReadNumber();
    c.Sekou = in.ReadInt32();
    c.Siji = in.ReadInt32();
    c.IsWpRa = in.ReadInt32();
    if (v130) {
        c.IsWpPa = in.ReadInt32();
    }
    c.Gp1 = in.ReadNumber();
    c.Gp2 = in.ReadNumber();
    c.QdMethod = in.ReadInt32();
    c.QdSiji = in.ReadInt32();
    c.ELSL = in.ReadNumber();
    c.Bottom = in.ReadInt32();
    if (!v130) {
        for (int i = 0; i < 6; ++i) {
            in.SkipField();
        }
        c.Dw = 1.5 * c.D;
        c.Dwi = 0.5 * c.D;
        c.IsWpPa = c.IsWpRa;
    }
}

// The borehole source after the study table.  A damaged block never stops the study from opening:
// it is dropped and the message says so.
void ReadSourceBlock(FieldReader& in, ProjectDocument& doc, std::string& message) {
    // Reading stops at the bound: a block cut there reads as one that ends early.
    bool cut = false;
    const std::string rest = in.ReadRest(kMaxSourceBlockBytes, cut);
    SourceBlockRead block = ReadBoreholeSourceBlock(rest, cut);
    doc.boreholeSource = std::move(block.source);
    message = std::move(block.message);
}

void ReadDocument(FieldReader& in, ProjectDocument& doc, Version version) {
    for (int i = 0; i < 3; ++i) {
        in.SkipLine();
    }
    in.SkipField(); // DataKind: fixed by the program, not taken from the file
    ReadConditions(in, doc.InpJyoken, version);
    doc.AnzenInpFlg = in.ReadTruth();
    for (std::size_t i = 1; i <= doc.Anzen.size; ++i) {
        doc.Anzen(i) = in.ReadCell();
    }
    doc.JibanInpFlg = in.ReadTruth();
    for (std::size_t i = 1; i <= doc.JibanLevel.size; ++i) {
        doc.JibanLevel(i) = in.ReadCell();
    }
    doc.JibanCount = ReadCount(in, kMaxLayers);
    for (std::size_t r = 1; r <= static_cast<std::size_t>(doc.JibanCount); ++r) {
        for (std::size_t col = 1; col <= doc.JibanLayer.columns; ++col) {
            doc.JibanLayer(col, r) = in.ReadCell();
        }
    }
    doc.NCount = ReadCount(in, kMaxNPoints);
    for (std::size_t r = 1; r <= static_cast<std::size_t>(doc.NCount); ++r) {
        doc.NData(1, r) = in.ReadCell();
        doc.NData(2, r) = in.ReadCell();
    }
    doc.RaTableInpFlg = in.ReadTruth();
    for (std::size_t i = 1; i <= doc.RaTable.size; ++i) {
        doc.RaTable(i) = in.ReadCell();
    }
}

bool Load(ProjectDocument& doc, const std::string& path, int& errorCode, Version version,
          std::string& sourceMessage) {
    // Read into a copy: values read before a failure are never kept.
    ProjectDocument work = doc;
    bool read = false;
    sourceMessage.clear();
    try {
        FieldReader in(path);
        ReadDocument(in, work, version);
        try {
            ReadSourceBlock(in, work, sourceMessage);
        } catch (const ReadFailure& failure) {
            work.boreholeSource.reset();
            sourceMessage =
                "ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み元の記録を読み込めないため，取込み元の記録なしで開きます（ｴﾗｰｺｰﾄﾞ ： " +
                std::to_string(failure.code) + "）。";
        }
        read = true;
    } catch (const ReadFailure& failure) {
        errorCode = failure.code;
    } catch (const std::bad_alloc&) {
        errorCode = FileError::OutOfMemory;
    }
    if (!read) {
        InitInputData(doc);
        return false;
    }
    doc = std::move(work);
    errorCode = FileError::None;
    return true;
}

// Byte offset of the character with the given 0-based index.
std::size_t CharacterOffset(std::string_view utf8, std::size_t index) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (count == index) {
                return i;
            }
            ++count;
        }
    }
    return utf8.size();
}

} // namespace

bool LoadInputData(ProjectDocument& doc, const std::string& path, int& errorCode) {
    std::string sourceMessage;
    return Load(doc, path, errorCode, Version::V130, sourceMessage);
}

bool LoadInputData(ProjectDocument& doc, const std::string& path, int& errorCode,
                   std::string& sourceMessage) {
    return Load(doc, path, errorCode, Version::V130, sourceMessage);
}

bool LoadInputData100(ProjectDocument& doc, const std::string& path, int& errorCode) {
    std::string sourceMessage;
    return Load(doc, path, errorCode, Version::V100, sourceMessage);
}

std::string GetInputFileVersion(const std::string& path) {
    std::string line;
    try {
        FieldReader in(path);
        in.SkipLine();
        in.SkipLine();
        line = in.ReadLine();
    } catch (const ReadFailure&) {
        return "error";
    }
    const auto text = DecodeCp932(line);
    if (!text) {
        return "error";
    }
    // From the 33rd character on, without the last character (the closing bracket).
    const std::size_t length = CountCharacters(*text);
    if (length < 33) {
        return "error";
    }
    const std::size_t begin = CharacterOffset(*text, 32);
    const std::size_t end = CharacterOffset(*text, length - 1);
    return text->substr(begin, end - begin);
}

OpenResult OpenInputFile(ProjectDocument& doc, const std::string& path) {
    OpenResult result;
    std::string tail = path.size() >= 3 ? path.substr(path.size() - 3) : std::string();
    for (char& c : tail) {
        c = static_cast<char>((c >= 'a' && c <= 'z') ? c - 32 : c);
    }
    if (tail != "ZUL") {
        return result;
    }
    result.versionText = GetInputFileVersion(path);
    if (result.versionText == "1.30") {
        result.readerRan = true;
        result.success = Load(doc, path, result.errorCode, Version::V130, result.sourceMessage);
    } else if (result.versionText == "1.00") {
        result.readerRan = true;
        result.success = Load(doc, path, result.errorCode, Version::V100, result.sourceMessage);
    } else {
        result.unsupportedVersion = true;
    }
    return result;
}

} // namespace zul
