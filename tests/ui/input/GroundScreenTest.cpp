// The ground layer screen: standard values of "ﾃﾞﾌｫﾙﾄ値" for each method and kind with their
// caps, the levels shown only with layers, and the round trip of the layers.
#include "QtTestRunner.h"
#include "TestServices.h"

#include "document/ProjectDocument.h"
#include "ui/input/InputBindings.h"
#include "ui/input/InputGrid.h"
#include "ui/input/NumberField.h"
#include "ui/input/frmInpJiban.h"

#include <QPushButton>
#include <QTest>

using namespace zul;
using zul::test::FakeUiServices;

namespace {

struct Standard {
    double gammaBelow;
    double f;
    double qd;
};

// Runs "ﾃﾞﾌｫﾙﾄ値" on one layer typed on the screen and reads the three filled cells.
Standard standardOf(int method, int kind, double gammaAbove, double n) {
    ProjectDocument doc;
    doc.InpJyoken.Sekou = method;
    doc.JibanCount = 1;
    doc.JibanLayer(1, 1) = CellValue::Number(kind);
    doc.JibanLayer(3, 1) = CellValue::Number(gammaAbove);
    doc.JibanLayer(4, 1) = CellValue::Number(55);
    doc.JibanLayer(5, 1) = CellValue::Number(n);
    doc.JibanLayer(6, 1) = CellValue::Number(555);
    doc.JibanLayer(7, 1) = CellValue::Number(5555);
    frmInpJiban screen;
    screen.setUsrRecMax(20);
    BindInputScreen(screen, doc);
    screen.show();
    screen.cmdDefault()->click();
    const GridModel* grid = screen.vaSpread1()->grid();
    Standard result{grid->value(0, 3).value_or(-1), grid->value(0, 5).value_or(-1),
                    grid->value(0, 6).value_or(-1)};
    screen.reject();
    return result;
}

} // namespace

