#include "FileStreams_win.h"

#include <windows.h>

#include <limits>

#include "FileHandle_win.h"

namespace corvella {

namespace {

class WinInputFile final : public InputFile {
public:
    explicit WinInputFile(HANDLE h) : file_(h) {}
    std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
        DWORD read = 0;
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, std::numeric_limits<DWORD>::max()));
        if (!ReadFile(file_.get(), buffer, wanted, &read, nullptr)) return std::nullopt;
        return read;
    }

private:
    FileHandle file_;
};

class WinOutputFile final : public OutputFile {
public:
    explicit WinOutputFile(HANDLE h) : file_(h) {}
    bool Write(const char* data, std::size_t size) override {
        DWORD written = 0;
        const auto count = static_cast<DWORD>(size);
        return count == size && WriteFile(file_.get(), data, count, &written, nullptr) && written == count;
    }

private:
    FileHandle file_;
};

}  // namespace

std::unique_ptr<InputFile> WinFileStreams::OpenForReading(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<WinInputFile>(h);
}

std::unique_ptr<OutputFile> WinFileStreams::OpenForWriting(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<WinOutputFile>(h);
}

std::string WinFileStreams::LongFullPath(const std::string& path) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH) return {};
    char longer[MAX_PATH];
    n = GetLongPathNameA(full, longer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};  // also when the file does not exist
    return longer;
}

void WinFileStreams::RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

}  // namespace corvella
