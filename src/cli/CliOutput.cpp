#include "cli/CliOutput.h"

#include "io/FileError.h"
#include "io/FileMessages.h"
#include "util/NumberFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace zul::cli {

namespace {

constexpr std::size_t kBlockBytes = 1 << 16;

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

// The codes of a study file's contents, which the file layer's causes do not name.
std::string StudyContentCause(int errorCode) {
    switch (errorCode) {
    case FileError::None:
        return "名前が .zul で終わっていないため、読み込みません。";
    case FileError::TypeMismatch:
        return "数値の欄に数値でない値があります（ファイルの書式が正しくありません）。";
    case FileError::InputPastEnd:
        return "ファイルが途中で終わっています。";
    case FileError::Overflow:
        return "件数などの整数が扱える範囲を超えています。";
    case FileError::SubscriptOutOfRange:
        return "層やＮ値などの件数が上限を超えています。";
    default:
        return FileErrorCause(errorCode);
    }
}

} // namespace

std::string StudyFileCause(const std::string& path, int errorCode) {
    return "原因：入力ﾃﾞｰﾀﾌｧｲﾙ（" + EscapeControls(path) + "）：" + StudyContentCause(errorCode);
}

void PrintFileProblem(const std::string& what, const std::string& path, int fileError) {
    PrintMessage(what + "（" + EscapeControls(path) + "）" +
                 (fileError == 0 ? "" : "：" + FileErrorCause(fileError)));
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
