#pragma once

#include <string>

namespace zul {

// The command line that starts the preview program on the joined print file:
//   "<program folder>/Preview" /INI="<data folder>" "<joined print file>"
// Every path is in double quotes, so a folder or file name with blanks stays one argument
// when the launcher splits the command line.
std::string PreviewCommandText(const std::string& programFolder, const std::string& dataFolder,
                               const std::string& joinedFile);

} // namespace zul
