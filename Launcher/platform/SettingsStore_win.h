#pragma once
#include "SettingsStore.h"

namespace corvella {

// The settings file through the platform's file calls: the new text goes to
// a file beside it, is flushed to the disk and then moved over the old one
// with write-through, which replaces the directory entry in one step.
class WinSettingsStore final : public PathSettingsStore {
public:
    using PathSettingsStore::PathSettingsStore;
    FileStamp Stamp() override;
    std::optional<std::string> ReadAll(FileStamp& stamp) override;
    std::optional<FileStamp> Replace(const std::string& text) override;
};

}  // namespace corvella
