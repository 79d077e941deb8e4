// The file commands of the main window: New, Open, Open recent, Save, Save As, each message
// with its text, title, icon and buttons.
#include "AppTestSupport.h"
#include "FakeUiServices.h"
#include "MessageBoxPresser.h"
#include "QtTestRunner.h"

#include "io/CPrivateProfile.h"
#include "io/InputDataFile.h"
#include "io/RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

using namespace zul;
using namespace zul::test;

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newAsksAndResetsOnlyOnOk();
    void newFromMenuAndToolbarThroughTheRealMessageBox();
    void openAsksToSaveEditedDataFirst();
    void openDialogStartsInTheLastFolder();
    void openSetsCaptionFileNameRecentAndFolder();
    void unsupportedVersionShowsItThenReadErrorZero();
    void brokenFileShowsItsCodeAndLeavesAResetDocument();
    void damagedBoreholeSourceIsDroppedAndTheStudyOpens();
    void wrongExtensionKeepsTheDocument();
    void saveOfUntitledGoesThroughSaveAs();
    void saveFailureShowsWriteErrorAndChangesNothing();
    void saveAsToAPipeOrDeviceFailsAtOnceWithSeventyFive();
    void recentOrderAfterOpenSaveAsAndOpenRecent();
    void fileNamedAtStartOpensWithoutDialog();

private:
    FakeUiServices* ui_ = nullptr;
    AppSandbox* sandbox_ = nullptr;
    QString startFolder_;
};

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A new document with its paths, as the window holds it after start-up.
bool IsFreshStudy(const ProjectDocument& doc) {
    ProjectDocument fresh;
    InitInputData(fresh);
    return SameStudy(doc, fresh);
}

const QString kReadErrorTail =
    QStringLiteral("\n\nお問い合わせの際は，上記ｴﾗｰﾒｯｾｰｼﾞおよびｴﾗｰｺｰﾄﾞをお知らせください。");

} // namespace

void FileCommandsTest::init() {
    startFolder_ = QDir::currentPath();
    ui_ = new FakeUiServices;
    sandbox_ = new AppSandbox;
}

void FileCommandsTest::cleanup() {
    delete sandbox_;
    delete ui_;
    QDir::setCurrent(startFolder_);
}

void FileCommandsTest::newAsksAndResetsOnlyOnOk() {
    auto window = sandbox_->makeWindow();
    const std::string file = sandbox_->path("a.zul");
    WriteStudy(SampleStudy(), file);
    window->fileCommands().OpenFile(file);
    window->document().DataEdited = true;

    ui_->answers = {MessageAnswer::Cancel};
    window->fileCommands().New();
    QCOMPARE(ui_->messages.size(), 1);
    QCOMPARE(ui_->messages[0].text,
             QStringLiteral("現在編集中の入力ﾃﾞｰﾀを全て破棄し，入力ﾃﾞｰﾀを初期化します。"));
    QCOMPARE(ui_->messages[0].title, QStringLiteral("新規作成"));
    QCOMPARE(ui_->messages[0].icon, MessageIcon::Information);
    QCOMPARE(ui_->messages[0].buttons, MessageButtons::OkCancel);
    QVERIFY(SameStudy(window->document(), SampleStudy()));
    QCOMPARE(window->windowTitle(), QStringLiteral("a.zul - vezarivezorazi"));

    ui_->answers = {MessageAnswer::Ok};
    window->fileCommands().New();
    QVERIFY(IsFreshStudy(window->document()));
    QVERIFY(window->document().DataFileName.empty());
    QCOMPARE(window->windowTitle(), QStringLiteral("vezarivezorazi"));
    // New does not clear the edited flag.
    QVERIFY(window->document().DataEdited);
}

