#pragma once

#include "util/ProgramPaths.h"

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
    QStringList arguments; // /INI=<data folder>, [/NAME=<study>], [/TITLE=<study title>],
                           // [/FILE=<study file>], [/BESIDE=x,y,w,h], the print file last
};

// The launch on the joined print file: Preview of the program folder, its settings in the data
// folder.  The study name, when there is one, names the preview's window and the PDF it saves;
// beside, when valid, is the print menu's frame on the screen, next to which the preview opens
// the first time.  The case title and the study's file, when there are, stand at the head of
// every page (the title also titles the PDF).
PreviewLaunch MakePreviewLaunch(const ProgramPaths& paths, const std::string& joinedFile,
                                const std::string& studyName = {}, const QRect& beside = {},
                                const std::string& caseTitle = {}, const std::string& studyFile = {});

// Starts the program as a process of its own without waiting for it; true when it started.
bool StartDetachedProgram(const QString& program, const QStringList& arguments);

// The name of the study for the PDF: the study file's name without its folder, or the case
// title of a study not yet saved; empty when neither is there.
std::string StudyNameForPdf(const std::string& dataFileName, const std::string& caseTitle);

} // namespace zul
