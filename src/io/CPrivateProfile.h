#pragma once

#include <cstdint>
#include <string>

namespace zul {

// Access to a settings file of the classic sectioned key=value kind, stored in code page 932
// with CR LF line ends.  Section and key names compare without regard to case; blanks around a
// value are dropped; other lines are kept; a key replaces its value in place, a new key goes to
// the end of its section, a new section to the end of the file.  Reads never fail: a missing
// file, section or key yields the default.  Texts are UTF-8 in memory.
class CPrivateProfile {
public:
    // Integer formed by the leading decimal digits of the value (optional sign); 0 when absent.
    static std::int32_t GetValueLong(const std::string& strINIFileName, const std::string& strSection,
                                     const std::string& strKey);
    // At most 127 bytes of the value (in code page 932), never cut inside a two-byte character;
    // empty when absent.
    static std::string GetValueString(const std::string& strINIFileName, const std::string& strSection,
                                      const std::string& strKey);
    // Creates the file, the section or the key as needed; true when the write succeeded.
    static bool SetValueString(const std::string& strINIFileName, const std::string& strSection,
                               const std::string& strKey, const std::string& strValue);
};

// The same as CPrivateProfile::GetValueString, in the argument order the main window uses.
std::string GetIniString(const std::string& section, const std::string& key, const std::string& iniFile);

} // namespace zul
