#include "ui/print/PreviewLaunch.h"

#include "printfile/PreviewArguments.h"

#include <QProcess>

#include <filesystem>

namespace zul {

namespace {

// A line end or another control character has no place in a window title or a page head.
std::string withoutControls(const std::string& text) {
    std::string kept;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            kept += c;
        }
    }
    return kept;
}

// An option of the preview's command line with its value.
QString Option(std::string_view option, const std::string& value) {
    return QString::fromUtf8(option.data(), static_cast<qsizetype>(option.size())) +
           QString::fromStdString(value);
}

} // namespace

PreviewLaunch MakePreviewLaunch(const ProgramPaths& paths, const std::string& joinedFile,
                                const std::string& studyName, const QRect& beside,
                                const std::string& caseTitle, const std::string& studyFile) {
    PreviewLaunch launch;
    launch.program = QString::fromStdString(paths.programFolder + "/" + std::string(kPreviewProgram));
    launch.arguments << Option(kPreviewIniOption, paths.dataFolder);
    if (const std::string name = withoutControls(studyName); !name.empty()) {
        launch.arguments << Option(kPreviewNameOption, name);
    }
    if (const std::string title = withoutControls(caseTitle); !title.empty()) {
        launch.arguments << Option(kPreviewTitleOption, title);
    }
    if (!studyFile.empty()) {
        launch.arguments << Option(kPreviewFileOption, studyFile);
    }
    if (beside.isValid()) {
        launch.arguments << Option(kPreviewBesideOption, QStringLiteral("%1,%2,%3,%4")
                                                             .arg(beside.x())
                                                             .arg(beside.y())
                                                             .arg(beside.width())
                                                             .arg(beside.height())
                                                             .toStdString());
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
