#include "IniFileProfile.h"

namespace corvella {

std::string ProfileReadResult(const std::optional<std::string>& value, std::string_view defaultText,
                              std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    std::string text;
    if (value) {
        text = *value;
    } else {
        std::string_view d = defaultText;
        while (!d.empty() && d.back() == ' ') d.remove_suffix(1);
        text = std::string(d);
    }
    if (std::size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
    if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
    return text;
}

IniFileProfile::IniFileProfile(std::string path)
    : ownStore_(std::make_unique<PortableSettingsStore>(std::move(path))), store_(*ownStore_) {}

// Inside a save the copy is not refreshed: the save's writes all apply to the
// text it started from.
std::string IniFileProfile::Read(std::string_view section, std::string_view key, std::string_view defaultText,
                                 std::size_t bufferSize) {
    if (depth_ == 0) Refresh();
    return ProfileReadResult(doc_.Get(section, key), defaultText, bufferSize);
}

void IniFileProfile::Write(std::string_view section, std::string_view key, std::string_view value) {
    ProfileSave save(*this);
    doc_.Set(section, key, value);
    dirty_ = true;
}

void IniFileProfile::BeginSave() {
    if (depth_++ == 0) Refresh();
}

void IniFileProfile::EndSave() {
    if (depth_ == 0 || --depth_ > 0 || !dirty_) return;
    Flush();
}

void IniFileProfile::Refresh() {
    const FileStamp now = store_.Stamp();
    if (loaded_ && now == stamp_) return;
    if (!now.exists) {
        doc_ = IniDocument();
        stamp_ = now;
        loaded_ = true;
        return;
    }
    FileStamp read;
    if (auto text = store_.ReadAll(read)) {
        doc_ = IniDocument(*text);
        stamp_ = read;
        loaded_ = true;
    }
    // A file that exists but cannot be read (held by another program) leaves
    // the copy as it was; it is tried again at the next read.
}

void IniFileProfile::Flush() {
    dirty_ = false;
    if (auto written = store_.Replace(doc_.Text())) {
        stamp_ = *written;
        return;
    }
    if (onSaveFailed) onSaveFailed(store_.Folder());
}

}  // namespace corvella
