#include "util/CSystem.h"

#include "util/NumberText.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zul {

namespace {

std::optional<double> Numeric(const ShellArgument& argument) {
    if (const auto* number = std::get_if<double>(&argument)) {
        return *number;
    }
    if (const auto* text = std::get_if<std::string>(&argument)) {
        return ParseNumber(*text);
    }
    return std::nullopt;
}

ssize_t ReadRetrying(int fd, void* buffer, std::size_t size) {
    ssize_t n = 0;
    do {
        n = ::read(fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

pid_t WaitRetrying(pid_t pid, int* status) {
    pid_t rc = 0;
    do {
        rc = ::waitpid(pid, status, 0);
    } while (rc < 0 && errno == EINTR);
    return rc;
}

} // namespace

std::optional<std::vector<std::string>> CSystem::SplitCommandLine(const std::string& command) {
    std::vector<std::string> parts;
    std::string current;
    bool inPart = false;
    bool quoted = false;
    for (const char c : command) {
        if (c == '"') {
            quoted = !quoted;
            inPart = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inPart) {
                parts.push_back(current);
                current.clear();
                inPart = false;
            }
        } else if (c == '\0') {
            return std::nullopt;
        } else {
            current += c;
            inPart = true;
        }
    }
    if (inPart) {
        parts.push_back(current);
    }
    if (parts.empty() || parts.front().empty()) {
        return std::nullopt;
    }
    return parts;
}

bool CSystem::Shell(const std::string& command, const std::optional<ShellArgument>& windowStyle,
                    const std::optional<ShellArgument>& waitForCompletion) {
    if (windowStyle && !Numeric(*windowStyle)) {
        return false;
    }
    bool wait = false;
    if (waitForCompletion) {
        if (const auto* truth = std::get_if<bool>(&*waitForCompletion)) {
            wait = *truth;
        } else if (const auto number = Numeric(*waitForCompletion)) {
            wait = *number != 0.0;
        } else {
            return false;
        }
    }
    const auto parts = SplitCommandLine(command);
    if (!parts) {
        return false;
    }
    // Everything the child needs is prepared before the fork.
    std::vector<char*> argv;
    for (const auto& part : *parts) {
        argv.push_back(const_cast<char*>(part.c_str()));
    }
    argv.push_back(nullptr);

    // The exec failure travels back through a pipe that closes by itself on a successful exec.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::close(report[0]);
        if (!wait) {
            // Detach: a new session, and a grandchild that the init process reaps.
            ::setsid();
            const pid_t grandchild = ::fork();
            if (grandchild != 0) {
                if (grandchild < 0) {
                    const int err = errno;
                    [[maybe_unused]] auto ignored = ::write(report[1], &err, sizeof err);
                }
                ::_exit(0);
            }
        }
        ::execvp(argv[0], argv.data());
        const int err = errno;
        [[maybe_unused]] auto ignored = ::write(report[1], &err, sizeof err);
        ::_exit(127);
    }
    ::close(report[1]);
    int err = 0;
    const bool failed = ReadRetrying(report[0], &err, sizeof err) > 0;
    ::close(report[0]);
    int status = 0;
    WaitRetrying(child, &status); // the detaching child ends at once; a waited process at its end
    return !failed;
}

} // namespace zul
