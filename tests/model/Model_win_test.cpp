// The data model on a real Corvella.ini through the launcher's own profile
// and the file calls, with real shortcut copies in a real program folder, and the
// shell's icons of real paths.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <set>

#include "fakes/ModelHarness.h"
#include "model/IconStore_win.h"
#include "platform/IniFileProfile.h"
#include "platform/SettingsStore_win.h"
#include "settings/Startup_win.h"
#include "win/TempFolder_win.h"

namespace corvella {
namespace {

using testing::Rec;
using testing::TempFolder;

bool MakeShortcut(const std::string& linkPath, const std::string& target) {
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    bool made = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        link->SetPath(target.c_str());
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH];
            MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
            made = SUCCEEDED(file->Save(wide, TRUE));
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return made;
}

// The model over the launcher's profile on a real file and the real file system.
struct RealModel {
    explicit RealModel(const TempFolder& folder)
        : store(folder.File("Corvella.ini")),
          profile(store),
          large(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 8, 8)),
          small(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 8, 8)),
          icons(large, small),
          model(sections, buttons,
                ModelDeps{settings, profile, dialogs, controls, files, icons, folder.Path(), [] {},
                          [this] { SaveLooksAndSections(settings, SettingsDepsFor()); },
                          [this] { SaveSwitches(settings, SettingsDepsFor()); }, [] { return std::string(); },
                          [] {}}) {}
    ~RealModel() {
        ImageList_Destroy(large);
        ImageList_Destroy(small);
    }
    SettingsDeps SettingsDepsFor() { return {profile, window, screen, events, cues, hotKey, model, startupFlag}; }
    void Load() {
        sections.gCurrentSection = 1;
        model.LoadSections();
        model.LoadButtons();
    }

    testing::CallLog log;
    Settings settings;
    WinSettingsStore store;
    IniFileProfile profile;
    testing::FakeDialogs dialogs{log};
    testing::FakeWindowControls controls;
    WinFileSystem files;
    HIMAGELIST large, small;
    WinIconStore icons;
    testing::FakeWindow window{log};
    testing::FakeScreen screen{1024, 768, 15};
    testing::FakeEventLoop events{log};
    testing::FakeSound sound{log};
    testing::FakeHotKey hotKey{log};
    CuePlayer cues{sound, "", settings.EnableSound};
    int16_t startupFlag = 1;
    SectionTable sections;
    ButtonTable buttons;
    Model model;
};

std::string Value(const TempFolder& folder, const char* section, const std::string& key) {
    char value[512] = {};
    GetPrivateProfileStringA(section, key.c_str(), "<absent>", value, sizeof value, folder.File("Corvella.ini").c_str());
    return value;
}

