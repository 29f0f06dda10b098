// What the launcher writes for a button or a section reads back the same
// from the settings file, and a second save writes the same text again.
#include <gtest/gtest.h>

#include "fakes/MemoryStore.h"
#include "fakes/ModelHarness.h"
#include "model/Buttons.h"
#include "platform/IniFileProfile.h"
#include "settings/ProfileText.h"

namespace corvella {
namespace {

using testing::MemoryStore;
using testing::ModelHarness;

// The record as the next start reads it, after a save through the file.
std::optional<ButtonRecord> ThroughTheFile(const ButtonRecord& record) {
    MemoryStore store(std::string{});
    IniFileProfile profile(store);
    profile.Write(kButtonsSection, "Button1", EncodeButtonRecord(record));
    IniFileProfile reread(store);
    return DecodeButtonRecord(reread.Read(kButtonsSection, "Button1", "", 1024));
}

TEST(ReadBack, ButtonRecordsKeepQuotesAndBlanksThroughTheFile) {
    struct Case {
        ButtonRecord written, read;
    };
    const Case cases[] = {
        // Quotes at both ends of the value would be taken for the file's own.
        {{"'A.EXE", 1, "", "", "C:\\I'"}, {"'A.EXE", 1, "", "", "C:\\I'"}},
        {{"\"C:\\A B\\X.EXE", 2, "t", "u", "C:\\x.ico\""}, {"\"C:\\A B\\X.EXE", 2, "t", "u", "C:\\x.ico\""}},
        {{"'x", 1, "", "", "'"}, {"'x", 1, "", "", "'"}},
        // A quote at one end only is not the file's.
        {{"\"A.EXE", 1, "", "", ""}, {"\"A.EXE", 1, "", "", ""}},
        // A blank beside a removed byte is trimmed at once, not at the next save.
        {{"A.EXE", 1, "\x01 tip", "text \xFF", "\xFF C:\\a.ico"}, {"A.EXE", 1, "tip", "text", "C:\\a.ico"}},
    };
    for (const Case& c : cases) {
        const std::optional<ButtonRecord> read = ThroughTheFile(c.written);
        ASSERT_TRUE(read.has_value()) << c.written.target;
        EXPECT_EQ(*read, c.read) << c.written.target;
        EXPECT_EQ(EncodeButtonRecord(*read), EncodeButtonRecord(c.written)) << c.written.target;
    }
}

TEST(ReadBack, ProfileValueAddsQuotesOnlyWhereAReadWouldStripThem) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"plain", "plain"}, {"\"q\"", "\"\"q\"\""}, {"'q'", "\"'q'\""}, {"\"q'", "\"q'"},
        {"\"", "\""},       {"''", "\"''\""},       {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProfileValue(c.text), c.written) << c.text;
        MemoryStore store(std::string{});
        IniFileProfile profile(store);
        profile.Write("Options", "Key", ProfileValue(c.text));
        EXPECT_EQ(IniFileProfile(store).Read("Options", "Key", "", 256), c.text) << c.text;
    }
}

TEST(ReadBack, QuotedSectionNamesSurviveEverySave) {
    MemoryStore store(std::string("[Options]\r\nSection1Name=Work\r\nSection2Name=Games\r\n"));
    IniFileProfile profile(store);
    ModelHarness h({}, &profile);
    h.Load();
    h.dialogs.answers = {"\"Quoted\"", "'Single'"};
    h.model.RenameSection(0);
    h.model.AddSection();
    h.model.SaveSections();
    h.model.MoveSection(2, 0);

    ModelHarness again({}, &profile);
    again.Load();
    ASSERT_EQ(again.sections.gSectionCount, 3);
    EXPECT_EQ(again.sections.gSectionName[1], "'Single'");
    EXPECT_EQ(again.sections.gSectionName[2], "\"Quoted\"");
    EXPECT_EQ(again.sections.gSectionName[3], "Games");
}

// A hand edit dropped the first name: the list the launcher shows ends
// there, and a save keeps the stale second name from coming back.
TEST(ReadBack, ASaveEndsTheSectionListWhereTheLauncherSawItEnd) {
    MemoryStore store(std::string("[Options]\r\nSection2Name=Games\r\nSection3Name=Tools\r\n"));
    IniFileProfile profile(store);
    ModelHarness first({}, &profile);
    first.Load();
    ASSERT_EQ(first.sections.gSectionCount, 1);
    first.model.SaveSections();

    ModelHarness again({}, &profile);
    again.Load();
    EXPECT_EQ(again.sections.gSectionCount, 1);
    EXPECT_EQ(again.sections.gSectionName[1], first.sections.gSectionName[1]);
}

}  // namespace
}  // namespace corvella
