// Renders every input screen with sample data into PNG pictures for the documentation:
//   input_screenshots DOCS_FOLDER
#include "document/ProjectDocument.h"
#include "io/CPrivateProfile.h"
#include "ui/input/InputBindings.h"
#include "ui/input/InputGrid.h"
#include "ui/input/frmInpAnzen.h"
#include "ui/input/frmInpJiban.h"
#include "ui/input/frmInpJibanN.h"
#include "ui/input/frmInpJyoken.h"
#include "ui/input/frmInpRaTable.h"
#include "ui/input/frmInpRenban.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

using namespace zul;

namespace {

ProjectDocument sampleStudy() {
    ProjectDocument doc;
    doc.InpJyoken.Title = "橋脚P1 鋼管杭";
    doc.InpJyoken.D = 0.8;
    doc.InpJyoken.L = 24.0;
    doc.InpJyoken.ELPU = -2.5;
    doc.InpJyoken.QdSiji = 0;
    doc.InpJyoken.ELSL = -22.0;
    doc.JibanCount = 4;
    const double layers[4][8] = {{2, 3.0, 16, 7, 3, 30, 0, 0.667},
                                 {0, 6.5, 18, 9, 12, 24, 0, 1},
                                 {2, 8.0, 17, 8, 6, 60, 0, 1},
                                 {1, 10.0, 20, 11, 50, 100, 0, 1}};
    for (std::size_t r = 1; r <= 4; ++r) {
        for (std::size_t c = 1; c <= 8; ++c) {
            doc.JibanLayer(c, r) = CellValue::Number(layers[r - 1][c - 1]);
        }
    }
    doc.JibanLevel(1) = CellValue::Number(1.5);
    doc.JibanLevel(2) = CellValue::Number(0.5);
    doc.JibanLevel(3) = CellValue::Number(0.0);
    doc.JibanLevel(4) = CellValue::Number(-1.0);
    doc.NCount = 6;
    const double points[6][2] = {{1, 3}, {3, 10}, {6, 14}, {10, 6}, {15, 8}, {20, 50}};
    for (std::size_t r = 1; r <= 6; ++r) {
        doc.NData(1, r) = CellValue::Number(points[r - 1][0]);
        doc.NData(2, r) = CellValue::Number(points[r - 1][1]);
    }
    return doc;
}

bool save(QWidget& screen, const QString& path) {
    screen.show();
    QApplication::processEvents();
    const bool ok = screen.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    screen.close();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("IPAGothic"), 9));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);
    QTemporaryDir settings;
    const std::string ini = (settings.path() + QStringLiteral("/Zul.ini")).toStdString();
    ProjectDocument doc = sampleStudy();
    const char* const chapter[][2] = {{"Method", "3"},  {"Init", "1"},   {"Style1", "1"},  {"Style2", "2"},
                                      {"Style3", "3"},  {"Style4", "8"}, {"Margin1", "0"}, {"Margin2", "2"},
                                      {"Margin3", "4"}, {"Margin4", "6"}};
    for (const auto& [key, value] : chapter) {
        CPrivateProfile::SetValueString(ini, "Chapter", key, value);
    }
    bool ok = true;
    {
        frmInpJyoken screen;
        BindInputScreen(screen, doc);
        ok &= save(screen, folder + QStringLiteral("/input-conditions.png"));
    }
    {
        frmInpAnzen screen;
        BindInputScreen(screen, doc);
        ok &= save(screen, folder + QStringLiteral("/input-safety-factors.png"));
    }
    {
        frmInpJiban screen;
        screen.setUsrRecMax(20);
        BindInputScreen(screen, doc);
        screen.show();
        screen.vaSpread1()->setFocus();
        ok &= save(screen, folder + QStringLiteral("/input-ground.png"));
    }
    {
        frmInpJibanN screen;
        screen.setUsrRecMax(100);
        BindInputScreen(screen, doc);
        ok &= save(screen, folder + QStringLiteral("/input-n-values.png"));
    }
    {
        frmInpRaTable screen;
        BindInputScreen(screen, doc);
        screen.show();
        screen.vaSpread1()->grid()->enterText(0, 0, QStringLiteral("0.6"));
        screen.vaSpread1()->grid()->enterText(1, 0, QStringLiteral("0.8"));
        screen.vaSpread1()->grid()->enterText(2, 0, QStringLiteral("1.0"));
        ok &= save(screen, folder + QStringLiteral("/input-pile-length-table.png"));
    }
    for (int tab = 0; tab < 3; ++tab) {
        frmInpRenban screen;
        BindInputScreen(screen, ini);
        screen.show();
        screen.TabStrip1()->setCurrentIndex(tab);
        ok &= save(screen, folder + QStringLiteral("/input-numbering-%1.png").arg(tab + 1));
    }
    return ok ? 0 : 1;
}
