#pragma once

#include <string>

namespace zul {

// Where the program's files live.

// The real folder of the running executable (links resolved).  Zul.fmt, the DEF files and the
// programs live here.
std::string ProgramFolder();

// The settings file: "Zul.ini" in the program folder when that folder is writable, else in
// $XDG_CONFIG_HOME (default ~/.config) + "/Velmarok/Zul", which is created when missing.
std::string SettingsFilePath();

// The per-user data folder: the local application data folder + "/Velmarok/Zul" (not created here).
std::string PerUserDataFolder();

// The folder of the graph metafiles: the program folder when it is writable, else the per-user
// data folder.
std::string MetafileFolder();

// True when files can be created in the folder.
bool IsWritableFolder(const std::string& folder);

} // namespace zul
