// The print menu frmMenuPrint through its real widgets: the items and the selection buttons,
// the join of the chosen items, the start of the preview program (a recording starter, and
// once a real script started as a detached process), one preview per press, and what closing
// leaves behind.
#include "../../report/ReportStudies.h"
#include "../../report/ReportTestSupport.h"
#include "../../util/TestFolder.h"
#include "FakeUiServices.h"
#include "QtTestRunner.h"

#include "io/CPrivateProfile.h"
#include "io/ReportSettings.h"
#include "preview/PreviewCommandLine.h"
#include "ui/print/PreviewLaunch.h"
#include "ui/print/frmMenuPrint.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

using namespace zul;
using namespace zul::test;
namespace fs = std::filesystem;

class PrintMenuTest : public QObject {
    Q_OBJECT

private slots:
    void screenTexts();
    void graphItemFollowsTheGraphAndTheSelectionButtons_data();
    void graphItemFollowsTheGraphAndTheSelectionButtons();
    void joinsTheChosenItemsInOrderAndStartsThePreview_data();
    void joinsTheChosenItemsInOrderAndStartsThePreview();
    void noItemChosenBeepsAndStartsNothing();
    void failedItemsAreNamedInOneMessage();
    void closingKeepsTheChoicesAndDeletesEveryPrintFile();
    void supplementBoxFollowsTheSettingAndSwitchesThePrintFile_data();
    void supplementBoxFollowsTheSettingAndSwitchesThePrintFile();
    void onePressStartsOnePreview();
    void previewIsReallyStartedWithPathsHoldingBlanksAndQuotes();
    void previewReadsTheArgumentsWhole_data();
    void previewReadsTheArgumentsWhole();
};

namespace {

const QString kProduct = QStringLiteral("vezarivezorazi");

// One print menu on a calculated example, its files in a test folder of its own.
struct MenuUnderTest {
    TestFolder folder;
    FakeUiServices ui;
    ProjectDocument doc;
    basCalcMain calc;
    ProgramPaths paths;
    std::vector<QStringList> started; // program and arguments given to the starter
    std::unique_ptr<frmMenuPrint> menu;

    explicit MenuUnderTest(bool raTableDone, const std::string& iniText = "",
                           const std::string& example = "driven-pile-auto-tip.zul",
                           const std::string& programFolder = DataFolder(), bool realStarter = false)
        : doc(ExampleDocument(example)) {
        fs::create_directories(folder.path() / "tmp");
        WriteBytes(iniFile(), iniText);
        paths = {.programFolder = programFolder, // Preview
                 .fmtFile = DataFolder() + "/Zul.fmt",
                 .definitionFolder = programFolder,
                 .metafileFolder = DataFolder(), // the graphs of the examples
                 .iniFile = iniFile(),
                 .dataFolder = folder.file(realStarter ? "my \"data\" 設計" : "data")};
        doc.DataFileName = "/home/設計/" + example; // as File > Open leaves it
        doc.RaTableDone = raTableDone;
        if (!calc.CalcRa(doc)) {
            throw std::runtime_error("calculation failed");
        }
        menu =
            std::make_unique<frmMenuPrint>(PrintMenuContext{doc, calc, paths, kProduct, folder.file("tmp")});
        if (!realStarter) {
            menu->setProgramStarter([this](const QString& program, const QStringList& arguments) {
                started.push_back(QStringList{program} + arguments);
                return true;
            });
        }
    }
    std::string iniFile() const { return folder.file("Zul.ini"); }
    void open() {
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    }
    std::array<bool, 4> checks() const {
        std::array<bool, 4> states{};
        for (int i = 0; i < 4; ++i) {
            states[static_cast<std::size_t>(i)] = menu->chkPrintItem(i)->isChecked();
        }
        return states;
    }
    void choose(const std::array<bool, 4>& items) {
        for (int i = 0; i < 4; ++i) {
            if (menu->chkPrintItem(i)->isChecked() != items[static_cast<std::size_t>(i)]) {
                // On the box itself: a short caption leaves the middle of the row empty.
                QCheckBox* box = menu->chkPrintItem(i);
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            }
        }
    }
    std::size_t tempFiles() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder.path() / "tmp"), {}));
    }
};

