// describetlb IN.tlb DESCRIPTIONS OUT.tlb: writes OUT, a copy of the type
// library IN whose enumeration constants carry the description texts of
// the DESCRIPTIONS file. Every constant needs a text and every text a
// constant, so that the file and the IDL cannot drift apart unnoticed.
// Runs at build time (under Wine on a Linux build machine).
#include <windows.h>
#include <oleauto.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "ComObject_win.h"
#include "EnumDescriptions.h"
#include "TypeLibCopy_win.h"

namespace {

std::string ReadFile(const wchar_t* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in ? text.str() : std::string{};
}

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring Wide(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring out(size > 0 ? size - 1 : 0, L'\0');
    if (size > 1) MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), size);
    return out;
}

int Run(const wchar_t* input, const wchar_t* descriptionsPath, const wchar_t* output) {
    const panorell::EnumDescriptions descriptions = panorell::ParseEnumDescriptions(ReadFile(descriptionsPath));
    if (!descriptions.error.empty() || descriptions.texts.empty()) {
        std::fprintf(stderr, "describetlb: %ls: %s\n", descriptionsPath,
                     descriptions.error.empty() ? "no descriptions" : descriptions.error.c_str());
        return 1;
    }
    corvella::com::ComPtr<ITypeLib> source;
    HRESULT hr = LoadTypeLibEx(input, REGKIND_NONE, source.Put());
    if (FAILED(hr)) {
        std::fprintf(stderr, "describetlb: cannot load %ls (0x%08lx)\n", input, static_cast<unsigned long>(hr));
        return 1;
    }
    std::set<std::string> missing, used;
    auto describe = [&](const std::wstring& enumeration, const std::wstring& constant) {
        const std::string key = Utf8(enumeration) + "." + Utf8(constant);
        const auto found = descriptions.texts.find(key);
        if (found == descriptions.texts.end()) {
            missing.insert(key);
            return std::wstring{};
        }
        used.insert(key);
        return Wide(found->second);
    };
    DeleteFileW(output);
    std::string error;
    hr = panorell::CopyTypeLibrary(source.Get(), output, describe, error);
    if (FAILED(hr)) {
        std::fprintf(stderr, "describetlb: %s failed (0x%08lx)\n", error.c_str(), static_cast<unsigned long>(hr));
        return 1;
    }
    int faults = 0;
    for (const std::string& key : missing) {
        std::fprintf(stderr, "describetlb: no description for %s\n", key.c_str());
        ++faults;
    }
    for (const auto& [key, text] : descriptions.texts) {
        if (used.count(key) == 0) {
            std::fprintf(stderr, "describetlb: %s names no constant of the library\n", key.c_str());
            ++faults;
        }
    }
    if (faults != 0) DeleteFileW(output);
    return faults != 0 ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: describetlb IN.tlb DESCRIPTIONS OUT.tlb\n");
        return 2;
    }
    if (FAILED(CoInitialize(nullptr))) return 1;
    const int result = Run(argv[1], argv[2], argv[3]);
    CoUninitialize();
    return result;
}
