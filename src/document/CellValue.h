#pragma once

#include <optional>
#include <string>
#include <variant>

namespace zul {

// One element of the document's arrays: empty, a number, a text or a truth value.
// The kind matters for the file: an empty cell is written as an empty field, a number as a
// number, a text in double quotes, a truth value as #TRUE# / #FALSE#.
class CellValue {
public:
    CellValue() = default;
    static CellValue Number(double value) { return CellValue(Storage(value)); }
    static CellValue Text(std::string value) { return CellValue(Storage(std::move(value))); }
    static CellValue Truth(bool value) { return CellValue(Storage(value)); }

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isNumber() const { return std::holds_alternative<double>(value_); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }
    bool isTruth() const { return std::holds_alternative<bool>(value_); }

    double number() const { return std::get<double>(value_); }
    const std::string& text() const { return std::get<std::string>(value_); }
    bool truth() const { return std::get<bool>(value_); }

    // The value a calculation reads from the cell: empty is 0, a number itself, a truth value
    // -1 or 0, a text only when the whole text is a number.  A text that is not a number has
    // no value: the caller must treat that as a failed calculation.
    std::optional<double> toNumber() const;

    // The number a screen shows for the cell: like toNumber, but a text yields the number of
    // its leading numeric characters (0 when there are none).
    double numberOrZero() const;

    // Display text of the cell: the general number form, the text itself, or empty.
    std::string displayText() const;

    bool operator==(const CellValue&) const = default;

private:
    using Storage = std::variant<std::monostate, double, std::string, bool>;
    explicit CellValue(Storage value) : value_(std::move(value)) {}
    Storage value_;
};

} // namespace zul
