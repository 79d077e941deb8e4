#include "cli/CliOutput.h"

#include "io/FileError.h"
#include "util/NumberFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace zul::cli {

namespace {

constexpr std::size_t kBlockBytes = 1 << 16;

void AppendHex(std::string& out, const char* prefix, unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%s%0*X", prefix, digits, value);
    out += buffer;
}

// Length of the UTF-8 sequence that starts at text[i], or 0 when it is not a valid one.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) {
            return 0;
        }
    }
    return length;
}

// What a failed write to standard output was, in words.
std::string WriteFailureReason(int err) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return "書き込み先の空き容量がありません。";
    case EPIPE:
        return "出力先のﾊﾟｲﾌﾟが閉じられました。";
    default:
        return std::string("書き込み先でｴﾗｰが起きました（") + std::strerror(err) + "）。";
    }
}

} // namespace

std::string EscapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) {
            AppendHex(out, "\\x", c, 2);
            ++i;
        } else if (c < 0x20 || c == 0x7F) {
            AppendHex(out, "\\x", c, 2);
            ++i;
        } else if (c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            AppendHex(out, "\\u", static_cast<unsigned char>(text[i + 1]), 4); // C1 control
            i += 2;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

Output& Output::operator<<(std::string_view text) {
    if (error_ == 0) {
        pending_ += text;
        if (pending_.size() >= kBlockBytes) {
            Flush();
        }
    }
    return *this;
}

int Output::Flush() {
    std::size_t done = 0;
    while (error_ == 0 && done < pending_.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, pending_.data() + done, pending_.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n == 0) {
            error_ = EIO; // nothing taken: the output makes no progress
        } else if (errno != EINTR) {
            error_ = errno;
        }
    }
    pending_.clear();
    return error_;
}

Output& StandardOutput() {
    static Output output;
    return output;
}

void PrintMessage(std::string_view message) {
    std::cerr << message << '\n' << std::flush;
}

void PrintCalcFailure(std::string_view message, const std::vector<std::string>& causes) {
    PrintMessage(message);
    for (const std::string& cause : causes) {
        PrintMessage("原因：" + EscapeControls(cause));
    }
}

int FinishOutput(int status) {
    int err = StandardOutput().Flush();
    // The command line parser prints help and version texts through the standard stream.
    if (err == 0 && !std::cout.flush()) {
        err = errno != 0 ? errno : EIO;
    }
    if (err == 0) {
        return status;
    }
    const int code = FileErrorFromErrno(err, std::string());
    PrintMessage("結果を標準出力に書き込むことができませんでした。" + WriteFailureReason(err) +
                 "（ｴﾗｰｺｰﾄﾞ ： " + FormatNumber(code, "##,##0）"));
    return kFileFailure;
}

} // namespace zul::cli
