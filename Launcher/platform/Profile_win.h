#pragma once
#include <string>

#include "Profile.h"

namespace corvella {

// The settings file through the platform's profile functions, always with the
// file's full path.
class WinProfile final : public Profile {
public:
    explicit WinProfile(std::string fullPath) : path_(std::move(fullPath)) {}
    std::string Read(std::string_view section, std::string_view key, std::string_view defaultText,
                     std::size_t bufferSize) override;
    void Write(std::string_view section, std::string_view key, std::string_view value) override;

private:
    std::string path_;
};

}  // namespace corvella
