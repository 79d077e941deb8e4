#include "ui/print/PreviewLaunch.h"

#include <QProcess>

#include <filesystem>

namespace zul {

PreviewLaunch MakePreviewLaunch(const std::string& programFolder, const std::string& dataFolder,
                                const std::string& joinedFile, const std::string& studyName,
                                const QRect& beside) {
    PreviewLaunch launch;
    launch.program = QString::fromStdString(programFolder + "/Preview");
    launch.arguments << QStringLiteral("/INI=") + QString::fromStdString(dataFolder);
    // A line end or another control character has no place in a window title.
    std::string name;
    for (const char c : studyName) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            name += c;
        }
    }
    if (!name.empty()) {
        launch.arguments << QStringLiteral("/NAME=") + QString::fromStdString(name);
    }
    if (beside.isValid()) {
        launch.arguments << QStringLiteral("/BESIDE=%1,%2,%3,%4")
                                .arg(beside.x())
                                .arg(beside.y())
                                .arg(beside.width())
                                .arg(beside.height());
    }
    launch.arguments << QString::fromStdString(joinedFile);
    return launch;
}

bool StartDetachedProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

std::string StudyNameForPdf(const std::string& dataFileName, const std::string& caseTitle) {
    if (dataFileName.empty()) {
        return caseTitle;
    }
    // The preview leaves out the ".zul".
    return std::filesystem::path(dataFileName).filename().string();
}

} // namespace zul