std::array<bool, 4> Items(const QString& pattern) {
    std::array<bool, 4> items{};
    for (int i = 0; i < 4; ++i) {
        items[static_cast<std::size_t>(i)] = pattern.at(i) == QLatin1Char('1');
    }
    return items;
}

QString Pattern(const std::array<bool, 4>& items) {
    QString text;
    for (const bool b : items) {
        text += b ? QLatin1Char('1') : QLatin1Char('0');
    }
    return text;
}

std::string PrintIni(const QString& pattern) {
    std::string text = "[Print]\r\n";
    for (int i = 0; i < 4; ++i) {
        text += std::to_string(i) + "=" + pattern.at(i).toLatin1() + "\r\n";
    }
    return text;
}

} // namespace

void PrintMenuTest::screenTexts() {
    MenuUnderTest t(true);
    t.open();
    QCOMPARE(t.menu->windowTitle(), QStringLiteral("計算結果の印刷"));
    QCOMPARE(t.menu->findChild<QGroupBox*>()->title(), QStringLiteral("印刷項目指定"));
    const QStringList items = {"計算条件", "計算（許容押込み支持力･許容引抜き力の計算）",
                               "計算結果(許容押込み支持力･許容引抜き力一覧)", "支持力検討グラフ"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(t.menu->chkPrintItem(i)->text(), items.at(i));
    }
    const QStringList buttons = {"全項目選択", "全項目選択解除", "全項目選択反転"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(t.menu->cmdCheck(i)->text(), buttons.at(i));
    }
    QCOMPARE(t.menu->cmdPreview()->text(), QStringLiteral("印刷(&P)"));
    QCOMPARE(t.menu->cmdClose()->text(), QStringLiteral("閉じる(&C)"));
    QVERIFY(t.ui.messages.isEmpty()); // every item generated
}

// Settings, whether the graph was made, then the states after pressing 全項目選択 (0),
// 全項目選択解除 (1) and 全項目選択反転 (2) in turn from the opening states.
void PrintMenuTest::graphItemFollowsTheGraphAndTheSelectionButtons_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("graphMade");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("all");
    QTest::addColumn<QString>("none");
    QTest::addColumn<QString>("inverted");
    QTest::newRow("no graph, settings say every item") << "1111" << false << "1110"
                                                       << "1110"
                                                       << "0000"
                                                       << "0000";
    QTest::newRow("no graph, settings say none") << "0000" << false << "0000"
                                                 << "1110"
                                                 << "0000"
                                                 << "1110";
    QTest::newRow("no graph, mixed") << "0101" << false << "0100"
                                     << "1110"
                                     << "0000"
                                     << "1010";
    QTest::newRow("graph made, mixed") << "0101" << true << "0101"
                                       << "1111"
                                       << "0000"
                                       << "1010";
    QTest::newRow("graph made, no settings") << "" << true << "0000"
                                             << "1111"
                                             << "0000"
                                             << "1111";
}

void PrintMenuTest::graphItemFollowsTheGraphAndTheSelectionButtons() {
    QFETCH(QString, settings);
    QFETCH(bool, graphMade);
    MenuUnderTest t(graphMade, settings.isEmpty() ? std::string() : PrintIni(settings));
    t.open();
    QCOMPARE(t.menu->chkPrintItem(3)->isEnabled(), graphMade);
    // Disabled, the item tells how to make it printable.
    QCOMPARE(t.menu->chkPrintItem(3)->toolTip().isEmpty(), graphMade);
    QFETCH(QString, opened);
    QCOMPARE(Pattern(t.checks()), opened);
    QFETCH(QString, all);
    QFETCH(QString, none);
    QFETCH(QString, inverted);
    const QString after[] = {all, none, inverted};
    for (int button = 0; button < 3; ++button) {
        t.choose(Items(opened));
        QTest::mouseClick(t.menu->cmdCheck(button), Qt::LeftButton);
        QCOMPARE(Pattern(t.checks()), after[button]);
    }
}

