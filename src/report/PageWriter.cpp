#include "report/PageWriter.h"

#include <algorithm>

namespace zul {

namespace {

// Left margins beyond this are taken as this (the settings screen allows 0..10).
constexpr std::int32_t kMaxMargin = 200;

std::string Spaces(std::int32_t n) {
    return std::string(static_cast<std::size_t>(std::clamp<std::int32_t>(n, 0, kMaxMargin)), ' ');
}

} // namespace

void PageWriter::Clear() {
    text_.clear();
    lineCount_ = 0;
    breakWhenFull_ = false; // each item asks for it again: a report without supplements only counts
}

void PageWriter::PrintLineHead(std::int32_t level) {
    if (breakWhenFull_ && lineCount_ >= kLinesPerPage) {
        FormFeed();
    }
    const std::string number = numbering_.Numbered() && level != 0 ? numbering_.Next(level) : std::string();
    if (level >= 1 && level <= 4) {
        text_ += Spaces(numbering_.Margin(level));
        text_ += level == 1 ? kHeading1Marker : level == 2 ? kHeading2Marker : std::string_view();
        text_ += PrintText(number);
    } else {
        text_ += Spaces(numbering_.Margin(numbering_.CurrentLevel()));
        text_ += "  ";
    }
    ++lineCount_;
}

void PageWriter::PrintFmtLine(std::int32_t level, std::string_view tmpl, std::span<const double> numbers,
                              std::span<const std::string> texts) {
    const std::string line = FillTemplate(tmpl, numbers, texts);
    PrintLineHead(level);
    PrintRaw(line);
}

void PageWriter::PrintFmtLine(const TemplateBlock& block, std::int32_t k,
                              std::initializer_list<double> numbers,
                              std::initializer_list<std::string> texts) {
    PrintFmtLine(block, k, std::span<const double>(numbers.begin(), numbers.size()),
                 std::span<const std::string>(texts.begin(), texts.size()));
}

void PageWriter::PrintFmtLine(const TemplateBlock& block, std::int32_t k, std::span<const double> numbers,
                              std::span<const std::string> texts) {
    const std::string line = FillBlockLine(block, k, numbers, texts);
    PrintLineHead(block.Level(k));
    PrintRaw(line);
}

void PageWriter::PrintAsIs(const TemplateBlock& block, std::int32_t k) {
    const std::string& text = block.Text(k);
    PrintLineHead(block.Level(k));
    PrintRaw(text);
}

void PageWriter::PrintRaw(std::string_view cp932) {
    text_ += cp932;
    text_ += kLineEnd;
}

void PageWriter::PrintBlank(std::int32_t n) {
    for (std::int32_t i = 0; i < n; ++i) {
        if (breakWhenFull_ && (lineCount_ == 0 || lineCount_ >= kLinesPerPage)) {
            if (lineCount_ > 0) {
                FormFeed();
            }
            continue;
        }
        text_ += kLineEnd;
        ++lineCount_;
    }
}

void PageWriter::PageCheck(std::int32_t need, std::int32_t blanks) {
    if (LinesLeft() < need) {
        FormFeed();
    } else {
        PrintBlank(blanks);
    }
}

void PageWriter::FormFeed() {
    text_ += kFormFeed;
    lineCount_ = 0;
}

} // namespace zul
