// The editing grid through the ground layer and N value screens: row limits and the enabling
// of Add / Insert, Insert and Delete positions, Cut / Copy / Paste through the clipboard,
// entries refused out of range, and the status-line hints.
#include "QtTestRunner.h"
#include "MessageBoxPresser.h"
#include "TestServices.h"

#include "document/ProjectDocument.h"
#include "ui/input/GridEditBar.h"
#include "ui/input/InputBindings.h"
#include "ui/input/InputGrid.h"
#include "ui/input/NumberField.h"
#include "ui/input/frmInpJiban.h"
#include "ui/input/frmInpJibanN.h"
#include "ui/input/frmInpRaTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <functional>

using namespace zul;
using zul::test::FakeUiServices;

namespace {

void fillLayers(ProjectDocument& doc, int count) {
    doc.JibanCount = count;
    for (int r = 1; r <= count; ++r) {
        const auto row = static_cast<std::size_t>(r);
        doc.JibanLayer(1, row) = CellValue::Number(r % 3);
        doc.JibanLayer(2, row) = CellValue::Number(1.5);
        doc.JibanLayer(3, row) = CellValue::Number(18);
        doc.JibanLayer(5, row) = CellValue::Number(r);
        doc.JibanLayer(8, row) = CellValue::Number(1);
    }
}

void fillPoints(ProjectDocument& doc, int count) {
    doc.NCount = count;
    for (int r = 1; r <= count; ++r) {
        doc.NData(1, static_cast<std::size_t>(r)) = CellValue::Number(r * 0.5);
        doc.NData(2, static_cast<std::size_t>(r)) = CellValue::Number(r % 50);
    }
}

// The study a screen opens with: that many ground layers or N value points.
std::function<void(ProjectDocument&)> layers(int count) {
    return [count](ProjectDocument& doc) { fillLayers(doc, count); };
}

std::function<void(ProjectDocument&)> points(int count) {
    return [count](ProjectDocument& doc) { fillPoints(doc, count); };
}

// Every cell's value, row by row (-1 for an empty cell).
std::vector<double> cellValues(const GridModel& model) {
    std::vector<double> values;
    for (int r = 0; r < model.rows(); ++r) {
        for (int c = 0; c < model.columns(); ++c) {
            values.push_back(model.value(r, c).value_or(-1));
        }
    }
    return values;
}

bool toolButtonEnabled(const GridEditBar* bar, QAction* action) {
    const QWidget* button = bar->toolBar()->widgetForAction(action);
    return button && button->isEnabled();
}

bool addInsertEnabled(const GridEditBar* bar) {
    const bool menu = bar->mnuEditAdd()->isEnabled() && bar->mnuEditIns()->isEnabled();
    const bool tools = toolButtonEnabled(bar, bar->mnuEditAdd()) && toolButtonEnabled(bar, bar->mnuEditIns());
    if (menu != tools) {
        qWarning("menu and toolbar disagree");
    }
    return menu && tools;
}

} // namespace

class GridTest : public QObject {
    Q_OBJECT
private slots:
    void groundGridStopsAtTwentyRows() {
        test::ShownScreen<frmInpJiban> shown(layers(19), 20);
        auto& [services, doc, screen] = shown;
        GridEditBar* bar = screen.editBar();
        GridModel* grid = screen.vaSpread1()->grid();
        QVERIFY(addInsertEnabled(bar));
        bar->mnuEditAdd()->trigger();
        QCOMPARE(grid->rows(), 20);
        QVERIFY(!bar->mnuEditAdd()->isEnabled());
        QVERIFY(!bar->mnuEditIns()->isEnabled());
        QVERIFY(!toolButtonEnabled(bar, bar->mnuEditAdd()));
        QVERIFY(!toolButtonEnabled(bar, bar->mnuEditIns()));
        // The commands themselves refuse at the limit, whatever calls them.
        screen.vaSpread1()->addRow();
        screen.vaSpread1()->insertRow();
        QCOMPARE(grid->rows(), 20);
        bar->mnuEditDel()->trigger();
        QCOMPARE(grid->rows(), 19);
        QVERIFY(addInsertEnabled(bar));
        QVERIFY(services.messages.isEmpty());
        screen.reject();
    }

