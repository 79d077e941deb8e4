// The main window's "結果印刷": the calculation first, then the print menu modally on the
// program's own templates; a calculation error shows its message with its causes and opens
// nothing; the graph item follows the input as it stands.
#include "AppTestSupport.h"
#include "FakeUiServices.h"
#include "QtTestRunner.h"

#include "ui/print/frmMenuPrint.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

using namespace zul;
using namespace zul::test;

class PrintMenuFlowTest : public QObject {
    Q_OBJECT

private slots:
    void printButtonCalculatesThenOpensThePrintMenu_data();
    void printButtonCalculatesThenOpensThePrintMenu();
    void graphItemFollowsTheInputAsItStands_data();
    void graphItemFollowsTheInputAsItStands();
    void calculationErrorOfANewStudyNamesItsCause_data();
    void calculationErrorOfANewStudyNamesItsCause();
};

namespace {

// Answers the modal screens that open, one action per screen, in order.
class ModalAnswers {
public:
    using Action = std::function<void(QWidget*)>;

    explicit ModalAnswers(std::deque<Action> actions) : actions_(std::move(actions)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == last_ || actions_.empty()) {
                return;
            }
            last_ = modal;
            Action action = std::move(actions_.front());
            actions_.pop_front();
            action(modal);
        });
        timer_.start(20);
    }
    bool done() const { return actions_.empty(); }

private:
    std::deque<Action> actions_;
    QTimer timer_;
    QWidget* last_ = nullptr;
};

void CopyProgramData(const AppSandbox& sandbox) {
    for (const char* name : {"Zul.fmt", "LINE_PRN.DEF", "STR_PRN.DEF"}) {
        QFile::copy(QStringLiteral(ZUL_SOURCE_DIR "/data/") + name,
                    sandbox.folder() + QStringLiteral("/program/") + name);
    }
}

std::string Example(const char* name) {
    return std::string(ZUL_SOURCE_DIR "/examples/") + name;
}

} // namespace

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
    ProgramPaths paths = sandbox.paths();
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
        QCOMPARE(
            ui.messages.at(0).text,
            QStringLiteral(
                "計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。\n\n"
                "原因：安全率（常時・支 持 杭）が 0 です。支持力は安全率で割るため，0 以外にして下さい。"));
    }
    QVERIFY(button->isEnabled());
}

// The graph of one study is made (table screen OK, graph screen closed); then the step of the
// row; then 結果印刷: the graph item can be ticked only while the graph is that of the input as
// it stands.
void PrintMenuFlowTest::graphItemFollowsTheInputAsItStands_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("graphItem");
    QTest::newRow("nothing after the graph") << "" << true;
    QTest::newRow("N values confirmed") << "InpJibanN" << false;
    QTest::newRow("conditions confirmed") << "InpKui" << false;
    QTest::newRow("safety factors confirmed") << "InpAnzen" << false;
    QTest::newRow("ground confirmed") << "InpJiban" << false;
    QTest::newRow("N values cancelled") << "InpJibanN cancel" << true;
    QTest::newRow("numbering confirmed") << "InpRenban" << true;
    QTest::newRow("another study opened") << "open" << false;
    QTest::newRow("the recent study opened again") << "recent" << false;
}

