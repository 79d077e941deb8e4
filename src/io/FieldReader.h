#pragma once

#include "document/CellValue.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zul {

// Characters of a UTF-8 text.
std::size_t CountCharacters(std::string_view utf8);

// Raised inside the readers when a read fails; carries the file error code (FileError).
struct ReadFailure {
    int code;
};

// Reads the lines and comma-separated fields of an input data file (code page 932).
// A line ends at CR LF, LF or CR.  A field: blanks before it are skipped; a field in double
// quotes ends at the next double quote and the rest up to the next comma or line end is
// skipped; any other field ends at the next comma or line end, trailing blanks removed; an
// empty line is one empty field.  Every read past the end of the file raises code 62.
// A line or a field (the blanks before it and the bytes skipped after a quoted text included)
// longer than kMaxLineBytes raises 13 as soon as the bound is passed, so a damaged or hostile
// file costs no more memory and time than that bound.
// The conversions raise 13 for a field that is not what is asked for (texts such as "nan" or
// "inf" included), 6 for an integer outside the 32-bit range.  A cell is empty (empty field),
// a truth value ("#TRUE#", "#FALSE#"), a text (quoted) or a finite number; anything else is 13.
class FieldReader {
public:
    // Opens the file; raises the code of the failed open.  Only plain files are read.
    explicit FieldReader(const std::string& path);

    // Most bytes of one line or one field; every line and field of a sound file is far shorter.
    static constexpr std::size_t kMaxLineBytes = 4096;
    // Most characters of a text (13 beyond).  The writer keeps to the same bound, and a text of
    // that many characters, each at most two bytes in code page 932, still fits a line once
    // written in quotes, so every text that is read can be saved and read again.
    static constexpr std::size_t kMaxTextCharacters = 2000;

    // The next line without its end.
    std::string ReadLine();
    void SkipLine() { ReadLine(); }
    void SkipField() { ReadRawField(); }
    double ReadNumber();
    std::int32_t ReadInt32();
    bool ReadTruth();
    std::string ReadText();
    CellValue ReadCell();
    // The bytes from here to the end of the file, at most maxBytes of them; cut tells whether
    // more followed.  Raises the code of a failed read.
    std::string ReadRest(std::size_t maxBytes, bool& cut);

private:
    struct Field {
        std::string bytes;
        bool quoted = false;
    };
    Field ReadRawField();
    int Get();
    int Peek();
    // Counts one more byte of the line or field being read; raises 13 past the bound.
    static void Count(std::size_t& bytes);
    void SkipLineEnd(int c);
    void CheckError();

    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

} // namespace zul