    void twentyLoadedRowsLeaveAddEnabledButInactive() {
        test::ShownScreen<frmInpJiban> shown(layers(20), 20);
        auto& [services, doc, screen] = shown;
        QVERIFY(addInsertEnabled(screen.editBar()));
        screen.editBar()->mnuEditAdd()->trigger();
        screen.editBar()->mnuEditIns()->trigger();
        QCOMPARE(screen.vaSpread1()->grid()->rows(), 20);
        screen.reject();
    }

    void nValueGridStopsAtHundredRows() {
        test::ShownScreen<frmInpJibanN> shown(points(99), 100);
        auto& [services, doc, screen] = shown;
        GridEditBar* bar = screen.editBar();
        screen.vaSpread1()->setActiveCell(10, 0);
        bar->mnuEditIns()->trigger();
        QCOMPARE(screen.vaSpread1()->grid()->rows(), 100);
        QVERIFY(!addInsertEnabled(bar));
        bar->mnuEditAdd()->trigger();
        QCOMPARE(screen.vaSpread1()->grid()->rows(), 100);
        bar->mnuEditDel()->trigger();
        QVERIFY(addInsertEnabled(bar));
        screen.reject();
    }

    void insertPutsAnInitialisedRowAboveTheActiveRow() {
        test::ShownScreen<frmInpJiban> shown(layers(3), 20);
        auto& [services, doc, screen] = shown;
        InputGrid* grid = screen.vaSpread1();
        grid->setActiveCell(1, 4);
        screen.editBar()->mnuEditIns()->trigger();
        GridModel* model = grid->grid();
        QCOMPARE(model->rows(), 4);
        QCOMPARE(model->displayText(1, 0), QStringLiteral("砂質土層"));
        QCOMPARE(model->displayText(1, 1), QStringLiteral("0.000"));
        QCOMPARE(model->displayText(1, 6), QStringLiteral("0"));
        QCOMPARE(model->displayText(1, 7), QStringLiteral("1.000"));
        // The loaded row 2 moved down to row 3.
        QCOMPARE(model->value(2, 4), std::optional<double>(2.0));
        QCOMPARE(grid->activeRow(), 1);
        // Delete removes the active row without asking.
        screen.editBar()->mnuEditDel()->trigger();
        QCOMPARE(model->rows(), 3);
        QCOMPARE(model->value(1, 4), std::optional<double>(2.0));
        QVERIFY(services.messages.isEmpty());
        screen.reject();
    }

