#include <QApplication>
#include <QFont>
#include <QTest>

int RunFrameTests(int argc, char** argv);
int RunJyokenScreenTests(int argc, char** argv);
int RunGridTests(int argc, char** argv);
int RunGroundScreenTests(int argc, char** argv);
int RunNValueScreenTests(int argc, char** argv);
int RunTableScreenTests(int argc, char** argv);
int RunNumberingScreenTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 9));
    int failures = 0;
    for (auto* run : {RunFrameTests, RunJyokenScreenTests, RunGridTests, RunGroundScreenTests,
                      RunNValueScreenTests, RunTableScreenTests, RunNumberingScreenTests}) {
        failures += run(argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
