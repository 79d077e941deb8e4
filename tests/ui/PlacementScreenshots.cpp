// Pictures of the whole screen with each screen as it opens the first time (no stored position),
// to look at where it lands:  xvfb-run -s "-screen 0 1366x768x24" placement_screenshots OUTDIR
#include "calc/basCalcMain.h"
#include "ui/ScreenLaunchers.h"
#include "ui/input/InputBindings.h"
#include "ui/input/frmInpAnzen.h"
#include "ui/input/frmInpJiban.h"
#include "ui/input/frmInpJibanN.h"
#include "ui/input/frmInpJyoken.h"
#include "ui/input/frmInpRaTable.h"
#include "ui/input/frmInpRenban.h"
#include "ui/results/frmResOutRaTable.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace zul;

namespace {

bool shoot(QDialog& screen, const QString& path) {
    screen.show();
    if (!QTest::qWaitForWindowExposed(&screen)) {
        std::printf("not shown: %s\n", qPrintable(path));
    }
    QTest::qWait(200);
    const QRect frame = screen.frameGeometry();
    const bool ok = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s %s: %d,%d %dx%d\n", ok ? "wrote" : "FAILED", qPrintable(path), frame.x(), frame.y(),
                frame.width(), frame.height());
    screen.close();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 9));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    QTemporaryDir settings;
    const std::string ini = settings.filePath(QStringLiteral("Zul.ini")).toStdString();
    ProjectDocument doc;
    basCalcMain calc;
    ProgramPaths paths;
    paths.iniFile = ini;
    paths.metafileFolder = settings.filePath("data").toStdString();
    AppContext context{doc, calc, paths};
    const QString size = QStringLiteral("%1x%2")
                             .arg(QGuiApplication::primaryScreen()->size().width())
                             .arg(QGuiApplication::primaryScreen()->size().height());
    const auto file = [&](const char* name) { return folder + QStringLiteral("/%1-%2.png").arg(name, size); };
    bool ok = true;
    {
        frmInpJyoken screen;
        screen.setIniFile(ini);
        BindInputScreen(screen, doc);
        ok &= shoot(screen, file("conditions"));
    }
    {
        frmInpAnzen screen;
        screen.setIniFile(ini);
        BindInputScreen(screen, doc);
        ok &= shoot(screen, file("safety-factors"));
    }
    {
        frmInpJiban screen;
        screen.setIniFile(ini);
        screen.setUsrRecMax(20);
        BindInputScreen(screen, doc);
        ok &= shoot(screen, file("ground"));
    }
    {
        frmInpJibanN screen;
        screen.setIniFile(ini);
        screen.setUsrRecMax(100);
        BindInputScreen(screen, doc);
        ok &= shoot(screen, file("n-values"));
    }
    {
        frmInpRaTable screen;
        screen.setIniFile(ini);
        BindInputScreen(screen, doc);
        ok &= shoot(screen, file("pile-length-table"));
    }
    {
        frmInpRenban screen;
        screen.setIniFile(ini);
        BindInputScreen(screen, ini);
        ok &= shoot(screen, file("numbering"));
    }
    {
        frmResOutRaTable screen(context);
        ok &= shoot(screen, file("graph"));
    }
    return ok ? 0 : 1;
}
