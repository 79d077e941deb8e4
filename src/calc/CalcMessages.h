#pragma once

namespace zul {

// What the user is told when a calculation stops with an error (UTF-8).  The window and the
// command line program show the same text.
inline constexpr const char* kCalcErrorMessage = "計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。";

} // namespace zul
