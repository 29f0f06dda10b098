#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/SettingsHarness.h"

namespace corvella {
namespace {

using testing::SettingsHarness;
using Keys = std::vector<std::string>;

bool Contains(const testing::CallLog& log, const std::string& entry) {
    return std::find(log.begin(), log.end(), entry) != log.end();
}

TEST(LoadSettings, AnAbsentFileGivesTheDefaults) {
    SettingsHarness h;  // 1024 x 768 pixels at 15 twips per pixel
    h.Load();
    const Settings& s = h.settings;
    EXPECT_EQ(h.window.placement, (Placement{1024 * 15 - 2500, 0, 2500, 768 * 15 - 425}));
    EXPECT_EQ(s.EnableSound, 1);
    EXPECT_EQ(s.EnableTrayIcon, 1);
    EXPECT_EQ(s.EnableSystemButtons, 1);
    EXPECT_EQ(s.gCaption, 1);
    EXPECT_EQ(s.HotKey, 145);
    EXPECT_EQ(s.HotKeyShift, 0);
    EXPECT_EQ(s.HotKeyControl, 0);
    EXPECT_EQ(s.WindowShadeMode, 1);
    EXPECT_EQ(s.EjectDefault, "a");
    EXPECT_EQ(s.b2w, 125);
    EXPECT_EQ(s.sFontName, "MS Sans Serif");
    EXPECT_EQ(s.BackColor, kButtonFaceColour);
    EXPECT_EQ(h.window.backColor, kButtonFaceColour);
    EXPECT_EQ(s.unshadedPlacement, h.window.placement);
    EXPECT_FALSE(h.window.topMost);
    // The computed defaults reach the profile as single-precision decimal text.
    auto left = std::find_if(h.profile.reads.begin(), h.profile.reads.end(),
                             [](auto& r) { return r.key == "WindowLeft"; });
    auto height = std::find_if(h.profile.reads.begin(), h.profile.reads.end(),
                               [](auto& r) { return r.key == "WindowHeight"; });
    EXPECT_EQ(left->defaultText, "12860");
    EXPECT_EQ(height->defaultText, "11095");
}

TEST(LoadSettings, ComputedDefaultsFollowTheScreenAndItsDpi) {
    SettingsHarness h({}, 1600, 1200, 12);
    h.Load();
    EXPECT_EQ(h.window.placement, (Placement{1600 * 12 - 2500, 0, 2500, 1200 * 12 - 425}));
}

TEST(LoadSettings, ReadsEveryKeyInOrderWithA128CharacterBuffer) {
    SettingsHarness h;
    h.Load();
    const Keys expected = {
        "EnableSound", "EnableColors", "EnableOnTop", "EnableShade", "EnableSystemButtons",
        "EnableTrayIcon", "EjectDefault", "gLocked", "gPassword", "WindowLeft", "WindowTop",
        "WindowWidth", "IconSize0", "IconSize1", "IconSize2", "WindowHeight", "WindowShade",
        "WindowShadeMode", "gCaption", "EjectAll", "HotKey", "gSen", "enableDocPath", "gSection3D",
        "gButton3D", "b1h", "b1w", "b2h", "b2w", "b3h", "b4h", "b4w", "b1pp", "b2pp", "b2cp",
        "b3pp", "b3cp", "b4cp", "HotKeyShift", "HotKeyControl", "UseHomeSection", "HomeSection",
        "sFontName", "sFontSize", "sFontBold", "sFontItalic", "bFontName", "bFontSize",
        "bFontBold", "bFontItalic", "BackColor"};
    EXPECT_EQ(h.profile.ReadKeys(), expected);
    for (const auto& r : h.profile.reads) {
        EXPECT_EQ(r.section, "Options") << r.key;
        EXPECT_EQ(r.bufferSize, 128u) << r.key;
    }
}

TEST(LoadSettings, RunsItsStepsInOrder) {
    SettingsHarness h("[Options]\r\ngSen=3\r\nEnableOnTop=1\r\n");
    h.Load();
    const testing::CallLog expected = {
        "topmost on", "splash", "events", "events", "sleep 5", "events", "events",
        "sound C:\\Corvella\\welcome.wav",
        "placement 12860 0 2500 11095",
        "hotkey sensitivity 20",
        "backcolor -2147483633",
        "current section 1", "load sections", "load buttons", "eject selection a"};
    EXPECT_EQ(h.log, expected);
}

TEST(LoadSettings, OnlyTheStartUpLoadShowsTheSplashAndPlaysTheWelcomeCue) {
    SettingsHarness later;
    later.startupFlag = 1;
    later.Load();
    EXPECT_FALSE(Contains(later.log, "splash"));
    EXPECT_TRUE(later.sound.played.empty());

    SettingsHarness silent("[Options]\r\nEnableSound=0\r\n");
    silent.Load();
    EXPECT_TRUE(Contains(silent.log, "splash"));
    EXPECT_TRUE(silent.sound.played.empty());
}

TEST(LoadSettings, ButtonDimensionsBelowOneFallBack) {
    SettingsHarness h("[Options]\r\nb1h=0\r\nb1w=-3\r\nb2h=0\r\nb2w=0\r\nb3h=x\r\nb4h=0\r\nb4w=0\r\n");
    h.Load();
    const Settings& s = h.settings;
    EXPECT_EQ(s.b1h, 44);
    EXPECT_EQ(s.b1w, 44);
    EXPECT_EQ(s.b2h, 63);
    EXPECT_EQ(s.b2w, 130);  // not the absent-key 125
    EXPECT_EQ(s.b3h, 63);
    EXPECT_EQ(s.b4h, 30);
    EXPECT_EQ(s.b4w, 175);

    SettingsHarness kept("[Options]\r\nb2w=200\r\nb4h=1\r\n");
    kept.Load();
    EXPECT_EQ(kept.settings.b2w, 200);
    EXPECT_EQ(kept.settings.b4h, 1);
}

TEST(LoadSettings, ReadsValuesWithTheLeadingNumberRule) {
    SettingsHarness h(
        "[Options]\r\nHotKey=112abc\r\nHotKeyShift=-1\r\nWindowShadeMode=2 \r\ngCaption=\r\n"
        "IconSize1=-1\r\nsFontName=  Arial  \r\nsFontSize=99999\r\nBackColor=blue\r\n"
        "WindowLeft=35900\r\nWindowWidth=3000.5\r\n");
    h.Load();
    const Settings& s = h.settings;
    EXPECT_EQ(s.HotKey, 112);
    EXPECT_EQ(s.HotKeyShift, -1);
    EXPECT_EQ(s.WindowShadeMode, 2);
    EXPECT_EQ(s.gCaption, 0);       // present but empty: 0, not the default
    EXPECT_EQ(s.IconSize[1], 1);    // absolute value
    EXPECT_EQ(s.sFontName, "Arial");
    EXPECT_EQ(s.sFontSize, 8);      // beyond 16 bits: the key's default
    EXPECT_EQ(s.BackColor, kButtonFaceColour);
    EXPECT_EQ(h.window.placement.left, 35900);
    EXPECT_EQ(h.window.placement.width, 3000);
}

TEST(LoadSettings, ALongTextIsCutByTheReadBuffer) {
    SettingsHarness h("[Options]\r\nbFontName=" + std::string(140, 'F') + "\r\n");
    h.Load();
    EXPECT_EQ(h.settings.bFontName, std::string(127, 'F'));
}

TEST(LoadSettings, CleansTheStoredPassword) {
    struct Case { const char* stored; const char* kept; };
    const Case cases[] = {{"  Secret1 ", "secret1"}, {"ab", ""}, {"abc", "abc"},
                          {"abc\x01\x02", "abc"},     {"ab\x01", ""}, {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(CleanStoredPassword(c.stored), c.kept) << c.stored;

    SettingsHarness h("[Options]\r\ngPassword=MyPass\r\ngLocked=1\r\n");
    h.Load();
    EXPECT_EQ(h.settings.gPassword, "mypass");
    EXPECT_EQ(h.settings.gLocked, 1);
}

TEST(LoadSettings, GivesTheHotKeyItsSensitivityFromTheTable) {
    const int32_t table[] = {2, 5, 10, 20, 30, 40, 50, 75, 100, 250, 500};
    for (int16_t i = 0; i <= 10; ++i) EXPECT_EQ(HotKeySensitivityFor(i), table[i]);
    EXPECT_EQ(HotKeySensitivityFor(-1), std::nullopt);
    EXPECT_EQ(HotKeySensitivityFor(11), std::nullopt);

    SettingsHarness h("[Options]\r\ngSen=11\r\n");
    h.Load();
    EXPECT_FALSE(std::any_of(h.log.begin(), h.log.end(),
                             [](const std::string& e) { return e.rfind("hotkey", 0) == 0; }));
}

TEST(LoadSwitches, ForcesColoursOnAndAppliesAlwaysOnTop) {
    SettingsHarness h("[Options]\r\nEnableColors=0\r\nEnableOnTop=1\r\nEnableSound=0\r\n");
    LoadSwitches(h.settings, h.Deps());
    EXPECT_EQ(h.settings.EnableColors, 1);
    EXPECT_EQ(h.settings.EnableSound, 0);
    EXPECT_TRUE(h.window.topMost);
    SaveSwitches(h.settings, h.Deps());
    EXPECT_EQ(h.profile.Value("EnableColors"), "1");
}

TEST(SaveRoutines, WriteTheirKeysInOrder) {
    SettingsHarness h;
    h.Load();
    h.profile.writes.clear();
    SaveSwitches(h.settings, h.Deps());
    EXPECT_EQ(h.profile.WrittenKeys(), (Keys{"EnableSound", "EnableColors", "EnableOnTop",
                                             "EnableShade", "EnableSystemButtons", "EnableTrayIcon"}));

    h.profile.writes.clear();
    SaveSettings(h.settings, h.Deps());
    EXPECT_EQ(h.profile.WrittenKeys(),
              (Keys{"BackColor", "gCaption", "enableDocPath", "IconSize0", "IconSize1", "IconSize2",
                    "HotKey", "HotKeyShift", "HotKeyControl", "gSen", "EjectDefault", "EjectAll",
                    "UseHomeSection", "HomeSection", "WindowLeft", "WindowWidth", "WindowHeight",
                    "WindowTop", "LastSection", "WindowShade", "WindowShadeMode", "gLocked",
                    "gPassword"}));

    h.profile.writes.clear();
    SaveButtonSizes(h.settings, h.Deps());
    EXPECT_EQ(h.profile.WrittenKeys(),
              (Keys{"b1h", "b1w", "b2h", "b2w", "b3h", "b4h", "b4w", "b1pp", "b2pp", "b2cp", "b3pp",
                    "b3cp", "b4cp", "gActiveButtons1", "gActiveButtons2", "gActiveButtons3",
                    "gActiveButtons4", "IconSize0", "IconSize1", "IconSize2"}));

    h.profile.writes.clear();
    h.log.clear();
    SaveLooksAndSections(h.settings, h.Deps());
    EXPECT_EQ(h.profile.WrittenKeys(),
              (Keys{"gSectionStyle", "sFontName", "sFontSize", "sFontBold", "sFontItalic",
                    "gSection3D", "gButton3D", "bFontName", "bFontSize", "bFontBold", "bFontItalic"}));
    EXPECT_EQ(h.log, testing::CallLog{"save sections"});

    h.profile.writes.clear();
    SaveLockState(h.settings, h.Deps());
    EXPECT_EQ(h.profile.WrittenKeys(), (Keys{"gLocked", "gPassword"}));
}

TEST(SaveSettings, WritesTheEncodings) {
    SettingsHarness h;
    h.Load();
    Settings& s = h.settings;
    s.gLocked = 0;
    s.gPassword = "  abc  ";
    s.HotKeyShift = -1;
    s.BackColor = 0x00C0FFEE;
    h.window.placement = {100, 200, 3000, 6000};
    h.links.SetCurrentSection(4);
    h.links.ejectCaption = " E: disk";
    SaveSettings(s, h.Deps());
    EXPECT_EQ(h.profile.Value("BackColor"), "12648430");
    EXPECT_EQ(h.profile.Value("HotKeyShift"), "-1");
    EXPECT_EQ(h.profile.Value("EjectDefault"), "");  // first character of the caption, trimmed
    EXPECT_EQ(h.profile.Value("WindowLeft"), "100");
    EXPECT_EQ(h.profile.Value("WindowTop"), "200");
    EXPECT_EQ(h.profile.Value("WindowWidth"), "3000");
    EXPECT_EQ(h.profile.Value("WindowHeight"), "6000");
    EXPECT_EQ(h.profile.Value("LastSection"), "4");
    EXPECT_EQ(h.profile.Value("gPassword"), "abc");

    h.links.ejectCaption = "D: cd";
    s.BackColor = kButtonFaceColour;
    SaveSettings(s, h.Deps());
    EXPECT_EQ(h.profile.Value("EjectDefault"), "D");
    EXPECT_EQ(h.profile.Value("BackColor"), "-2147483633");
}

TEST(SaveSettings, LeavesThePlacementAloneWhileShaded) {
    SettingsHarness h("[Options]\r\nWindowLeft=111\r\nWindowTop=222\r\nWindowWidth=333\r\nWindowHeight=444\r\n");
    h.Load();
    h.settings.WindowShade = 1;
    h.window.placement = {5, -9000, 3000, 9000};
    SaveSettings(h.settings, h.Deps());
    EXPECT_EQ(h.profile.Value("WindowLeft"), "111");
    EXPECT_EQ(h.profile.Value("WindowTop"), "222");
    EXPECT_EQ(h.profile.Value("WindowWidth"), "333");
    EXPECT_EQ(h.profile.Value("WindowHeight"), "444");
    EXPECT_EQ(h.profile.Value("WindowShade"), "0");
}

TEST(SaveRoutines, TheLockBlocksExactlyTheThreeGeneralSaves) {
    SettingsHarness h("[Options]\r\ngLocked=1\r\ngPassword=secret\r\n");
    h.Load();
    h.settings.EnableSound = 0;
    h.settings.b1h = 50;
    h.window.placement = {1, 2, 3, 4};
    h.profile.writes.clear();
    SaveSwitches(h.settings, h.Deps());
    SaveSettings(h.settings, h.Deps());
    SaveButtonSizes(h.settings, h.Deps());
    EXPECT_TRUE(h.profile.writes.empty());

    h.settings.gLocked = -1;  // a true/false word is written as its absolute value
    h.settings.gPassword = " NewOne ";
    SaveLockState(h.settings, h.Deps());
    SaveLooksAndSections(h.settings, h.Deps());
    EXPECT_EQ(h.profile.Value("gLocked"), "1");
    EXPECT_EQ(h.profile.Value("gPassword"), "newone");
    EXPECT_EQ(h.profile.Value("sFontName"), "MS Sans Serif");
}

TEST(SettingsFile, AnAbsentFileRoundTripsToTheDefaults) {
    SettingsHarness h;
    h.links.ejectCaption = "";
    h.Load();
    SaveSettings(h.settings, h.Deps());
    SaveSwitches(h.settings, h.Deps());
    const std::pair<const char*, const char*> expected[] = {
        {"WindowLeft", "12860"}, {"WindowTop", "0"}, {"WindowWidth", "2500"},
        {"WindowHeight", "11095"}, {"EnableSound", "1"}, {"EnableColors", "1"},
        {"EnableOnTop", "0"}, {"EnableShade", "0"}, {"EnableSystemButtons", "1"},
        {"EnableTrayIcon", "1"}, {"HotKey", "145"}, {"HotKeyShift", "0"}, {"HotKeyControl", "0"},
        {"gSen", "1"}, {"gCaption", "1"}, {"enableDocPath", "1"}, {"BackColor", "-2147483633"},
        {"WindowShade", "0"}, {"WindowShadeMode", "1"}, {"LastSection", "1"}, {"HomeSection", "1"},
        {"UseHomeSection", "0"}, {"gLocked", "0"}, {"gPassword", ""}, {"IconSize0", "0"}};
    for (auto [key, value] : expected) EXPECT_EQ(h.profile.Value(key), value) << key;

    // Loading what was saved gives the same settings back.
    SettingsHarness again(h.profile.Text());
    again.Load();
    EXPECT_EQ(again.window.placement, h.window.placement);
    EXPECT_EQ(again.settings.HotKey, h.settings.HotKey);
    EXPECT_EQ(again.settings.BackColor, h.settings.BackColor);
}

TEST(RestoreWindowPlacement, AppliesTheStoredPlacement) {
    SettingsHarness h("[Options]\r\nWindowLeft=300\r\nWindowTop=450\r\nWindowWidth=4000\r\n");
    RestoreWindowPlacement(h.Deps());
    EXPECT_EQ(h.window.placement, (Placement{300, 450, 4000, 11095}));
    EXPECT_EQ(h.profile.ReadKeys(), (Keys{"WindowLeft", "WindowTop", "WindowWidth", "WindowHeight"}));
}

}  // namespace
}  // namespace corvella