void PrintMenuTest::joinsTheChosenItemsInOrderAndStartsThePreview_data() {
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("example");
    QTest::newRow("conditions and results list") << "1010"
                                                 << "driven-pile-auto-tip.zul";
    QTest::newRow("detailed calculation alone") << "0100"
                                                << "rotary-press-in-pile.zul";
    QTest::newRow("every item") << "1111"
                                << "end-bearing-pile.zul";
    QTest::newRow("graph alone") << "0001"
                                 << "friction-pile-clay.zul";
}

void PrintMenuTest::joinsTheChosenItemsInOrderAndStartsThePreview() {
    QFETCH(QString, items);
    QFETCH(QString, example);
    MenuUnderTest t(true, "", example.toStdString());
    t.open();
    t.choose(Items(items));
    const PrintFileGenerator& generator = t.menu->generator();
    // The notes on the pile once: after the results list, else on a page before the detail.
    const std::string& notes = generator.NotesText();
    const bool notesBeforeDetail =
        !notes.empty() && items.at(1) == QLatin1Char('1') && items.at(2) == QLatin1Char('0');
    std::string expected;
    for (std::size_t i = 0; i < 4; ++i) {
        if (items.at(static_cast<int>(i)) == QLatin1Char('1')) {
            expected += expected.empty() ? "" : "\x0C";
            expected += i == 1 && notesBeforeDetail ? notes + "\x0C" : "";
            expected += ReadBytes(generator.ItemFile(i));
            expected += i == 2 && !notes.empty() ? "\r\n" + notes : "";
        }
    }
    QVERIFY(expected.size() > 100);
    for (int press = 1; press <= 2; ++press) { // the joined file is rebuilt, not appended to
        if (press > 1) {
            QTest::qWait(frmMenuPrint::kRepeatPressMs + 100);
        }
        QTest::mouseClick(t.menu->cmdPreview(), Qt::LeftButton);
        QCOMPARE(ReadBytes(generator.JoinedFile()), expected);
        QCOMPARE(t.started.size(), static_cast<std::size_t>(press));
    }
    const QRect frame = t.menu->frameGeometry();
    QCOMPARE(t.started.back(),
             (QStringList{QString::fromStdString(DataFolder() + "/Preview"),
                          QString::fromStdString("/INI=" + t.paths.dataFolder), "/NAME=" + example,
                          QString::fromStdString("/TITLE=" + t.doc.InpJyoken.Title),
                          QString::fromStdString("/FILE=" + t.doc.DataFileName),
                          QStringLiteral("/BESIDE=%1,%2,%3,%4")
                              .arg(frame.x())
                              .arg(frame.y())
                              .arg(frame.width())
                              .arg(frame.height()),
                          QString::fromStdString(generator.JoinedFile())}));
    QVERIFY(t.ui.messages.isEmpty());
    QVERIFY(t.menu->isVisible()); // the menu stays open
}

void PrintMenuTest::noItemChosenBeepsAndStartsNothing() {
    MenuUnderTest t(false, PrintIni("1111"));
    t.open();
    QTest::mouseClick(t.menu->cmdCheck(1), Qt::LeftButton);
    QTest::mouseClick(t.menu->cmdPreview(), Qt::LeftButton);
    QCOMPARE(t.ui.beeps, 1);
    QCOMPARE(t.ui.messages.size(), 1);
    QCOMPARE(t.ui.messages.at(0).text, QStringLiteral("印刷項目はひとつ以上選択して下さい。"));
    QCOMPARE(t.ui.messages.at(0).title, QStringLiteral("計算結果の印刷"));
    QCOMPARE(t.ui.messages.at(0).icon, MessageIcon::Information);
    QVERIFY(t.started.empty());
    QCOMPARE(ReadBytes(t.menu->generator().JoinedFile()), std::string());
}

