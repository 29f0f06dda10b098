#include "launch/AddButton.h"

#include <gtest/gtest.h>

#include "fakes/DropHarness.h"
#include "launch/PathText.h"
#include "model/Buttons.h"

namespace corvella {
namespace {

using testing::DropHarness;
using testing::Rec;

TEST(DroppedCaption, KeepsTheLastNameWithoutShortcutExtensionOrTrailingControls) {
    struct Case { const char* path; const char* caption; };
    const Case cases[] = {
        {"C:\\Links\\Notepad.lnk", "Notepad"},
        {"C:\\Links\\Mail.URL", "Mail"},
        {"C:\\Links\\Old.Pif", "Old"},
        {"C:\\Links\\Net.rnk", "Net"},
        {"C:\\", "C:\\"},
        {"D:\\Photos", "Photos"},
        {"C:\\Docs\\Report 2024.doc", "Report 2024.doc"},
        {"C:\\Docs\\odd.txt\x01\x1F", "odd.txt"},
        {"C:\\Links\\Tab.lnk\t", "Tab.lnk"},  // the extension is looked at before the control is cut
        {"Notes.lnk", "Notes"},
    };
    for (const Case& c : cases) EXPECT_EQ(DroppedCaption(c.path), c.caption) << c.path;
}

struct AddCase {
    const char* path;
    const char* shortPath;  // what the shell answers for the stored path's short form
    const char* record;     // with '|' for the separator; empty: no record
};

TEST(AddButton, WritesOneRecordPerKindOfDroppedItem) {
    const AddCase cases[] = {
        {"C:\\Links\\Notepad.lnk", "C:\\CORVEL~1\\NOTEPA~1.LNK", "NOTEPA~1.LNK|3|Notepad|Notepad|"},
        {"C:\\Links\\Mail.URL", "C:\\CORVEL~1\\MAIL.URL", "MAIL.URL|3|Mail|Mail|"},
        {"C:\\", "C:\\", "C:\\|3|C:\\|C:\\|"},
        {"C:\\Program Files\\Tools", "C:\\PROGRA~1\\TOOLS", "C:\\PROGRA~1\\TOOLS|3|Tools|Tools|"},
        {"C:\\Docs\\Report 2024.doc", " C:\\DOCS\\REPORT~1.DOC ", "C:\\DOCS\\REPORT~1.DOC|3|Report 2024.doc|Report 2024.doc|"},
        {"C:\\Docs\\odd.txt\x01", "C:\\DOCS\\ODD.TXT", "C:\\DOCS\\ODD.TXT|3|odd.txt|odd.txt|"},
        // A separator byte or a control character in a name must not split the record.
        {"C:\\Docs\\a\xFF" "b\x02.txt", "C:\\DOCS\\AB~1.TXT", "C:\\DOCS\\AB~1.TXT|3|ab.txt|ab.txt|"},
    };
    for (const AddCase& c : cases) {
        DropHarness h;
        h.Shortcut("C:\\Links\\Notepad.lnk");
        h.Shortcut("C:\\Links\\Mail.URL");
        const bool shortcut = IsShortcutCopyName(c.path);
        const std::string stored =
            shortcut ? "C:\\Corvella\\" + FileNameOf(LowerCase(c.path)) : LowerCase(c.path);
        h.shell.shortPaths[LowerCase(stored)] = c.shortPath;
        int16_t count = 5;
        EXPECT_TRUE(AddButton(count, c.path, 3, h.AddDeps())) << c.path;
        EXPECT_EQ(count, 6);
        EXPECT_EQ(h.Button(6), Rec(c.record)) << c.path;
        EXPECT_EQ(h.profile.writes.size(), 1u);
        const std::optional<ButtonRecord> read = DecodeButtonRecord(h.Button(6));
        ASSERT_TRUE(read) << c.path;
        EXPECT_EQ(read->section, 3);
        if (shortcut) {
            EXPECT_EQ(h.streams.files[LowerCase(stored)], "LNK") << c.path;
        }
    }
}

TEST(AddButton, WritesNoRecordAndNamesTheItemWhenItsTargetCannotBeMade) {
    struct Case { const char* what; std::function<void(DropHarness&)> breakIt; const char* path; };
    const Case cases[] = {
        {"unreadable shortcut", [](DropHarness& h) { h.streams.unreadable.insert("c:\\links\\notepad.lnk"); },
         "C:\\Links\\Notepad.lnk"},
        {"folder not writable", [](DropHarness& h) { h.streams.unwritable.insert("c:\\corvella\\notepad.lnk"); },
         "C:\\Links\\Notepad.lnk"},
        {"read error", [](DropHarness& h) { h.streams.readFails = true; }, "C:\\Links\\Notepad.lnk"},
        {"disk full", [](DropHarness& h) { h.streams.writeLimit = 1; }, "C:\\Links\\Notepad.lnk"},
        {"no short name for the copy", [](DropHarness& h) { h.shell.shortPaths.clear(); }, "C:\\Links\\Notepad.lnk"},
        {"missing program", [](DropHarness&) {}, "C:\\Gone\\Tool.exe"},
    };
    for (const Case& c : cases) {
        DropHarness h;
        h.Shortcut("C:\\Links\\Notepad.lnk");
        h.shell.shortPaths["c:\\corvella\\notepad.lnk"] = "C:\\CORVEL~1\\NOTEPA~1.LNK";
        c.breakIt(h);
        int16_t count = 2;
        EXPECT_FALSE(AddButton(count, c.path, 1, h.AddDeps())) << c.what;
        EXPECT_EQ(count, 2) << c.what;
        EXPECT_TRUE(h.profile.writes.empty()) << c.what;
        EXPECT_EQ(h.log, testing::CallLog{"message Cannot add a button for " + std::string(c.path) +
                                          "; the item could not be copied or found. | Corvella"})
            << c.what;
    }
}

TEST(CopyShortcut, CopiesIn32000ByteBlocksAndReplacesACopyOfTheSameName) {
    DropHarness h;
    std::string content(70000, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7);
    h.Shortcut("C:\\Links\\Big.lnk", content);
    h.Shortcut("C:\\Corvella\\Big.lnk", "an older copy, longer than nothing");
    EXPECT_EQ(CopyShortcutToProgramFolder("c:\\links\\big.lnk", h.AddDeps()), "big.lnk");
    EXPECT_EQ(h.streams.files["c:\\corvella\\big.lnk"], content);
    EXPECT_EQ(h.streams.readSizes, (std::vector<std::size_t>{32000, 32000, 32000, 32000}));
    EXPECT_EQ(h.streams.writeSizes, (std::vector<std::size_t>{32000, 32000, 6000}));
}

TEST(CopyShortcut, KeepsAShortcutThatAlreadyLiesInTheProgramFolder) {
    DropHarness h;
    h.Shortcut("C:\\Corvella\\Notepad.lnk", "the only copy");
    h.streams.aliases["c:\\corvel~1\\notepa~1.lnk"] = "c:\\corvella\\notepad.lnk";
    h.streams.aliases["c:\\corvella\\notepa~1.lnk"] = "c:\\corvella\\notepad.lnk";
    for (const char* dropped : {"c:\\corvella\\notepad.lnk", "c:\\corvel~1\\notepa~1.lnk"}) {
        EXPECT_EQ(CopyShortcutToProgramFolder(dropped, h.AddDeps()), FileNameOf(dropped)) << dropped;
        EXPECT_TRUE(h.streams.writeSizes.empty()) << dropped;
    }
    EXPECT_EQ(h.streams.files["c:\\corvella\\notepad.lnk"], "the only copy");
}

TEST(CopyShortcut, RemovesAHalfWrittenCopy) {
    DropHarness h;
    h.Shortcut("C:\\Links\\Big.lnk", std::string(40000, 'x'));
    h.streams.writeLimit = 32000;
    EXPECT_EQ(CopyShortcutToProgramFolder("c:\\links\\big.lnk", h.AddDeps()), std::nullopt);
    EXPECT_EQ(h.streams.files.count("c:\\corvella\\big.lnk"), 0u);
    EXPECT_EQ(h.streams.files["c:\\links\\big.lnk"].size(), 40000u);
}

}  // namespace
}  // namespace corvella
