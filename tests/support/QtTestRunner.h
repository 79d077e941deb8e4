#ifndef ZUL_TEST_QT_TEST_RUNNER_H
#define ZUL_TEST_QT_TEST_RUNNER_H

// One program runs the QtTest classes of a test folder.  Every source of such a program sees this
// header first (tests/CMakeLists.txt), so QTEST_MAIN(Class) in a test file registers the class
// with the folder's runner (QtTestRunner.cpp) instead of writing a main() of its own; the runner
// starts the classes named on its command line.

#include <QTest>

namespace zul::test {

using QtTestRun = int (*)(int argc, char** argv);

// Adds a test class to the program's runner; always true (it initialises a static).
bool RegisterQtTest(const char* name, QtTestRun run);

} // namespace zul::test

// Registers TestObject; the statements of setUp run in the runner's application before the class
// is made.
#define ZUL_QTEST_REGISTER(TestObject, setUp)                                                                \
    static const bool zulQtTestRegistered##TestObject =                                                      \
        ::zul::test::RegisterQtTest(#TestObject, [](int argc, char** argv) {                                 \
            setUp;                                                                                           \
            TestObject tc;                                                                                   \
            QTEST_SET_MAIN_SOURCE_PATH                                                                       \
            return QTest::qExec(&tc, argc, argv);                                                            \
        });

// QtTest's own start: the application at 96 dpi.
#undef QTEST_MAIN
#define QTEST_MAIN(TestObject)                                                                               \
    ZUL_QTEST_REGISTER(TestObject, QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true))

// The screen tests' start: the screens' Japanese font at 9 points, at the dpi of the platform.
#define ZUL_QTEST_SCREEN_MAIN(TestObject)                                                                    \
    ZUL_QTEST_REGISTER(TestObject, QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 9)))

#endif
