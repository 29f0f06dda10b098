// A thousand damaged shortcuts, mutated from real ones, read through the
// shortcut reader component and dropped through AddButton with the real
// shell and file adapters: nothing crashes, every text read is one line, and
// the button table written for them reads back whole, one record per button
// added, each naming a copy that lies in the program folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "e2e/Shortcut_win.h"
#include "fakes/MemoryStore.h"
#include "fakes/StartupHarness.h"
#include "launch/AddButton.h"
#include "launch/LaunchItem.h"
#include "launch/Shell_win.h"
#include "launch/ShortcutReader_win.h"
#include "model/Buttons.h"
#include "model/Sections.h"
#include "platform/FileStreams_win.h"
#include "platform/IniFileProfile.h"
#include "win/TempFolder_win.h"

namespace corvella {
namespace {

using testing::TempFolder;

constexpr int kMutants = 1000;
const std::string kDll = std::string(CORVELLA_DIST_DIR) + "\\shortcutreader.dll";

// A small deterministic generator, so that a failing mutant can be made again.
class Mutator {
public:
    explicit Mutator(uint32_t seed) : state_(seed) {}
    uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    uint32_t Below(uint32_t n) { return n == 0 ? 0 : Next() % n; }

    // One of the damages a file suffers: bytes flipped, cut short, a length
    // or flag field of the header given an extreme value, junk added.
    std::string Mutate(std::string bytes) {
        switch (Below(6)) {
            case 0:
                for (uint32_t n = 1 + Below(8); n > 0 && !bytes.empty(); --n)
                    bytes[Below(static_cast<uint32_t>(bytes.size()))] ^= static_cast<char>(1 + Below(255));
                break;
            case 1: bytes.resize(Below(static_cast<uint32_t>(bytes.size()))); break;
            case 2: {
                // The header size, flags, attributes, the id list's length.
                const uint32_t fields[] = {0x00, 0x14, 0x18, 0x4C, 0x4E};
                const uint32_t values[] = {0, 1, 0xFFFF, 0x7FFFFFFF, 0xFFFFFFFF, Next()};
                const uint32_t at = fields[Below(std::size(fields))];
                const uint32_t value = values[Below(std::size(values))];
                for (uint32_t i = 0; i < 4 && at + i < bytes.size(); ++i)
                    bytes[at + i] = static_cast<char>(value >> (8 * i));
                break;
            }
            case 3:
                // Every optional part announced, so the reader looks for
                // strings and blocks in whatever follows.
                if (bytes.size() > 0x14) bytes[0x14] = static_cast<char>(0xFF);
                break;
            case 4:
                for (uint32_t n = Below(300); n > 0; --n) bytes += static_cast<char>(Below(256));
                break;
            default: {
                const uint32_t from = Below(static_cast<uint32_t>(bytes.size()));
                const uint32_t length = Below(static_cast<uint32_t>(bytes.size() - from) + 1);
                bytes.insert(Below(static_cast<uint32_t>(bytes.size())), bytes.substr(from, length));
                break;
            }
        }
        return bytes;
    }

private:
    uint32_t state_;
};

class NoFolderList final : public FolderList {
public:
    bool SetCurrentFolder(const std::string&) override { return false; }
    std::optional<int> ListCount() override { return std::nullopt; }
    std::optional<std::string> List(int) override { return std::nullopt; }
    bool Focus() override { return false; }
    bool Select(int) override { return false; }
    std::optional<bool> ExecuteContextMenuItem(int) override { return std::nullopt; }
    std::optional<bool> ExecuteContextMenuItem(const std::string&) override { return std::nullopt; }
};

bool IsOneLine(const std::string& text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
}

class HostileShortcuts : public ::testing::Test {
protected:
    void SetUp() override {
        dll_ = LoadLibraryA(kDll.c_str());
        ASSERT_NE(dll_, nullptr) << kDll;
        using Export = HRESULT(WINAPI*)();
        auto registerServer =
            reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(dll_, "DllRegisterServer")));
        ASSERT_NE(registerServer, nullptr);
        ASSERT_EQ(registerServer(), S_OK);
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        ASSERT_TRUE(CreateDirectoryA(program.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(drops.c_str(), nullptr));
    }
    void TearDown() override {
        OleUninitialize();
        if (dll_) FreeLibrary(dll_);
    }