void FileCommandsTest::newFromMenuAndToolbarThroughTheRealMessageBox() {
    auto window = sandbox_->makeWindow();
    const std::string file = sandbox_->path("a.zul");
    WriteStudy(SampleStudy(), file);
    auto* menuNew = window->findChild<QAction*>(QStringLiteral("mnuFileNew"));
    QVERIFY(menuNew);
    QAction* toolNew = window->ToolbarAction(QStringLiteral("New"));
    QVERIFY(toolNew);
    const QColor notEntered = QApplication::palette().color(QPalette::Active, QPalette::ButtonText);
    const auto conditionsColour = [&] {
        return window->FindMenuButton(QStringLiteral("InpKui"))
            ->palette()
            .color(QPalette::Active, QPalette::ButtonText);
    };
    // The message boxes are the program's own, answered by pressing their buttons.
    UiServices::install(nullptr);
    for (QAction* command : {menuNew, toolNew}) {
        window->fileCommands().OpenFile(file);
        QCOMPARE(window->windowTitle(), QStringLiteral("a.zul - vezarivezorazi"));
        QVERIFY(conditionsColour() != notEntered);
        {
            MessageBoxPresser cancel(QMessageBox::Cancel);
            command->trigger();
            QVERIFY(cancel.pressed());
            QCOMPARE(cancel.text(),
                     QStringLiteral("現在編集中の入力ﾃﾞｰﾀを全て破棄し，入力ﾃﾞｰﾀを初期化します。"));
        }
        QVERIFY(SameStudy(window->document(), SampleStudy()));
        QCOMPARE(window->windowTitle(), QStringLiteral("a.zul - vezarivezorazi"));
        {
            MessageBoxPresser ok(QMessageBox::Ok);
            command->trigger();
            QVERIFY(ok.pressed());
        }
        QVERIFY(IsFreshStudy(window->document()));
        QVERIFY(window->document().DataFileName.empty());
        QCOMPARE(window->windowTitle(), QStringLiteral("vezarivezorazi"));
        QCOMPARE(conditionsColour(), notEntered);
    }
    UiServices::install(ui_);
}

void FileCommandsTest::openAsksToSaveEditedDataFirst() {
    auto window = sandbox_->makeWindow();
    const std::string current = sandbox_->path("current.zul");
    WriteStudy(SampleStudy(), current);
    window->fileCommands().OpenFile(current);
    window->document().DataEdited = true;
    window->document().InpJyoken.L = 23.5;

    // No: nothing is written, the dialog opens; cancelling it changes nothing.
    ui_->answers = {MessageAnswer::No};
    window->fileCommands().Open();
    QCOMPARE(ui_->messages.size(), 1);
    QCOMPARE(ui_->messages[0].text,
             QStringLiteral("現在編集中の入力ﾃﾞｰﾀがあります。上書き保存しますか？\n\n編集中のﾌｧｲﾙ名：") +
                 Q(current));
    QCOMPARE(ui_->messages[0].title, QStringLiteral("ﾌｧｲﾙを開く..."));
    QCOMPARE(ui_->messages[0].icon, MessageIcon::Information);
    QCOMPARE(ui_->messages[0].buttons, MessageButtons::YesNo);
    QCOMPARE(ui_->dialogs.size(), 1);
    QCOMPARE(window->document().InpJyoken.L, 23.5);
    QCOMPARE(window->windowTitle(), QStringLiteral("current.zul - vezarivezorazi"));
    ProjectDocument onDisk;
    int code = 0;
    QVERIFY(LoadInputData(onDisk, current, code));
    QCOMPARE(onDisk.InpJyoken.L, SampleStudy().InpJyoken.L);

    // Yes: saved first, then the dialog; the edited flag stays, so the next Open asks again.
    ui_->answers = {MessageAnswer::Yes};
    window->fileCommands().Open();
    QVERIFY(LoadInputData(onDisk, current, code));
    QCOMPARE(onDisk.InpJyoken.L, 23.5);
    QCOMPARE(ui_->dialogs.size(), 2);
    QVERIFY(window->document().DataEdited);
    ui_->answers = {MessageAnswer::No};
    window->fileCommands().Open();
    QCOMPARE(ui_->messages.size(), 3);

    // Not edited: no question.
    auto fresh = sandbox_->makeWindow();
    const auto before = ui_->messages.size();
    fresh->fileCommands().Open();
    QCOMPARE(ui_->messages.size(), before);
}

