#include "io/FileMessages.h"

#include "io/FileError.h"

#include "util/NumberFormat.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace zul {

namespace {

// "（ｴﾗｰｺｰﾄﾞ ： 1,234）", then the request to quote the message when asking for help.
std::string CodeAndContactNote(int errorCode) {
    return "（ｴﾗｰｺｰﾄﾞ ： " + FormatNumber(errorCode, "##,##0）") +
           "\n\nお問い合わせの際は，上記ｴﾗｰﾒｯｾｰｼﾞおよびｴﾗｰｺｰﾄﾞをお知らせください。";
}

} // namespace

std::string UnsupportedVersionMessage(const std::string& versionText) {
    return "入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver." + versionText + "）には現在対応しておりません。";
}

std::string ReadErrorMessage(int errorCode) {
    return "指定された入力ﾃﾞｰﾀﾌｧｲﾙの読み込みができませんでした。" + CodeAndContactNote(errorCode);
}

std::string WriteErrorMessage(int errorCode) {
    return "入力ﾃﾞｰﾀﾌｧｲﾙを作成することができませんでした。" + CodeAndContactNote(errorCode);
}

std::string FileErrorCause(int errorCode, FileErrorWording wording) {
    // One row a file error: the sentence, the phrase of a note, the half-width sentence.
    struct Words {
        int code;
        std::string_view sentence;
        std::string_view phrase;
        std::string_view halfWidth;
    };
    static constexpr Words kWords[] = {
        {FileError::DiskFull, "書き込み先の空き容量がありません。", "ファイルを読めません",
         "書き込み先の空き容量がありません。"},
        {FileError::FileNotFound, "ファイルがありません。", "ファイルがありません", "ﾌｧｲﾙが見つかりません。"},
        {FileError::PathNotFound, "フォルダがありません。", "ファイルがありません",
         "ﾌｫﾙﾀﾞが見つかりません。"},
        {FileError::PermissionDenied, "アクセスが許可されていません。", "ファイルを読めません",
         "ﾌｧｲﾙを読む権限がありません。"},
        {FileError::BadFileName, "ファイル名が長すぎるか、使えない文字を含んでいます。",
         "ファイルを読めません", "ﾌｧｲﾙを開けません。"},
        {FileError::PathFileAccess, "通常のファイルではありません（フォルダ、パイプ、デバイスなど）。",
         "ファイルではありません", "通常のﾌｧｲﾙではないか，読むことができません。"},
        {FileError::OutOfMemory, "ファイルが大きすぎます。", "ファイルが大きすぎます",
         "ﾌｧｲﾙが大きすぎます。"},
    };
    // Any other error: its code in the sentence.
    static constexpr Words kOther = {FileError::None, {}, "ファイルを読めません", "ﾌｧｲﾙを開けません。"};
    // The columns in the order of FileErrorWording.
    static constexpr std::string_view Words::*kColumns[] = {&Words::sentence, &Words::phrase,
                                                            &Words::halfWidth};
    const auto column = kColumns[static_cast<std::size_t>(wording)];
    const auto known = std::find_if(std::begin(kWords), std::end(kWords),
                                    [&](const Words& words) { return words.code == errorCode; });
    if (known != std::end(kWords)) {
        return std::string((*known).*column);
    }
    if (wording != FileErrorWording::Sentence) {
        return std::string(kOther.*column);
    }
    return "ファイルにアクセスできません（ｴﾗｰｺｰﾄﾞ ： " + FormatNumber(errorCode, "##,##0）") + "。";
}

} // namespace zul
