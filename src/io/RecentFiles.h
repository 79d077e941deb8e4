#pragma once

#include <array>
#include <string>

namespace zul {

// The four most recent input data files, most recent first ("FileName1".."FileName4" of
// section "FileName").  Empty entries are empty texts.
using RecentFileList = std::array<std::string, 4>;

RecentFileList ReadRecentFiles(const std::string& iniFile);

// Puts path at the top of the list with the reordering rule of the recent-file menu, writes the
// four entries back and returns the new list (for the menu refresh).
RecentFileList AddRecentFile(const std::string& iniFile, const std::string& path);

} // namespace zul