    void rowCommandKeysReachTheWindowFromFieldsAndCellEditors() {
        test::ShownScreen<frmInpJiban> shown(layers(2), 20);
        auto& [services, doc, screen] = shown;
        InputGrid* view = screen.vaSpread1();
        GridModel* model = view->grid();
        // From a level field: the field's own paste and cut keys give way to the row commands.
        QApplication::clipboard()->setText(QStringLiteral("12"));
        screen.numELGL()->setFocus();
        QTest::keyClick(screen.numELGL(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(model->rows(), 3);
        QCOMPARE(screen.numELGL()->value(), std::optional<double>(0.0));
        QTest::keyClick(screen.numELGL(), Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(model->rows(), 2);
        QCOMPARE(screen.numELGL()->value(), std::optional<double>(0.0));

        // From a cell being edited: the typed entry is kept and the row goes in above it.
        view->setFocus();
        view->setActiveCell(1, 1);
        QTest::keyClick(view, Qt::Key_7);
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(editor) && editor != screen.numELGL());
        QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(model->rows(), 3);
        QCOMPARE(model->value(2, 1), std::optional<double>(7.0));
        QCOMPARE(model->value(1, 1), std::optional<double>(0.0));
        screen.reject();
    }

    void rowCommandKeysStillPasteInFieldsOfScreensWithoutRows() {
        test::ShownScreen<frmInpRaTable> shown;
        auto& [services, doc, screen] = shown;
        QApplication::clipboard()->setText(QStringLiteral("12.5"));
        NumberField* field = screen.numLmin();
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(field->text(), QStringLiteral("12.5"));
        screen.reject();
    }

    void deleteAndAddOnAnEmptyGrid() {
        test::ShownScreen<frmInpJibanN> shown({}, 100);
        auto& [services, doc, screen] = shown;
        screen.editBar()->mnuEditDel()->trigger();
        QCOMPARE(screen.vaSpread1()->grid()->rows(), 0);
        screen.editBar()->mnuEditAdd()->trigger();
        QCOMPARE(screen.vaSpread1()->grid()->rows(), 1);
        QCOMPARE(screen.vaSpread1()->grid()->valueText(0, 0), QStringLiteral("0"));
        screen.reject();
    }

    void cutWithoutSelectionTakesOnlyTheActiveCell() {
        test::ShownScreen<frmInpJibanN> shown(points(3), 100);
        auto& [services, doc, screen] = shown;
        InputGrid* grid = screen.vaSpread1();
        grid->setActiveCell(1, 0);
        grid->clearSelection();
        QVERIFY(grid->selectedBlock().isEmpty());
        screen.editBar()->mnuEditCut()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\n"));
        QVERIFY(!grid->grid()->value(1, 0).has_value());
        QCOMPARE(grid->grid()->value(1, 1), std::optional<double>(2.0));
        QCOMPARE(grid->grid()->value(0, 0), std::optional<double>(0.5));
        QVERIFY(grid->selectedBlock().isEmpty());
        screen.reject();
    }

    void copyAndPasteBlocksAsTabSeparatedText() {
        test::ShownScreen<frmInpJibanN> shown(points(4), 100);
        auto& [services, doc, screen] = shown;
        InputGrid* grid = screen.vaSpread1();
        GridModel* model = grid->grid();
        grid->selectionModel()->select(QItemSelection(model->index(0, 0), model->index(1, 1)),
                                       QItemSelectionModel::ClearAndSelect);
        screen.editBar()->mnuEditCopy()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0.5\t1\n1\t2\n"));

        // A block from a spreadsheet: CR LF lines, digit grouping, rows past the last one.
        QApplication::clipboard()->setText(QStringLiteral("12.25\t1,00\r\n13\t15\r\n14\t7\r\n15\t8\r\n"));
        grid->setActiveCell(2, 0);
        screen.editBar()->mnuEditPaste()->trigger();
        QCOMPARE(model->rows(), 6);
        const double expected[4][2] = {{12.25, 100}, {13, 15}, {14, 7}, {15, 8}};
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(model->value(2 + r, 0), std::optional<double>(expected[r][0]));
            QCOMPARE(model->value(2 + r, 1), std::optional<double>(expected[r][1]));
        }
        QCOMPARE(model->value(1, 1), std::optional<double>(2.0));
        QVERIFY(services.messages.isEmpty());
        QCOMPARE(services.beeps, 0);
        screen.reject();
    }

    void spreadsheetBlockOfEightNValueRowsPastesIntoTheEmptyGrid() {
        test::ShownScreen<frmInpJibanN> shown({}, 100);
        auto& [services, doc, screen] = shown;
        QString block;
        for (int r = 1; r <= 8; ++r) {
            block += QStringLiteral("%1\t%2\r\n").arg(9 - r).arg(r * 5);
        }
        QApplication::clipboard()->setText(block);
        screen.editBar()->mnuEditPaste()->trigger();
        QCOMPARE(screen.vaSpread1()->grid()->rows(), 8);
        QVERIFY(services.messages.isEmpty());
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(doc.NCount, 8);
        // Sorted by depth on OK: depth 1 carried N 40.
        QCOMPARE(doc.NData(1, 1), CellValue::Number(1));
        QCOMPARE(doc.NData(2, 1), CellValue::Number(40));
        QCOMPARE(doc.NData(1, 8), CellValue::Number(8));
        QCOMPARE(doc.NData(2, 8), CellValue::Number(5));
    }

    void pasteThatCannotBeAppliedWholeChangesNothingAndSaysWhere_data() {
        QTest::addColumn<bool>("ground");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("activeRow");
        QTest::addColumn<int>("activeColumn");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("N value out of range")
            << false << 4 << 1 << 0 << QStringLiteral("12\t5\n13\t150\n")
            << QStringLiteral("3行目「Ｎ値」の値「150」は貼り付けできません。\n"
                              "入力範囲：0.0 ～ 100.0")
            << QStringLiteral("Ｎ値");
        QTest::newRow("depth not a number")
            << false << 0 << 0 << 0 << QStringLiteral("1\t5\n2\t6\nabc\t7\n")
            << QStringLiteral("3行目「深度」の値「abc」は貼り付けできません。\n入力範囲：0.000 ～ 99.999")
            << QStringLiteral("深度");
        QTest::newRow("more rows than the limit")
            << false << 95 << 89 << 0 << QString(QStringLiteral("1\t1\n")).repeated(12)
            << QStringLiteral("90行目から12行を貼り付けると101行目までとなり，行数の上限を超えます。\n"
                              "入力範囲：1 ～ 100行目")
            << QStringLiteral("Ｎ値の入力");
        QTest::newRow("right of the last column")
            << false << 3 << 0 << 1 << QStringLiteral("5\t7\n")
            << QStringLiteral("1行目3列目の値「7」は貼り付けできません。\n入力範囲：1 ～ 2列目")
            << QStringLiteral("Ｎ値の入力");
        QTest::newRow("unknown soil kind")
            << true << 4 << 0 << 0 << QStringLiteral("粘性土層\t2.5\n1\t3\n砂礫\t4\n")
            << QStringLiteral("3行目「層種」の値「砂礫」は貼り付けできません。\n"
                              "入力範囲：砂質土層，砂れき層，粘性土層")
            << QStringLiteral("層種");
        // Rows the paste adds are new layers, with the narrower range of skin friction.
        QTest::newRow("new layer beyond its range")
            << true << 1 << 0 << 0 << QStringLiteral("0\t2\t18\t9\t10\t5000\n0\t3\t18\t9\t10\t5000\n")
            << QStringLiteral("2行目「ｆ (kN/m2)」の値「5000」は貼り付けできません。\n入力範囲：0.0 ～ 999.9")
            << QStringLiteral("ｆ (kN/m2)");
    }

    void pasteThatCannotBeAppliedWholeChangesNothingAndSaysWhere() {
        QFETCH(bool, ground);
        QFETCH(int, rows);
        QFETCH(int, activeRow);
        QFETCH(int, activeColumn);
        QFETCH(QString, clipboard);
        QFETCH(QString, text);
        QFETCH(QString, title);
        const auto check = [&](auto& shown) {
            auto& [services, doc, screen] = shown;
            InputGrid* grid = screen.vaSpread1();
            const std::vector<double> before = cellValues(*grid->grid());
            grid->setActiveCell(activeRow, activeColumn);
            QApplication::clipboard()->setText(clipboard);
            screen.editBar()->mnuEditPaste()->trigger();
            QCOMPARE(services.messages.size(), 1);
            QCOMPARE(services.messages[0].text, text);
            QCOMPARE(services.messages[0].title, title);
            QCOMPARE(services.messages[0].buttons, MessageButtons::Ok);
            QCOMPARE(services.beeps, 1);
            QCOMPARE(grid->grid()->rows(), rows);
            QVERIFY(cellValues(*grid->grid()) == before);
            QVERIFY(addInsertEnabled(screen.editBar()));
            screen.reject();
        };
        if (ground) {
            test::ShownScreen<frmInpJiban> shown(layers(rows), 20);
            check(shown);
        } else {
            test::ShownScreen<frmInpJibanN> shown(points(rows), 100);
            check(shown);
        }
    }

    void pasteUpToTheRowLimitDisablesAddAndInsert() {
        test::ShownScreen<frmInpJibanN> shown(points(95), 100);
        auto& [services, doc, screen] = shown;
        screen.vaSpread1()->setActiveCell(89, 0);
        QApplication::clipboard()->setText(QString(QStringLiteral("50\t9\n")).repeated(11));
        screen.editBar()->mnuEditPaste()->trigger();
        QCOMPARE(screen.vaSpread1()->grid()->rows(), 100);
        QCOMPARE(screen.vaSpread1()->grid()->value(99, 1), std::optional<double>(9.0));
        QVERIFY(!addInsertEnabled(screen.editBar()));
        QVERIFY(services.messages.isEmpty());
        screen.reject();
    }

    void pastedSoilKindAsEntryTextOrIndex() {
        test::ShownScreen<frmInpJiban> shown(layers(2), 20);
        auto& [services, doc, screen] = shown;
        InputGrid* grid = screen.vaSpread1();
        QApplication::clipboard()->setText(QStringLiteral("粘性土層\t2.5\n1\t3\n2\t4\n"));
        grid->setActiveCell(0, 0);
        screen.editBar()->mnuEditPaste()->trigger();
        GridModel* model = grid->grid();
        QCOMPARE(model->rows(), 3);
        QCOMPARE(model->value(0, 0), std::optional<double>(2.0));
        QCOMPARE(model->displayText(0, 0), QStringLiteral("粘性土層"));
        QCOMPARE(model->value(0, 1), std::optional<double>(2.5));
        QCOMPARE(model->value(1, 0), std::optional<double>(1.0));
        QCOMPARE(model->displayText(1, 0), QStringLiteral("砂れき層"));
        // The added third row is a new layer: its own start values where nothing was pasted.
        QCOMPARE(model->value(2, 1), std::optional<double>(4.0));
        QCOMPARE(model->value(2, 7), std::optional<double>(1.0));
        QVERIFY(services.messages.isEmpty());
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCOMPARE(doc.JibanCount, 3);
        QCOMPARE(doc.JibanLayer(1, 1), CellValue::Number(2));
        QCOMPARE(doc.JibanLayer(1, 2), CellValue::Number(1));
        QCOMPARE(doc.JibanLayer(1, 3), CellValue::Number(2));
    }

    void typedEntryOutsideTheCellRangeGetsTheRangeMessageAndStaysToBeCorrected() {
        test::ShownScreen<frmInpJiban> shown(layers(1), 20);
        auto& [services, doc, screen] = shown;
        InputGrid* grid = screen.vaSpread1();
        screen.editBar()->mnuEditAdd()->trigger();
        const auto typeInto = [&](int row, int column, const char* text, Qt::Key leaveBy = Qt::Key_Return) {
            grid->setFocus();
            grid->setActiveCell(row, column);
            grid->edit(grid->grid()->index(row, column));
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(editor);
            editor->selectAll();
            QTest::keyClicks(editor, text);
            QTest::keyClick(editor, leaveBy);
            // The editor commits, and a refused entry is reported, through the event queue.
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        };
        const auto editorText = [&] {
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            return editor && grid->isAncestorOf(editor) ? editor->text() : QStringLiteral("(no editor)");
        };
        // Column 6 (skin friction): 5000 passes in the loaded row, not in the added one.
        typeInto(0, 5, "5000");
        QCOMPARE(grid->grid()->value(0, 5), std::optional<double>(5000.0));
        QCOMPARE(grid->grid()->displayText(0, 5), QStringLiteral("5,000.0"));
        QVERIFY(services.messages.isEmpty());
        for (const Qt::Key leaveBy : {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Up}) {
            services.messages.clear();
            typeInto(1, 5, "5000", leaveBy);
            QCOMPARE(services.messages.size(), 1);
            QCOMPARE(services.messages[0].text, QStringLiteral("入力範囲：0.0 ～ 999.9"));
            QCOMPARE(services.messages[0].title, QStringLiteral("ｆ (kN/m2)"));
            QCOMPARE(grid->grid()->value(1, 5), std::optional<double>(0.0));
            // Back in the cell with the entry as typed.
            QCOMPARE(grid->activeRow(), 1);
            QCOMPARE(grid->activeColumn(), 5);
            QCOMPARE(editorText(), QStringLiteral("5000"));
            // Escape cancels this cell's edit only.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(screen.isVisible());
            QCOMPARE(services.messages.size(), 1);
        }
        // Leaving by a click on another cell.
        services.messages.clear();
        grid->setActiveCell(1, 5);
        grid->edit(grid->grid()->index(1, 5));
        QTest::keyClicks(QApplication::focusWidget(), "5000");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->grid()->index(0, 1)).center());
        QCoreApplication::processEvents();
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(grid->activeRow(), 1);
        QCOMPARE(editorText(), QStringLiteral("5000"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(services.beeps, 4);
        typeInto(1, 5, "999.9");
        QCOMPARE(grid->grid()->value(1, 5), std::optional<double>(999.9));
        // The loaded coefficient column starts at 0.001, the added one at 0.
        services.messages.clear();
        typeInto(0, 7, "0");
        QCOMPARE(grid->grid()->value(0, 7), std::optional<double>(1.0));
        QCOMPARE(services.messages.value(0).text, QStringLiteral("入力範囲：0.001 ～ 1.000"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        typeInto(1, 7, "0");
        QCOMPARE(grid->grid()->value(1, 7), std::optional<double>(0.0));
        QCOMPARE(services.messages.size(), 1);
        screen.reject();
    }

    void refusedCellEntryThroughTheRealMessageBox() {
        test::ShownScreen<frmInpJibanN> shown(points(2), 100);
        auto& [services, doc, screen] = shown;
        InputGrid* grid = screen.vaSpread1();
        UiServices::install(nullptr);
        grid->setFocus();
        grid->setActiveCell(1, 1);
        QTest::keyClick(grid, Qt::Key_1);
        QTest::keyClicks(QApplication::focusWidget(), "50");
        test::MessageBoxPresser ok(QMessageBox::Ok);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(ok.pressed());
        QCOMPARE(ok.text(), QStringLiteral("入力範囲：0.0 ～ 100.0"));
        QCOMPARE(ok.title(), QStringLiteral("Ｎ値"));
        QTRY_VERIFY(qobject_cast<QLineEdit*>(grid->indexWidget(grid->grid()->index(1, 1))));
        QCOMPARE(qobject_cast<QLineEdit*>(grid->indexWidget(grid->grid()->index(1, 1)))->text(),
                 QStringLiteral("150"));
        QCOMPARE(grid->grid()->value(1, 1), std::optional<double>(2.0));
        UiServices::install(&services);
        screen.reject();
    }

    void okWithARefusedCellEntryKeepsTheScreen() {
        test::ShownScreen<frmInpJibanN> shown(points(2), 100);
        auto& [services, doc, screen] = shown;
        InputGrid* grid = screen.vaSpread1();
        grid->setFocus();
        grid->setActiveCell(1, 1);
        QTest::keyClick(grid, Qt::Key_1);
        QTest::keyClicks(QApplication::focusWidget(), "50");
        QTest::mouseClick(screen.cmdOk(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(screen.isVisible());
        QVERIFY(!doc.DataEdited);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].text, QStringLiteral("入力範囲：0.0 ～ 100.0"));
        screen.reject();
    }

    void anotherWindowTakingTheFocusEndsNoCellEntry() {
        test::ShownScreen<frmInpJibanN> shown(points(2), 100);
        auto& [services, doc, screen] = shown;
        InputGrid* grid = screen.vaSpread1();
        grid->setFocus();
        grid->setActiveCell(0, 1);
        QTest::keyClick(grid, Qt::Key_1);
        QWidget* editor = QApplication::focusWidget();
        QTest::keyClicks(editor, "50");
        QWidget other;
        test::ShowActive(&other);
        QCoreApplication::processEvents();
        QVERIFY(services.messages.isEmpty());
        QCOMPARE(grid->indexWidget(grid->grid()->index(0, 1)), editor);
        QCOMPARE(qobject_cast<QLineEdit*>(editor)->text(), QStringLiteral("150"));
        other.close();
        screen.reject();
        QCoreApplication::processEvents();
        QVERIFY(services.messages.isEmpty());
    }

    void escapeAfterAGridEditAsksBeforeDiscarding() {
        test::ShownScreen<frmInpJiban> shown(layers(3), 20);
        auto& [services, doc, screen] = shown;
        InputGrid* grid = screen.vaSpread1();
        grid->setFocus();
        grid->setActiveCell(0, 1);
        QTest::keyClick(grid, Qt::Key_4);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(grid->grid()->value(0, 1), std::optional<double>(4.0));
        // Escape in the grid: the screen asks; No keeps every edit.
        services.answers = {MessageAnswer::No};
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(screen.isVisible());
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].title, QStringLiteral("地盤条件の入力"));
        QCOMPARE(grid->grid()->value(0, 1), std::optional<double>(4.0));
        services.answers = {MessageAnswer::Yes};
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.UsrTag(), QStringLiteral("ｷｬﾝｾﾙ"));
        QCOMPARE(doc.JibanLayer(2, 1), CellValue::Number(1.5));
        QVERIFY(!doc.DataEdited);
    }

