#include "ui/print/PreviewLaunch.h"

namespace zul {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

std::string PreviewCommandText(const std::string& programFolder, const std::string& dataFolder,
                               const std::string& joinedFile) {
    return Quoted(programFolder + "/Preview") + " /INI=" + Quoted(dataFolder) + " " + Quoted(joinedFile);
}

} // namespace zul
