// File > "ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み" through the real main window and the real import dialog: the file
// dialog, the dialog's tables and choices, the question before entered ground is replaced,
// the filled document and the refreshed button colours; Cancel and bad files change nothing.
#include "AppTestSupport.h"
#include "FakeUiServices.h"

#include "../io/BoreholeXml.h"
#include "ui/input/BoreholeImportDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

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

QColor TextColour(const QPushButton* button) {
    return button->palette().color(QPalette::Active, QPalette::ButtonText);
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

} // namespace

class BoreholeImportTest : public QObject {
    Q_OBJECT

private slots:
    void menuEntryFollowsTheSaveCommands();
    void importFillsTheDocumentAndRefreshesTheColours();
    void dialogShowsTheLayersAndTakesTheChoices();
    void enteredGroundIsReplacedOnlyAfterTheQuestion();
    void cancelAndBadFilesChangeNothing();
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

QTEST_MAIN(BoreholeImportTest)
#include "BoreholeImportTest.moc"