    void statusLineShowsTheHintOfTheCurrentCell() {
        test::ShownScreen<frmInpJiban> shown(layers(1), 20);
        auto& [services, doc, screen] = shown;
        InputGrid* grid = screen.vaSpread1();
        GridEditBar* bar = screen.editBar();
        grid->setFocus();
        QCOMPARE(bar->hintText(), QStringLiteral("入力範囲：(選択ﾘｽﾄ一覧より選択)"));
        grid->setActiveCell(0, 1);
        QCOMPARE(bar->hintText(), QStringLiteral("入力範囲：0.001～999.999"));
        grid->setActiveCell(0, 5);
        QCOMPARE(bar->hintText(), QStringLiteral("入力範囲：0～99999.9"));
        grid->setActiveCell(0, 6);
        QCOMPARE(bar->hintText(), QStringLiteral("入力範囲：-99999～99999"));
        bar->mnuEditAdd()->trigger();
        grid->setActiveCell(1, 5);
        QCOMPARE(bar->hintText(), QStringLiteral("入力範囲：0～999.9"));
        grid->setActiveCell(1, 7);
        QCOMPARE(bar->hintText(), QStringLiteral("入力範囲：0～1"));
        // Leaving the grid clears the panel.
        screen.numELGL()->setFocus();
        QCOMPARE(bar->hintText(), QString());
        screen.reject();
    }

