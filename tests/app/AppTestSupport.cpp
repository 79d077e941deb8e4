#include "AppTestSupport.h"

#include "io/InputDataFile.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace zul::test {

AppSandbox::AppSandbox() {
    QDir(dir_.path()).mkpath(QStringLiteral("program"));
}

std::string AppSandbox::path(const QString& name) const {
    return (dir_.path() + '/' + name).toStdString();
}

// The program's files and its metafiles in "program", as in a copy the user may write to.
ProgramPaths AppSandbox::paths() const {
    const std::string program = path(QStringLiteral("program"));
    return {.programFolder = program,
            .fmtFile = program + "/Zul.fmt",
            .definitionFolder = program,
            .metafileFolder = program,
            .iniFile = iniFile(),
            .dataFolder = path(QStringLiteral("data/Velmarok/Zul"))};
}

std::unique_ptr<frmMenuMain> AppSandbox::makeWindow() const {
    return std::make_unique<frmMenuMain>(paths());
}

ProjectDocument SampleStudy() {
    ProjectDocument doc;
    doc.InpJyoken.InpFlg = true;
    doc.InpJyoken.Title = "試験ケース";
    doc.InpJyoken.D = 0.8;
    doc.InpJyoken.L = 12.0;
    doc.InpJyoken.ELPU = -1.0;
    doc.InpJyoken.Sekou = 1; // cast-in-place: tip resistance from the layer table
    doc.JibanLevel(1) = CellValue::Number(0.0);
    doc.JibanLevel(2) = CellValue::Number(-2.0);
    doc.JibanLevel(3) = CellValue::Number(0.0);
    doc.JibanLevel(4) = CellValue::Number(0.0);
    doc.JibanCount = 2;
    const double layers[2][8] = {{0, 8.0, 18.0, 9.0, 10, 30.0, 0.0, 1.0},
                                 {0, 20.0, 19.0, 10.0, 40, 100.0, 3000.0, 1.0}};
    for (std::size_t r = 0; r < 2; ++r) {
        for (std::size_t c = 0; c < 8; ++c) {
            doc.JibanLayer(c + 1, r + 1) = CellValue::Number(layers[r][c]);
        }
    }
    doc.NCount = 20;
    for (std::size_t r = 1; r <= 20; ++r) {
        doc.NData(1, r) = CellValue::Number(static_cast<double>(r));
        doc.NData(2, r) = CellValue::Number(r <= 8 ? 10.0 : 40.0);
    }
    return doc;
}

void WriteStudy(const ProjectDocument& doc, const std::string& path) {
    int code = 0;
    QVERIFY2(SaveInputData(doc, path, code), qPrintable(QStringLiteral("write error %1").arg(code)));
}

QByteArray ReadBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void WriteBytes(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void Press(QWidget* screen, const char* name) {
    auto* button = screen->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QColor TextColour(const QPushButton* button) {
    return button->palette().color(QPalette::Active, QPalette::ButtonText);
}

} // namespace zul::test
