#include "io/FileMessages.h"

#include "io/FileError.h"

#include "util/NumberFormat.h"

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

std::string FileErrorCause(int errorCode) {
    switch (errorCode) {
    case FileError::DiskFull:
        return "書き込み先の空き容量がありません。";
    case FileError::FileNotFound:
        return "ファイルがありません。";
    case FileError::PathNotFound:
        return "フォルダがありません。";
    case FileError::PermissionDenied:
        return "アクセスが許可されていません。";
    case FileError::BadFileName:
        return "ファイル名が長すぎるか、使えない文字を含んでいます。";
    case FileError::PathFileAccess:
        return "通常のファイルではありません（フォルダ、パイプ、デバイスなど）。";
    case FileError::OutOfMemory:
        return "ファイルが大きすぎます。";
    default:
        return "ファイルにアクセスできません（ｴﾗｰｺｰﾄﾞ ： " + FormatNumber(errorCode, "##,##0）") + "。";
    }
}

} // namespace zul