void PrintMenuTest::failedItemsAreNamedInOneMessage() {
    MenuUnderTest t(true, PrintIni("1111"));
    t.paths.fmtFile = t.folder.file("missing.fmt"); // no template: every item fails
    t.open();
    QCOMPARE(t.ui.messages.size(), 1);
    QCOMPARE(t.ui.messages.at(0).text, QStringLiteral("\n･『計算条件』の印刷ﾌｧｲﾙ生成ｴﾗｰ"
                                                      "\n･『計算結果（詳細）』の印刷ﾌｧｲﾙ生成ｴﾗｰ"
                                                      "\n･『計算結果（支持力一覧表）』の印刷ﾌｧｲﾙ生成ｴﾗｰ"
                                                      "\n･『支持力検討ｸﾞﾗﾌ』の印刷ﾌｧｲﾙ生成ｴﾗｰ"
                                                      "\n\n原因：帳票書式ファイル（") +
                                           QString::fromStdString(t.paths.fmtFile) +
                                           QStringLiteral("）を読み込めません。"));
    QCOMPARE(t.ui.messages.at(0).title, kProduct);
    QCOMPARE(t.ui.messages.at(0).icon, MessageIcon::Critical);
    // The print button still works on what was written.
    QVERIFY(t.menu->cmdPreview()->isEnabled());
    QTest::mouseClick(t.menu->cmdPreview(), Qt::LeftButton);
    QCOMPARE(t.started.size(), 1u);
}

void PrintMenuTest::closingKeepsTheChoicesAndDeletesEveryPrintFile() {
    MenuUnderTest t(true, PrintIni("0000"));
    t.open();
    // Item files, figure index and data files of the detailed report, and the joined file.
    const std::size_t made = t.tempFiles();
    QVERIFY2(made >= 5 + 6, qPrintable(QString::number(made)));
    t.choose(Items("1011"));
    QTest::mouseClick(t.menu->cmdPreview(), Qt::LeftButton);
    t.menu->move(t.menu->pos() + QPoint(7, 11));
    const QPoint position = t.menu->pos();
    QTest::mouseClick(t.menu->cmdClose(), Qt::LeftButton);
    QVERIFY(!t.menu->isVisible());
    QCOMPARE(t.tempFiles(), 0u);
    QCOMPARE(ReadPrintItemChoices(t.iniFile()).Chosen, Items("1011"));
    const int top = CPrivateProfile::GetValueLong(t.iniFile(), "MenuPrint", "Top");
    const int left = CPrivateProfile::GetValueLong(t.iniFile(), "MenuPrint", "Left");
    QVERIFY(top > 0 && left > 0);

    // The next menu opens where this one was closed, with these choices.
    MenuUnderTest again(true, ReadBytes(t.iniFile()));
    again.open();
    QCOMPARE(Pattern(again.checks()), QStringLiteral("1011"));
    QCOMPARE(again.menu->pos(), position);
}

void PrintMenuTest::supplementBoxFollowsTheSettingAndSwitchesThePrintFile_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<bool>("checked");
    QTest::newRow("no key: on") << QStringLiteral("[Print]\r\n0=1\r\n") << true;
    QTest::newRow("Supplement=1") << QStringLiteral("[Print]\r\n0=1\r\nSupplement=1\r\n") << true;
    QTest::newRow("Supplement=0") << QStringLiteral("[Print]\r\n0=1\r\nSupplement=0\r\n") << false;
}

