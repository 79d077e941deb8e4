// File > "ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み" through the real main window and the real import dialog: the file
// dialog, the dialog's tables and choices, the question before entered ground is replaced,
// the filled document and the refreshed button colours; Cancel and bad files change nothing.
#include "AppTestSupport.h"
#include "FakeUiServices.h"
#include "QtTestRunner.h"

#include "../io/BoreholeXml.h"
#include "io/BoreholeReader.h"
#include "ui/input/BoreholeImportDialog.h"
#include "ui/input/BoreholeLogView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace zul;
using namespace zul::test;

namespace {

BoreholeText Borehole() {
    BoreholeText b;
    b.name = "B-7";
    b.elevation = "12.30";
    b.layers = {{"2.00", "埋土"}, {"5.00", "シルト質砂"}, {"9.00", "砂質シルト"}, {"12.00", "砂礫"}};
    b.tests = {{"1.15", "3", "30"}, {"3.15", "12", "30"}, {"6.15", "6", "30"}, {"10.15", "50", "15"}};
    b.water = {"1.80", "-99.99"};
    return b;
}

// Triggers the menu command and, while the modal import dialog is open, hands it to `inside`.
bool RunImport(frmMenuMain& window, const std::function<void(BoreholeImportDialog&)>& inside) {
    bool opened = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<BoreholeImportDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        opened = true;
        inside(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    timer.start(0);
    window.findChild<QAction*>("mnuFileImportBoring")->trigger();
    return opened;
}

BoreholeRecord RecordOf(const BoreholeText& text) {
    return *ParseBoreholeFile(BoreholeFileBytes(text, BoreholeLayout::V300, false)).record;
}

// A borehole whose layers alternate between sand and clay, 1 m each: more than 20 layers that
// cannot be merged.
BoreholeText ManyLayers(int count) {
    BoreholeText b = Borehole();
    b.totalDepth = std::to_string(count) + ".00";
    b.layers.clear();
    for (int i = 1; i <= count; ++i) {
        b.layers.push_back({std::to_string(i) + ".00", i % 2 ? "砂" : "粘土"});
    }
    return b;
}

// How many pixels of a colour a rectangle of the picture holds.
int PixelsOf(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y) {
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class BoreholeImportTest : public QObject {
    Q_OBJECT

private slots:
    void menuEntryFollowsTheSaveCommands();
    void importFillsTheDocumentAndRefreshesTheColours();
    void dialogShowsTheLayersAndTakesTheChoices();
    void enteredGroundIsReplacedOnlyAfterTheQuestion();
    void cancelAndBadFilesChangeNothing();
    void pileMovesWithTheGroundOnTheLogUnlessKept_data();
    void pileMovesWithTheGroundOnTheLogUnlessKept();
    void waterRecordIsNamedAndItsLineLeavesTheNamesClear();
    void everyLayerColumnFitsTheDialog();
    void refusedBoreholeShowsItsLogAndOffersTheDepthThatFits();
    void okAndCancelHaveAccessKeys_data();
    void okAndCancelHaveAccessKeys();
};

void BoreholeImportTest::menuEntryFollowsTheSaveCommands() {
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    const QList<QAction*> actions = window->findChild<QMenu*>("mnuFile")->actions();
    int save = -1;
    int import = -1;
    for (int i = 0; i < actions.size(); ++i) {
        save = actions[i]->objectName() == "mnuFileSave" ? i : save;
        import = actions[i]->objectName() == "mnuFileImportBoring" ? i : import;
    }
    QCOMPARE(import, save + 1);
    QCOMPARE(actions[import]->text(), QStringLiteral("ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み(&B)..."));
}

void BoreholeImportTest::importFillsTheDocumentAndRefreshesTheColours() {
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    FakeUiServices ui;
    const std::string file = sandbox.path("b.xml");
    WriteBytes(file, QByteArray::fromStdString(BoreholeFileBytes(Borehole(), BoreholeLayout::V300, true)));
    ui.files.push_back(QString::fromStdString(file));
    window->document().RaTableDone = true;
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    QVERIFY(TextColour(window->FindMenuButton("InpJiban")) != highlight);

    QVERIFY(RunImport(*window, [](BoreholeImportDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    }));
    QCOMPARE(ui.dialogs.size(), 1);
    QCOMPARE(ui.dialogs[0].filter, QStringLiteral("ﾎﾞｰﾘﾝｸﾞ交換用ﾃﾞｰﾀ(*.xml *.XML)"));
    QVERIFY(ui.messages.isEmpty()); // nothing entered: no question
    const ProjectDocument& doc = window->document();
    QCOMPARE(doc.JibanCount, 4);
    QCOMPARE(doc.NCount, 4);
    QCOMPARE(doc.JibanLevel(1).number(), 12.3);
    QCOMPARE(doc.JibanLevel(2).number(), 10.5);
    QVERIFY(doc.DataEdited);
    QVERIFY(!doc.RaTableDone);
    QCOMPARE(TextColour(window->FindMenuButton("InpJiban")), highlight);
    QCOMPARE(TextColour(window->FindMenuButton("InpJibanN")), highlight);
}

void BoreholeImportTest::dialogShowsTheLayersAndTakesTheChoices() {
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    FakeUiServices ui;
    const std::string file = sandbox.path("b.xml");
    WriteBytes(file, QByteArray::fromStdString(BoreholeFileBytes(Borehole(), BoreholeLayout::V400, false)));
    ui.files.push_back(QString::fromStdString(file));
    QVERIFY(RunImport(*window, [](BoreholeImportDialog& dialog) {
        auto* layers = dialog.findChild<QTableWidget*>("tblLayers");
        QCOMPARE(layers->rowCount(), 4);
        // The unclassified fill is marked and counts as sandy soil until the engineer decides.
        QCOMPARE(layers->item(0, 3)->text(), QStringLiteral("※ 埋土"));
        auto* kind0 = qobject_cast<QComboBox*>(layers->cellWidget(0, 4));
        QCOMPARE(kind0->currentText(), QStringLiteral("砂質土層"));
        QCOMPARE(qobject_cast<QComboBox*>(layers->cellWidget(2, 4))->currentText(),
                 QStringLiteral("粘性土層"));
        QCOMPARE(dialog.findChild<QTableWidget*>("tblPoints")->rowCount(), 4);
        QCOMPARE(dialog.findChild<QLabel*>("lblName")->text(), QStringLiteral("B-7"));
        QVERIFY(
            dialog.findChild<QListWidget*>("lstNotes")->item(0)->text().contains(QStringLiteral("「埋土」")));

        // The engineer makes the fill cohesive: γs follows the kind (N 3 below 8: 14).
        kind0->setCurrentIndex(2);
        QTRY_COMPARE(dialog.findChild<QTableWidget*>("tblLayers")->item(0, 3)->text(),
                     QStringLiteral("埋土"));
        QCOMPARE(dialog.plan().layers[0].gammaAbove, 14.0);

        // A depth limit of 8 m cuts the third layer and drops the fourth.
        dialog.findChild<QCheckBox*>("chkMaxDepth")->setChecked(true);
        dialog.findChild<QDoubleSpinBox*>("numMaxDepth")->setValue(8.0);
        QCOMPARE(dialog.findChild<QTableWidget*>("tblLayers")->rowCount(), 3);
        QCOMPARE(dialog.plan().layers[2].thickness, 3.0);
        // The first water record, the N cap and the design levels kept.
        dialog.findChild<QComboBox*>("cboWater")->setCurrentIndex(1);
        dialog.findChild<QCheckBox*>("chkNCap")->setChecked(true);
        dialog.findChild<QDoubleSpinBox*>("numNCap")->setValue(10);
        dialog.findChild<QCheckBox*>("chkKeepDesign")->setChecked(true);
        dialog.findChild<QComboBox*>("cboNDepth")->setCurrentIndex(1);
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    }));
    const ProjectDocument& doc = window->document();
    QCOMPARE(doc.JibanCount, 3);
    QCOMPARE(doc.JibanLayer(1, 1).number(), 2.0);
    QCOMPARE(doc.NData(1, 2).number(), 3.15); // start depth
    QCOMPARE(doc.NData(2, 2).number(), 10.0); // capped
    QCOMPARE(doc.NCount, 3);
    QCOMPARE(doc.JibanLevel(2).number(), 10.5);
    QVERIFY(doc.JibanLevel(3).isEmpty());
}

void BoreholeImportTest::enteredGroundIsReplacedOnlyAfterTheQuestion() {
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    window->document() = SampleStudy();
    const ProjectDocument before = window->document();
    FakeUiServices ui;
    const std::string file = sandbox.path("b.xml");
    WriteBytes(file, QByteArray::fromStdString(BoreholeFileBytes(Borehole(), BoreholeLayout::V2, true)));
    ui.files.push_back(QString::fromStdString(file));
    ui.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    bool stayedOpen = false;
    QVERIFY(RunImport(*window, [&](BoreholeImportDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
        stayedOpen = dialog.isVisible();
        QVERIFY(SameStudy(window->document(), before));
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    }));
    QVERIFY(stayedOpen);
    QCOMPARE(ui.messages.size(), 2);
    QCOMPARE(ui.messages[0].text, ReplaceGroundQuestion(before));
    QCOMPARE(ui.messages[0].icon, MessageIcon::Question);
    QCOMPARE(ui.messages[0].buttons, MessageButtons::OkCancel);
    QCOMPARE(window->document().JibanCount, 4);
    // Nothing but the ground changes.
    QCOMPARE(window->document().InpJyoken.Title, before.InpJyoken.Title);
    QCOMPARE(window->document().Anzen, before.Anzen);
}

void BoreholeImportTest::cancelAndBadFilesChangeNothing() {
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    window->document() = SampleStudy();
    const ProjectDocument before = window->document();
    FakeUiServices ui;
    // The file dialog cancelled.
    QVERIFY(!RunImport(*window, [](BoreholeImportDialog&) {}));
    // The import dialog cancelled.
    const std::string file = sandbox.path("b.xml");
    WriteBytes(file, QByteArray::fromStdString(BoreholeFileBytes(Borehole(), BoreholeLayout::V2, false)));
    ui.files.push_back(QString::fromStdString(file));
    QVERIFY(RunImport(*window, [](BoreholeImportDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    }));
    // A file that is no borehole: a message, no dialog.
    const std::string bad = sandbox.path("bad.xml");
    WriteBytes(bad, "<?xml version=\"1.0\"?><root/>");
    ui.files.push_back(QString::fromStdString(bad));
    QVERIFY(!RunImport(*window, [](BoreholeImportDialog&) {}));
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages[0].icon, MessageIcon::Critical);
    QVERIFY(ui.messages[0].text.contains(QStringLiteral("「root」")));
    QVERIFY(SameStudy(window->document(), before));
    QCOMPARE(window->document().DataEdited, before.DataEdited);
}

// The study's pile head, ground surface and length; the check box; what the dialog says and
// draws and what OK leaves in the document.  The borehole's hole top is at EL +72.23.
void BoreholeImportTest::pileMovesWithTheGroundOnTheLogUnlessKept_data() {
    QTest::addColumn<double>("head");
    QTest::addColumn<QString>("ground"); // "" for a new study
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("said");
    QTest::addColumn<double>("headDepth"); // on the log, below the hole top
    QTest::addColumn<double>("headAfter");
    QTest::newRow("new study") << 0.0 << "" << false << "杭頭標高：0.000 m → 72.230 m" << 0.0 << 72.23;
    QTest::newRow("existing study") << 3.0 << "5.88" << false << "杭頭標高：3.000 m → 69.350 m" << 2.88
                                    << 69.35;
    QTest::newRow("kept") << 3.0 << "5.88" << true << "杭頭標高：3.000 m のまま（変えない）" << 69.23 << 3.0;
}

void BoreholeImportTest::pileMovesWithTheGroundOnTheLogUnlessKept() {
    QFETCH(double, head);
    QFETCH(QString, ground);
    QFETCH(bool, keep);
    QFETCH(QString, said);
    QFETCH(double, headDepth);
    QFETCH(double, headAfter);
    FakeUiServices ui;
    ui.answers = {MessageAnswer::Ok}; // when entered ground is to be replaced
    ProjectDocument doc;
    doc.InpJyoken.ELPU = head;
    doc.InpJyoken.L = 12;
    if (!ground.isEmpty()) {
        doc.JibanLevel(1) = CellValue::Number(ground.toDouble());
    }
    BoreholeText text = Borehole();
    text.elevation = "72.23";
    BoreholeImportDialog dialog(RecordOf(text), QStringLiteral("b.xml"), doc);
    dialog.findChild<QCheckBox*>("chkKeepPileHead")->setChecked(keep);
    QVERIFY2(dialog.findChild<QLabel*>("lblPile")->text().startsWith(said),
             qPrintable(dialog.findChild<QLabel*>("lblPile")->text()));
    const auto* log = dialog.findChild<BoreholeLogView*>("picLog");
    QVERIFY(log->pile());
    QCOMPARE(std::round(log->pile()->headDepth * 1000) / 1000, headDepth);
    QCOMPARE(std::round(log->pile()->tipDepth * 1000) / 1000, headDepth + 12);
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    QCOMPARE(doc.InpJyoken.ELPU, headAfter);
}

void BoreholeImportTest::waterRecordIsNamedAndItsLineLeavesTheNamesClear() {
    FakeUiServices ui;
    ProjectDocument doc;
    BoreholeText text = Borehole();
    text.water = {"3.50", "-99.99"}; // in the 3 m layer of シルト質砂
    BoreholeImportDialog dialog(RecordOf(text), QStringLiteral("b.xml"), doc);
    const QString water = dialog.findChild<QLabel*>("lblWater")->text();
    QVERIFY2(water.startsWith(QStringLiteral("孔内水位：1 番目の記録（3.5 m")) &&
                 water.endsWith(QStringLiteral("→ 地下水位面標高 8.800 m")),
             qPrintable(water));
    dialog.resize(1180, 780);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* log = dialog.findChild<BoreholeLogView*>("picLog");
    const QImage picture = log->grab().toImage();
    const int waterY = static_cast<int>(std::lround(log->yOfDepth(3.5)));
    const QRect name = log->nameRect(1).toAlignedRect();
    QVERIFY(name.contains(QPoint(name.center().x(), waterY)));
    QVERIFY(PixelsOf(picture, QRect(0, waterY - 1, picture.width(), 3), LogWaterColour()) > 10);
    QCOMPARE(PixelsOf(picture, name, LogWaterColour()), 0);
}

// Each column of the layer table is shown whole, the last (qd) too: at the dialog's size and at
// the smallest it can be made (which fits a small screen), with 20 layers (a scroll bar) and a
// long name.
void BoreholeImportTest::everyLayerColumnFitsTheDialog() {
    FakeUiServices ui;
    ProjectDocument doc;
    BoreholeText text = ManyLayers(20);
    text.layers[3].name = "灰色の細砂混じりシルト質粘土（腐植物を含む、所々に貝殻片）";
    BoreholeImportDialog dialog(RecordOf(text), QStringLiteral("b.xml"), doc);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Small enough for a screen 1024 pixels wide, and opened within the screen.
    QVERIFY(dialog.minimumSizeHint().width() <= 1000);
    const QSize area = dialog.screen()->availableGeometry().size().expandedTo(dialog.minimumSizeHint());
    QVERIFY(dialog.width() <= area.width() && dialog.height() <= area.height());
    for (const QSize& size : {dialog.size(), QSize(1, 1)}) {
        dialog.resize(size);
        QTest::qWait(50);
        const auto* table = dialog.findChild<QTableWidget*>("tblLayers");
        const QHeaderView* header = table->horizontalHeader();
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString heading = table->horizontalHeaderItem(column)->text();
            QVERIFY2(header->sectionViewportPosition(column) >= 0 &&
                         header->sectionViewportPosition(column) + header->sectionSize(column) <=
                             table->viewport()->width(),
                     qPrintable(heading));
            int widest = header->fontMetrics().horizontalAdvance(heading);
            for (int row = 0; row < table->rowCount(); ++row) {
                if (const QTableWidgetItem* item = table->item(row, column);
                    item && !table->cellWidget(row, column)) {
                    widest = std::max(widest, table->fontMetrics().horizontalAdvance(item->text()));
                }
            }
            QVERIFY2(column == 3 || header->sectionSize(column) >= widest, qPrintable(heading));
        }
    }
}

// Too many layers: OK stays off, the log still shows the borehole and the depth limit holds the
// depth the message names; ticking it gives the import that fits.
void BoreholeImportTest::refusedBoreholeShowsItsLogAndOffersTheDepthThatFits() {
    FakeUiServices ui;
    ProjectDocument doc;
    BoreholeImportDialog dialog(RecordOf(ManyLayers(25)), QStringLiteral("b.xml"), doc);
    QVERIFY(!dialog.findChild<QPushButton*>("cmdOk")->isEnabled());
    QVERIFY(dialog.plan().message.find("20 m までなら 20 層に収まります") != std::string::npos);
    QCOMPARE(dialog.findChild<BoreholeLogView*>("picLog")->layers().size(), std::size_t{25});
    auto* depth = dialog.findChild<QDoubleSpinBox*>("numMaxDepth");
    QCOMPARE(depth->value(), 20.0);
    dialog.findChild<QCheckBox*>("chkMaxDepth")->setChecked(true);
    QVERIFY(dialog.plan().ok());
    QCOMPARE(dialog.plan().layers.size(), std::size_t{20});
    QVERIFY(dialog.findChild<QPushButton*>("cmdOk")->isEnabled());
}

void BoreholeImportTest::okAndCancelHaveAccessKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Alt+O") << int(Qt::Key_O) << int(QDialog::Accepted);
    QTest::newRow("Alt+C") << int(Qt::Key_C) << int(QDialog::Rejected);
}

void BoreholeImportTest::okAndCancelHaveAccessKeys() {
    QFETCH(int, key);
    QFETCH(int, result);
    FakeUiServices ui;
    ProjectDocument doc;
    BoreholeImportDialog dialog(RecordOf(Borehole()), QStringLiteral("b.xml"), doc);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.setResult(-1);
    QTest::keyClick(&dialog, static_cast<Qt::Key>(key), Qt::AltModifier);
    QTRY_COMPARE(dialog.result(), result); // an access key clicks its button after a short flash
    QCOMPARE(dialog.isVisible(), false);
}

ZUL_QTEST_MAIN(BoreholeImportTest)
#include "BoreholeImportTest.moc"