TEST(ModelOnARealFile, DeletingASectionRewritesTheFileAndRemovesItsShortcutCopies) {
    TempFolder folder;
    folder.WriteFile("Corvella.ini",
                     "[Options]\r\nSection1Name=One\r\nSection2Name=Two\r\nSection3Name=Three\r\n"
                     "[Buttons]\r\nButton1=C:\\A.EXE\xFF" "1\xFF\xFF\xFF\r\nButton2=Two.lnk\xFF" "2\xFF\xFF\xFF\r\n"
                     "Button3=C:\\C.EXE\xFF" "3\xFFtip\xFF\xFF\r\nButton4=Site.url\xFF" "2\xFF\xFF\xFF\r\n");
    ASSERT_TRUE(MakeShortcut(folder.File("Two.lnk"), "C:\\windows\\notepad.exe"));
    folder.WriteFile("Site.url", "[InternetShortcut]\r\nURL=http://localhost/\r\n");
    folder.WriteFile("Keep.lnk", "not a button's");

    RealModel first(folder);
    first.Load();
    ASSERT_EQ(first.buttons.gButtonCount, 4);
    first.dialogs.answer = MessageAnswer::Yes;
    first.model.OnDeleteSectionCommand(1);

    EXPECT_EQ(Value(folder, "Options", "Section1Name"), "One");
    EXPECT_EQ(Value(folder, "Options", "Section2Name"), "Three");
    EXPECT_EQ(Value(folder, "Options", "Section3Name"), "");
    EXPECT_EQ(Value(folder, "Buttons", "Button1"), Rec("C:\\A.EXE|1|||"));
    EXPECT_EQ(Value(folder, "Buttons", "Button2"), Rec("C:\\C.EXE|2|tip||"));
    EXPECT_EQ(Value(folder, "Buttons", "Button3"), "");
    EXPECT_EQ(GetFileAttributesA(folder.File("Two.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(folder.File("Site.url").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(folder.File("Keep.lnk").c_str()), INVALID_FILE_ATTRIBUTES);

    RealModel again(folder);
    again.Load();
    EXPECT_EQ(again.sections.gSectionCount, 2);
    EXPECT_EQ(again.sections.gSectionName[2], "Three");
    EXPECT_EQ(again.buttons.gButtonCount, 2);
    EXPECT_EQ(again.buttons.gButtonSection[1], 2);
    // The record on show and the default icon have a large and a small icon
    // at once; the other section's record gets them while the launcher idles.
    EXPECT_GE(again.icons.IndexOf("I0"), 0);
    EXPECT_GE(again.icons.IndexOf("I2"), 0);
    EXPECT_EQ(again.icons.IndexOf("I1"), -1);
    EXPECT_FALSE(again.model.FetchWaitingIcons(4));
    EXPECT_GE(again.icons.IndexOf("I1"), 0);
    // Both missing programs show the shell's one icon for a program.
    EXPECT_EQ(again.icons.IndexOf("I1"), again.icons.IndexOf("I0"));
    EXPECT_EQ(ImageList_GetImageCount(again.large), ImageList_GetImageCount(again.small));
}

// Paths that show one shell icon share one place in the lists, and each
// place has its large and its small icon.
TEST(IconStore, PathsWithOneShellIconShareOnePlace) {
    TempFolder folder;
    folder.WriteFile("a.txt", "a");
    folder.WriteFile("b.txt", "b");
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    HIMAGELIST large = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 4, 4);
    HIMAGELIST small = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4);
    WinIconStore icons(large, small);
    int cleared = 0;
    icons.onCleared = [&] { ++cleared; };
    const struct {
        std::string path, key;
    } fetches[] = {{folder.File("a.txt"), "I0"}, {folder.File("b.txt"), "I1"}, {folder.Path(), "I2"},
                   {self, "I3"},  {folder.File("missing.txt"), "I4"}, {folder.File("a.txt"), "I5"}};
    for (const auto& f : fetches) {
        icons.FetchIcon(f.path);
        icons.AddFetchedIcon(f.key);
        EXPECT_GE(icons.IndexOf(f.key), 0) << f.path;
    }
    EXPECT_EQ(icons.IndexOf("I1"), icons.IndexOf("I0")) << "two text files";
    EXPECT_EQ(icons.IndexOf("I4"), icons.IndexOf("I0")) << "a missing text file shows the icon of its kind";
    EXPECT_EQ(icons.IndexOf("I5"), icons.IndexOf("I0")) << "the same path again";
    EXPECT_NE(icons.IndexOf("I2"), icons.IndexOf("I0")) << "a folder";
    EXPECT_NE(icons.IndexOf("I3"), icons.IndexOf("I2")) << "a program";
    std::set<int> places;
    for (const auto& f : fetches) places.insert(icons.IndexOf(f.key));
    EXPECT_EQ(ImageList_GetImageCount(large), static_cast<int>(places.size()));
    EXPECT_EQ(ImageList_GetImageCount(small), static_cast<int>(places.size()));

    icons.ClearIconLists();
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(icons.IndexOf("I0"), -1);
    EXPECT_EQ(ImageList_GetImageCount(large), 0);
    // Nothing fetched since the lists were emptied: nothing to add.
    icons.AddFetchedIcon("I0");
    EXPECT_EQ(icons.IndexOf("I0"), -1);
    icons.FetchIcon(folder.File("b.txt"));
    icons.AddFetchedIcon("I0");
    EXPECT_EQ(icons.IndexOf("I0"), 0);
    EXPECT_EQ(ImageList_GetImageCount(small), 1);
    ImageList_Destroy(large);
    ImageList_Destroy(small);
}

TEST(ShellIcon, ComesForFilesFoldersShortcutsAndMissingPaths) {
    TempFolder folder;
    folder.WriteFile("notes.txt", "x");
    ASSERT_TRUE(MakeShortcut(folder.File("Pad.lnk"), "C:\\windows\\notepad.exe"));
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    for (const std::string& path : {std::string(self), folder.File("notes.txt"), folder.Path(),
                                    folder.File("Pad.lnk"), folder.File("missing.doc"), std::string("C:\\")}) {
        for (bool small : {false, true}) {
            HICON icon = ShellIconOf(path, small);
            EXPECT_NE(icon, nullptr) << path << (small ? " small" : " large");
            ICONINFO info{};
            if (icon && GetIconInfo(icon, &info)) {
                BITMAP bitmap{};
                GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
                EXPECT_EQ(bitmap.bmWidth, small ? 16 : 32) << path;
                if (info.hbmColor) DeleteObject(info.hbmColor);
                if (info.hbmMask) DeleteObject(info.hbmMask);
            }
            if (icon) DestroyIcon(icon);
        }
    }
}

}  // namespace
}  // namespace corvella
