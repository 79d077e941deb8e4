#include "document/CellValue.h"

#include "util/NumberText.h"

namespace zul {

std::optional<double> CellValue::toNumber() const {
    if (isEmpty()) {
        return 0.0;
    }
    if (isNumber()) {
        return number();
    }
    if (isTruth()) {
        return truth() ? -1.0 : 0.0;
    }
    return ParseNumber(text());
}

double CellValue::numberOrZero() const {
    if (isText()) {
        return NumberOfText(text());
    }
    return toNumber().value_or(0.0);
}

std::string CellValue::displayText() const {
    if (isEmpty()) {
        return {};
    }
    if (isText()) {
        return text();
    }
    if (isTruth()) {
        return truth() ? "True" : "False";
    }
    return GeneralNumberText(number());
}

} // namespace zul
