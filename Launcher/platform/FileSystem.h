#pragma once
#include <optional>
#include <string>
#include <vector>

namespace corvella {

// The few file operations the start-up and system actions need.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The value of an environment variable, or nothing when it is not set.
    virtual std::optional<std::string> Environment(const std::string& name) const = 0;
    // The long names of the plain files (no folders) directly in `folder`.
    virtual std::vector<std::string> FilesIn(const std::string& folder) const = 0;
    // Deletes one file; failures are not reported.
    virtual void RemoveFile(const std::string& path) = 0;
};

}  // namespace corvella
