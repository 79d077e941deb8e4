// The main window's "結果印刷": the calculation first, then the print menu modally on the
// program's own templates; a calculation error shows its message and opens nothing.
#include "AppTestSupport.h"
#include "FakeUiServices.h"

#include "ui/print/frmMenuPrint.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <iterator>
#include <memory>

using namespace zul;
using namespace zul::test;

class PrintMenuFlowTest : public QObject {
    Q_OBJECT

private slots:
    void printButtonCalculatesThenOpensThePrintMenu_data();
    void printButtonCalculatesThenOpensThePrintMenu();
};

void PrintMenuFlowTest::printButtonCalculatesThenOpensThePrintMenu_data() {
    QTest::addColumn<double>("safetyFactor");
    QTest::addColumn<bool>("opens");
    QTest::newRow("a study that calculates") << 3.0 << true;
    QTest::newRow("zero safety factor") << 0.0 << false;
}

void PrintMenuFlowTest::printButtonCalculatesThenOpensThePrintMenu() {
    QFETCH(double, safetyFactor);
    QFETCH(bool, opens);
    FakeUiServices ui;
    AppSandbox sandbox;
    for (const char* name : {"Zul.fmt", "LINE_PRN.DEF", "STR_PRN.DEF"}) {
        QVERIFY(QFile::copy(QStringLiteral(ZUL_SOURCE_DIR "/data/") + name,
                            sandbox.folder() + QStringLiteral("/program/") + name));
    }
    ProjectDocument study = SampleStudy();
    study.Anzen(1) = CellValue::Number(safetyFactor);
    const std::string file = sandbox.path("study.zul");
    WriteStudy(study, file);
    // The graph screen saves its metafiles elsewhere than the program folder (an installed copy).
    MenuMainPaths paths = sandbox.paths();
    paths.metafileFolder = sandbox.path("metafiles");
    auto window = std::make_unique<frmMenuMain>(paths);
    window->fileCommands().OpenFile(file);
    window->document().RaTableDone = true; // as after closing the graph screen
    QPushButton* button = window->FindMenuButton("MenuPrint");
    QVERIFY(button->isEnabled());

    bool opened = false;
    bool graphItemEnabled = false;
    std::string graphReport;
    bool mainDisabled = false;
    QString joined;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<frmMenuPrint*>(QApplication::activeModalWidget());
        if (!menu) {
            return;
        }
        opened = true;
        graphItemEnabled = menu->chkPrintItem(3)->isEnabled();
        std::ifstream in(menu->generator().ItemFile(3), std::ios::binary);
        graphReport.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        mainDisabled = !button->isEnabled();
        joined = QString::fromStdString(menu->generator().JoinedFile());
        QTest::mouseClick(menu->cmdClose(), Qt::LeftButton);
    });
    timer.start(0);
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(opened, opens);
    if (opens) {
        QVERIFY(ui.messages.isEmpty()); // every item generated from the program's templates
        QVERIFY(graphItemEnabled);
        // The graph report prints the graphs where the graph screen saved them.
        QVERIFY(graphReport.find("?BM;000;000;160;110;" + paths.metafileFolder + "/RA01.WMF\r\n") !=
                std::string::npos);
        QVERIFY(mainDisabled);
        QVERIFY(!joined.isEmpty() && !QFile::exists(joined)); // deleted on closing
    } else {
        QCOMPARE(ui.messages.size(), 1);
        QCOMPARE(ui.messages.at(0).text,
                 QStringLiteral("計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。"));
    }
    QVERIFY(button->isEnabled());
}

QTEST_MAIN(PrintMenuFlowTest)
#include "PrintMenuFlowTest.moc"
