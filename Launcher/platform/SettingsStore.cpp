#include "SettingsStore.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace corvella {

namespace fs = std::filesystem;

FileStamp PortableSettingsStore::Stamp() {
    std::error_code error;
    const auto size = fs::file_size(path_, error);
    if (error) return {};
    const auto time = fs::last_write_time(path_, error);
    if (error) return {};
    return {true, static_cast<uint64_t>(size), static_cast<uint64_t>(time.time_since_epoch().count())};
}

std::optional<std::string> PortableSettingsStore::ReadAll(FileStamp& stamp) {
    stamp = Stamp();
    std::ifstream in(path_, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<FileStamp> PortableSettingsStore::Replace(const std::string& text) {
    const std::string beside = path_ + ".new";
    {
        std::ofstream out(beside, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(beside, ignored);
            return std::nullopt;
        }
    }
    std::error_code error;
    fs::rename(beside, path_, error);  // atomic where the system's rename is
    if (error) {
        fs::remove(beside, error);
        return std::nullopt;
    }
    return Stamp();
}

std::string PathSettingsStore::Folder() const {
    const std::size_t slash = path_.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path_.substr(0, slash);
}

}  // namespace corvella