void FileCommandsTest::openDialogStartsInTheLastFolder() {
    auto window = sandbox_->makeWindow();
    window->fileCommands().Open();
    QCOMPARE(ui_->dialogs.size(), 1);
    const auto& request = ui_->dialogs[0];
    QVERIFY(request.openMode);
    QCOMPARE(request.title, QStringLiteral("ﾌｧｲﾙを開く..."));
    QCOMPARE(request.filter, QStringLiteral("入力ﾃﾞｰﾀ(*.zul)"));
    QCOMPARE(request.defaultExtension, QStringLiteral("zul"));
    QCOMPARE(request.initialName, QString());
    // An empty settings file starts in the program folder.
    QCOMPARE(request.initialDir, Q(sandbox_->paths().programFolder));

    CPrivateProfile::SetValueString(sandbox_->iniFile(), "FileName", "InitDir", "/srv/検討");
    window->fileCommands().Open();
    QCOMPARE(ui_->dialogs[1].initialDir, QStringLiteral("/srv/検討"));
}

void FileCommandsTest::openSetsCaptionFileNameRecentAndFolder() {
    auto window = sandbox_->makeWindow();
    QDir(sandbox_->folder()).mkpath("studies");
    const std::string file = sandbox_->path("studies/橋脚Ｐ１.zul");
    WriteStudy(SampleStudy(), file);
    ui_->files = {Q(file)};
    window->fileCommands().Open();

    QVERIFY(ui_->messages.isEmpty());
    QVERIFY(SameStudy(window->document(), SampleStudy()));
    QCOMPARE(window->windowTitle(), QStringLiteral("橋脚Ｐ１.zul - vezarivezorazi"));
    QCOMPARE(window->document().DataFileName, file);
    QCOMPARE(window->RecentFileAction(0)->text(), QStringLiteral("&1 ") + Q(file));
    QVERIFY(window->RecentFileAction(0)->isEnabled());
    QVERIFY(!window->RecentFileAction(1)->isEnabled());
    const QString folder = QDir(Q(sandbox_->path("studies"))).canonicalPath();
    QCOMPARE(QDir::current().canonicalPath(), folder);
    QCOMPARE(QDir(Q(GetIniString("FileName", "InitDir", sandbox_->iniFile()))).canonicalPath(), folder);
}