// The box shows the setting when the menu opens; the print file follows the box as it stands
// when 印刷 is pressed (written again when it changed), and closing keeps its state.
void PrintMenuTest::supplementBoxFollowsTheSettingAndSwitchesThePrintFile() {
    QFETCH(QString, ini);
    QFETCH(bool, checked);
    MenuUnderTest t(true, ini.toStdString());
    t.open();
    QCOMPARE(t.menu->chkSupplement()->text(), QStringLiteral("補足情報を印刷する"));
    QCOMPARE(t.menu->chkSupplement()->isChecked(), checked);
    const auto nTable = [&] {
        return ReadBytes(t.menu->generator().JoinedFile()).find(Sjis("Ｎ値（標準貫入試験）")) !=
               std::string::npos;
    };
    bool pressed = false;
    for (const bool on : {checked, !checked, checked}) {
        if (pressed) {
            QTest::qWait(frmMenuPrint::kRepeatPressMs + 100); // a later press, not a repeat
        }
        pressed = true;
        if (t.menu->chkSupplement()->isChecked() != on) {
            QCheckBox* box = t.menu->chkSupplement();
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        }
        QTest::mouseClick(t.menu->cmdPreview(), Qt::LeftButton);
        QCOMPARE(nTable(), on);
    }
    QTest::mouseClick(t.menu->chkSupplement(), Qt::LeftButton, {}, QPoint(8, 5));
    QTest::mouseClick(t.menu->cmdClose(), Qt::LeftButton);
    QCOMPARE(ReadSupplementSetting(t.iniFile()), !checked);
    QCOMPARE(CPrivateProfile::GetValueString(t.iniFile(), "Print", "0"), std::string("1"));
}

void PrintMenuTest::onePressStartsOnePreview() {
    MenuUnderTest t(true, PrintIni("1000"));
    t.open();
    QTest::mouseDClick(t.menu->cmdPreview(), Qt::LeftButton);
    QTest::mouseClick(t.menu->cmdPreview(), Qt::LeftButton);
    QCOMPARE(t.started.size(), 1u);
    // A press after the short interval is a wish for another preview.
    QTest::qWait(frmMenuPrint::kRepeatPressMs + 100);
    QTest::mouseClick(t.menu->cmdPreview(), Qt::LeftButton);
    QCOMPARE(t.started.size(), 2u);
    QVERIFY(t.ui.messages.isEmpty());
}

