#pragma once
// The settings file as the launcher sees it: one key per call, always against
// the whole file, no cache. Implemented by the platform's profile functions
// (Profile_win.cpp) and by a portable INI file with the same rules
// (IniFileProfile.h), which the core tests and non-Windows builds use.
#include <cstddef>
#include <string>
#include <string_view>

namespace corvella {

class Profile {
public:
    virtual ~Profile() = default;

    // The value of `key` in `section` as it arrives in a return buffer of
    // `bufferSize` characters: at most bufferSize - 1 characters, ending at the
    // first NUL. `defaultText` comes back when the key or the file is absent.
    virtual std::string Read(std::string_view section, std::string_view key,
                             std::string_view defaultText, std::size_t bufferSize) = 0;

    // Writes one key in place (appended to its section, the section appended to
    // the file, the file created, as needed). Failures are not reported.
    virtual void Write(std::string_view section, std::string_view key,
                       std::string_view value) = 0;
};

}  // namespace corvella