void FileCommandsTest::unsupportedVersionShowsItThenReadErrorZero() {
    auto window = sandbox_->makeWindow();
    const std::string good = sandbox_->path("good.zul");
    WriteStudy(SampleStudy(), good);
    window->fileCommands().OpenFile(good);

    // Line 3 carries the version from its 33rd character on, before its last character.
    QList<QByteArray> lines = ReadBytes(good).split('\n');
    QVERIFY(lines.size() > 3);
    QByteArray& line = lines[2];
    const qsizetype start = 32;
    const qsizetype end = line.endsWith('\r') ? line.size() - 2 : line.size() - 1;
    QVERIFY(line.size() > start + 1);
    line = line.left(start) + "2.50" + line.mid(end);
    const std::string future = sandbox_->path("future.zul");
    WriteBytes(future, lines.join('\n'));
    QCOMPARE(GetInputFileVersion(future), std::string("2.50"));

    ui_->files = {Q(future)};
    window->fileCommands().Open();
    QCOMPARE(ui_->messages.size(), 2);
    QCOMPARE(ui_->messages[0].text,
             QStringLiteral("入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.2.50）には現在対応しておりません。"));
    QCOMPARE(ui_->messages[0].title, QStringLiteral("ﾌｧｲﾙを開く"));
    QCOMPARE(ui_->messages[0].icon, MessageIcon::Critical);
    QCOMPARE(ui_->messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(ui_->messages[1].text,
             QStringLiteral("指定された入力ﾃﾞｰﾀﾌｧｲﾙの読み込みができませんでした。（ｴﾗｰｺｰﾄﾞ ： 0）") +
                 kReadErrorTail);
    QCOMPARE(ui_->messages[1].title, QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ読み込みｴﾗｰ"));
    QCOMPARE(ui_->messages[1].icon, MessageIcon::Critical);
    QCOMPARE(ui_->messages[1].buttons, MessageButtons::Ok);
    QVERIFY(window->document().DataFileName.empty());
    QCOMPARE(window->windowTitle(), QStringLiteral("vezarivezorazi"));
    // No reader ran: the previous document stays, and the list does not take the file.
    QVERIFY(SameStudy(window->document(), SampleStudy()));
    QCOMPARE(ReadRecentFiles(sandbox_->iniFile())[0], good);

    // A file too short to have a third line shows the version "error".
    const std::string stub = sandbox_->path("stub.zul");
    WriteBytes(stub, "x\r\n");
    ui_->files = {Q(stub)};
    window->fileCommands().Open();
    QCOMPARE(ui_->messages[2].text,
             QStringLiteral("入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.error）には現在対応しておりません。"));
}

void FileCommandsTest::brokenFileShowsItsCodeAndLeavesAResetDocument() {
    auto window = sandbox_->makeWindow();
    const std::string good = sandbox_->path("good.zul");
    WriteStudy(SampleStudy(), good);
    window->fileCommands().OpenFile(good);
    QVERIFY(SameStudy(window->document(), SampleStudy()));

    // Cut the file in the middle of its data.
    const QByteArray bytes = ReadBytes(good);
    const std::string broken = sandbox_->path("broken.ZUL");
    WriteBytes(broken, bytes.left(bytes.size() / 2));
    ProjectDocument probe;
    int expectedCode = 0;
    QVERIFY(!LoadInputData(probe, broken, expectedCode));
    QVERIFY(expectedCode != 0);

    ui_->files = {Q(broken)};
    window->fileCommands().Open();
    QCOMPARE(ui_->messages.size(), 1);
    QCOMPARE(ui_->messages[0].title, QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ読み込みｴﾗｰ"));
    QCOMPARE(ui_->messages[0].text,
             QStringLiteral("指定された入力ﾃﾞｰﾀﾌｧｲﾙの読み込みができませんでした。（ｴﾗｰｺｰﾄﾞ ： %1）")
                     .arg(expectedCode) +
                 kReadErrorTail);
    QVERIFY(IsFreshStudy(window->document()));
    QVERIFY(window->document().DataFileName.empty());
    QCOMPARE(window->windowTitle(), QStringLiteral("vezarivezorazi"));

    // A vanished file has no version line to read: "error", then the read error with code 0.
    ui_->files = {Q(sandbox_->path("gone.zul"))};
    window->fileCommands().Open();
    QCOMPARE(ui_->messages.size(), 3);
    QCOMPARE(ui_->messages[1].text,
             QStringLiteral("入力ﾃﾞｰﾀﾌｧｲﾙの書式（Ver.error）には現在対応しておりません。"));
    QVERIFY(ui_->messages[2].text.contains(QStringLiteral("（ｴﾗｰｺｰﾄﾞ ： 0）")));
}

// A sound borehole source opens with the study; a damaged one is named and dropped, and the study
// opens and becomes the document's file.
void FileCommandsTest::damagedBoreholeSourceIsDroppedAndTheStudyOpens() {
    auto window = sandbox_->makeWindow();
    ProjectDocument study = SampleStudy();
    study.boreholeSource = BoreholeSource{};
    study.boreholeSource->boreholeName = "B-1";
    const std::string good = sandbox_->path("source.zul");
    WriteStudy(study, good);
    window->fileCommands().OpenFile(good);
    QVERIFY(ui_->messages.isEmpty());
    QCOMPARE(window->document().boreholeSource->boreholeName, std::string("B-1"));

    const QByteArray bytes = ReadBytes(good);
    const std::string damaged = sandbox_->path("damaged.zul");
    WriteBytes(damaged, bytes.left(bytes.indexOf("#END-BOREHOLE-SOURCE")));
    window->fileCommands().OpenFile(damaged);
    QCOMPARE(ui_->messages.size(), 1);
    QCOMPARE(ui_->messages[0].icon, MessageIcon::Warning);
    QVERIFY(ui_->messages[0].text.contains(QStringLiteral("取込み元の記録なしで開きます")));
    QVERIFY(!window->document().boreholeSource);
    QCOMPARE(window->document().DataFileName, damaged);
    study.boreholeSource.reset();
    QVERIFY(SameStudy(window->document(), study));
}

void FileCommandsTest::wrongExtensionKeepsTheDocument() {
    auto window = sandbox_->makeWindow();
    const std::string good = sandbox_->path("good.zul");
    WriteStudy(SampleStudy(), good);
    window->fileCommands().OpenFile(good);
    const std::string other = sandbox_->path("copy.txt");
    WriteBytes(other, ReadBytes(good));

    ui_->files = {Q(other)};
    window->fileCommands().Open();
    QCOMPARE(ui_->messages.size(), 1);
    QVERIFY(ui_->messages[0].text.contains(QStringLiteral("（ｴﾗｰｺｰﾄﾞ ： 0）")));
    QVERIFY(SameStudy(window->document(), SampleStudy()));
    QVERIFY(window->document().DataFileName.empty());
    QCOMPARE(window->windowTitle(), QStringLiteral("vezarivezorazi"));
}

void FileCommandsTest::saveOfUntitledGoesThroughSaveAs() {
    auto window = sandbox_->makeWindow();
    window->document().InpJyoken.D = 1.2;

    // Cancelling the dialog leaves everything unchanged.
    QVERIFY(!window->fileCommands().Save());
    QCOMPARE(ui_->dialogs.size(), 1);
    QVERIFY(!ui_->dialogs[0].openMode);
    QCOMPARE(ui_->dialogs[0].title, QStringLiteral("ﾌｧｲﾙに名前を付けて保存..."));
    QCOMPARE(ui_->dialogs[0].filter, QStringLiteral("入力ﾃﾞｰﾀ(*.zul)"));
    QCOMPARE(ui_->dialogs[0].defaultExtension, QStringLiteral("zul"));
    QCOMPARE(ui_->dialogs[0].initialName, QString());
    QVERIFY(window->document().DataFileName.empty());
    QVERIFY(ReadRecentFiles(sandbox_->iniFile())[0].empty());

    const std::string file = sandbox_->path("new.zul");
    ui_->files = {Q(file)};
    QVERIFY(window->fileCommands().Save());
    QCOMPARE(window->document().DataFileName, file);
    QCOMPARE(window->windowTitle(), QStringLiteral("new.zul - vezarivezorazi"));
    ProjectDocument reread;
    int code = 0;
    QVERIFY(LoadInputData(reread, file, code));
    QCOMPARE(reread.InpJyoken.D, 1.2);

    // Save As offers the current name; Save writes there without a dialog.
    window->document().InpJyoken.D = 1.5;
    QVERIFY(window->fileCommands().Save());
    QCOMPARE(ui_->dialogs.size(), 2);
    QVERIFY(LoadInputData(reread, file, code));
    QCOMPARE(reread.InpJyoken.D, 1.5);
    window->fileCommands().SaveAs();
    QCOMPARE(ui_->dialogs[2].initialName, Q(file));
}

void FileCommandsTest::saveFailureShowsWriteErrorAndChangesNothing() {
    auto window = sandbox_->makeWindow();
    const std::string good = sandbox_->path("good.zul");
    WriteStudy(SampleStudy(), good);
    window->fileCommands().OpenFile(good);

    const std::string nowhere = sandbox_->path("missing-folder/x.zul");
    ProjectDocument probe;
    int expectedCode = 0;
    QVERIFY(!SaveInputData(probe, nowhere, expectedCode));
    ui_->files = {Q(nowhere)};
    QVERIFY(!window->fileCommands().SaveAs());
    QCOMPARE(ui_->messages.size(), 1);
    QCOMPARE(
        ui_->messages[0].text,
        QStringLiteral("入力ﾃﾞｰﾀﾌｧｲﾙを作成することができませんでした。（ｴﾗｰｺｰﾄﾞ ： %1）").arg(expectedCode) +
            kReadErrorTail);
    QCOMPARE(ui_->messages[0].title, QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ書き込みｴﾗｰ"));
    QCOMPARE(ui_->messages[0].icon, MessageIcon::Critical);
    QCOMPARE(ui_->messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(window->document().DataFileName, good);
    QCOMPARE(window->windowTitle(), QStringLiteral("good.zul - vezarivezorazi"));
    QCOMPARE(ReadRecentFiles(sandbox_->iniFile())[0], good);
}

void FileCommandsTest::saveAsToAPipeOrDeviceFailsAtOnceWithSeventyFive() {
    auto window = sandbox_->makeWindow();
    const std::string pipe = sandbox_->path("pipe.zul");
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    // Nobody reads the pipe: a save that opened it would wait for ever.
    for (const std::string& target : {pipe, std::string("/dev/null")}) {
        ui_->messages.clear();
        ui_->files = {Q(target)};
        QVERIFY(!window->fileCommands().SaveAs());
        QCOMPARE(ui_->messages.size(), 1);
        QCOMPARE(ui_->messages[0].text,
                 QStringLiteral("入力ﾃﾞｰﾀﾌｧｲﾙを作成することができませんでした。（ｴﾗｰｺｰﾄﾞ ： 75）") +
                     kReadErrorTail);
        QCOMPARE(window->document().DataFileName, std::string());
    }
}

void FileCommandsTest::recentOrderAfterOpenSaveAsAndOpenRecent() {
    auto window = sandbox_->makeWindow();
    std::vector<std::string> files;
    for (const char* name : {"a.zul", "b.zul", "c.zul", "d.zul"}) {
        files.push_back(sandbox_->path(name));
        WriteStudy(SampleStudy(), files.back());
    }
    for (int i = 0; i < 3; ++i) {
        ui_->files = {Q(files[static_cast<std::size_t>(i)])};
        window->fileCommands().Open();
    }
    RecentFileList expected{files[2], files[1], files[0], ""};
    QCOMPARE(ReadRecentFiles(sandbox_->iniFile()), expected);

    // Save As a fourth file: it goes first.
    const std::string saved = sandbox_->path("e.zul");
    ui_->files = {Q(saved)};
    QVERIFY(window->fileCommands().SaveAs());
    expected = {saved, files[2], files[1], files[0]};
    QCOMPARE(ReadRecentFiles(sandbox_->iniFile()), expected);

    // Opening entry 3 again: it, old 1, old 2, old 4.
    window->fileCommands().OpenRecent(2);
    expected = {files[1], saved, files[2], files[0]};
    QCOMPARE(ReadRecentFiles(sandbox_->iniFile()), expected);
    QCOMPARE(window->windowTitle(), QStringLiteral("b.zul - vezarivezorazi"));
    QCOMPARE(window->document().DataFileName, files[1]);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(window->RecentFileAction(i)->text(),
                 QStringLiteral("&%1 ").arg(i + 1) + Q(expected[static_cast<std::size_t>(i)]));
    }

    // A fifth distinct file drops the oldest; the menu triggers the same command.
    ui_->files = {Q(files[3])};
    window->fileCommands().Open();
    expected = {files[3], files[1], saved, files[2]};
    QCOMPARE(ReadRecentFiles(sandbox_->iniFile()), expected);
    window->RecentFileAction(3)->trigger();
    QCOMPARE(window->document().DataFileName, files[2]);
    QVERIFY(ui_->messages.isEmpty());

    // An entry whose file has gone reports the read error and leaves the list as it was.
    QVERIFY(QFile::remove(Q(files[3])));
    const RecentFileList before = ReadRecentFiles(sandbox_->iniFile());
    window->fileCommands().OpenRecent(1);
    QCOMPARE(ui_->messages.size(), 2);
    QCOMPARE(ui_->messages[0].title, QStringLiteral("ﾌｧｲﾙを開く"));
    QCOMPARE(ui_->messages[1].title, QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ読み込みｴﾗｰ"));
    QVERIFY(window->document().DataFileName.empty());
    QCOMPARE(ReadRecentFiles(sandbox_->iniFile()), before);
}

void FileCommandsTest::fileNamedAtStartOpensWithoutDialog() {
    const std::string file = sandbox_->path("start.zul");
    WriteStudy(SampleStudy(), file);
    auto window = sandbox_->makeWindow();
    window->fileCommands().OpenFile(file);
    QVERIFY(ui_->dialogs.isEmpty());
    QVERIFY(ui_->messages.isEmpty());
    QCOMPARE(window->windowTitle(), QStringLiteral("start.zul - vezarivezorazi"));
    QVERIFY(!window->document().DataEdited);
    QCOMPARE(ReadRecentFiles(sandbox_->iniFile())[0], file);
}

ZUL_QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
