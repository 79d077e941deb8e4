#include "ui/print/PreviewLaunch.h"

#include <filesystem>

namespace zul {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

std::string PreviewCommandText(const std::string& programFolder, const std::string& dataFolder,
                               const std::string& joinedFile, const std::string& studyName) {
    std::string command =
        Quoted(programFolder + "/Preview") + " /INI=" + Quoted(dataFolder) + " " + Quoted(joinedFile);
    std::string name;
    for (const char c : studyName) {
        if (c != '"' && static_cast<unsigned char>(c) >= 0x20) {
            name += c;
        }
    }
    if (!name.empty()) {
        command += " /NAME=" + Quoted(name);
    }
    return command;
}

std::string StudyNameForPdf(const std::string& dataFileName, const std::string& caseTitle) {
    if (dataFileName.empty()) {
        return caseTitle;
    }
    // The preview leaves out the ".zul".
    return std::filesystem::path(dataFileName).filename().string();
}

} // namespace zul
