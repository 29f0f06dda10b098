#include "SettingsStore_win.h"

#include <windows.h>

#include <algorithm>

#include "FileHandle_win.h"

namespace corvella {

namespace {

uint64_t Join(DWORD high, DWORD low) { return (static_cast<uint64_t>(high) << 32) | low; }

bool WriteAll(HANDLE file, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, text.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

// Another program reading the file (a virus scanner, an indexer, an editor)
// holds it open for a moment, and a file that is open cannot be replaced; the
// move is tried again for about half a second before the save counts as failed.
bool MoveOver(const std::string& from, const std::string& to) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if (attempt == 10 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) return false;
        Sleep(50);
    }
}

}  // namespace

FileStamp WinSettingsStore::Stamp() {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return {};
    return {true, Join(data.nFileSizeHigh, data.nFileSizeLow),
            Join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

std::optional<std::string> WinSettingsStore::ReadAll(FileStamp& stamp) {
    FileHandle file(CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file.valid() || !GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
    const uint64_t size = Join(info.nFileSizeHigh, info.nFileSizeLow);
    if (size > (1u << 30)) return std::nullopt;
    std::string text(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), text.data() + done, static_cast<DWORD>(text.size() - done), &read, nullptr))
            return std::nullopt;
        if (read == 0) break;
        done += read;
    }
    text.resize(done);
    stamp = {true, size, Join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)};
    return text;
}

std::optional<FileStamp> WinSettingsStore::Replace(const std::string& text) {
    const std::string beside = path_ + ".new";
    bool written = false;
    {
        FileHandle file(CreateFileA(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        if (!file.valid()) return std::nullopt;
        written = WriteAll(file.get(), text) && FlushFileBuffers(file.get());
    }
    if (!written || !MoveOver(beside, path_)) {
        DeleteFileA(beside.c_str());
        return std::nullopt;
    }
    return Stamp();
}

}  // namespace corvella
