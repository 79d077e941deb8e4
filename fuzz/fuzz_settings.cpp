// Any settings file must read without crash, hang or leak, and a value written into it must
// read back.  The first bytes of the input name a section; the rest is the file.
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "io/CPrivateProfile.h"
#include "io/RecentFiles.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t nameLength = size > 0 ? std::min<std::size_t>(data[0] % 16, size - 1) : 0;
    const std::string section(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0), nameLength);
    const std::size_t fileStart = size > 0 ? 1 + nameLength : 0;
    const std::string ini = FuzzFolder() + "/Zul.ini";
    WriteFuzzFile(ini, reinterpret_cast<const char*>(data) + fileStart, size - fileStart);

    using zul::CPrivateProfile;
    CPrivateProfile::GetValueLong(ini, "MenuMain", "Top");
    CPrivateProfile::GetValueLong(ini, section, "Left");
    Check(CPrivateProfile::GetValueString(ini, "FileName", "InitDir").size() <=
          127 * 3); // one code page 932 byte is at most three UTF-8 bytes
    zul::GetIniString(section, "FileName1", ini);
    zul::ReadRecentFiles(ini);

    if (CPrivateProfile::SetValueString(ini, section, "Key", " value ")) {
        Check(CPrivateProfile::GetValueString(ini, section, "key") == "value");
    }
    const auto list = zul::AddRecentFile(ini, "/home/user/杭.zul");
    Check(list[0] == "/home/user/杭.zul");
    Check(zul::ReadRecentFiles(ini)[0] == "/home/user/杭.zul");
    return 0;
}
