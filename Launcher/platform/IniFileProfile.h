#pragma once
// A profile kept in an INI file on disk, read and written whole at every call
// (no cache, like the platform's own profile functions). Stands in for them
// where they do not exist and in the core tests.
#include <string>

#include "IniDocument.h"
#include "Profile.h"

namespace corvella {

class IniFileProfile final : public Profile {
public:
    explicit IniFileProfile(std::string path) : path_(std::move(path)) {}

    std::string Read(std::string_view section, std::string_view key, std::string_view defaultText,
                     std::size_t bufferSize) override;
    void Write(std::string_view section, std::string_view key, std::string_view value) override;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// What a read returns, given the key's value (or nothing when absent): the
// profile functions' rules for the default (trailing blanks dropped), the
// buffer (at most bufferSize - 1 characters) and the first NUL.
std::string ProfileReadResult(const std::optional<std::string>& value, std::string_view defaultText,
                              std::size_t bufferSize);

}  // namespace corvella
