#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zul {

// A loosely typed argument, as the process launcher accepts it: a truth value, a number or a text.
using ShellArgument = std::variant<bool, double, std::string>;

// Starts other programs.
class CSystem {
public:
    // Starts command as a new process detached from this one, in the current folder with the
    // current environment.  The command text is split into the program and its arguments at
    // blanks; a part in double quotes may hold blanks.  No shell is involved.
    // windowStyle, when given, must be numeric (it is otherwise not used); waitForCompletion,
    // when given, must be a truth value or numeric.  Otherwise nothing is started.
    // When waitForCompletion is true, waits without time limit for the process to end.
    // Returns whether the process was started (the caller need not look).
    static bool Shell(const std::string& command,
                      const std::optional<ShellArgument>& windowStyle = std::nullopt,
                      const std::optional<ShellArgument>& waitForCompletion = std::nullopt);

    // The program and arguments of a command text.
    static std::optional<std::vector<std::string>> SplitCommandLine(const std::string& command);
};

} // namespace zul
