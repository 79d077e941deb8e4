// The main window: start-up, captions, menu, toolbar, entered-state colours, placement, exit
// and the about box.
#include "AppTestSupport.h"
#include "FakeUiServices.h"
#include "QtTestRunner.h"

#include "app/AppMessages.h"
#include "app/ApplicationSetup.h"
#include "app/ProductInfo.h"
#include "app/frmAbout.h"
#include "io/CPrivateProfile.h"
#include "io/InputDataFile.h"
#include "ui/WindowPlacement.h"
#include "util/Cp932.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace zul;
using namespace zul::test;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void commandButtonsCarryTheirCaptionsAndTags();
    void menuAndToolbarCarryEveryCaptionAndKey();
    void startUpWithoutSettingsCentresAndDisablesRecentEntries();
    void startUpRestoresPositionAndRecentEntries();
    void exitWritesPositionThatTheSettingsReaderReadsBack();
    void enteredColoursFollowTheDocument();
    void exitPromptAnswers();
    void aboutBoxShowsVersionAndMissingSystemInformation();
    void readmeNamesTheProductOfTheCaptionAndItsPrograms();
    void standardButtonsReadInJapanese();
};

namespace {

QColor SystemColour(QPalette::ColorRole role) {
    return QApplication::palette().color(QPalette::Active, role);
}

} // namespace

void MainWindowTest::commandButtonsCarryTheirCaptionsAndTags() {
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    const QList<QPair<QString, QString>> expected = {
        {"InpKui", "計算条件入力"},
        {"InpAnzen", "安全率の入力"},
        {"InpJiban", "地盤条件の入力"},
        {"InpJibanN", "Ｎ値の入力"},
        {"ResOutRa", "杭支持力の確認"},
        {"MenuPrint", "結果印刷"},
        {"InpRaTable", "支持力検討ｸﾞﾗﾌの作成"},
        {"InpRenban", "連番条件設定"},
    };
    for (const auto& [tag, caption] : expected) {
        QPushButton* button = window->FindMenuButton(tag);
        QVERIFY2(button, qPrintable(tag));
        QCOMPARE(button->text(), caption);
    }
    QVERIFY(window->FindMenuButton("Nothing") == nullptr);
    auto* exit = window->findChild<QPushButton*>("cmdExit");
    QVERIFY(exit);
    QCOMPARE(exit->text(), QStringLiteral("  ﾌﾟﾛｸﾞﾗﾑ終了"));
    // The check screen and the print menu are always present.
    QVERIFY(window->FindMenuButton("ResOutRa")->isEnabled());
    QVERIFY(window->FindMenuButton("MenuPrint")->isEnabled());
}