// The real launcher: a stand-in Preview script in a program folder with blanks and Japanese in
// its name records its arguments and copies the print file it was given (the last argument);
// the data folder holds double quotes.
void PrintMenuTest::previewIsReallyStartedWithPathsHoldingBlanksAndQuotes() {
    TestFolder programs;
    const fs::path programFolder = programs.path() / "Zul 杭 program";
    fs::create_directories(programFolder);
    const fs::path record = programs.path() / "arguments.txt";
    const fs::path copy = programs.path() / "copy.prn";
    {
        const std::string script = "#!/bin/sh\n"
                                   "for a in \"$@\"; do printf '%s\\n' \"$a\"; last=\"$a\"; done > '" +
                                   record.string() +
                                   ".part'\n"
                                   "cat \"$last\" > '" +
                                   copy.string() +
                                   "'\n"
                                   "mv '" +
                                   record.string() + ".part' '" + record.string() + "'\n";
        WriteBytes((programFolder / "Preview").string(), script);
        fs::permissions(programFolder / "Preview", fs::perms::owner_all);
    }
    // The folder holds no definition files: the report without the ground figure needs none.
    MenuUnderTest t(false, PrintIni("1000") + "Supplement=0\r\n", "end-bearing-pile.zul",
                    programFolder.string(), true);
    t.open();
    QTest::mouseClick(t.menu->cmdPreview(), Qt::LeftButton);
    QVERIFY(t.ui.messages.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(fs::exists(record), 10000);
    const QRect frame = t.menu->frameGeometry();
    const std::string expected = "/INI=" + t.paths.dataFolder + "\n/NAME=end-bearing-pile.zul\n" +
                                 "/TITLE=場所打ち杭（支持杭）の計算例\n/FILE=" + t.doc.DataFileName + "\n" +
                                 QStringLiteral("/BESIDE=%1,%2,%3,%4\n")
                                     .arg(frame.x())
                                     .arg(frame.y())
                                     .arg(frame.width())
                                     .arg(frame.height())
                                     .toStdString() +
                                 t.menu->generator().JoinedFile() + "\n";
    QCOMPARE(ReadBytes(record.string()), expected);
    QCOMPARE(ReadBytes(copy.string()), ReadBytes(t.menu->generator().ItemFile(0)));

    // A preview program that is not there is said so.
    fs::remove(programFolder / "Preview");
    QTest::qWait(frmMenuPrint::kRepeatPressMs + 100);
    QTest::mouseClick(t.menu->cmdPreview(), Qt::LeftButton);
    QCOMPARE(t.ui.messages.size(), 1);
    QCOMPARE(t.ui.messages.at(0).icon, MessageIcon::Critical);
}

// The arguments as the print menu builds them and the Preview program reads them: folders,
// the print file and the study's name arrive whole, blanks, quotes and all.
void PrintMenuTest::previewReadsTheArgumentsWhole_data() {
    QTest::addColumn<QString>("dataFolder");
    QTest::addColumn<QString>("joinedFile");
    QTest::addColumn<QString>("studyFile");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caseTitle"); // as the study holds it
    QTest::addColumn<QString>("headTitle"); // as the page head prints it
    QTest::addColumn<QString>("headFile");
    QTest::newRow("plain") << "/home/a/.local/share/Velmarok/Zul"
                           << "/tmp/~PSab12"
                           << ""
                           << ""
                           << ""
                           << ""
                           << "";
    QTest::newRow("blanks everywhere") << "/home/a b/.local/share/Velmarok/Zul"
                                       << "/tmp/print  files/~PS x"
                                       << "/home/a b/橋脚 P1.zul"
                                       << "橋脚 P1"
                                       << "橋脚 P1 の検討"
                                       << "橋脚 P1 の検討"
                                       << "橋脚 P1.zul";
    QTest::newRow("Japanese folders") << "/home/設計 者/data"
                                      << "/tmp/一時 ファイル/~PSq"
                                      << "/home/設計 者/\"A\" 案.ZUL"
                                      << "\"A\" 案"
                                      << "「A」案 \"杭\""
                                      << "「A」案 \"杭\""
                                      << "\"A\" 案.ZUL";
    QTest::newRow("double quotes in the paths") << "/home/u/\"data\""
                                                << "/tmp/a\"b/~PS \"1\""
                                                << "/home/u/x\".zul"
                                                << "x\""
                                                << "杭\r\n長\t"
                                                << "杭長"
                                                << "x\".zul";
}

void PrintMenuTest::previewReadsTheArgumentsWhole() {
    QFETCH(QString, dataFolder);
    QFETCH(QString, joinedFile);
    QFETCH(QString, studyFile);
    QFETCH(QString, title);
    QFETCH(QString, caseTitle);
    QFETCH(QString, headTitle);
    QFETCH(QString, headFile);
    const QRect menu(900, 120, 420, 300);
    ProgramPaths paths;
    paths.programFolder = "/opt/zul 杭";
    paths.dataFolder = dataFolder.toStdString();
    const PreviewLaunch launch = MakePreviewLaunch(paths, joinedFile.toStdString(),
                                                   StudyNameForPdf(studyFile.toStdString(), std::string()),
                                                   menu, caseTitle.toStdString(), studyFile.toStdString());
    QCOMPARE(launch.program, QStringLiteral("/opt/zul 杭/Preview"));
    QCOMPARE(launch.arguments.last(), joinedFile); // the print file last, as always
    const PreviewCommandLine command = ParsePreviewCommandLine(launch.arguments);
    QVERIFY(command.error.isEmpty());
    QCOMPARE(command.iniFolder, dataFolder);
    QCOMPARE(command.printFile, joinedFile);
    QCOMPARE(command.beside, menu);
    QVERIFY(command.pdfFile.isEmpty());
    // The window and the PDF carry the study's name; a temporary print file's name never.
    QCOMPARE(DocumentTitle(command), title);
    // The pages carry the case title (on one line) and the study file's name.
    const PageHead head = PageHeadOf(command);
    QCOMPARE(head.title, headTitle);
    QCOMPARE(head.fileName, headFile);
    QVERIFY(head.shown);
}

ZUL_QTEST_MAIN(PrintMenuTest)
#include "PrintMenuTest.moc"
