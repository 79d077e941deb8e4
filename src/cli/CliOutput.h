#pragma once

#include "util/TerminalText.h"

#include <string>
#include <string_view>
#include <vector>

namespace zul::cli {

// Exit statuses of every subcommand.
inline constexpr int kSuccess = 0;
inline constexpr int kCalcFailure = 1; // the calculation stopped with an error
inline constexpr int kFileFailure = 2; // a file could not be read or written, or the output not written

// Texts from files are shown through zul::EscapeControls (util/TerminalText.h).
using zul::EscapeControls;

// Standard output of the program.  Text is gathered in blocks and written with checks; after
// the first failed write (disk full, /dev/full, a closed pipe) nothing more is written and the
// failure is kept for FinishOutput.
class Output {
public:
    Output& operator<<(std::string_view text);
    Output& operator<<(char c) { return *this << std::string_view(&c, 1); }
    // Writes what is gathered; the system's error number of the first failed write, or 0.
    int Flush();

private:
    std::string pending_;
    int error_ = 0;
};

// The program's one standard output.
Output& StandardOutput();

// A message for the user on standard error, followed by a line end.  Parts of the message
// that came from a file must have passed EscapeControls.
void PrintMessage(std::string_view message);

// The message of a failed calculation and, one line each after it, the inputs known to cause
// it ("原因：" and the cause, escaped).
void PrintCalcFailure(std::string_view message, const std::vector<std::string>& causes);

// What a study file error code means for the file at path, as a cause line that follows the
// file message: "原因：入力ﾃﾞｰﾀﾌｧｲﾙ（path）：ファイルがありません。".  The path is shown escaped.
std::string StudyFileCause(const std::string& path, int errorCode);

// The file a failure is about and, for a file error (not 0), what the code means:
// "what（path）：cause".  The path is shown escaped.
void PrintFileProblem(const std::string& what, const std::string& path, int fileError = 0);

// Ends a run: writes the rest of the standard output (and whatever the command line parser
// printed).  When any of it could not be written the user is told on standard error and the
// status is kFileFailure, whatever the command's own status was.
int FinishOutput(int status);

} // namespace zul::cli