    void nValueHints() {
        test::ShownScreen<frmInpJibanN> shown(points(1), 100);
        auto& [services, doc, screen] = shown;
        screen.vaSpread1()->setFocus();
        QCOMPARE(screen.editBar()->hintText(), QStringLiteral("入力範囲：0～99.999"));
        screen.vaSpread1()->setActiveCell(0, 1);
        QCOMPARE(screen.editBar()->hintText(), QStringLiteral("入力範囲：0～100"));
        screen.reject();
    }

    void hintTextsOfEveryCellKind() {
        GridCellType date;
        date.kind = GridCellType::Kind::Date;
        QCOMPARE(CellHintText(date), QStringLiteral("入力範囲：[M|T|S|H]YY/MM/DD（f3:本日，f4:ｶﾚﾝﾀﾞｰ表示）"));
        GridCellType text;
        text.kind = GridCellType::Kind::Text;
        text.maxLength = 40;
        QCOMPARE(CellHintText(text), QStringLiteral("入力範囲：40ﾊﾞｲﾄ以内の文字列"));
        GridCellType whole = GridCellType::Decimal(-5, 12, 0);
        whole.kind = GridCellType::Kind::WholeNumber;
        QCOMPARE(CellHintText(whole), QStringLiteral("入力範囲：-5～12"));
        QCOMPARE(CellHintText(GridCellType::Decimal(0.0001, 1e15, 3)),
                 QStringLiteral("入力範囲：0.0001～1E+15"));
        GridCellType other;
        other.kind = GridCellType::Kind::Other;
        QCOMPARE(CellHintText(other), QString());
    }

    void editCommandCaptionsAndTips() {
        frmInpJibanN screen;
        const GridEditBar* bar = screen.editBar();
        QCOMPARE(bar->mnuEditCut()->text(), QStringLiteral("切り取り(&T)"));
        QCOMPARE(bar->mnuEditCopy()->toolTip(), QStringLiteral("ｺﾋﾟｰ(Ctrl+C)"));
        QCOMPARE(bar->mnuEditPaste()->toolTip(), QStringLiteral("貼り付け(Ctrl+V)"));
        QCOMPARE(bar->mnuEditAdd()->text(), QStringLiteral("ﾃﾞｰﾀ行追加(&A)"));
        QCOMPARE(bar->mnuEditIns()->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Insert));
        QCOMPARE(bar->mnuEditDel()->text(), QStringLiteral("ﾃﾞｰﾀ行削除(&D) "));
        QCOMPARE(bar->mnuEditDel()->toolTip(), QStringLiteral("ﾃﾞｰﾀ行削除(Shift+Del)"));
        QCOMPARE(bar->mnuEditDel()->data().toString(), QStringLiteral("Delete"));
    }
};

ZUL_QTEST_SCREEN_MAIN(GridTest)

#include "GridTest.moc"
