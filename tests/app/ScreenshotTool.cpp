// zul_screenshots OUTDIR FILE.zul: opens the study in the real main window, runs the check and
// the print menu and saves pictures of the main window, the check screen and the print menu
// (main-window.png, check-screen.png, print-menu.png) for the documentation, and the whole screen
// with the tooltip of the graph item of a print menu before any graph was made
// (print-menu-graph-tip.png).  Run it under xvfb-run.
#include "app/ApplicationSetup.h"
#include "app/frmMenuMain.h"
#include "ui/print/frmMenuPrint.h"
#include "ui/results/frmResOutRa.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zul::SetUpJapaneseApplication(app);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zul_screenshots OUTDIR FILE.zul\n");
        return 2;
    }
    const QDir out(QFileInfo(args.at(1)).absoluteFilePath()); // before the window changes the working folder
    QTemporaryDir sandbox;
    const std::string folder = sandbox.path().toStdString();
    zul::frmMenuMain window({.programFolder = folder,
                             .fmtFile = folder + "/Zul.fmt",
                             .definitionFolder = folder,
                             .metafileFolder = folder,
                             .iniFile = folder + "/Zul.ini",
                             .dataFolder = folder + "/data"});
    window.show();
    window.fileCommands().OpenFile(QFileInfo(args.at(2)).absoluteFilePath().toStdString());
    QApplication::processEvents();

    bool ok = window.grab().save(out.filePath(QStringLiteral("main-window.png")));
    bool checked = false;
    QTimer::singleShot(300, [&] {
        if (auto* screen = qobject_cast<zul::frmResOutRa*>(QApplication::activeModalWidget())) {
            checked = screen->grab().save(out.filePath(QStringLiteral("check-screen.png")));
            screen->accept();
        }
    });
    window.FindMenuButton(QStringLiteral("ResOutRa"))->click();

    // The print menu as after the study graph was made: every item can be ticked.
    for (const char* name : {"Zul.fmt", "LINE_PRN.DEF", "STR_PRN.DEF"}) {
        QFile::copy(QStringLiteral(ZUL_SOURCE_DIR "/data/") + name, QDir(sandbox.path()).filePath(name));
    }
    window.document().RaTableDone = true;
    bool printed = false;
    QTimer::singleShot(300, [&] {
        if (auto* menu = qobject_cast<zul::frmMenuPrint*>(QApplication::activeModalWidget())) {
            menu->cmdCheck(0)->click();
            printed = menu->grab().save(out.filePath(QStringLiteral("print-menu.png")));
            menu->cmdClose()->click();
        }
    });
    window.FindMenuButton(QStringLiteral("MenuPrint"))->click();

    // No graph made: the mouse rests on the disabled graph item until its tooltip shows.
    window.document().RaTableDone = false;
    bool tipped = false;
    QTimer::singleShot(300, [&] {
        if (auto* menu = qobject_cast<zul::frmMenuPrint*>(QApplication::activeModalWidget())) {
            QCheckBox* item = menu->chkPrintItem(3);
            QCursor::setPos(item->mapToGlobal(QPoint(40, item->height() / 2)));
            QTimer::singleShot(2000, [&, menu] {
                tipped = QGuiApplication::primaryScreen()->grabWindow(0).save(
                    out.filePath(QStringLiteral("print-menu-graph-tip.png")));
                menu->cmdClose()->click();
            });
        }
    });
    window.FindMenuButton(QStringLiteral("MenuPrint"))->click();
    window.document().DataEdited = false;
    window.close();
    if (!ok || !checked || !printed || !tipped) {
        std::fprintf(stderr, "zul_screenshots: a picture could not be taken (%d%d%d%d)\n", ok, checked,
                     printed, tipped);
        return 1;
    }
    return 0;
}
