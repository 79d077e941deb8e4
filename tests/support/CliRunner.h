#pragma once

// Runs the built zul-cli program through the shell and captures what it prints.  Needs no Qt,
// so the command line tests of the core build use it too.

#include "../util/TestFolder.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace zul::test {

struct CliRun {
    int status = -1; // exit code, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// The text as one single-quoted shell word.
inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs program with args; standard output and error go to files in folder and are read back.
// shellPrefix runs before the program in the same shell (for example a memory limit).
inline CliRun RunCli(const std::string& program, const std::vector<std::string>& args,
                     const TestFolder& folder, const std::string& shellPrefix = "") {
    std::string command = shellPrefix + ShellQuoted(program);
    for (const auto& arg : args) {
        command += " " + ShellQuoted(arg);
    }
    const std::string out = folder.file("stdout.txt");
    const std::string err = folder.file("stderr.txt");
    command += " >" + ShellQuoted(out) + " 2>" + ShellQuoted(err);
    CliRun run;
    const int rc = std::system(command.c_str());
    run.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    run.out = ReadBytes(out);
    run.err = ReadBytes(err);
    return run;
}

} // namespace zul::test
