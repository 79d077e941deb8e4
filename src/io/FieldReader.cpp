#include "io/FieldReader.h"

#include "io/FileError.h"
#include "util/Cp932.h"
#include "util/NumberText.h"

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace zul {

std::size_t CountCharacters(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

namespace {

// Spaces and tabs around a field; a line end is no blank here, it ends the field.
bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}

// A text field in UTF-8; a field that is no code page 932 text or has more characters than a
// text may have raises 13.
std::string DecodeOrFail(const std::string& bytes) {
    auto text = DecodeCp932(bytes);
    if (!text || CountCharacters(*text) > FieldReader::kMaxTextCharacters) {
        throw ReadFailure{FileError::TypeMismatch};
    }
    return std::move(*text);
}

} // namespace

FieldReader::FieldReader(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        throw ReadFailure{FileError::BadFileName};
    }
    // Opened without blocking so that a pipe cannot stall the program; only plain files are read
    // (a device such as /dev/zero would never end).
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        throw ReadFailure{FileErrorFromErrno(errno, path)};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw ReadFailure{FileError::PathFileAccess};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file_.reset(::fdopen(fd, "rb"));
    if (!file_) {
        ::close(fd);
        throw ReadFailure{FileError::PathFileAccess};
    }
}

void FieldReader::CheckError() {
    if (std::ferror(file_.get())) {
        throw ReadFailure{FileErrorFromErrno(errno, std::string())};
    }
}

int FieldReader::Get() {
    const int c = std::getc(file_.get());
    if (c == EOF) {
        CheckError();
    }
    return c;
}

int FieldReader::Peek() {
    const int c = Get();
    if (c != EOF) {
        std::ungetc(c, file_.get());
    }
    return c;
}

void FieldReader::SkipLineEnd(int c) {
    if (c == '\r' && Peek() == '\n') {
        Get();
    }
}

void FieldReader::Count(std::size_t& bytes) {
    if (++bytes > kMaxLineBytes) {
        throw ReadFailure{FileError::TypeMismatch};
    }
}

std::string FieldReader::ReadLine() {
    int c = Get();
    if (c == EOF) {
        throw ReadFailure{FileError::InputPastEnd};
    }
    std::string line;
    std::size_t bytes = 0;
    while (c != EOF && c != '\r' && c != '\n') {
        Count(bytes);
        line += static_cast<char>(c);
        c = Get();
    }
    SkipLineEnd(c);
    return line;
}

std::string FieldReader::ReadRest(std::size_t maxBytes, bool& cut) {
    std::string rest;
    cut = false;
    for (int c = Get(); c != EOF; c = Get()) {
        if (rest.size() == maxBytes) {
            cut = true;
            break;
        }
        rest += static_cast<char>(c);
    }
    return rest;
}

FieldReader::Field FieldReader::ReadRawField() {
    std::size_t bytes = 0;
    int c = Get();
    while (IsBlank(c)) {
        Count(bytes);
        c = Get();
    }
    if (c == EOF) {
        throw ReadFailure{FileError::InputPastEnd};
    }
    Field field;
    if (c == '"') {
        field.quoted = true;
        Count(bytes);
        while ((c = Get()) != EOF && c != '"') {
            Count(bytes);
            field.bytes += static_cast<char>(c);
        }
        if (c == '"') {
            Count(bytes);
            c = Get();
        }
        while (c != EOF && c != ',' && c != '\r' && c != '\n') {
            Count(bytes);
            c = Get();
        }
    } else {
        while (c != EOF && c != ',' && c != '\r' && c != '\n') {
            Count(bytes);
            field.bytes += static_cast<char>(c);
            c = Get();
        }
        while (!field.bytes.empty() && IsBlank(field.bytes.back())) {
            field.bytes.pop_back();
        }
    }
    SkipLineEnd(c);
    return field;
}

double FieldReader::ReadNumber() {
    const Field field = ReadRawField();
    if (field.bytes.empty()) {
        return 0.0;
    }
    if (!field.quoted) {
        if (field.bytes == "#TRUE#") {
            return -1.0;
        }
        if (field.bytes == "#FALSE#") {
            return 0.0;
        }
    }
    const auto value = ParseNumber(field.bytes);
    if (!value) {
        throw ReadFailure{FileError::TypeMismatch};
    }
    return *value;
}

std::int32_t FieldReader::ReadInt32() {
    // Whole numbers come out of a fractional text by rounding half to even, as the integer
    // conversion of the original did.
    const double value = std::nearbyint(ReadNumber());
    if (value < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        value > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        throw ReadFailure{FileError::Overflow};
    }
    return static_cast<std::int32_t>(value);
}

bool FieldReader::ReadTruth() {
    const Field field = ReadRawField();
    if (!field.quoted) {
        if (field.bytes == "#TRUE#") {
            return true;
        }
        if (field.bytes == "#FALSE#" || field.bytes.empty()) {
            return false;
        }
    }
    const auto value = ParseNumber(field.bytes);
    if (!value) {
        throw ReadFailure{FileError::TypeMismatch};
    }
    return *value != 0.0;
}

std::string FieldReader::ReadText() {
    return DecodeOrFail(ReadRawField().bytes);
}

CellValue FieldReader::ReadCell() {
    const Field field = ReadRawField();
    if (field.quoted) {
        return CellValue::Text(DecodeOrFail(field.bytes));
    }
    if (field.bytes.empty()) {
        return CellValue();
    }
    if (field.bytes == "#TRUE#" || field.bytes == "#FALSE#") {
        return CellValue::Truth(field.bytes == "#TRUE#");
    }
    if (const auto value = ParseNumber(field.bytes)) {
        return CellValue::Number(*value);
    }
    // An unquoted field must be a finite number: "nan", "inf", numbers beyond the range of a
    // double and bare words are refused.
    throw ReadFailure{FileError::TypeMismatch};
}

} // namespace zul
