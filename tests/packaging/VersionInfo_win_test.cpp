// What the shell and installers read from the shipped files: the version
// information through the version API, the program's icon sizes and the
// embedded manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dialogs/AuxWindows.h"

namespace corvella {
namespace {

std::string DistFile(const char* name) { return std::string(CORVELLA_DIST_DIR) + "\\" + name; }

class VersionBlock {
public:
    explicit VersionBlock(const std::string& path) {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        if (size == 0) return;
        data_.resize(size);
        if (!GetFileVersionInfoA(path.c_str(), 0, size, data_.data())) data_.clear();
    }
    bool Present() const { return !data_.empty(); }
    // A string of the US English, Unicode block; `found` says whether the
    // entry exists at all (the self-registration marker is empty).
    std::string Text(const char* name, bool* found = nullptr) const {
        const std::string query = std::string("\\StringFileInfo\\040904b0\\") + name;
        char* value = nullptr;
        UINT length = 0;
        const bool ok = Present() && VerQueryValueA(data_.data(), query.c_str(), reinterpret_cast<void**>(&value),
                                                    &length) != FALSE;
        if (found) *found = ok;
        if (!ok || !value) return std::string();
        return std::string(value);
    }
    VS_FIXEDFILEINFO Fixed() const {
        VS_FIXEDFILEINFO* info = nullptr;
        UINT length = 0;
        if (!Present() || !VerQueryValueA(data_.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info)
            return VS_FIXEDFILEINFO{};
        return *info;
    }

private:
    std::vector<char> data_;
};

struct ShippedFile {
    const char* name;
    const char* description;
    const char* fileVersion;
    bool selfRegistering;
    DWORD fileType;
};

const ShippedFile kShipped[] = {
    {"corvella.exe", "Corvella desktop launcher", CORVELLA_VERSION_TEXT, false, VFT_APP},
    {"shortcutreader.dll", "Corvella shortcut reader", CORVELLA_VERSION_TEXT, true, VFT_DLL},
    {"panorellhost.exe", "Panorell sample host", CORVELLA_VERSION_TEXT, false, VFT_APP},
    {"eject.dll", "Corvella eject library", CORVELLA_VERSION_TEXT, false, VFT_DLL},
    // The control keeps the version number hosts know it by.
    {"panorell.ocx", "PanorellListView ActiveX Control", "1.00.0020", true, VFT_DLL},
};

TEST(VersionInformation, EveryShippedFileReadsBackThroughTheVersionApi) {
    for (const ShippedFile& file : kShipped) {
        SCOPED_TRACE(file.name);
        const VersionBlock block(DistFile(file.name));
        ASSERT_TRUE(block.Present()) << "no version information";
        EXPECT_EQ(block.Text("ProductName"), "Corvella");
        EXPECT_EQ(block.Text("FileDescription"), file.description);
        EXPECT_EQ(block.Text("FileVersion"), file.fileVersion);
        bool marker = false;
        block.Text("OLESelfRegister", &marker);
        EXPECT_EQ(marker, file.selfRegistering) << "self-registration marker";
        EXPECT_EQ(block.Fixed().dwSignature, 0xFEEF04BDu);
        EXPECT_EQ(block.Fixed().dwFileType, file.fileType);
    }
}

// The numeric version the shell sorts by matches the text one.
TEST(VersionInformation, TheNumbersMatchTheText) {
    const VS_FIXEDFILEINFO fixed = VersionBlock(DistFile("corvella.exe")).Fixed();
    const std::string numbers = std::to_string(HIWORD(fixed.dwProductVersionMS)) + "." +
                                std::to_string(LOWORD(fixed.dwProductVersionMS));
    EXPECT_EQ(std::string(CORVELLA_VERSION_TEXT).rfind(numbers, 0), 0u) << numbers;
    const VS_FIXEDFILEINFO control = VersionBlock(DistFile("panorell.ocx")).Fixed();
    EXPECT_EQ(control.dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(control.dwFileVersionLS, MAKELONG(20, 0));
}

TEST(VersionInformation, TheWelcomeWindowShowsTheSameVersion) {
    EXPECT_EQ(std::string(kVersionText), std::string("Version ") + CORVELLA_VERSION_TEXT);
}

// Resources of corvella.exe, read as data the way the shell reads them.
class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(DistFile("corvella.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }
    std::string Resource(LPCSTR type, LPCSTR name) const {
        HRSRC found = FindResourceA(module_, name, type);
        if (!found) return std::string();
        HGLOBAL loaded = LoadResource(module_, found);
        const char* bytes = static_cast<const char*>(LockResource(loaded));
        return bytes ? std::string(bytes, SizeofResource(module_, found)) : std::string();
    }
    HMODULE module_ = nullptr;
};

BOOL CALLBACK FirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR out) {
    *reinterpret_cast<LPSTR*>(out) = name;
    return FALSE;
}

TEST_F(ProgramResources, TheFirstIconIsTheProgramIconInEverySizeTheShellAsksFor) {
    LPSTR first = nullptr;
    EnumResourceNamesA(module_, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, &FirstName,
                       reinterpret_cast<LONG_PTR>(&first));
    ASSERT_TRUE(IS_INTRESOURCE(first));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(first), 1u);

    const std::string group = Resource(MAKEINTRESOURCEA(14), MAKEINTRESOURCEA(1));
    ASSERT_GE(group.size(), 6u);
    // The group header: reserved, type 1, count; then 14-byte entries whose
    // first byte is the width (0 meaning 256).
    const auto count = static_cast<unsigned char>(group[4]) | (static_cast<unsigned char>(group[5]) << 8);
    ASSERT_EQ(group.size(), 6u + 14u * static_cast<unsigned>(count));
    std::set<int> widths;
    for (int i = 0; i < count; ++i) {
        const int width = static_cast<unsigned char>(group[6 + 14 * i]);
        widths.insert(width == 0 ? 256 : width);
    }
    EXPECT_EQ(widths, (std::set<int>{16, 32, 48, 256}));
}

TEST_F(ProgramResources, TheManifestAsksForStylesUserRightsAndDpiAwareness) {
    const std::string manifest = Resource(MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));
    ASSERT_FALSE(manifest.empty());
    for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "level=\"asInvoker\"",
                             "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true",
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace corvella
