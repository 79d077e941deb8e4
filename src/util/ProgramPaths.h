#pragma once

#include <string>

namespace zul {

// Where the program's files live.

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
