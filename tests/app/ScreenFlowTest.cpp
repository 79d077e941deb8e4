// The main window opening the input screens and the study graph: the modal sequence, the
// edited flag, the entered colours and the table calculation after the table screen.
#include "AppTestSupport.h"
#include "FakeUiServices.h"
#include "QtTestRunner.h"

#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

using namespace zul;
using namespace zul::test;

class ScreenFlowTest : public QObject {
    Q_OBJECT

private slots:
    void confirmingAnInputScreenMarksTheDataEdited();
    void numberingScreenLeavesTheDocumentAlone();
    void cancelledTableScreenRunsNoCalculation();
    void confirmedTableScreenCalculatesThenShowsTheGraph();
    void failedTableCalculationShowsCalculationError();
};

namespace {

// Answers the modal screens that open, one action per screen, in order.  What each screen
// looked like from the main window is recorded.
class ModalDriver {
public:
    using Action = std::function<void(QWidget*)>;

    ModalDriver(frmMenuMain& window, std::deque<Action> actions)
        : window_(window), actions_(std::move(actions)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(20);
    }

    int screensSeen = 0;
    bool mainWindowTookCommands = false;

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_ || actions_.empty()) {
            return;
        }
        last_ = modal;
        ++screensSeen;
        mainWindowTookCommands = mainWindowTookCommands || window_.FindMenuButton("ResOutRa")->isEnabled() ||
                                 window_.menuBar()->isEnabled();
        Action action = std::move(actions_.front());
        actions_.pop_front();
        action(modal);
    }

    frmMenuMain& window_;
    std::deque<Action> actions_;
    QTimer timer_;
    QPointer<QWidget> last_;
};

void Close(QWidget* screen) {
    if (auto* dialog = qobject_cast<QDialog*>(screen)) {
        dialog->reject();
    } else {
        screen->close();
    }
}

// The sample study with lengths 5 to 15 m and two diameters in its table.
ProjectDocument TableStudy() {
    ProjectDocument study = SampleStudy();
    study.RaTableInpFlg = true;
    study.RaTable(1) = CellValue::Number(5.0);
    study.RaTable(2) = CellValue::Number(15.0);
    study.RaTable(3) = CellValue::Number(1.0);
    study.RaTable(11) = CellValue::Text("0.8");
    study.RaTable(12) = CellValue::Text("1.2");
    return study;
}

} // namespace

void ScreenFlowTest::confirmingAnInputScreenMarksTheDataEdited() {
    FakeUiServices ui;
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    window->show();
    for (const char* tag : {"InpKui", "InpAnzen", "InpJiban", "InpJibanN"}) {
        QVERIFY2(window->FindMenuButton(tag)->isEnabled(), tag);
    }

    // Cancel: nothing reaches the document.
    {
        ModalDriver driver(*window, {[](QWidget* s) { Press(s, "cmdCancel"); }});
        QTest::mouseClick(window->FindMenuButton("InpKui"), Qt::LeftButton);
        QCOMPARE(driver.screensSeen, 1);
        QVERIFY(!driver.mainWindowTookCommands);
    }
    QVERIFY(!window->document().DataEdited);
    QVERIFY(!window->document().InpJyoken.InpFlg);

    // OK, even without a change, marks the data edited and the area entered.
    {
        ModalDriver driver(*window, {[](QWidget* s) { Press(s, "cmdOk"); }});
        QTest::mouseClick(window->FindMenuButton("InpKui"), Qt::LeftButton);
        QCOMPARE(driver.screensSeen, 1);
    }
    QVERIFY(window->document().DataEdited);
    QVERIFY(window->document().InpJyoken.InpFlg);
    QCOMPARE(TextColour(window->FindMenuButton("InpKui")),
             QApplication::palette().color(QPalette::Active, QPalette::Highlight));
    QVERIFY(window->FindMenuButton("InpKui")->isEnabled());
    QVERIFY(window->menuBar()->isEnabled());
}

void ScreenFlowTest::numberingScreenLeavesTheDocumentAlone() {
    FakeUiServices ui;
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    ModalDriver driver(*window, {[](QWidget* s) { Press(s, "cmdOk"); }});
    QTest::mouseClick(window->FindMenuButton("InpRenban"), Qt::LeftButton);
    QCOMPARE(driver.screensSeen, 1);
    QVERIFY(!window->document().DataEdited);
}

void ScreenFlowTest::cancelledTableScreenRunsNoCalculation() {
    FakeUiServices ui;
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    window->document().Anzen(1) = CellValue::Number(0.0); // would fail if it ran
    ModalDriver driver(*window, {[](QWidget* s) { Press(s, "cmdCancel"); }});
    QTest::mouseClick(window->FindMenuButton("InpRaTable"), Qt::LeftButton);
    QCOMPARE(driver.screensSeen, 1);
    QVERIFY(ui.busyCalls.isEmpty());
    QVERIFY(ui.messages.isEmpty());
}

void ScreenFlowTest::confirmedTableScreenCalculatesThenShowsTheGraph() {
    FakeUiServices ui;
    AppSandbox sandbox;
    const std::string file = sandbox.path("study.zul");
    WriteStudy(TableStudy(), file);
    auto window = sandbox.makeWindow();
    window->fileCommands().OpenFile(file);

    ModalDriver driver(*window, {[](QWidget* s) { Press(s, "cmdOk"); }, Close});
    QTest::mouseClick(window->FindMenuButton("InpRaTable"), Qt::LeftButton);
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(ui.busyCalls, (QList<bool>{true, false}));
    QCOMPARE(driver.screensSeen, 2);
    QVERIFY(!driver.mainWindowTookCommands);
    QVERIFY(window->FindMenuButton("InpRaTable")->isEnabled());
}

void ScreenFlowTest::failedTableCalculationShowsCalculationError() {
    FakeUiServices ui;
    AppSandbox sandbox;
    const std::string file = sandbox.path("zero.zul");
    ProjectDocument study = TableStudy();
    study.Anzen(1) = CellValue::Number(0.0);
    WriteStudy(study, file);
    auto window = sandbox.makeWindow();
    window->fileCommands().OpenFile(file);

    // OK on the table screen, and nothing else: no graph may open after the failure.
    ModalDriver driver(*window, {[](QWidget* s) { Press(s, "cmdOk"); }, Close});
    QTest::mouseClick(window->FindMenuButton("InpRaTable"), Qt::LeftButton);
    QCOMPARE(driver.screensSeen, 1);
    QCOMPARE(ui.busyCalls, (QList<bool>{true, false}));
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages[0].text,
             QStringLiteral(
                 "計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。\n\n"
                 "原因：安全率（常時・支 持 杭）が 0 です。支持力は安全率で割るため，0 以外にして下さい。"));
    QCOMPARE(ui.messages[0].title, QStringLiteral("vezarivezorazi"));
}

ZUL_QTEST_MAIN(ScreenFlowTest)
#include "ScreenFlowTest.moc"
