// The N value screen: OK sorts the rows by depth carrying the N values; Cancel stores nothing.
#include "QtTestRunner.h"
#include "TestServices.h"

#include "document/ProjectDocument.h"
#include "ui/input/GridEditBar.h"
#include "ui/input/InputBindings.h"
#include "ui/input/InputGrid.h"
#include "ui/input/frmInpJibanN.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using namespace zul;
using zul::test::FakeUiServices;

namespace {

void setPoints(ProjectDocument& doc, std::initializer_list<std::pair<double, double>> points) {
    doc.NCount = static_cast<int>(points.size());
    std::size_t r = 1;
    for (const auto& [depth, n] : points) {
        doc.NData(1, r) = CellValue::Number(depth);
        doc.NData(2, r) = CellValue::Number(n);
        ++r;
    }
}

} // namespace

class NValueScreenTest : public QObject {
    Q_OBJECT
private slots:
    void okSortsByDepthCarryingTheNValues() {
        test::ShownScreen<frmInpJibanN> shown(
            [](ProjectDocument& d) {
                setPoints(d, {{3.0, 30}, {1.0, 10}, {2.0, 20}, {1.0, 11}});
            },
            100);
        auto& [services, doc, screen] = shown;
        // A row added and left at its start values sorts to the top.
        screen.editBar()->mnuEditAdd()->trigger();
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(doc.NCount, 5);
        const double expected[5][2] = {{0, 0}, {1, 10}, {1, 11}, {2, 20}, {3, 30}};
        for (std::size_t r = 1; r <= 5; ++r) {
            QCOMPARE(doc.NData(1, r), CellValue::Number(expected[r - 1][0]));
            QCOMPARE(doc.NData(2, r), CellValue::Number(expected[r - 1][1]));
        }
        QVERIFY(doc.DataEdited);
    }

    void cancelAfterReorderingKeepsTheStoredOrder() {
        FakeUiServices services;
        ProjectDocument doc;
        setPoints(doc, {{3.0, 30}, {1.0, 10}});
        const ProjectDocument before = doc;
        frmInpJibanN screen;
        screen.setUsrRecMax(100);
        BindInputScreen(screen, doc);
        test::ShowActive(&screen);
        screen.vaSpread1()->setActiveCell(0, 0);
        screen.editBar()->mnuEditDel()->trigger();
        QTest::mouseClick(screen.cmdCancel(), Qt::LeftButton);
        QVERIFY(SameStudy(doc, before));
        QVERIFY(!doc.DataEdited);
    }

    void emptiedCellsAreStoredAsZero() {
        test::ShownScreen<frmInpJibanN> shown([](ProjectDocument& d) { setPoints(d, {{1.5, 12}}); }, 100);
        auto& [services, doc, screen] = shown;
        screen.vaSpread1()->setActiveCell(0, 1);
        screen.editBar()->mnuEditCut()->trigger();
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(doc.NData(1, 1), CellValue::Number(1.5));
        QCOMPARE(doc.NData(2, 1), CellValue::Number(0));
    }
};

ZUL_QTEST_SCREEN_MAIN(NValueScreenTest)

#include "NValueScreenTest.moc"