    // The real shortcuts the mutants start from.
    std::vector<std::string> Originals() {
        const std::string notepad = "C:\\windows\\system32\\notepad.exe";
        const struct {
            std::string target, arguments, folder;
        } kinds[] = {
            {notepad, "", ""},
            {notepad, "/p \"a file.txt\"", "C:\\windows"},
            {folder.Path(), "", ""},
            {notepad, std::string(600, 'x'), folder.Path()},
        };
        std::vector<std::string> originals;
        for (const auto& kind : kinds) {
            const std::string path = folder.File("original.lnk");
            if (!testing::MakeShortcut(path, kind.target, kind.arguments, kind.folder)) continue;
            originals.push_back(folder.ReadFile("original.lnk"));
        }
        return originals;
    }

    TempFolder folder;
    const std::string program = folder.File("Program");
    const std::string drops = folder.File("Drops");

private:
    HMODULE dll_ = nullptr;
};

TEST_F(HostileShortcuts, AThousandDamagedShortcutsAreReadAndDroppedWithoutBreakingTheTable) {
    const std::vector<std::string> originals = Originals();
    ASSERT_EQ(originals.size(), 4u) << "the shell could not make the shortcuts to mutate";

    testing::CallLog log;
    testing::FakeDialogs dialogs{log};
    testing::FakeEventLoop events{log};
    testing::MemoryStore store(std::string{});
    IniFileProfile profile(store);
    WinShell shell([] { return HWND{}; });
    WinFileStreams files;
    WinShortcutReader reader;
    NoFolderList folderList;
    const LaunchDeps launch{shell, reader, folderList, events, dialogs, program, 1};
    const AddButtonDeps add{profile, shell, files, dialogs, program};

    Mutator mutator(20);
    int16_t count = 0;
    int read = 0, added = 0, withTarget = 0;
    for (int i = 0; i < kMutants; ++i) {
        const std::string name = "Damaged " + std::to_string(i) + ".lnk";
        folder.WriteFile("Drops\\" + name,
                         mutator.Mutate(originals[static_cast<size_t>(i) % originals.size()]));
        const std::string path = drops + "\\" + name;

        LaunchState state;
        if (ReadShortcut(state, path, launch)) {
            ++read;
            withTarget += state.gLinkTarget.empty() ? 0 : 1;
            EXPECT_TRUE(IsOneLine(state.gLinkTarget)) << name;
            EXPECT_TRUE(IsOneLine(state.gLinkArguments)) << name;
        }
        if (AddButton(count, path, 1, add)) ++added;
    }
    std::printf("%d damaged shortcuts: %d read with a target, %d buttons added\n", kMutants, withTarget, added);
    EXPECT_EQ(read, kMutants) << "the component could not be created for some reads";
    // Some damage leaves a file the shell still parses: those reached its parser.
    EXPECT_GT(withTarget, 0);
    EXPECT_EQ(count, added);
    // Each mutant is a file that can be copied, so each becomes a button.
    EXPECT_EQ(added, kMutants) << log.size() << " messages, the first: " << (log.empty() ? "" : log.front());

    // The table as the next start reads it: every record whole, none missing.
    for (int n = 1; n <= added; ++n) {
        const std::string value = profile.Read(kButtonsSection, NumberedKey("Button", n), "", 1024);
        const std::optional<ButtonRecord> record = DecodeButtonRecord(value);
        ASSERT_TRUE(record.has_value()) << "Button" << n << " ends the table: [" << value << "]";
        EXPECT_EQ(record->section, 1) << "Button" << n;
        EXPECT_NE(GetFileAttributesA((program + "\\" + record->target).c_str()), INVALID_FILE_ATTRIBUTES)
            << "Button" << n << " names no copy: " << record->target;
    }
    EXPECT_FALSE(DecodeButtonRecord(profile.Read(kButtonsSection, NumberedKey("Button", added + 1), "", 1024)));
}

}  // namespace
}  // namespace corvella
