#include "io/RecentFiles.h"

#include "io/CPrivateProfile.h"

namespace zul {

namespace {
const std::string kSection = "FileName";
std::string EntryKey(std::size_t index) {
    return "FileName" + std::to_string(index + 1);
}
} // namespace

RecentFileList ReadRecentFiles(const std::string& iniFile) {
    RecentFileList list;
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i] = CPrivateProfile::GetValueString(iniFile, kSection, EntryKey(i));
    }
    return list;
}

RecentFileList AddRecentFile(const std::string& iniFile, const std::string& path) {
    const RecentFileList old = ReadRecentFiles(iniFile);
    // Position of the path in the old list (1-based, the last occurrence counts), 0 when absent.
    std::size_t k = 0;
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (old[i] == path) {
            k = i + 1;
        }
    }
    RecentFileList list{path, old[0], old[1], old[2]};
    switch (k) {
    case 1:
        list = {path, old[1], old[2], old[3]};
        break;
    case 2:
        list = {path, old[0], old[2], old[3]};
        break;
    case 3:
        list = {path, old[0], old[1], old[3]};
        break;
    default: // 0 or 4: the oldest entry drops out
        break;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        CPrivateProfile::SetValueString(iniFile, kSection, EntryKey(i), list[i]);
    }
    return list;
}

} // namespace zul
