#pragma once

#include "cli/CliOutput.h"

#include <string>
#include <vector>

namespace zul::cli {

// Columns a text takes in a terminal: wide characters two, half-width katakana one.
std::size_t DisplayWidth(const std::string& text);

// A text table for the terminal: every column as wide as its widest text plus one blank and at
// least kMinWidth, values right-aligned.  With a label width the first column holds labels,
// left-aligned in at least that width.
class TextColumns {
public:
    static constexpr std::size_t kMinWidth = 12;

    explicit TextColumns(std::size_t labelWidth = 0) : labelWidth_(labelWidth) {}

    void Add(std::vector<std::string> row);
    void Print(Output& out) const;

private:
    std::vector<std::vector<std::string>> rows_;
    std::vector<std::size_t> widths_;
    std::size_t labelWidth_;
};

} // namespace zul::cli
