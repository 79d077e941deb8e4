#ifndef ZUL_TEST_QT_TEST_RUNNER_H
#define ZUL_TEST_QT_TEST_RUNNER_H

// One program runs the QtTest classes of a test folder.  A test file registers its class with the
// folder's runner (QtTestRunner.cpp) by ZUL_QTEST_MAIN(Class) or ZUL_QTEST_SCREEN_MAIN(Class) in
// place of QtTest's QTEST_MAIN, which would write a main() of its own; the runner starts the
// classes named on its command line.  The macros expand in test files, which include <QTest>.

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
#define ZUL_QTEST_MAIN(TestObject)                                                                               \
    ZUL_QTEST_REGISTER(TestObject, QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true))

// The screen tests' start: the screens' Japanese font at 9 points, at the dpi of the platform.
#define ZUL_QTEST_SCREEN_MAIN(TestObject)                                                                    \
    ZUL_QTEST_REGISTER(TestObject, QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 9)))

#endif
