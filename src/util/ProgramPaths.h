#pragma once

#include <string>

namespace zul {

// Where the program's files live.

// The files and folders the programs work with, fixed once when a program starts (zul-cli takes
// some of them from its options) and handed on whole: to the report, the print menu and the
// start of the preview program.
struct ProgramPaths {
    std::string programFolder;    // the programs (Preview)
    std::string fmtFile;          // report templates, Zul.fmt
    std::string definitionFolder; // figure definitions, LINE_PRN.DEF and STR_PRN.DEF
    std::string metafileFolder;   // the graph metafiles RA01.WMF ...
    std::string iniFile;          // settings, Zul.ini
    std::string dataFolder;       // per-user data folder, where Preview keeps its settings
};

// The paths of the running program (the settings folder is created when it must be used).
ProgramPaths PathsOfThisProgram();

// The real folder of the running executable (links resolved).  Zul.fmt, the DEF files and the
// programs live here.
std::string ProgramFolder();

// The settings file: "Zul.ini" in the program folder when the program may write there (see
// IsProgramFolderWritable), else in $XDG_CONFIG_HOME (default ~/.config) + "/Velmarok/Zul", which
// is created when missing.
std::string SettingsFilePath();

// The per-user data folder: the local application data folder + "/Velmarok/Zul" (not created here).
std::string PerUserDataFolder();

// The folder of the graph metafiles: the program folder when the program may write there, else the
// per-user data folder.
std::string MetafileFolder();

// True when files can be created in the folder.
bool IsWritableFolder(const std::string& folder);

// True when the program keeps its settings and metafiles in its own folder: the folder is writable
// and does not lie under /usr.  An installed copy (/usr/lib/zul) is never written at run time, not
// even when the administrator runs it, so that removing the package leaves nothing behind.
bool IsProgramFolderWritable(const std::string& folder);

} // namespace zul
