// The effect a file-list drop gets, step by step, on a made-up file system.
#include "shell/DropEffectRules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace panorell {
namespace {

class FakeFiles final : public DropFileSystem {
public:
    std::set<std::string> folders{"c:\\docs", "c:\\docs\\sub", "c:\\other", "d:\\data", "\\\\srv\\share",
                                  "\\\\srv\\share\\dir", "\\\\srv\\other"};
    std::set<std::string> files{"c:\\docs\\a.txt", "c:\\docs\\b.txt", "c:\\other\\to-data.lnk",
                                "c:\\other\\to-file.lnk", "c:\\other\\plain.txt", "c:\\other\\loop.lnk"};
    std::map<std::string, std::string> shortcutFolders{{"c:\\other\\to-data.lnk", "d:\\data"},
                                                       {"c:\\other\\loop.lnk", "c:\\other\\loop.lnk"}};
    int shortcutReads = 0;

    bool Exists(const std::string& p) override { return folders.count(p) || files.count(p); }
    bool IsFolder(const std::string& p) override { return folders.count(p) != 0; }
    std::optional<std::string> ShortcutFolder(const std::string& p) override {
        ++shortcutReads;
        auto it = shortcutFolders.find(p);
        if (it == shortcutFolders.end()) return std::nullopt;
        return it->second;
    }
};

DropPlace At(const std::string& path) { return {true, path, false}; }
constexpr DropKeys kNoKeys{false, false};
constexpr DropKeys kControl{true, false};
constexpr DropKeys kShift{false, true};

// A place by its path; null: a place without a file-system path.
struct Case {
    const char* what;
    const char* target;
    std::vector<std::string> dragged;
    DropKeys keys;
    uint32_t effect;
};

TEST(DropEffectRules, FollowTheStepsInOrder) {
    const std::vector<Case> cases = {
        {"no path, not the bin", nullptr, {"c:\\docs\\a.txt"}, kNoKeys, kDropNone},
        {"missing target", "c:\\gone", {"c:\\docs\\a.txt"}, kNoKeys, kDropNone},
        {"a plain file", "c:\\other\\plain.txt", {"c:\\docs\\a.txt"}, kNoKeys, kDropNone},
        {"shortcut to a file", "c:\\other\\to-file.lnk", {"c:\\docs\\a.txt"}, kNoKeys, kDropNone},
        {"shortcut to a folder on another drive", "c:\\other\\to-data.lnk", {"c:\\docs\\a.txt"}, kNoKeys,
         kDropCopy},
        {"unlisted drive root counts", "e:\\", {"c:\\docs\\a.txt"}, kNoKeys, kDropCopy},
        {"dragged onto itself", "c:\\docs\\sub", {"c:\\docs\\sub"}, kControl, kDropNone},
        {"equal ignoring case and backslash", "c:\\docs\\sub", {"C:\\DOCS\\SUB\\"}, kNoKeys, kDropNone},
        {"folder into its own sub-folder", "c:\\docs\\sub", {"c:\\docs"}, kControl, kDropNone},
        {"into its own folder", "c:\\docs", {"c:\\docs\\a.txt"}, kNoKeys, kDropNone},
        {"into its own folder, Control", "c:\\docs", {"c:\\docs\\a.txt"}, kControl, kDropCopy},
        {"a later path already there", "c:\\other", {"c:\\docs\\a.txt", "c:\\other\\plain.txt"}, kNoKeys,
         kDropNone},
        {"a share dragged", "c:\\docs", {"\\\\srv\\share"}, kNoKeys, kDropLink},
        {"a share with backslash", "c:\\docs", {"\\\\srv\\share\\"}, kControl, kDropLink},
        {"network sibling folder", "\\\\srv\\share\\dir", {"\\\\srv\\share\\x.txt"}, kNoKeys, kDropNone},
        {"network elsewhere", "c:\\docs", {"\\\\srv\\share\\dir\\x.txt"}, kNoKeys, kDropMove},
        {"network elsewhere, Control", "c:\\docs", {"\\\\srv\\share\\dir\\x.txt"}, kControl, kDropCopy},
        {"onto a network folder", "\\\\srv\\share", {"c:\\docs\\a.txt"}, kNoKeys, kDropCopy},
        {"onto a network folder, Shift", "\\\\srv\\share", {"c:\\docs\\a.txt"}, kShift, kDropMove},
        {"same drive", "c:\\other", {"c:\\docs\\a.txt"}, kNoKeys, kDropMove},
        {"same drive, other case", "c:\\other", {"C:\\docs\\a.txt"}, kNoKeys, kDropMove},
        {"same drive, Control", "c:\\other", {"c:\\docs\\a.txt"}, kControl, kDropCopy},
        {"same drive, Shift", "c:\\other", {"c:\\docs\\a.txt"}, kShift, kDropMove},
        {"other drive", "d:\\data", {"c:\\docs\\a.txt"}, kNoKeys, kDropCopy},
        {"other drive, Shift", "d:\\data", {"c:\\docs\\a.txt"}, kShift, kDropMove},
        {"other drive, Control", "d:\\data", {"c:\\docs\\a.txt"}, kControl, kDropCopy},
        {"nothing dragged", "c:\\other", {}, kNoKeys, kDropNone},
        {"a one-letter path", "c:\\other", {"x"}, kNoKeys, kDropCopy},
    };
    for (const Case& c : cases) {
        FakeFiles files;
        const DropPlace place = c.target ? At(c.target) : DropPlace{};
        EXPECT_EQ(DecideFileDrop(place, c.dragged, c.keys, files).effect, c.effect) << c.what;
    }
}

TEST(DropEffectRules, TheRecycleBinTakesAMoveIntoItself) {
    FakeFiles files;
    const DropDecision bin = DecideFileDrop({false, "", true}, {"c:\\docs\\a.txt"}, kControl, files);
    EXPECT_EQ(bin.effect, kDropMove);
    EXPECT_TRUE(bin.recycleBin);
    const DropDecision folder = DecideFileDrop(At("c:\\other"), {"c:\\docs\\a.txt"}, kNoKeys, files);
    EXPECT_FALSE(folder.recycleBin);
}

TEST(DropEffectRules, AShortcutToAFolderLendsItsFolder) {
    FakeFiles files;
    const DropDecision d = DecideFileDrop(At("c:\\other\\to-data.lnk"), {"d:\\data\\x.txt"}, kNoKeys, files);
    EXPECT_EQ(d.folder, "d:\\data");
    EXPECT_EQ(d.effect, kDropNone) << "the file is already in the shortcut's folder";
}

TEST(DropEffectRules, AShortcutPointingAtItselfEnds) {
    FakeFiles files;
    const DropDecision d = DecideFileDrop(At("c:\\other\\loop.lnk"), {"c:\\docs\\a.txt"}, kNoKeys, files);
    EXPECT_EQ(d.effect, kDropNone);
    EXPECT_LE(files.shortcutReads, 8);
}

TEST(DropEffectRules, EnteringAndOwnListEffects) {
    EXPECT_EQ(EnteringEffect(kNoKeys), kDropMove);
    EXPECT_EQ(EnteringEffect(kControl), kDropCopy);
    EXPECT_EQ(OwnListEffect(At("c:\\docs")), kDropCopy);
    EXPECT_EQ(OwnListEffect({false, "", true}), kDropNone);
}

TEST(DropEffectRules, PathShapes) {
    struct Shape {
        const char* path;
        bool share, root;
    };
    const Shape shapes[] = {
        {"\\\\srv\\share", true, false}, {"\\\\srv\\share\\", true, false}, {"\\\\srv", false, false},
        {"\\\\srv\\", false, false},     {"\\\\\\share", false, false},     {"\\\\srv\\a\\b", false, false},
        {"c:\\", false, true},           {"Z:\\", false, true},             {"1:\\", false, false},
        {"c:", false, false},            {"", false, false},                {"\\\\", false, false},
    };
    for (const Shape& s : shapes) {
        EXPECT_EQ(IsServerShare(s.path), s.share) << s.path;
        EXPECT_EQ(IsDriveRoot(s.path), s.root) << s.path;
    }
    EXPECT_TRUE(IsBelow("c:\\a\\b", "c:\\a"));
    EXPECT_TRUE(IsBelow("c:\\a\\b", "C:\\A\\"));
    EXPECT_TRUE(IsBelow("c:\\a", "c:\\"));
    EXPECT_FALSE(IsBelow("c:\\ab", "c:\\a"));
    EXPECT_FALSE(IsBelow("c:\\a", "c:\\a"));
    EXPECT_FALSE(IsBelow("c:\\a", ""));
}

}  // namespace
}  // namespace panorell
