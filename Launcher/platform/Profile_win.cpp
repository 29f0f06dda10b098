#include "Profile_win.h"

#include <windows.h>

#include <vector>

namespace corvella {

std::string WinProfile::Read(std::string_view section, std::string_view key,
                             std::string_view defaultText, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    std::vector<char> buffer(bufferSize, ' ');
    GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                             std::string(defaultText).c_str(), buffer.data(),
                             static_cast<DWORD>(bufferSize), path_.c_str());
    buffer.back() = '\0';
    return std::string(buffer.data());
}

void WinProfile::Write(std::string_view section, std::string_view key, std::string_view value) {
    WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                               std::string(value).c_str(), path_.c_str());
}

}  // namespace corvella
