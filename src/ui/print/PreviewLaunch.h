#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <string>

namespace zul {

// How the print menu starts the preview program: the program and its arguments, each one
// handed over whole (no command line is split again, so blanks, quotes and Japanese text in a
// path arrive as they are).
struct PreviewLaunch {
    QString program;       // "<program folder>/Preview"
    QStringList arguments; // /INI=<data folder>, [/NAME=<study>], [/BESIDE=x,y,w,h], the print file last
};

// The launch on the joined print file.  The study name, when there is one, names the preview's
// window and the PDF it saves; beside, when valid, is the print menu's frame on the screen, next
// to which the preview opens the first time.
PreviewLaunch MakePreviewLaunch(const std::string& programFolder, const std::string& dataFolder,
                                const std::string& joinedFile, const std::string& studyName = {},
                                const QRect& beside = {});

// Starts the program as a process of its own without waiting for it; true when it started.
bool StartDetachedProgram(const QString& program, const QStringList& arguments);

// The name of the study for the PDF: the study file's name without its folder, or the case
// title of a study not yet saved; empty when neither is there.
std::string StudyNameForPdf(const std::string& dataFileName, const std::string& caseTitle);

} // namespace zul
