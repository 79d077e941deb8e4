#include "app/FileCommands.h"

#include "app/AppMessages.h"
#include "io/CPrivateProfile.h"
#include "io/InputDataFile.h"
#include "ui/UiServices.h"

#include <QDir>
#include <QFileInfo>

namespace zul {

const QString kInputDataFilter = QStringLiteral("入力ﾃﾞｰﾀ(*.zul)");

namespace {

const std::string kFileSection = "FileName";

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Everything after the last "/" of a path.
QString TitleOfPath(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return FromUtf8(slash == std::string::npos ? path : path.substr(slash + 1));
}

} // namespace

FileCommands::FileCommands(ProjectDocument& doc, FileCommandHost& host, const ProgramPaths& paths)
    : doc_(doc), host_(host), paths_(paths) {}

void FileCommands::New() {
    if (Show(host_.dialogParent(), MessageNew()) != MessageAnswer::Ok) {
        return;
    }
    InitInputData(doc_);
    doc_.DataFileName.clear();
    host_.showFileTitle({});
    host_.refreshEnteredState();
}

void FileCommands::AskSaveBeforeOpen() {
    if (doc_.DataEdited && Show(host_.dialogParent(), MessageSaveBeforeOpen(FromUtf8(doc_.DataFileName))) ==
                               MessageAnswer::Yes) {
        Save();
    }
}

void FileCommands::Open() {
    AskSaveBeforeOpen();
    UiServices::FileDialogRequest request;
    request.openMode = true;
    request.title = QStringLiteral("ﾌｧｲﾙを開く...");
    request.defaultExtension = QStringLiteral("zul");
    request.filter = kInputDataFilter;
    const std::string initDir = GetIniString(kFileSection, "InitDir", paths_.iniFile);
    request.initialDir = FromUtf8(initDir.empty() ? paths_.programFolder : initDir);
    const QString chosen = UiServices::current().chooseFile(host_.dialogParent(), request);
    if (chosen.isEmpty()) {
        return;
    }
    Load(chosen.toStdString(), QFileInfo(chosen).fileName());
}

void FileCommands::OpenRecent(int index) {
    if (index < 0 || index > 3) {
        return;
    }
    AskSaveBeforeOpen();
    const std::string path =
        GetIniString(kFileSection, "FileName" + std::to_string(index + 1), paths_.iniFile);
    Load(path, TitleOfPath(path));
}

void FileCommands::OpenFile(const std::string& path) {
    Load(path, TitleOfPath(path));
}

bool FileCommands::OpenStudy(const std::string& path) {
    AskSaveBeforeOpen();
    return Load(path, TitleOfPath(path));
}

bool FileCommands::Load(const std::string& path, const QString& fileTitle) {
    const OpenResult result = OpenInputFile(doc_, path);
    if (result.unsupportedVersion) {
        Show(host_.dialogParent(), MessageUnsupportedVersion(FromUtf8(result.versionText)));
    }
    host_.refreshEnteredState();
    if (result.success) {
        // The study graph of the study before is not this study's graph.
        doc_.RaTableDone = false;
        Adopt(path, fileTitle);
        if (!result.sourceMessage.empty()) {
            Show(host_.dialogParent(), MessageSourceDropped(result.sourceMessage));
        }
        return true;
    }
    host_.showFileTitle({});
    doc_.DataFileName.clear();
    Show(host_.dialogParent(), MessageReadError(result.errorCode));
    return false;
}

// The file is now the document's file: caption, file name, recent files, current folder and the
// folder the Open dialog starts in next time.
void FileCommands::Adopt(const std::string& path, const QString& fileTitle) {
    host_.showFileTitle(fileTitle);
    doc_.DataFileName = path;
    host_.showRecentFiles(AddRecentFile(paths_.iniFile, path));
    const auto slash = path.find_last_of('/');
    if (slash != std::string::npos) {
        QDir::setCurrent(FromUtf8(slash == 0 ? std::string("/") : path.substr(0, slash)));
    }
    CPrivateProfile::SetValueString(paths_.iniFile, kFileSection, "InitDir",
                                    QDir::currentPath().toStdString());
}

bool FileCommands::Save() {
    if (doc_.DataFileName.empty()) {
        return SaveAs();
    }
    int code = 0;
    if (!SaveInputData(doc_, doc_.DataFileName, code)) {
        Show(host_.dialogParent(), MessageWriteError(code));
        return false;
    }
    host_.showRecentFiles(AddRecentFile(paths_.iniFile, doc_.DataFileName));
    return true;
}

bool FileCommands::SaveAs() {
    UiServices::FileDialogRequest request;
    request.openMode = false;
    request.title = QStringLiteral("ﾌｧｲﾙに名前を付けて保存...");
    request.defaultExtension = QStringLiteral("zul");
    request.filter = kInputDataFilter;
    request.initialName = FromUtf8(doc_.DataFileName);
    const QString chosen = UiServices::current().chooseFile(host_.dialogParent(), request);
    if (chosen.isEmpty()) {
        return false;
    }
    const std::string path = chosen.toStdString();
    int code = 0;
    if (!SaveInputData(doc_, path, code)) {
        Show(host_.dialogParent(), MessageWriteError(code));
        return false;
    }
    Adopt(path, QFileInfo(chosen).fileName());
    return true;
}

bool FileCommands::ConfirmExit() {
    if (!doc_.DataEdited) {
        return true;
    }
    switch (Show(host_.dialogParent(), MessageSaveBeforeExit(FromUtf8(doc_.DataFileName)))) {
    case MessageAnswer::No:
        return true;
    case MessageAnswer::Yes:
        return Save();
    default:
        return false;
    }
}

} // namespace zul
