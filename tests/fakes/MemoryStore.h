#pragma once
// A settings file held in memory: counts reads and replacements, can refuse
// to be written or read, and can be changed behind the profile's back as an
// editor would change it.
#include <optional>
#include <string>

#include "platform/SettingsStore.h"

namespace corvella::testing {

class MemoryStore final : public SettingsStore {
public:
    explicit MemoryStore(std::optional<std::string> text = std::nullopt) : text_(std::move(text)) {}

    FileStamp Stamp() override {
        ++stamps;
        return Current();
    }
    std::optional<std::string> ReadAll(FileStamp& stamp) override {
        ++reads;
        if (!text_ || unreadable) return std::nullopt;
        stamp = Current();
        return text_;
    }
    std::optional<FileStamp> Replace(const std::string& text) override {
        ++replaces;
        if (failWrites) return std::nullopt;
        text_ = text;
        ++version_;
        return Current();
    }
    std::string Folder() const override { return "C:\\Program Files\\Corvella"; }

    // Another program rewrites the file.
    void EditOnDisk(std::string text) {
        text_ = std::move(text);
        ++version_;
    }
    std::string Text() const { return text_.value_or("<absent>"); }

    int stamps = 0;  // looks at the file's size and time
    int reads = 0;
    int replaces = 0;
    bool failWrites = false;
    bool unreadable = false;

private:
    FileStamp Current() const { return text_ ? FileStamp{true, text_->size(), version_} : FileStamp{}; }
    std::optional<std::string> text_;
    uint64_t version_ = 1;
};

}  // namespace corvella::testing
