#include "SettingsFile.h"

#include <cstdlib>
#include <string>

#include "ProfileText.h"

namespace corvella {

namespace {

// Every read of an [Options] value passes a return buffer of 128 characters.
constexpr std::size_t kReadBuffer = 128;

class OptionsKeys {
public:
    explicit OptionsKeys(Profile& profile) : profile_(profile) {}

    std::string Text(std::string_view key, std::string_view defaultText) const {
        return Trimmed(profile_.Read(kOptions, key, defaultText, kReadBuffer));
    }
    int16_t Integer(std::string_view key, int16_t defaultValue) const {
        return ParseInteger(Text(key, std::to_string(defaultValue)), defaultValue);
    }
    int32_t Twips(std::string_view key, const std::string& defaultText) const {
        return ParseTwips(Text(key, defaultText), ParseTwips(defaultText, 0));
    }
    int32_t Colour(std::string_view key, int32_t defaultValue) const {
        return ParseColour(Text(key, std::to_string(defaultValue)), defaultValue);
    }

    void Write(std::string_view key, std::string_view value) const {
        profile_.Write(kOptions, key, value);
    }
    void Write(std::string_view key, int32_t value) const { Write(key, std::to_string(value)); }

private:
    Profile& profile_;
};

int16_t Absolute(int16_t value) { return static_cast<int16_t>(std::abs(value)); }

// A button dimension read below 1 falls back to its style's usual size.
int16_t Dimension(const OptionsKeys& keys, std::string_view key, int16_t absentDefault,
                  int16_t fallback) {
    int16_t value = keys.Integer(key, absentDefault);
    return value < 1 ? fallback : value;
}

std::string DefaultLeft(const Screen& screen) {
    return FormatSingle(static_cast<float>(screen.WidthTwips() - 2500));
}

std::string DefaultHeight(const Screen& screen) {
    return FormatSingle(static_cast<float>(screen.HeightTwips() - 425));
}

std::string Numbered(std::string_view stem, int number) {
    return std::string(stem) + std::to_string(number);
}

// The stored placement, read in the file's key order; each move of the
// window costs a full round with the window system, so it moves once.
void LoadPlacementAndLooks(Settings& s, const OptionsKeys& keys, const SettingsDeps& deps) {
    Placement placement;
    placement.left = keys.Twips("WindowLeft", DefaultLeft(deps.screen));
    placement.top = keys.Twips("WindowTop", "0");
    placement.width = keys.Twips("WindowWidth", "2500");
    for (int i = 0; i < 3; ++i) s.IconSize[i] = Absolute(keys.Integer(Numbered("IconSize", i), 0));
    placement.height = keys.Twips("WindowHeight", DefaultHeight(deps.screen));
    deps.window.SetPlacement(placement);

    s.WindowShade = keys.Integer("WindowShade", 0);
    s.WindowShadeMode = keys.Integer("WindowShadeMode", 1);
    s.gCaption = keys.Integer("gCaption", 1);
    s.EjectAll = keys.Integer("EjectAll", 0);
    s.HotKey = keys.Integer("HotKey", 145);
    s.gSen = keys.Integer("gSen", 1);
    s.enableDocPath = keys.Integer("enableDocPath", 1);
    s.gSection3D = keys.Integer("gSection3D", 1);
    s.gButton3D = keys.Integer("gButton3D", 1);
    s.b1h = Dimension(keys, "b1h", 44, 44);
    s.b1w = Dimension(keys, "b1w", 44, 44);
    s.b2h = Dimension(keys, "b2h", 63, 63);
    s.b2w = Dimension(keys, "b2w", 125, 130);
    s.b3h = Dimension(keys, "b3h", 63, 63);
    s.b4h = Dimension(keys, "b4h", 30, 30);
    s.b4w = Dimension(keys, "b4w", 175, 175);
    s.b1pp = keys.Integer("b1pp", 7);
    s.b2pp = keys.Integer("b2pp", 6);
    s.b2cp = keys.Integer("b2cp", 8);
    s.b3pp = keys.Integer("b3pp", 6);
    s.b3cp = keys.Integer("b3cp", 8);
    s.b4cp = keys.Integer("b4cp", 7);
}

void LoadHotKeyHomeAndFonts(Settings& s, const OptionsKeys& keys, const SettingsDeps& deps) {
    if (auto sensitivity = HotKeySensitivityFor(s.gSen)) deps.hotKey.SetSensitivity(*sensitivity);
    s.HotKeyShift = keys.Integer("HotKeyShift", 0);
    s.HotKeyControl = keys.Integer("HotKeyControl", 0);
    s.UseHomeSection = keys.Integer("UseHomeSection", 0);
    s.HomeSection = keys.Integer("HomeSection", 1);
    s.sFontName = keys.Text("sFontName", "MS Sans Serif");
    s.sFontSize = keys.Integer("sFontSize", 8);
    s.sFontBold = keys.Integer("sFontBold", 0);
    s.sFontItalic = keys.Integer("sFontItalic", 0);
    s.bFontName = keys.Text("bFontName", "MS Sans Serif");
    s.bFontSize = keys.Integer("bFontSize", 8);
    s.bFontBold = keys.Integer("bFontBold", 0);
    s.bFontItalic = keys.Integer("bFontItalic", 0);
    s.BackColor = keys.Colour("BackColor", kButtonFaceColour);
}

}  // namespace

std::optional<int32_t> HotKeySensitivityFor(int16_t gSen) {
    static constexpr int32_t kTable[] = {2, 5, 10, 20, 30, 40, 50, 75, 100, 250, 500};
    if (gSen < 0 || gSen > 10) return std::nullopt;
    return kTable[gSen];
}

std::string CleanStoredPassword(std::string_view stored) {
    std::string password = LowerCase(Trimmed(stored));
    while (password.size() >= 2 && static_cast<unsigned char>(password.back()) < 14)
        password.pop_back();
    if (password.size() < 3) password.clear();
    return password;
}

void LoadSwitches(Settings& s, const SettingsDeps& deps) {
    OptionsKeys keys(deps.profile);
    s.EnableSound = keys.Integer("EnableSound", 1);
    keys.Integer("EnableColors", 1);
    // Colours are always on; the key is read and rewritten as "1".
    s.EnableColors = 1;
    s.EnableOnTop = keys.Integer("EnableOnTop", 0);
    s.EnableShade = keys.Integer("EnableShade", 0);
    s.EnableSystemButtons = keys.Integer("EnableSystemButtons", 1);
    s.EnableTrayIcon = keys.Integer("EnableTrayIcon", 1);
    deps.window.SetTopMost(s.EnableOnTop != 0);
}

void LoadSettings(Settings& s, const SettingsDeps& deps) {
    OptionsKeys keys(deps.profile);
    LoadSwitches(s, deps);

    if (deps.startupFlag == 0) {
        deps.links.ShowSplash();
        deps.events.LetPendingEventsRun();
        deps.events.LetPendingEventsRun();
        deps.events.SleepMs(5);
        deps.events.LetPendingEventsRun();
        deps.events.LetPendingEventsRun();
        deps.cues.Play(Cue::Welcome);
    }

    s.EjectDefault = keys.Text("EjectDefault", "a");
    s.gLocked = keys.Integer("gLocked", 0);
    s.gPassword = CleanStoredPassword(keys.Text("gPassword", ""));

    LoadPlacementAndLooks(s, keys, deps);
    LoadHotKeyHomeAndFonts(s, keys, deps);

    deps.window.SetBackColor(s.BackColor);
    s.unshadedPlacement = deps.window.CurrentPlacement();

    deps.links.SetCurrentSection(1);
    deps.links.LoadSections();
    deps.links.LoadButtons();
    deps.links.RestoreEjectSelection(s.EjectDefault);
}

void SaveSwitches(const Settings& s, const SettingsDeps& deps) {
    if (s.gLocked != 0) return;
    ProfileSave save(deps.profile);
    OptionsKeys keys(deps.profile);
    keys.Write("EnableSound", s.EnableSound);
    keys.Write("EnableColors", s.EnableColors);
    keys.Write("EnableOnTop", s.EnableOnTop);
    keys.Write("EnableShade", s.EnableShade);
    keys.Write("EnableSystemButtons", s.EnableSystemButtons);
    keys.Write("EnableTrayIcon", s.EnableTrayIcon);
}

void SaveSettings(const Settings& s, const SettingsDeps& deps) {
    if (s.gLocked != 0) return;
    ProfileSave save(deps.profile);
    OptionsKeys keys(deps.profile);
    keys.Write("BackColor", s.BackColor);
    keys.Write("gCaption", s.gCaption);
    keys.Write("enableDocPath", s.enableDocPath);
    for (int i = 0; i < 3; ++i) keys.Write(Numbered("IconSize", i), s.IconSize[i]);
    keys.Write("HotKey", s.HotKey);
    keys.Write("HotKeyShift", s.HotKeyShift);
    keys.Write("HotKeyControl", s.HotKeyControl);
    keys.Write("gSen", s.gSen);
    keys.Write("EjectDefault", Trimmed(deps.links.EjectButtonCaption().substr(0, 1)));
    keys.Write("EjectAll", s.EjectAll);
    keys.Write("UseHomeSection", s.UseHomeSection);
    keys.Write("HomeSection", s.HomeSection);
    if (s.WindowShade == 0) {
        Placement p = deps.window.CurrentPlacement();
        keys.Write("WindowLeft", p.left);
        keys.Write("WindowWidth", p.width);
        keys.Write("WindowHeight", p.height);
        keys.Write("WindowTop", p.top);
    }
    keys.Write("LastSection", deps.links.CurrentSection());
    keys.Write("WindowShade", "0");
    keys.Write("WindowShadeMode", s.WindowShadeMode);
    keys.Write("gLocked", Absolute(s.gLocked));
    keys.Write("gPassword", Trimmed(s.gPassword));
}

void SaveLockState(const Settings& s, const SettingsDeps& deps) {
    ProfileSave save(deps.profile);
    OptionsKeys keys(deps.profile);
    keys.Write("gLocked", Absolute(s.gLocked));
    keys.Write("gPassword", LowerCase(Trimmed(s.gPassword)));
}

void SaveButtonSizes(const Settings& s, const SettingsDeps& deps) {
    if (s.gLocked != 0) return;
    ProfileSave save(deps.profile);
    OptionsKeys keys(deps.profile);
    keys.Write("b1h", s.b1h);
    keys.Write("b1w", s.b1w);
    keys.Write("b2h", s.b2h);
    keys.Write("b2w", s.b2w);
    keys.Write("b3h", s.b3h);
    keys.Write("b4h", s.b4h);
    keys.Write("b4w", s.b4w);
    keys.Write("b1pp", s.b1pp);
    keys.Write("b2pp", s.b2pp);
    keys.Write("b2cp", s.b2cp);
    keys.Write("b3pp", s.b3pp);
    keys.Write("b3cp", s.b3cp);
    keys.Write("b4cp", s.b4cp);
    for (int i = 0; i < 4; ++i) keys.Write(Numbered("gActiveButtons", i + 1), s.gActiveButtons[i]);
    for (int i = 0; i < 3; ++i) keys.Write(Numbered("IconSize", i), s.IconSize[i]);
}

void SaveLooksAndSections(const Settings& s, const SettingsDeps& deps) {
    ProfileSave save(deps.profile);
    OptionsKeys keys(deps.profile);
    keys.Write("gSectionStyle", s.gSectionStyle);
    keys.Write("sFontName", Trimmed(s.sFontName));
    keys.Write("sFontSize", s.sFontSize);
    keys.Write("sFontBold", s.sFontBold);
    keys.Write("sFontItalic", s.sFontItalic);
    keys.Write("gSection3D", s.gSection3D);
    keys.Write("gButton3D", s.gButton3D);
    keys.Write("bFontName", Trimmed(s.bFontName));
    keys.Write("bFontSize", s.bFontSize);
    keys.Write("bFontBold", s.bFontBold);
    keys.Write("bFontItalic", s.bFontItalic);
    deps.links.SaveSections();
}

void RestoreWindowPlacement(const SettingsDeps& deps) {
    OptionsKeys keys(deps.profile);
    Placement placement;
    placement.left = keys.Twips("WindowLeft", DefaultLeft(deps.screen));
    placement.top = keys.Twips("WindowTop", "0");
    placement.width = keys.Twips("WindowWidth", "2500");
    placement.height = keys.Twips("WindowHeight", DefaultHeight(deps.screen));
    deps.window.SetPlacement(placement);
}

}  // namespace corvella