void PrintMenuFlowTest::graphItemFollowsTheInputAsItStands() {
    QFETCH(QString, step);
    QFETCH(bool, graphItem);
    FakeUiServices ui;
    AppSandbox sandbox;
    CopyProgramData(sandbox);
    auto window = sandbox.makeWindow();
    window->show();
    window->fileCommands().OpenFile(Example("end-bearing-pile.zul"));
    QVERIFY(ui.messages.isEmpty());
    {
        ModalAnswers answers(
            {[](QWidget* s) { Press(s, "cmdOk"); }, [](QWidget* s) { qobject_cast<QDialog*>(s)->reject(); }});
        QTest::mouseClick(window->FindMenuButton("InpRaTable"), Qt::LeftButton);
        QVERIFY(answers.done());
    }
    QVERIFY(window->document().RaTableDone);

    if (step == QLatin1String("open") || step == QLatin1String("recent")) {
        ui.answers = {MessageAnswer::No}; // the table screen's OK left the data edited
        if (step == QLatin1String("open")) {
            ui.files = {QString::fromStdString(Example("driven-pile-auto-tip.zul"))};
            window->findChild<QAction*>(QStringLiteral("mnuFileOpen"))->trigger();
        } else {
            window->RecentFileAction(0)->trigger();
        }
        QCOMPARE(ui.messages.size(), 1); // the save question, no read error
    } else if (!step.isEmpty()) {
        const QStringList parts = step.split(QLatin1Char(' '));
        const char* button = parts.size() > 1 ? "cmdCancel" : "cmdOk";
        ModalAnswers answers({[button](QWidget* s) { Press(s, button); }});
        QTest::mouseClick(window->FindMenuButton(parts[0]), Qt::LeftButton);
        QVERIFY(answers.done());
    }

    bool enabled = !graphItem;
    QString tip;
    {
        ModalAnswers answers({[&](QWidget* s) {
            auto* menu = qobject_cast<frmMenuPrint*>(s);
            QVERIFY(menu);
            enabled = menu->chkPrintItem(3)->isEnabled();
            tip = menu->chkPrintItem(3)->toolTip();
            QTest::mouseClick(menu->cmdClose(), Qt::LeftButton);
        }});
        QTest::mouseClick(window->FindMenuButton("MenuPrint"), Qt::LeftButton);
        QVERIFY(answers.done());
    }
    QCOMPARE(enabled, graphItem);
    // A disabled graph item says how it can be printed.
    QCOMPARE(tip.contains(QStringLiteral("「支持力検討ｸﾞﾗﾌの作成」")), !graphItem);
}

// A new study has no ground layers: each command that calculates says so under its message.
void PrintMenuFlowTest::calculationErrorOfANewStudyNamesItsCause_data() {
    QTest::addColumn<QString>("tag");
    QTest::newRow("杭支持力の確認") << "ResOutRa";
    QTest::newRow("結果印刷") << "MenuPrint";
    QTest::newRow("支持力検討ｸﾞﾗﾌの作成") << "InpRaTable";
}

void PrintMenuFlowTest::calculationErrorOfANewStudyNamesItsCause() {
    QFETCH(QString, tag);
    FakeUiServices ui;
    AppSandbox sandbox;
    CopyProgramData(sandbox);
    auto window = sandbox.makeWindow();
    ui.answers = {MessageAnswer::Ok};
    window->findChild<QAction*>(QStringLiteral("mnuFileNew"))->trigger();
    ui.messages.clear();
    // One diameter in the study table, so that the table has something to calculate.
    ProjectDocument& doc = window->document();
    doc.RaTableInpFlg = true;
    doc.RaTable(1) = CellValue::Number(5.0);
    doc.RaTable(2) = CellValue::Number(10.0);
    doc.RaTable(3) = CellValue::Number(1.0);
    doc.RaTable(11) = CellValue::Text("0.8");
    ModalAnswers answers({[](QWidget* s) { Press(s, "cmdOk"); }});
    QTest::mouseClick(window->FindMenuButton(tag), Qt::LeftButton);
    QCOMPARE(answers.done(), tag == QLatin1String("InpRaTable"));
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages[0].text,
             QStringLiteral("計算ｴﾗｰが発生しました。入力ﾃﾞｰﾀ等を確認して下さい。\n\n"
                            "原因：地盤条件の層がありません。層を1つ以上入力して下さい。"));
    QCOMPARE(ui.messages[0].icon, MessageIcon::Information);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

ZUL_QTEST_MAIN(PrintMenuFlowTest)
#include "PrintMenuFlowTest.moc"