void MainWindowTest::menuAndToolbarCarryEveryCaptionAndKey() {
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    const QList<QAction*> top = window->menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top.at(0)->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    QCOMPARE(top.at(1)->text(), QStringLiteral("&?"));

    QStringList captions;
    for (QAction* action : top.at(0)->menu()->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    const QStringList expected = {"新規作成(&N)",
                                  "ﾌｧｲﾙを開く(&O)...",
                                  "ﾌｧｲﾙに名前を付けて保存(&A)...",
                                  "ﾌｧｲﾙの上書き保存(&S)...",
                                  "ﾎﾞｰﾘﾝｸﾞﾃﾞｰﾀの取込み(&B)...",
                                  "複数ﾎﾞｰﾘﾝｸﾞの一括検討(&M)...",
                                  "-",
                                  "&1",
                                  "&2",
                                  "&3",
                                  "&4",
                                  "-",
                                  "ﾌﾟﾛｸﾞﾗﾑ終了(&X)"};
    QCOMPARE(captions, expected);

    const QList<QPair<QString, QString>> tools = {{"New", "新規作成"},
                                                  {"Open", "ﾌｧｲﾙを開く..."},
                                                  {"SaveAs", "ﾌｧｲﾙに名前を付けて保存..."},
                                                  {"Save", "ﾌｧｲﾙの上書き保存"},
                                                  {"Printer", "ﾍﾟｰｼﾞの設定"}};
    for (const auto& [key, tip] : tools) {
        QAction* action = window->ToolbarAction(key);
        QVERIFY2(action, qPrintable(key));
        QCOMPARE(action->toolTip(), tip);
        QVERIFY2(!action->icon().isNull(), qPrintable(key));
    }
    // Page setup has no action, so it cannot be pressed.
    QVERIFY(!window->ToolbarAction("Printer")->isEnabled());
}

void MainWindowTest::startUpWithoutSettingsCentresAndDisablesRecentEntries() {
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("vezarivezorazi"));
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(window->RecentFileAction(i)->text(), QStringLiteral("&%1").arg(i + 1));
        QVERIFY(!window->RecentFileAction(i)->isEnabled());
    }
    const QRect screen = window->screen()->geometry();
    const QSize frame = window->frameGeometry().size();
    QCOMPARE(window->pos().y() - screen.y(), std::max(0, (screen.height() - frame.height()) / 2));
    QCOMPARE(window->pos().x() - screen.x(), std::max(0, (screen.width() - frame.width()) / 2));

    const ProjectDocument& doc = window->document();
    QCOMPARE(doc.DataKind, 1);
    QVERIFY(!doc.DataEdited);
    QVERIFY(doc.DataFileName.empty());
    QCOMPARE(doc.IniFileName, sandbox.iniFile());
    QCOMPARE(doc.FmtFileName, sandbox.paths().programFolder + "/Zul.fmt");
    QVERIFY(QFileInfo(QString::fromStdString(sandbox.paths().dataFolder)).isDir());
}

void MainWindowTest::startUpRestoresPositionAndRecentEntries() {
    AppSandbox sandbox;
    const std::string ini = sandbox.iniFile();
    QWidget probe;
    CPrivateProfile::SetValueString(ini, "MenuMain", "Top", std::to_string(PixelsToTwips(&probe, 40)));
    // A left of 0 still centres horizontally.
    CPrivateProfile::SetValueString(ini, "MenuMain", "Left", "0");
    CPrivateProfile::SetValueString(ini, "FileName", "FileName1", "/studies/a&b.zul");
    CPrivateProfile::SetValueString(ini, "FileName", "FileName3", "/studies/c.zul");
    auto window = sandbox.makeWindow();

    const QRect screen = window->screen()->geometry();
    QCOMPARE(window->pos().y() - screen.y(), 40);
    QCOMPARE(window->pos().x() - screen.x(),
             std::max(0, (screen.width() - window->frameGeometry().width()) / 2));

    // "&" in a path is shown, not taken for an access key.
    QCOMPARE(window->RecentFileAction(0)->text(), QStringLiteral("&1 /studies/a&&b.zul"));
    QVERIFY(window->RecentFileAction(0)->isEnabled());
    QCOMPARE(window->RecentFileAction(1)->text(), QStringLiteral("&2"));
    QVERIFY(!window->RecentFileAction(1)->isEnabled());
    QCOMPARE(window->RecentFileAction(2)->text(), QStringLiteral("&3 /studies/c.zul"));
    QVERIFY(window->RecentFileAction(2)->isEnabled());
}

