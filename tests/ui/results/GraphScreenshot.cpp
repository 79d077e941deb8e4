// Takes the picture of the study graph screen for the documentation:
//   graph_screen_screenshot OUT.png [TAB]
// on a sample study (a cast-in-place pile, three diameters, 8 m to 20 m).
#include "calc/basCalcMain.h"
#include "ui/AppContext.h"
#include "ui/results/frmResOutRaTable.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

using namespace zul;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: graph_screen_screenshot OUT.png [Tab1..Tab4]\n");
        return 2;
    }
    ProjectDocument doc;
    doc.JibanLevel(1) = CellValue::Number(0.0);
    doc.JibanLevel(2) = CellValue::Number(-2.0);
    doc.JibanLevel(3) = CellValue::Number(0.0);
    doc.JibanLevel(4) = CellValue::Number(-1.0);
    const double layers[3][8] = {{2, 4.0, 16, 7, 3, 30, 0, 0.5},
                                 {0, 8.0, 18, 9, 15, 45, 0, 0.8},
                                 {1, 15.0, 20, 10, 50, 100, 5000, 1.0}};
    for (std::size_t r = 1; r <= 3; ++r) {
        for (std::size_t c = 1; c <= 8; ++c) {
            doc.JibanLayer(c, r) = CellValue::Number(layers[r - 1][c - 1]);
        }
    }
    doc.JibanCount = 3;
    doc.InpJyoken.Title = "A棟 基礎杭";
    doc.InpJyoken.Sekou = 1;
    doc.RaTable(1) = CellValue::Number(8.0);
    doc.RaTable(2) = CellValue::Number(20.0);
    doc.RaTable(3) = CellValue::Number(1.0);
    doc.RaTable(11) = CellValue::Text("0.8");
    doc.RaTable(12) = CellValue::Text("1.0");
    doc.RaTable(13) = CellValue::Text("1.2");
    basCalcMain calc;
    if (!calc.CalcRaTable(doc)) {
        std::fprintf(stderr, "the sample study does not calculate\n");
        return 1;
    }
    QTemporaryDir dir;
    ProgramPaths paths;
    paths.iniFile = QDir(dir.path()).filePath("Zul.ini").toStdString();
    paths.metafileFolder = dir.path().toStdString();
    AppContext context{doc, calc, paths};
    frmResOutRaTable screen(context);
    screen.show();
    screen.resize(900, 640);
    if (argc > 2) {
        screen.selectTab(QString::fromLocal8Bit(argv[2]));
    }
    QApplication::processEvents();
    const bool saved = screen.grab().save(QString::fromLocal8Bit(argv[1]));
    screen.close();
    return saved ? 0 : 1;
}
