// eject.dll on the real platform: its one export and the arguments it
// refuses, and the launcher's loader, which takes the library from the
// program folder only: a decoy planted in the current folder or on the path
// must never load.
#include <windows.h>

#include <gtest/gtest.h>

#include "launch/EjectDrives.h"
#include "launch/SystemPorts_win.h"
#include "fakes/FakeWindowControls.h"
#include "win/TempFolder_win.h"

namespace corvella {
namespace {

using testing::TempFolder;
using EjectFunction = int(WINAPI*)(short, BYTE);

const std::string kLibrary = std::string(CORVELLA_DIST_DIR) + "\\eject.dll";
const std::string kDecoy = std::string(CORVELLA_DECOY_DIR) + "\\eject.dll";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string LoadedPathOf(const char* name) {
    HMODULE module = GetModuleHandleA(name);
    if (!module) return {};
    char path[MAX_PATH] = {};
    return std::string(path, GetModuleFileNameA(module, path, MAX_PATH));
}

// A folder holding the decoy, made the current folder and put first on PATH.
struct PlantedDecoy {
    PlantedDecoy() {
        EXPECT_TRUE(CopyFileA(kDecoy.c_str(), folder.File("eject.dll").c_str(), FALSE));
        SetCurrentDirectoryA(folder.Path().c_str());
        char path[32767] = {};
        GetEnvironmentVariableA("PATH", path, sizeof path);
        oldPath = path;
        SetEnvironmentVariableA("PATH", (folder.Path() + ";" + oldPath).c_str());
    }
    // The folder can go only once it is no longer the current one.
    ~PlantedDecoy() {
        SetEnvironmentVariableA("PATH", oldPath.c_str());
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        SetCurrentDirectoryA(temp);
    }
    bool Loaded() const { return Exists(folder.File("decoy-loaded")); }
    TempFolder folder;
    std::string oldPath;
};

TEST(EjectLibrary, ExportsEjectUndecoratedAndRefusesDrivesThatDoNotAgree) {
    HMODULE module = LoadLibraryByFullPath(kLibrary);
    ASSERT_NE(module, nullptr) << kLibrary;
    auto eject = reinterpret_cast<EjectFunction>(reinterpret_cast<void*>(GetProcAddress(module, "Eject")));
    ASSERT_NE(eject, nullptr);
    struct Case {
        short number;
        BYTE code;
    };
    // Out of range, letters that do not match the number, a drive that is not there.
    for (Case c : {Case{0, '@'}, Case{27, '['}, Case{-1, 'A'}, Case{4, 'E'}, Case{3, 'd'}, Case{17, 'Q'}})
        EXPECT_EQ(eject(c.number, c.code), 0) << c.number << " " << c.code;
    FreeLibrary(module);
}

TEST(EjectLibrary, ADecoyInTheCurrentFolderOrOnThePathNeverLoads) {
    PlantedDecoy decoy;
    TempFolder program;  // no eject.dll in it
    WinEjectLibrary library(program.Path());
    library.Eject(17, 'Q');
    EXPECT_FALSE(library.Loaded());
    EXPECT_FALSE(decoy.Loaded());
    EXPECT_EQ(GetModuleHandleA("eject.dll"), nullptr);
}

TEST(EjectLibrary, LoadsFromTheProgramFolderOnTheFirstCallOnly) {
    PlantedDecoy decoy;
    TempFolder program;
    ASSERT_TRUE(CopyFileA(kLibrary.c_str(), program.File("eject.dll").c_str(), FALSE));
    WinEjectLibrary library(program.Path());
    EXPECT_EQ(GetModuleHandleA("eject.dll"), nullptr) << "loaded before the first call";
    library.Eject(17, 'Q');
    EXPECT_TRUE(library.Loaded());
    EXPECT_EQ(_stricmp(LoadedPathOf("eject.dll").c_str(), program.File("eject.dll").c_str()), 0)
        << LoadedPathOf("eject.dll");
    EXPECT_FALSE(decoy.Loaded());
}

TEST(EjectLibrary, TheButtonWithoutTheLibraryDoesNothing) {
    TempFolder program;
    WinEjectLibrary library(program.Path());
    EjectDriveState state;
    state.gEjectDrives = {"Q: cd"};
    WinDrives drives;
    WinStopwatch clock;
    struct : EventLoop {
        void LetPendingEventsRun() override {}
        void SleepMs(int) override {}
    } events;
    testing::FakeWindowControls controls;
    int focused = 0;
    OnMinButMouseUp(state, 1, EjectDeps{drives, library, clock, events, controls, [&] { ++focused; }});
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(focused, 1);
}

}  // namespace
}  // namespace corvella
