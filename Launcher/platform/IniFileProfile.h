#pragma once
// The launcher's settings file: one parsed copy of it in memory, read again
// whenever the file on disk has changed (so that an edit made in a text editor
// while the launcher runs is honoured at the next read), and written back as a
// whole new file per save, swapped in at once. A kill at any moment leaves the
// old or the new file, never a mix; a failed write leaves the old file and
// keeps the new values in memory.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "IniDocument.h"
#include "Profile.h"
#include "SettingsStore.h"

namespace corvella {

class IniFileProfile final : public Profile {
public:
    explicit IniFileProfile(SettingsStore& store) : store_(store) {}
    // Over a file of the C++ library's (core tests, non-Windows builds).
    explicit IniFileProfile(std::string path);

    std::string Read(std::string_view section, std::string_view key, std::string_view defaultText,
                     std::size_t bufferSize) override;
    void Write(std::string_view section, std::string_view key, std::string_view value) override;
    void BeginSave() override;
    void EndSave() override;

    // Called after each save that could not reach the disk, with the folder.
    std::function<void(const std::string& folder)> onSaveFailed;

private:
    void Refresh();
    void Flush();

    std::unique_ptr<SettingsStore> ownStore_;
    SettingsStore& store_;
    IniDocument doc_;
    FileStamp stamp_;
    bool loaded_ = false;
    bool dirty_ = false;
    int depth_ = 0;
};

// What a read returns, given the key's value (or nothing when absent): the
// profile functions' rules for the default (trailing blanks dropped), the
// buffer (at most bufferSize - 1 characters) and the first NUL.
std::string ProfileReadResult(const std::optional<std::string>& value, std::string_view defaultText,
                              std::size_t bufferSize);

}  // namespace corvella
