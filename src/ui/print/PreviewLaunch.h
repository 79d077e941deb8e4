#pragma once

#include <string>

namespace zul {

// The command line that starts the preview program on the joined print file:
//   "<program folder>/Preview" /INI="<data folder>" "<joined print file>" [/NAME="<study name>"]
// Every path is in double quotes, so a folder or file name with blanks stays one argument
// when the launcher splits the command line.  The study name, when there is one, is the name
// the preview offers for a saved PDF; double quotes are left out of it.
std::string PreviewCommandText(const std::string& programFolder, const std::string& dataFolder,
                               const std::string& joinedFile, const std::string& studyName = {});

// The name of the study for the PDF: the study file's name without its folder, or the case
// title of a study not yet saved; empty when neither is there.
std::string StudyNameForPdf(const std::string& dataFileName, const std::string& caseTitle);

} // namespace zul
