#include "cli/TextColumns.h"

#include <algorithm>

namespace zul::cli {

namespace {

std::string PadRight(const std::string& text, std::size_t width) {
    const std::size_t w = DisplayWidth(text);
    return text + std::string(w < width ? width - w : 0, ' ');
}

std::string PadLeft(const std::string& text, std::size_t width) {
    const std::size_t w = DisplayWidth(text);
    return std::string(w < width ? width - w : 0, ' ') + text;
}

} // namespace

std::size_t DisplayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        char32_t cp = c;
        std::size_t len = 1;
        if (c >= 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else if (c >= 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xC0) {
            len = 2;
            cp = c & 0x1F;
        }
        for (std::size_t k = 1; k < len && i + k < text.size(); ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        const bool halfWidthKana = cp >= 0xFF61 && cp <= 0xFF9F;
        width += cp >= 0x1100 && !halfWidthKana ? 2 : 1;
        i += len;
    }
    return width;
}

void TextColumns::Add(std::vector<std::string> row) {
    widths_.resize(std::max(widths_.size(), row.size()), kMinWidth);
    for (std::size_t i = 0; i < row.size(); ++i) {
        widths_[i] = std::max(widths_[i], DisplayWidth(row[i]) + 1);
    }
    rows_.push_back(std::move(row));
}

void TextColumns::Print(Output& out) const {
    const std::size_t labelColumn = widths_.empty() ? 0 : std::max(labelWidth_, widths_[0]);
    for (const auto& row : rows_) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            out << (i == 0 && labelWidth_ > 0 ? PadRight(row[i], labelColumn) : PadLeft(row[i], widths_[i]));
        }
        out << '\n';
    }
}

} // namespace zul::cli
