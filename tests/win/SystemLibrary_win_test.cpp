// System libraries loaded at their first use rather than with the launcher.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/SystemLibrary_win.h"

namespace corvella {
namespace {

struct Lookup {
    const char* library;
    const char* name;
    bool found;
};

TEST(SystemFunction, FindsTheSystemExportAndNothingElse) {
    const Lookup cases[] = {
        {"comdlg32.dll", "ChooseColorA", true},
        {"comdlg32.dll", "GetOpenFileNameA", true},
        {"winmm.dll", "sndPlaySoundA", true},
        {"comdlg32.dll", "NoSuchExport", false},
        {"no-such-library.dll", "ChooseColorA", false},
        {"", "ChooseColorA", false},
    };
    for (const Lookup& c : cases) {
        SCOPED_TRACE(std::string(c.library) + " " + c.name);
        const FARPROC function = SystemFunction(c.library, c.name);
        if (!c.found) {
            EXPECT_EQ(function, nullptr);
            continue;
        }
        ASSERT_NE(function, nullptr);
        // The very export, from the library now loaded in this process.
        EXPECT_EQ(function, GetProcAddress(GetModuleHandleA(c.library), c.name));
    }
}

// The names of the libraries a program's import table lists, in lower case;
// empty when the file is no readable program.
std::vector<std::string> ImportedLibraries(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto at = [&](size_t offset, size_t size) { return offset + size <= image.size() ? image.data() + offset : nullptr; };
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0, sizeof(IMAGE_DOS_HEADER)));
    if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE) return {};
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(at(dos->e_lfanew, sizeof(IMAGE_NT_HEADERS)));
    if (!nt || nt->Signature != IMAGE_NT_SIGNATURE) return {};
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
    auto fileOffset = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + std::max(s.Misc.VirtualSize, s.SizeOfRawData))
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return image.size();
    };
    const DWORD importRva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    std::vector<std::string> names;
    for (size_t offset = fileOffset(importRva);; offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(offset, sizeof(IMAGE_IMPORT_DESCRIPTOR)));
        if (!entry || entry->Name == 0) break;
        const char* name = at(fileOffset(entry->Name), 1);
        if (!name) break;
        std::string lower(name, strnlen(name, static_cast<size_t>(image.data() + image.size() - name)));
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char ch) { return std::tolower(ch); });
        names.push_back(lower);
    }
    return names;
}

// The dialogs' and the sounds' libraries would cost every start-up their
// loading again if a direct call brought them back into the import table.
TEST(SystemFunction, TheLauncherImportsNeitherTheDialogNorTheSoundLibrary) {
    const std::vector<std::string> imports = ImportedLibraries(CORVELLA_DIST_DIR "\\corvella.exe");
    ASSERT_NE(std::find(imports.begin(), imports.end(), "user32.dll"), imports.end()) << "import table not read";
    for (const char* late : {"comdlg32.dll", "winmm.dll"})
        EXPECT_EQ(std::find(imports.begin(), imports.end(), late), imports.end()) << late;
}

}  // namespace
}  // namespace corvella