void MainWindowTest::exitWritesPositionThatTheSettingsReaderReadsBack() {
    AppSandbox sandbox;
    const std::string ini = sandbox.iniFile();
    // A value beyond the screen is used as it is.
    CPrivateProfile::SetValueString(ini, "MenuMain", "Top", "30000");
    CPrivateProfile::SetValueString(ini, "MenuMain", "Left", "1500");
    CPrivateProfile::SetValueString(ini, "FileName", "InitDir", "/home/技術者/検討");
    {
        auto window = sandbox.makeWindow();
        QCOMPARE(window->pos().y() - window->screen()->geometry().y(), TwipsToPixels(window.get(), 30000));
        window->move(window->pos() + QPoint(13, 7));
        QVERIFY(window->close());
    }
    QWidget probe;
    QCOMPARE(CPrivateProfile::GetValueLong(ini, "MenuMain", "Left"),
             PixelsToTwips(&probe, TwipsToPixels(&probe, 1500) + 13));
    QCOMPARE(CPrivateProfile::GetValueLong(ini, "MenuMain", "Top"),
             PixelsToTwips(&probe, TwipsToPixels(&probe, 30000) + 7));
    // The file stays code page 932 with CR LF line ends, other keys untouched.
    const QByteArray bytes = ReadBytes(ini);
    QVERIFY(bytes.contains("\r\n"));
    QVERIFY(!bytes.contains("\n\n"));
    const auto text = DecodeCp932(bytes.toStdString());
    QVERIFY(text.has_value());
    QVERIFY(text->find("[MenuMain]") != std::string::npos);
    QCOMPARE(CPrivateProfile::GetValueString(ini, "FileName", "InitDir"), std::string("/home/技術者/検討"));
    QVERIFY(!bytes.contains(QByteArray("技術者")));
}

void MainWindowTest::enteredColoursFollowTheDocument() {
    AppSandbox sandbox;
    auto window = sandbox.makeWindow();
    const QColor highlight = SystemColour(QPalette::Highlight);
    const QColor text = SystemColour(QPalette::ButtonText);
    QVERIFY(highlight != text);
    // After a reset only the safety factors count as entered.
    QCOMPARE(TextColour(window->FindMenuButton("InpKui")), text);
    QCOMPARE(TextColour(window->FindMenuButton("InpAnzen")), highlight);
    QCOMPARE(TextColour(window->FindMenuButton("InpJiban")), text);
    QCOMPARE(TextColour(window->FindMenuButton("InpJibanN")), text);
    QCOMPARE(TextColour(window->FindMenuButton("InpRaTable")), text);

    // Opening a study shows what it holds; New resets the colours.
    FakeUiServices ui;
    const std::string file = sandbox.path("study.zul");
    ProjectDocument study = SampleStudy();
    study.RaTableInpFlg = true;
    WriteStudy(study, file);
    ui.files.push_back(QString::fromStdString(file));
    window->fileCommands().Open();
    QCOMPARE(TextColour(window->FindMenuButton("InpKui")), highlight);
    QCOMPARE(TextColour(window->FindMenuButton("InpJiban")), highlight);
    QCOMPARE(TextColour(window->FindMenuButton("InpJibanN")), highlight);
    QCOMPARE(TextColour(window->FindMenuButton("InpRaTable")), highlight);
    // Buttons that show no entered state keep their colour.
    QCOMPARE(TextColour(window->FindMenuButton("ResOutRa")), text);

    ui.answers.push_back(MessageAnswer::Ok);
    window->fileCommands().New();
    QCOMPARE(TextColour(window->FindMenuButton("InpKui")), text);
    QCOMPARE(TextColour(window->FindMenuButton("InpRaTable")), text);

    // Activation refreshes them too.
    window->document().NCount = 3;
    QCOMPARE(TextColour(window->FindMenuButton("InpJibanN")), text);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(TextColour(window->FindMenuButton("InpJibanN")), highlight);
}

