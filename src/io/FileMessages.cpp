#include "io/FileMessages.h"

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

} // namespace zul
