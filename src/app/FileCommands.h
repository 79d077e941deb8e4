#pragma once

#include "document/ProjectDocument.h"
#include "io/RecentFiles.h"
#include "util/ProgramPaths.h"

#include <QString>

#include <string>

class QWidget;

namespace zul {

// What the file commands need from the window that carries them.
class FileCommandHost {
public:
    virtual ~FileCommandHost() = default;
    // Owner of the message boxes and file dialogs.
    virtual QWidget* dialogParent() = 0;
    // The caption shows this file title; an empty title shows the untitled caption.
    virtual void showFileTitle(const QString& fileTitle) = 0;
    // The entered state of the input areas may have changed.
    virtual void refreshEnteredState() = 0;
    // The recent-file list was written; the menu shows it.
    virtual void showRecentFiles(const RecentFileList& files) = 0;
};

// New, Open, Open recent, Save, Save As and the save prompt before the program ends.  They
// replace, load and store the project document and keep the caption, the current file name,
// the recent-file list and the last folder up to date.  The settings file of the paths keeps
// the recent files and the last folder; the program folder is the first folder of Open.
class FileCommands {
public:
    FileCommands(ProjectDocument& doc, FileCommandHost& host, const ProgramPaths& paths);

    void New();
    void Open();
    // Entry index 0..3 of the recent-file menu; the path is read from the settings file now.
    void OpenRecent(int index);
    // Opens the file as Open does after its dialog (used for a file named at start-up).
    void OpenFile(const std::string& path);
    // Opens a study written elsewhere (a borehole's study of a site run) as Open does after its
    // dialog, asking first whether to save the edits; true when it was opened.
    bool OpenStudy(const std::string& path);
    // True when the document was written.
    bool Save();
    bool SaveAs();
    // The save prompt before the program ends: true when the program may end.  Answering Yes
    // ends the program only when the document was really saved, so that cancelling the Save As
    // dialog or a failed write never loses the edits.
    bool ConfirmExit();

private:
    void AskSaveBeforeOpen();
    bool Load(const std::string& path, const QString& fileTitle);
    void Adopt(const std::string& path, const QString& fileTitle);

    ProjectDocument& doc_;
    FileCommandHost& host_;
    const ProgramPaths& paths_;
};

// The dialog filter of input data files.
extern const QString kInputDataFilter;

} // namespace zul
