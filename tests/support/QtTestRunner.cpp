// The main() of a test folder's QtTest program: the application QTEST_MAIN would make for the
// program's Qt modules, then the test classes named first on the command line, in that order (all
// of them, by name, when none is named).  The arguments after the names are QtTest's own options
// and go to every class.  The exit status is 1 when any class failed.
#include "QtTestRunner.h"

#if defined(QT_WIDGETS_LIB)
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zul::test {
namespace {

struct Registry {
    std::map<std::string, QtTestRun> runs;
    std::vector<std::string> twice; // names registered by two classes
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace

bool RegisterQtTest(const char* name, QtTestRun run) {
    if (!TheRegistry().runs.emplace(name, run).second) {
        TheRegistry().twice.emplace_back(name);
    }
    return true;
}

} // namespace zul::test

int main(int argc, char** argv) {
    TestApplication app(argc, argv);
    const auto& registry = zul::test::TheRegistry();
    for (const std::string& name : registry.twice) {
        std::fprintf(stderr, "two test classes are named %s\n", name.c_str());
    }
    if (!registry.twice.empty()) {
        return 2;
    }

    std::vector<std::string> names;
    int first = 1;
    for (; first < argc && argv[first][0] != '-'; ++first) {
        if (registry.runs.count(argv[first]) == 0) {
            std::fprintf(stderr, "no test class %s in this program; it has:", argv[first]);
            for (const auto& [name, run] : registry.runs) {
                std::fprintf(stderr, " %s", name.c_str());
            }
            std::fprintf(stderr, "\n");
            return 2;
        }
        names.emplace_back(argv[first]);
    }
    if (names.empty()) {
        for (const auto& [name, run] : registry.runs) {
            names.push_back(name);
        }
    }

    // QtTest reads argv[0] and its options.
    std::vector<char*> options{argv[0]};
    options.insert(options.end(), argv + first, argv + argc);
    int failed = 0;
    for (const std::string& name : names) {
        if (registry.runs.at(name)(static_cast<int>(options.size()), options.data()) != 0) {
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
