#pragma once
// The settings file on disk as one whole text: read at once, and replaced at
// once so that the file holds the old or the new text at every instant.
#include <cstdint>
#include <optional>
#include <string>

namespace corvella {

// What tells one version of the file from another without reading it.
struct FileStamp {
    bool exists = false;
    uint64_t size = 0;
    uint64_t writeTime = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual FileStamp Stamp() = 0;
    // The whole text and the stamp of what was read; nothing when the file is
    // absent or cannot be read.
    virtual std::optional<std::string> ReadAll(FileStamp& stamp) = 0;
    // Writes `text` beside the file, flushes it and swaps it in. On success the
    // stamp of the new file; on failure nothing, and the old file is intact.
    virtual std::optional<FileStamp> Replace(const std::string& text) = 0;
    // Where the file lives, for messages.
    virtual std::string Folder() const = 0;
};

// A store of one file named by its path.
class PathSettingsStore : public SettingsStore {
public:
    explicit PathSettingsStore(std::string path) : path_(std::move(path)) {}
    // What comes before the last slash or backslash; "." for a bare name.
    std::string Folder() const override;
    const std::string& Path() const { return path_; }

protected:
    std::string path_;
};

// The store over the C++ library's files, for builds without the platform's
// own file calls and for the core tests.
class PortableSettingsStore final : public PathSettingsStore {
public:
    using PathSettingsStore::PathSettingsStore;
    FileStamp Stamp() override;
    std::optional<std::string> ReadAll(FileStamp& stamp) override;
    std::optional<FileStamp> Replace(const std::string& text) override;
};

}  // namespace corvella
