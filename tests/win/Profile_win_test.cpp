// The platform's profile functions on real files, and the portable INI
// profile checked against them, so both give the settings code the same file.
#include "platform/Profile_win.h"

#include <gtest/gtest.h>

#include "TempFolder_win.h"
#include "platform/IniFileProfile.h"
#include "settings/ProfileText.h"

namespace corvella {
namespace {

using testing::TempFolder;

TEST(WinProfile, ReadsTheTextsTheParseMustHandle) {
    TempFolder folder;
    folder.WriteFile("Corvella.ini",
                     "[Options]\r\nOne=1\r\nOneBlank=1 \r\nOneAbc=1abc\r\nEmpty=\r\nMinus=-5\r\n"
                     "BackColor=-2147483633\r\nName=  MS Sans Serif  \r\n");
    WinProfile profile(folder.File("Corvella.ini"));
    auto integer = [&](const char* key) {
        return ParseInteger(Trimmed(profile.Read("Options", key, "7", 128)), 7);
    };
    EXPECT_EQ(integer("One"), 1);
    EXPECT_EQ(integer("OneBlank"), 1);
    EXPECT_EQ(integer("OneAbc"), 1);
    EXPECT_EQ(integer("Empty"), 0);
    EXPECT_EQ(integer("Absent"), 7);
    EXPECT_EQ(integer("Minus"), -5);
    EXPECT_EQ(ParseColour(profile.Read("Options", "BackColor", "0", 128), 0),
              static_cast<int32_t>(0x8000000Fu));
    EXPECT_EQ(profile.Read("Options", "name", "", 128), "MS Sans Serif");
    EXPECT_EQ(profile.Read("Other", "One", "dflt", 128), "dflt");
}

TEST(WinProfile, CutsLongValuesToTheBuffer) {
    TempFolder folder;
    folder.WriteFile("Corvella.ini", "[Options]\r\nLong=" + std::string(300, 'x') + "\r\n");
    WinProfile profile(folder.File("Corvella.ini"));
    EXPECT_EQ(profile.Read("Options", "Long", "", 128), std::string(127, 'x'));
    EXPECT_EQ(profile.Read("Options", "Long", "", 512), std::string(300, 'x'));
}

TEST(WinProfile, CreatesTheFileOnTheFirstWriteAndReadsItBack) {
    TempFolder folder;
    WinProfile profile(folder.File("Corvella.ini"));
    EXPECT_EQ(profile.Read("Options", "EnableSound", "1", 128), "1");
    profile.Write("Options", "EnableSound", "0");
    profile.Write("Options", "HotKey", "145");
    profile.Write("Options", "EnableSound", "1");
    EXPECT_EQ(profile.Read("Options", "EnableSound", "x", 128), "1");
    EXPECT_EQ(profile.Read("Options", "HotKey", "x", 128), "145");
}

// The same reads and writes through both profiles give the same answers and
// the same file text.
TEST(IniFileProfile, BehavesLikeThePlatformsProfileFunctions) {
    TempFolder folder;
    const std::string start =
        "[Options]\r\nA=1\r\nquoted=\"q v\"\r\n  spaced  =  v  \r\n\r\n[Buttons]\r\nButton1=x\r\n";
    folder.WriteFile("win.ini", start);
    folder.WriteFile("portable.ini", start);
    WinProfile platform(folder.File("win.ini"));
    IniFileProfile portable(folder.File("portable.ini"));

    for (const char* key : {"A", "a", "quoted", "spaced", "missing"})
        EXPECT_EQ(portable.Read("options", key, "d  ", 128), platform.Read("options", key, "d  ", 128))
            << key;
    for (Profile* p : {static_cast<Profile*>(&platform), static_cast<Profile*>(&portable)}) {
        p->Write("Options", "a", "2");
        p->Write("Options", "B", "new");
        p->Write("Sections", "Color1", "-2147483633");
        p->Write("Buttons", "Button2", "y");
    }
    // Wine rewrites untouched lines in a normal form; what matters is that
    // every value reads back the same.
    for (const char* key : {"A", "B", "quoted", "spaced"})
        EXPECT_EQ(portable.Read("Options", key, "", 128), platform.Read("Options", key, "", 128)) << key;
    EXPECT_EQ(portable.Read("Buttons", "Button2", "", 128), "y");
    EXPECT_EQ(platform.Read("Buttons", "Button2", "", 128), "y");
    EXPECT_EQ(portable.Read("Sections", "Color1", "", 128), platform.Read("Sections", "Color1", "", 128));

    WinProfile fresh(folder.File("fresh-win.ini"));
    IniFileProfile freshPortable(folder.File("fresh-portable.ini"));
    for (Profile* p : {static_cast<Profile*>(&fresh), static_cast<Profile*>(&freshPortable)}) {
        p->Write("Options", "EnableSound", "1");
        p->Write("Sections", "Color1", "0");
    }
    EXPECT_EQ(folder.ReadFile("fresh-portable.ini"), folder.ReadFile("fresh-win.ini"));
}

}  // namespace
}  // namespace corvella
