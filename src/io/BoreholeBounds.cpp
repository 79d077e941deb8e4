#include "io/BoreholeBounds.h"

#include "util/NumberFormat.h"
#include "util/TextNormalize.h"

#include <algorithm>

namespace zul {

namespace {

std::string Count(std::size_t n) {
    return FormatNumber(static_cast<double>(n), "#,##0");
}

// Line (from 1) of the byte at offset.
std::size_t LineAt(std::string_view text, std::size_t offset) {
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

} // namespace

std::optional<std::string> BoreholeTextProblem(std::string_view text) {
    const auto longRun = [text](std::size_t start) {
        const std::string mb = Count(kMaxBoreholeTextRun / 1000 / 1000) + " MB";
        return Count(LineAt(text, start)) + " 行目から，ﾀｸﾞのない文字が " + mb +
               " を超えて続いています（要素の値，属性の値，ｺﾒﾝﾄは 1 つ " + mb + " まで）。";
    };
    std::size_t elements = 0;
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\0') {
            return Count(LineAt(text, i)) + " 行目に NUL 文字（ｺｰﾄﾞ 0）があります。XML "
                                            "のﾃｷｽﾄﾌｧｲﾙにはない文字で，ﾌｧｲﾙが壊れているようです。";
        }
        if (c != '<') {
            continue;
        }
        if (i - runStart > kMaxBoreholeTextRun) {
            return longRun(runStart);
        }
        runStart = i;
        const std::string_view rest = text.substr(i + 1);
        if (rest.starts_with("!ENTITY")) {
            return "実体（ENTITY）を宣言したﾌｧｲﾙは読みません。";
        }
        if (!rest.empty() && rest.front() != '/' && rest.front() != '!' && rest.front() != '?' &&
            ++elements > kMaxBoreholeElements) {
            return "要素が " + Count(kMaxBoreholeElements) +
                   " 個を超えています。ﾎﾞｰﾘﾝｸﾞ 1 本の記録としては多すぎます。";
        }
    }
    if (text.size() - runStart > kMaxBoreholeTextRun) {
        return longRun(runStart);
    }
    return std::nullopt;
}

std::string UndecodableBoreholeText(std::string_view bytes) {
    const std::size_t valid = Utf8ValidPrefixLength(bytes);
    const std::string line = Count(LineAt(bytes, valid)) + " 行目";
    // A lead byte of a longer character in the last three bytes, with nothing after the bytes
    // that may follow it: the file was cut inside that character.
    const auto lead = static_cast<unsigned char>(bytes[valid]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length > 0 && valid + length > bytes.size()) {
        return "ﾌｧｲﾙが文字の途中で終わっています（" + line + "）。ﾌｧｲﾙの終わりが切れているようです。";
    }
    return line + "（先頭から " + Count(valid + 1) +
           " ﾊﾞｲﾄ目）に，UTF-8 としても Shift_JIS としても読めない文字があります（文字が途中で切れて"
           "いるか，別の文字ｺｰﾄﾞのﾌｧｲﾙです）。";
}

std::string TooManyRecords(std::string_view kind, std::size_t bound) {
    return "「" + std::string(kind) + "」の記録が " + Count(bound) +
           " 件を超えています。ﾎﾞｰﾘﾝｸﾞ 1 本の記録としては多すぎます。";
}

} // namespace zul