void MainWindowTest::exitPromptAnswers() {
    AppSandbox sandbox;
    FakeUiServices ui;
    const std::string file = sandbox.path("edited.zul");

    // Not edited: ends without asking.
    {
        auto window = sandbox.makeWindow();
        window->show();
        QVERIFY(window->close());
        QVERIFY(ui.messages.isEmpty());
    }
    // Cancel keeps the program running; No ends it.
    {
        auto window = sandbox.makeWindow();
        window->show();
        window->document().DataEdited = true;
        window->document().DataFileName = file;
        ui.answers = {MessageAnswer::Cancel};
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(ui.messages.size(), 1);
        const auto& m2 = ui.messages.last();
        QCOMPARE(m2.text,
                 QStringLiteral("現在編集中の入力ﾃﾞｰﾀがあります。上書き保存してから終了しますか？\n\n"
                                "編集中のﾌｧｲﾙ名：") +
                     QString::fromStdString(file));
        QCOMPARE(m2.title, QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ終了"));
        QCOMPARE(m2.icon, MessageIcon::Information);
        QCOMPARE(m2.buttons, MessageButtons::YesNoCancel);
        QVERIFY(!QFileInfo::exists(QString::fromStdString(file)));

        ui.answers = {MessageAnswer::No};
        QVERIFY(window->close());
        QVERIFY(!QFileInfo::exists(QString::fromStdString(file)));
    }
    // Yes saves to the current file, then ends.
    {
        auto window = sandbox.makeWindow();
        window->show();
        window->document() = SampleStudy();
        window->document().DataEdited = true;
        window->document().DataFileName = file;
        ui.answers = {MessageAnswer::Yes};
        QVERIFY(window->close());
        ProjectDocument reread;
        int code = 0;
        QVERIFY(LoadInputData(reread, file, code));
        QVERIFY(SameStudy(reread, SampleStudy()));
    }
    // Yes on an untitled document asks for a name; cancelling that dialog keeps the program
    // running, so the edits are not lost.
    {
        auto window = sandbox.makeWindow();
        window->show();
        window->document().DataEdited = true;
        ui.dialogs.clear();
        ui.answers = {MessageAnswer::Yes};
        ui.files = {QString()};
        QVERIFY(!window->close());
        QCOMPARE(ui.dialogs.size(), 1);
        QCOMPARE(ui.dialogs.last().openMode, false);
        QVERIFY(window->isVisible());
        // Yes with a failed write keeps it running as well.
        ui.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
        ui.files = {QString::fromStdString(sandbox.path("no/such/folder/x.zul"))};
        const int before = static_cast<int>(ui.messages.size());
        QVERIFY(!window->close());
        QCOMPARE(ui.messages.size(), before + 2);
        QCOMPARE(ui.messages.last().title, QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ書き込みｴﾗｰ"));
        ui.answers = {MessageAnswer::No};
        QVERIFY(window->close());
    }
}

void MainWindowTest::aboutBoxShowsVersionAndMissingSystemInformation() {
    FakeUiServices ui;
    QVERIFY(VersionLine().startsWith(QStringLiteral("Version ")));
    QVERIFY(VersionLine().endsWith(QStringLiteral("(2012/03/11)")));
    QVERIFY(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d{3}\\(2012/03/11\\)$"))
                .match(VersionLine())
                .hasMatch());

    frmAbout about(nullptr, [] { return QString(); });
    auto* version = about.findChild<QLabel*>("lblVersion");
    QVERIFY(version);
    QCOMPARE(version->text(), VersionLine());
    auto* sysInfo = about.findChild<QPushButton*>("cmdSysInfo");
    QVERIFY(sysInfo);
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages.last().text, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));

    // A tool that cannot be started says the same.
    frmAbout broken(nullptr, [] { return QStringLiteral("/nonexistent/tool"); });
    QTest::mouseClick(broken.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(ui.messages.size(), 2);

    auto* ok = about.findChild<QPushButton*>("cmdOK");
    about.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

// A user who sees the caption and the About box finds the same name in the README, with the
// programs it comes as.
void MainWindowTest::readmeNamesTheProductOfTheCaptionAndItsPrograms() {
    QFile file(QStringLiteral(ZUL_SOURCE_DIR "/README.md"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString readme = QString::fromUtf8(file.read(1 << 20));
    const QString opening = readme.section(QStringLiteral("\n## "), 0, 0);
    for (const QString& name : {kProductName, QStringLiteral("Zul"), QStringLiteral("`zul`"),
                                QStringLiteral("`zul-cli`"), QStringLiteral("`Preview`")}) {
        QVERIFY2(opening.contains(name), qPrintable(name));
    }
}

void MainWindowTest::standardButtonsReadInJapanese() {
    QVERIFY(SetUpJapaneseApplication(*qApp));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
    QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
    if (QFontDatabase::families().contains(QStringLiteral("IPAGothic"))) {
        QCOMPARE(QApplication::font().family(), QStringLiteral("IPAGothic"));
    }
}

ZUL_QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
