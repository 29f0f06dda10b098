#include "ShortcutLink_win.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <new>
#include <vector>

#include "LinkFileCheck.h"

namespace corvella::shortcutreader {

namespace {

// Large enough for every text a link holds (arguments may exceed MAX_PATH).
constexpr int kTextCapacity = 1024;

template <typename Getter>
std::wstring LinkText(Getter get) {
    wchar_t buffer[kTextCapacity] = {};
    if (FAILED(get(buffer, kTextCapacity))) return std::wstring();
    buffer[kTextCapacity - 1] = L'\0';
    return buffer;
}

void ReadTexts(IShellLinkW& link, ShortcutTexts& texts) {
    texts[0] = LinkText([&](wchar_t* b, int n) { return link.GetPath(b, n, nullptr, 0); });
    texts[1] = LinkText([&](wchar_t* b, int n) { return link.GetWorkingDirectory(b, n); });
    texts[2] = LinkText([&](wchar_t* b, int n) { return link.GetArguments(b, n); });
    texts[3] = LinkText([&](wchar_t* b, int n) { return link.GetDescription(b, n); });
    int iconIndex = 0;
    texts[4] = LinkText([&](wchar_t* b, int n) { return link.GetIconLocation(b, n, &iconIndex); });
    if (!texts[4].empty()) texts[4] += L"," + std::to_wstring(iconIndex);
    WORD hotKey = 0;
    texts[5] = std::to_wstring(SUCCEEDED(link.GetHotkey(&hotKey)) ? hotKey : 0);
    int showCommand = SW_SHOWNORMAL;
    if (FAILED(link.GetShowCmd(&showCommand))) showCommand = SW_SHOWNORMAL;
    texts[6] = std::to_wstring(showCommand);
}

// The file's bytes, when it is no larger than a shortcut can be.
HRESULT ReadLinkFile(const wchar_t* path, std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return HRESULT_FROM_WIN32(GetLastError());
    LARGE_INTEGER size{};
    HRESULT hr = S_OK;
    if (!GetFileSizeEx(file, &size)) {
        hr = HRESULT_FROM_WIN32(GetLastError());
    } else if (size.QuadPart > static_cast<LONGLONG>(kMaxLinkFileSize)) {
        hr = HRESULT_FROM_WIN32(ERROR_BAD_FORMAT);
    } else {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
            hr = HRESULT_FROM_WIN32(GetLastError());
        }
        bytes.resize(read);
    }
    CloseHandle(file);
    return hr;
}

}  // namespace

HRESULT ReadShortcutTexts(const wchar_t* path, ShortcutTexts& texts) noexcept {
    if (path == nullptr || *path == L'\0') return E_INVALIDARG;
    // A damaged file never reaches the shell's parser, which trusts the
    // lengths it states.
    try {
        std::vector<uint8_t> bytes;
        if (HRESULT hr = ReadLinkFile(path, bytes); FAILED(hr)) return hr;
        if (CheckLinkFile(bytes) != LinkFileFault::None) return HRESULT_FROM_WIN32(ERROR_BAD_FORMAT);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    IShellLinkW* link = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link));
    if (FAILED(hr)) return hr;
    IPersistFile* file = nullptr;
    hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(hr)) {
        hr = file->Load(path, STGM_READ);
        file->Release();
    }
    if (SUCCEEDED(hr)) {
        try {
            ReadTexts(*link, texts);
            hr = S_OK;
        } catch (const std::bad_alloc&) {
            hr = E_OUTOFMEMORY;
        }
    }
    link->Release();
    return hr;
}

}  // namespace corvella::shortcutreader
