// The pile length table screen: the never-entered lengths, the empty-diameter rule and the
// stored table shown again.
#include "QtTestRunner.h"
#include "TestServices.h"

#include "document/ProjectDocument.h"
#include "ui/input/InputBindings.h"
#include "ui/input/InputGrid.h"
#include "ui/input/NumberField.h"
#include "ui/input/frmInpRaTable.h"

#include <QPushButton>
#include <QTest>

using namespace zul;
using zul::test::FakeUiServices;

class TableScreenTest : public QObject {
    Q_OBJECT
private slots:
    void neverEnteredTableStartsFromThePileDiameter() {
        FakeUiServices services;
        ProjectDocument doc;
        doc.InpJyoken.D = 1.2;
        // Stored values do not count while the table was never entered.
        doc.RaTable(1) = CellValue::Number(99);
        doc.RaTable(11) = CellValue::Text("0.5");
        frmInpRaTable screen;
        BindInputScreen(screen, doc);
        test::ShowActive(&screen);
        QCOMPARE(screen.numLmin()->text(), QStringLiteral("6.0"));
        QCOMPARE(screen.numLmax()->text(), QStringLiteral("24.0"));
        QCOMPARE(screen.numLStep()->text(), QStringLiteral("0.5"));
        QCOMPARE(screen.numLmin()->value(), std::optional<double>(5 * 1.2));
        QCOMPARE(screen.numLmax()->value(), std::optional<double>(20 * 1.2));
        const GridModel* grid = screen.vaSpread1()->grid();
        QCOMPARE(grid->rows(), 10);
        for (int r = 0; r < 10; ++r) {
            QCOMPARE(grid->displayText(r, 0), QString());
        }
        QTest::mouseClick(screen.cmdCancel(), Qt::LeftButton);
        QCOMPARE(screen.UsrTag(), QStringLiteral("ｷｬﾝｾﾙ"));
        QVERIFY(!doc.RaTableInpFlg);
    }

    void smallDiametersAreStoredAsZeroAndReopenBlank() {
        FakeUiServices services;
        ProjectDocument doc;
        {
            frmInpRaTable screen;
            BindInputScreen(screen, doc);
            test::ShowActive(&screen);
            GridModel* grid = screen.vaSpread1()->grid();
            QVERIFY(grid->enterText(0, 0, QStringLiteral("0.01")));
            QVERIFY(grid->enterText(1, 0, QStringLiteral("0.011")));
            QVERIFY(grid->enterText(2, 0, QStringLiteral("1.2")));
            QVERIFY(!grid->enterText(3, 0, QStringLiteral("10")));
            screen.numLStep()->setValue(1.0);
            QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
            QCOMPARE(screen.UsrTag(), QStringLiteral("OK"));
        }
        QVERIFY(doc.RaTableInpFlg);
        QVERIFY(doc.DataEdited);
        QCOMPARE(doc.RaTable(11), CellValue::Number(0));
        QCOMPARE(doc.RaTable(12), CellValue::Text("0.011"));
        QCOMPARE(doc.RaTable(13), CellValue::Text("1.2"));
        QCOMPARE(doc.RaTable(14), CellValue::Number(0));
        QCOMPARE(doc.RaTable(20), CellValue::Number(0));
        QCOMPARE(doc.RaTable(1), CellValue::Number(5));
        QCOMPARE(doc.RaTable(3), CellValue::Number(1));
        QVERIFY(doc.RaTable(4).isEmpty());

        doc.InpJyoken.D = 3;
        frmInpRaTable again;
        BindInputScreen(again, doc);
        test::ShowActive(&again);
        const GridModel* grid = again.vaSpread1()->grid();
        QCOMPARE(grid->displayText(0, 0), QString());
        QCOMPARE(grid->displayText(1, 0), QStringLiteral("0.011"));
        QCOMPARE(grid->displayText(2, 0), QStringLiteral("1.200"));
        // Once entered, the stored lengths count, not the diameter.
        QCOMPARE(again.numLmin()->value(), std::optional<double>(5.0));
        QCOMPARE(again.numLStep()->text(), QStringLiteral("1.0"));
        again.reject();
    }
};

ZUL_QTEST_SCREEN_MAIN(TableScreenTest)

#include "TableScreenTest.moc"
