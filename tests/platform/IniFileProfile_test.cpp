// The launcher's settings file: one parsed copy, one replacement per save,
// re-read when the file changes on disk, nothing lost when a write fails.
#include "platform/IniFileProfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fakes/MemoryStore.h"

namespace corvella {
namespace {

using testing::MemoryStore;

TEST(IniFileProfile, WritesOnceForEachSaveHoweverDeeplyNested) {
    MemoryStore store("[Options]\r\nA=1\r\n");
    IniFileProfile profile(store);
    profile.Write("Options", "A", "2");
    EXPECT_EQ(store.replaces, 1);
    {
        ProfileSave outer(profile);
        profile.Write("Options", "B", "3");
        {
            ProfileSave inner(profile);
            profile.Write("Buttons", "Button1", "x");
        }
        EXPECT_EQ(store.replaces, 1) << "an inner save must not reach the disk on its own";
        EXPECT_EQ(profile.Read("Buttons", "Button1", "", 128), "x");
    }
    EXPECT_EQ(store.replaces, 2);
    EXPECT_EQ(store.Text(), "[Options]\r\nA=2\r\nB=3\r\n[Buttons]\r\nButton1=x\r\n");
    { ProfileSave nothingWritten(profile); }
    EXPECT_EQ(store.replaces, 2);
}

TEST(IniFileProfile, ReadsFromOneCopyUntilTheFileChangesOnDisk) {
    MemoryStore store("[Options]\r\nHotKey=145\r\n");
    IniFileProfile profile(store);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(profile.Read("Options", "HotKey", "0", 128), "145");
    EXPECT_EQ(store.reads, 1);

    store.EditOnDisk("[Options]\r\nHotKey=120\r\n");
    EXPECT_EQ(profile.Read("Options", "HotKey", "0", 128), "120");
    EXPECT_EQ(store.reads, 2);

    // A write lands on the edited text, not on the stale copy.
    store.EditOnDisk("[Options]\r\nHotKey=121\r\nEditor=kept\r\n");
    profile.Write("Options", "gSen", "3");
    EXPECT_EQ(store.Text(), "[Options]\r\nHotKey=121\r\nEditor=kept\r\ngSen=3\r\n");
    // Its own replacement is not taken for an outside change.
    profile.Read("Options", "gSen", "", 128);
    EXPECT_EQ(store.reads, 3);
}

TEST(IniFileProfile, ReadsInASnapshotLookAtTheFileOnceAndSeeOneVersion) {
    MemoryStore store("[Buttons]\r\nButton1=a\r\nButton2=b\r\n");
    IniFileProfile profile(store);
    {
        ProfileSnapshot snapshot(profile);
        const int stamps = store.stamps;
        EXPECT_EQ(profile.Read("Buttons", "Button1", "", 128), "a");
        store.EditOnDisk("[Buttons]\r\nButton1=x\r\nButton2=y\r\n");
        EXPECT_EQ(profile.Read("Buttons", "Button2", "", 128), "b") << "one load sees one version of the file";
        EXPECT_EQ(store.stamps, stamps) << "no look at the disk per key";
    }
    EXPECT_EQ(store.replaces, 0);
    EXPECT_EQ(profile.Read("Buttons", "Button2", "", 128), "y");
}

TEST(IniFileProfile, AFileThatVanishesReadsAsAbsentAndIsCreatedByTheNextWrite) {
    MemoryStore store;
    IniFileProfile profile(store);
    EXPECT_EQ(profile.Read("Options", "EnableSound", "1  ", 128), "1");
    profile.Write("Options", "EnableSound", "0");
    EXPECT_EQ(store.Text(), "[Options]\r\nEnableSound=0\r\n");
}

TEST(IniFileProfile, AFailedWriteKeepsTheOldFileAndTheNewValuesInMemory) {
    const std::string old = "; mine\r\n[Options]\r\nEnableSound=1\r\n";
    MemoryStore store(old);
    IniFileProfile profile(store);
    std::vector<std::string> reported;
    profile.onSaveFailed = [&](const std::string& folder) { reported.push_back(folder); };

    store.failWrites = true;
    {
        ProfileSave save(profile);
        profile.Write("Options", "EnableSound", "0");
        profile.Write("Options", "HotKey", "120");
    }
    EXPECT_EQ(store.Text(), old);
    EXPECT_EQ(reported, std::vector<std::string>{"C:\\Program Files\\Corvella"});
    EXPECT_EQ(profile.Read("Options", "EnableSound", "1", 128), "0");
    EXPECT_EQ(profile.Read("Options", "HotKey", "145", 128), "120");

    // Once the folder can be written again, the next save carries everything.
    store.failWrites = false;
    profile.Write("Options", "gSen", "2");
    EXPECT_EQ(store.Text(), "; mine\r\n[Options]\r\nEnableSound=0\r\nHotKey=120\r\ngSen=2\r\n");
    EXPECT_EQ(reported.size(), 1u);
}

TEST(IniFileProfile, AFileThatCannotBeReadKeepsTheLastCopy) {
    MemoryStore store("[Options]\r\nHotKey=145\r\n");
    IniFileProfile profile(store);
    EXPECT_EQ(profile.Read("Options", "HotKey", "0", 128), "145");
    store.unreadable = true;
    store.EditOnDisk("[Options]\r\nHotKey=9\r\n");
    EXPECT_EQ(profile.Read("Options", "HotKey", "0", 128), "145");
    store.unreadable = false;
    EXPECT_EQ(profile.Read("Options", "HotKey", "0", 128), "9");
}

// The library-file store: the new text replaces the old whole, and nothing
// is left beside it.
TEST(PortableSettingsStore, ReplacesTheFileWholeAndLeavesNothingBeside) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "corvella-portable-store-test";
    fs::create_directories(folder);
    const std::string path = (folder / "Corvella.ini").string();
    {
        std::ofstream(path, std::ios::binary) << "[Options]\nA=1";
    }
    IniFileProfile profile(path);
    EXPECT_EQ(profile.Read("options", "a", "", 128), "1");
    profile.Write("Options", "B", std::string("\xFF\xFF", 2));
    {
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[Options]\r\nA=1\r\nB=\xFF\xFF\r\n");
    }
    EXPECT_FALSE(fs::exists(path + ".new"));
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

}  // namespace
}  // namespace corvella