class GroundScreenTest : public QObject {
    Q_OBJECT
private slots:
    void standardValues_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("f");
        QTest::addColumn<double>("qd");
        // kinds: 0 sandy, 1 gravel, 2 cohesive
        QTest::newRow("m0 sandy N40") << 0 << 0 << 40.0 << 80.0 << 0.0;
        QTest::newRow("m0 sandy N60 capped") << 0 << 0 << 60.0 << 100.0 << 0.0;
        QTest::newRow("m0 cohesive N2.1") << 0 << 2 << 2.1 << 21.0 << 0.0;
        QTest::newRow("m0 cohesive N20 capped") << 0 << 2 << 20.0 << 150.0 << 0.0;
        QTest::newRow("m1 gravel N45") << 1 << 1 << 45.0 << 200.0 << 3000.0;
        QTest::newRow("m1 gravel N50") << 1 << 1 << 50.0 << 200.0 << 5000.0;
        QTest::newRow("m1 gravel N29") << 1 << 1 << 29.0 << 145.0 << 0.0;
        QTest::newRow("m1 sandy N29.9") << 1 << 0 << 29.9 << 149.5 << 0.0;
        QTest::newRow("m1 sandy N30") << 1 << 0 << 30.0 << 150.0 << 3000.0;
        QTest::newRow("m1 cohesive N16") << 1 << 2 << 16.0 << 150.0 << 0.0;
        QTest::newRow("m2 cohesive N10") << 2 << 2 << 10.0 << 80.0 << 0.0;
        QTest::newRow("m2 sandy N60") << 2 << 0 << 60.0 << 100.0 << 0.0;
        QTest::newRow("m3 sandy N40") << 3 << 0 << 40.0 << 80.0 << 6000.0;
        QTest::newRow("m3 sandy N60 capped") << 3 << 0 << 60.0 << 100.0 << 7500.0;
        QTest::newRow("m3 cohesive N13") << 3 << 2 << 13.0 << 100.0 << 0.0;
        QTest::newRow("m4 gravel N55") << 4 << 1 << 55.0 << 100.0 << 5000.0;
        QTest::newRow("m4 cohesive N60") << 4 << 2 << 60.0 << 100.0 << 0.0;
        QTest::newRow("m5 sandy N25") << 5 << 0 << 25.0 << 200.0 << 3750.0;
        QTest::newRow("m5 cohesive N15") << 5 << 2 << 15.0 << 150.0 << 0.0;
        QTest::newRow("m5 gravel N45") << 5 << 1 << 45.0 << 200.0 << 9000.0;
        QTest::newRow("m6 cohesive N12") << 6 << 2 << 12.0 << 100.0 << 0.0;
        QTest::newRow("m6 gravel N60") << 6 << 1 << 60.0 << 150.0 << 10000.0;
        QTest::newRow("m6 sandy N20") << 6 << 0 << 20.0 << 100.0 << 3000.0;
        QTest::newRow("m7 sandy N60") << 7 << 0 << 60.0 << 100.0 << 7500.0;
        QTest::newRow("m7 gravel N60") << 7 << 1 << 60.0 << 100.0 << 7500.0;
        QTest::newRow("m7 cohesive N60") << 7 << 2 << 60.0 << 100.0 << 7500.0;
        QTest::newRow("m7 cohesive N8") << 7 << 2 << 8.0 << 80.0 << 1200.0;
        QTest::newRow("m7 sandy N2") << 7 << 0 << 2.0 << 0.0 << 300.0;
        for (int m = 0; m <= 7; ++m) {
            QTest::newRow(("m" + QByteArray::number(m) + " N2 no friction").constData())
                << m << 2 << 2.0 << 0.0 << (m == 7 ? 300.0 : 0.0);
        }
        QTest::newRow("unknown method 9") << 9 << 1 << 60.0 << 100.0 << 0.0;
    }

    void standardValues() {
        QFETCH(int, method);
        QFETCH(int, kind);
        QFETCH(double, n);
        QFETCH(double, f);
        QFETCH(double, qd);
        const Standard s = standardOf(method, kind, 18, n);
        QCOMPARE(s.f, f);
        QCOMPARE(s.qd, qd);
        QCOMPARE(s.gammaBelow, 9.0);
    }

    void gammaBelowWaterIsNotNegative() {
        QCOMPARE(standardOf(0, 0, 8, 10).gammaBelow, 0.0);
        QCOMPARE(standardOf(0, 0, 19.5, 10).gammaBelow, 10.5);
    }

    void defaultsKeepTheOtherColumnsAndUseTheStoredMethod() {
        FakeUiServices services;
        ProjectDocument doc;
        doc.InpJyoken.Sekou = 1;
        doc.JibanCount = 2;
        for (std::size_t r = 1; r <= 2; ++r) {
            doc.JibanLayer(1, r) = CellValue::Number(1);
            doc.JibanLayer(2, r) = CellValue::Number(2.5);
            doc.JibanLayer(3, r) = CellValue::Number(20);
            doc.JibanLayer(5, r) = CellValue::Number(45);
            doc.JibanLayer(8, r) = CellValue::Number(0.5);
        }
        frmInpJiban screen;
        screen.setUsrRecMax(20);
        BindInputScreen(screen, doc);
        test::ShowActive(&screen);
        screen.cmdDefault()->click();
        const GridModel* grid = screen.vaSpread1()->grid();
        for (int r = 0; r < 2; ++r) {
            QCOMPARE(grid->value(r, 1), std::optional<double>(2.5));
            QCOMPARE(grid->value(r, 3), std::optional<double>(11.0));
            QCOMPARE(grid->value(r, 5), std::optional<double>(200.0));
            QCOMPARE(grid->value(r, 6), std::optional<double>(3000.0));
            QCOMPARE(grid->value(r, 7), std::optional<double>(0.5));
        }
        QCOMPARE(grid->displayText(0, 6), QStringLiteral("3,000"));
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(doc.JibanLayer(7, 2), CellValue::Number(3000));
        QCOMPARE(doc.JibanLayer(4, 1), CellValue::Number(11));
    }

    void defaultsOnAnEmptyGridChangeNothing() {
        test::ShownScreen<frmInpJiban> shown({}, 20);
        auto& [services, doc, screen] = shown;
        screen.cmdDefault()->click();
        QCOMPARE(screen.vaSpread1()->grid()->rows(), 0);
        QVERIFY(services.messages.isEmpty());
        screen.reject();
    }

    void levelsShowZeroWithoutLayers() {
        FakeUiServices services;
        ProjectDocument doc;
        doc.JibanLevel(1) = CellValue::Number(12.3);
        doc.JibanLevel(2) = CellValue::Number(10);
        frmInpJiban screen;
        screen.setUsrRecMax(20);
        BindInputScreen(screen, doc);
        test::ShowActive(&screen);
        QCOMPARE(screen.numELGL()->value(), std::optional<double>(0.0));
        QCOMPARE(screen.numELGL()->text(), QStringLiteral("+0.000"));
        QCOMPARE(screen.numELWL()->value(), std::optional<double>(0.0));
        screen.reject();
    }

    void layersSurviveTheScreen() {
        FakeUiServices services;
        ProjectDocument doc;
        doc.JibanCount = 2;
        const double layers[2][8] = {{2, 3.5, 17, 8, 4.5, 45, 0, 0.667}, {0, 12.25, 19, 10, 35, 70, 3500, 1}};
        for (std::size_t r = 1; r <= 2; ++r) {
            for (std::size_t c = 1; c <= 8; ++c) {
                doc.JibanLayer(c, r) = CellValue::Number(layers[r - 1][c - 1]);
            }
        }
        for (std::size_t i = 1; i <= 4; ++i) {
            doc.JibanLevel(i) = CellValue::Number(10.5 - static_cast<double>(i));
        }
        // A text that is no number reaches the grid and the document as 0.
        doc.JibanLayer(6, 1) = CellValue::Text("abc");
        frmInpJiban screen;
        screen.setUsrRecMax(20);
        BindInputScreen(screen, doc);
        test::ShowActive(&screen);
        QCOMPARE(screen.vaSpread1()->grid()->displayText(0, 0), QStringLiteral("粘性土層"));
        QCOMPARE(screen.numSJ2()->text(), QStringLiteral("+6.500"));
        QCOMPARE(screen.vaSpread1()->activeRow(), 0);
        QCOMPARE(screen.vaSpread1()->activeColumn(), 0);
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(doc.JibanCount, 2);
        QCOMPARE(doc.JibanLayer(6, 1), CellValue::Number(0));
        QCOMPARE(doc.JibanLayer(2, 2), CellValue::Number(12.25));
        QCOMPARE(doc.JibanLayer(8, 1), CellValue::Number(0.667));
        QCOMPARE(doc.JibanLevel(4), CellValue::Number(6.5));
        QVERIFY(doc.DataEdited);
    }
};

ZUL_QTEST_SCREEN_MAIN(GroundScreenTest)

#include "GroundScreenTest.moc"
