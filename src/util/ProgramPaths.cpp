#include "util/ProgramPaths.h"

#include "util/FileHelpers.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace zul {

namespace {

std::string ConfigFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
        return config;
    }
    return HomeFolder() + "/.config";
}

} // namespace

std::string ProgramFolder() {
    std::error_code error;
    const auto executable = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path(error).string();
    }
    return executable.parent_path().string();
}

bool IsWritableFolder(const std::string& folder) {
    return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool IsProgramFolderWritable(const std::string& folder) {
    const bool underUsr = folder == "/usr" || folder.rfind("/usr/", 0) == 0;
    return !underUsr && IsWritableFolder(folder);
}

std::string SettingsFilePath() {
    const std::string program = ProgramFolder();
    if (IsProgramFolderWritable(program)) {
        return program + "/Zul.ini";
    }
    const std::filesystem::path folder = std::filesystem::path(ConfigFolder()) / "Velmarok" / "Zul";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return (folder / "Zul.ini").string();
}

std::string PerUserDataFolder() {
    return GetLocalAppDataFolder() + "/Velmarok/Zul";
}

ProgramPaths PathsOfThisProgram() {
    ProgramPaths paths;
    paths.programFolder = ProgramFolder();
    paths.fmtFile = paths.programFolder + "/Zul.fmt";
    paths.definitionFolder = paths.programFolder;
    paths.metafileFolder = MetafileFolder();
    paths.iniFile = SettingsFilePath();
    paths.dataFolder = PerUserDataFolder();
    return paths;
}

std::string MetafileFolder() {
    const std::string program = ProgramFolder();
    return IsProgramFolderWritable(program) ? program : PerUserDataFolder();
}

} // namespace zul
