#pragma once

#include "document/CellValue.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace zul {

// Raised inside the readers when a read fails; carries the file error code (FileError).
struct ReadFailure {
    int code;
};

// Reads the lines and comma-separated fields of an input data file (code page 932).
// A line ends at CR LF, LF or CR.  A field: blanks before it are skipped; a field in double
// quotes ends at the next double quote and the rest up to the next comma or line end is
// skipped; any other field ends at the next comma or line end, trailing blanks removed; an
// empty line is one empty field.  Every read past the end of the file raises code 62.
// The conversions raise 13 for a field that is not what is asked for (texts such as "nan" or
// "inf" included), 6 for an integer outside the 32-bit range.  A cell is empty (empty field),
// a truth value ("#TRUE#", "#FALSE#"), a text (quoted) or a finite number; anything else is 13.
class FieldReader {
public:
    // Opens the file; raises the code of the failed open.  Only plain files are read.
    explicit FieldReader(const std::string& path);

    // The next line without its end; bytes beyond maxBytes are read but not kept.
    std::string ReadLine(std::size_t maxBytes = 4096);
    void SkipLine() { ReadLine(0); }
    void SkipField() { ReadRawField(); }
    double ReadNumber();
    std::int32_t ReadInt32();
    bool ReadTruth();
    std::string ReadText();
    CellValue ReadCell();

private:
    struct Field {
        std::string bytes;
        bool quoted = false;
    };
    Field ReadRawField();
    int Get();
    int Peek();
    void SkipLineEnd(int c);
    void CheckError();

    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

} // namespace zul
