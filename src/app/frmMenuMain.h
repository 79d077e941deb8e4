#pragma once

#include "app/FileCommands.h"
#include "calc/basCalcMain.h"
#include "document/ProjectDocument.h"
#include "io/RecentFiles.h"
#include "ui/ScreenLaunchers.h"
#include "util/ProgramPaths.h"

#include <QMainWindow>

#include <array>
#include <string>

class QAction;
class QPushButton;
class QToolBar;

namespace zul {

class frmResOutRa;

// The program's only top-level window and its command centre: it owns the project document,
// opens every screen modally, runs the calculation before the result screens and carries the
// file commands.  Its paths (the per-user data folder is created at start-up) go whole to the
// screens, the file commands and the print menu.
class frmMenuMain : public QMainWindow, private FileCommandHost {
    Q_OBJECT
public:
    explicit frmMenuMain(ProgramPaths paths, QWidget* parent = nullptr);
    ~frmMenuMain() override;

    ProjectDocument& document() { return doc_; }
    const ProjectDocument& document() const { return doc_; }
    FileCommands& fileCommands() { return files_; }
    const std::string& iniFile() const { return paths_.iniFile; }

    // The command button with this tag ("InpKui", "ResOutRa", ...), or nullptr.
    QPushButton* FindMenuButton(const QString& tag) const;
    // The recent-file menu entry 0..3.
    QAction* RecentFileAction(int index) const;
    // The toolbar button with this key ("New", "Open", "SaveAs", "Save", "Printer").
    QAction* ToolbarAction(const QString& key) const;

    // Shows the entered state of the input areas in the colours of the command buttons.
    void RefreshEnteredColours();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildButtons();
    void BuildMenu();
    void BuildToolbar();
    void EnableCommandsForPresentScreens();
    void StartUp();

    AppContext Context();
    void cmdMenu_Click(QPushButton* button);
    void RunInputScreen(const QString& tag);
    void RunRaTable();
    void RunCheckScreen();
    void RunPrintMenu();
    void objResOutRa_LoadData();
    void mnuAbout_Click();
    void SetCommandsEnabled(bool enabled);

    // FileCommandHost
    QWidget* dialogParent() override { return this; }
    void showFileTitle(const QString& fileTitle) override;
    void refreshEnteredState() override { RefreshEnteredColours(); }
    void showRecentFiles(const RecentFileList& files) override;

    ProgramPaths paths_;
    ProjectDocument doc_;
    basCalcMain calc_;
    FileCommands files_;

    std::array<QPushButton*, 8> cmdMenu_{};
    QPushButton* cmdExit_ = nullptr;
    std::array<QAction*, 4> mnuFileName_{};
    QToolBar* tbrMenu_ = nullptr;
    frmResOutRa* objResOutRa_ = nullptr;
};

} // namespace zul
