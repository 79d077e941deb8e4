#pragma once

#include <string>

namespace zul {

// The texts the file commands show when reading or writing an input data file fails
// (UTF-8, "\n" is the line feed between the parts).

// "入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.1.10）には現在対応しておりません。"
std::string UnsupportedVersionMessage(const std::string& versionText);

// The read error with its code: "指定された入力ﾃﾞｰﾀﾌｧｲﾙの読み込みができませんでした。（ｴﾗｰｺｰﾄﾞ ： 53）" ...
std::string ReadErrorMessage(int errorCode);

// The write error with its code: "入力ﾃﾞｰﾀﾌｧｲﾙを作成することができませんでした。（ｴﾗｰｺｰﾄﾞ ： 70）" ...
std::string WriteErrorMessage(int errorCode);

// How a file error reads where it is shown: a sentence after the file's name ("フォルダが
// ありません。"), a short phrase in the parentheses of a note ("ファイルがありません"), or a
// sentence in the half-width katakana of the borehole import's messages ("ﾌｧｲﾙが見つかりません。").
enum class FileErrorWording { Sentence, Phrase, HalfWidth };

// What a file error code means for the file it occurred on, in the wording asked for.
std::string FileErrorCause(int errorCode, FileErrorWording wording = FileErrorWording::Sentence);

} // namespace zul
