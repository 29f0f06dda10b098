// The platform's profile functions on real files, and the launcher's own
// profile checked against them, so both give the settings code the same file.
#include "platform/Profile_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "TempFolder_win.h"
#include "platform/IniFileProfile.h"
#include "platform/SettingsStore_win.h"
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

// The form Wine's profile functions give every line of a file they rewrite:
// blank lines dropped, no blanks around '=' or the key. A file the launcher
// wrote itself is already in it.
std::string PlatformNormalForm(const std::string& text) {
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty()) continue;
        std::size_t eq = trimmed.find('=');
        if (eq != std::string_view::npos && trimmed.front() != ';' && trimmed.front() != '[')
            out += std::string(TrimBlanks(trimmed.substr(0, eq))) + "=" + std::string(TrimBlanks(trimmed.substr(eq + 1)));
        else
            out += trimmed;
        out += "\r\n";
    }
    return out;
}

struct AwkwardFile {
    const char* what;
    std::string text;
};

std::vector<AwkwardFile> AwkwardFiles() {
    return {
        {"comments and blank lines", "; written by hand\r\n\r\n[Options]\r\n; sound\r\nEnableSound=0\r\n\r\n\r\n"
                                     "[Buttons]\r\n\r\nButton1=x\r\n"},
        {"duplicate keys", "[Options]\r\nHotKey=120\r\nhotkey=121\r\nHOTKEY = 122\r\n"},
        {"keys without '='", "[Options]\r\nnoequals\r\nEnableSound=1\r\n justtext \r\n"},
        {"sections in odd case", "[oPTIONS]\r\nEnableSound=0\r\n[BUTTONS]\r\nButton1=a\r\n[sections]\r\nColor1=1\r\n"},
        {"CR LF endings", "[Options]\r\nA=1\r\nB=2\r\n"},
        {"LF endings", "[Options]\nA=1\nB=2\n[Buttons]\nButton1=b\n"},
        {"no final newline", "[Options]\r\nA=1\r\n[Buttons]\r\nButton1=last"},
        {"0xFF bytes", "[Buttons]\r\nButton1=C:\\A.EXE\xFF" "1\xFFtip\xFFtext\xFF\r\nButton2=\xFF\xFF\xFF\r\n"},
        {"a 64 KB value", "[Buttons]\r\nButton1=" + std::string(65536, 'v') + "\xFF" "1\xFF\xFF\xFF\r\nButton2=z\r\n"},
        {"blanks around '='", "[Options]\r\n  A  =  1  \r\nquoted=\"q v\"\r\n"},
    };
}

// Every key the awkward files hold, and some they do not.
const std::pair<const char*, const char*> kKeys[] = {
    {"Options", "EnableSound"}, {"options", "hotkey"}, {"Options", "noequals"}, {"Options", "justtext"},
    {"Options", "A"}, {"Options", "B"}, {"Options", "quoted"}, {"Options", "Missing"},
    {"Buttons", "Button1"}, {"buttons", "BUTTON2"}, {"Sections", "Color1"}, {"Absent", "A"}};

// The launcher's own profile against the platform's profile functions on the
// same files: the same answer to every read, byte for byte and with every
// buffer size the launcher uses, before and after the same writes; and the
// same file, once Wine's rewriting of untouched lines is taken into account.
TEST(IniFileProfile, AnswersAndWritesAsThePlatformsProfileFunctionsDo) {
    for (const AwkwardFile& file : AwkwardFiles()) {
        TempFolder folder;
        folder.WriteFile("platform.ini", file.text);
        folder.WriteFile("Corvella.ini", file.text);
        WinProfile platform(folder.File("platform.ini"));
        WinSettingsStore store(folder.File("Corvella.ini"));
        IniFileProfile ours(store);
        auto compareReads = [&](const char* when) {
            for (auto [section, key] : kKeys)
                for (std::size_t buffer : {std::size_t{128}, std::size_t{512}, std::size_t{70000}})
                    EXPECT_EQ(ours.Read(section, key, "dflt  ", buffer), platform.Read(section, key, "dflt  ", buffer))
                        << file.what << ", " << when << ": [" << section << "] " << key << " in " << buffer;
        };
        compareReads("before writing");
        {
            ProfileSave save(ours);
            for (Profile* p : {static_cast<Profile*>(&platform), static_cast<Profile*>(&ours)}) {
                p->Write("options", "hotkey", "145");
                p->Write("Options", "EnableSound", "1");
                p->Write("Sections", "Color2", "-2147483633");
                p->Write("Buttons", "Button3", "new\xFF" "2\xFF\xFF\xFF");
            }
        }
        compareReads("after writing");
        EXPECT_EQ(PlatformNormalForm(folder.ReadFile("Corvella.ini")), folder.ReadFile("platform.ini")) << file.what;
    }
}

// What the launcher writes from nothing is exactly what the profile functions
// write: no normalising needed.
TEST(IniFileProfile, WritesAFreshFileByteForByteAsThePlatformDoes) {
    TempFolder folder;
    WinProfile platform(folder.File("platform.ini"));
    WinSettingsStore store(folder.File("Corvella.ini"));
    IniFileProfile ours(store);
    for (Profile* p : {static_cast<Profile*>(&platform), static_cast<Profile*>(&ours)}) {
        p->Write("Options", "EnableSound", "1");
        p->Write("Sections", "Color1", "0");
        p->Write("Options", "HotKey", "145");
        p->Write("Buttons", "Button1", "a\xFF" "1\xFF\xFF\xFF");
        p->Write("Options", "EnableSound", "0");
    }
    EXPECT_EQ(folder.ReadFile("Corvella.ini"), folder.ReadFile("platform.ini"));
}

// An edit made by another program while the launcher runs is seen at the
// next read, as the profile functions would see it.
TEST(IniFileProfile, SeesAnEditMadeOnDisk) {
    TempFolder folder;
    folder.WriteFile("Corvella.ini", "[Options]\r\nHotKey=145\r\n");
    WinSettingsStore store(folder.File("Corvella.ini"));
    IniFileProfile ours(store);
    EXPECT_EQ(ours.Read("Options", "HotKey", "", 128), "145");
    folder.WriteFile("Corvella.ini", "[Options]\r\nHotKey=1200\r\n");
    EXPECT_EQ(ours.Read("Options", "HotKey", "", 128), "1200");
}

// A file held open by another program cannot be replaced: the old file stays
// whole, nothing is left beside it, and the failure is reported. A program
// that lets go soon enough does not make the save fail.
TEST(WinSettingsStore, KeepsTheOldFileWhenItCannotBeReplaced) {
    TempFolder folder;
    folder.WriteFile("Corvella.ini", "[Options]\r\nA=old\r\n");
    WinSettingsStore store(folder.File("Corvella.ini"));
    HANDLE holder = CreateFileA(folder.File("Corvella.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(store.Replace("[Options]\r\nA=new\r\n"));
    CloseHandle(holder);
    EXPECT_EQ(folder.ReadFile("Corvella.ini"), "[Options]\r\nA=old\r\n");
    EXPECT_EQ(GetFileAttributesA(folder.File("Corvella.ini.new").c_str()), INVALID_FILE_ATTRIBUTES);

    holder = CreateFileA(folder.File("Corvella.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, 0, nullptr);
    HANDLE releaser = CreateThread(
        nullptr, 0, [](void* h) -> DWORD { Sleep(100); CloseHandle(static_cast<HANDLE>(h)); return 0; }, holder, 0,
        nullptr);
    EXPECT_TRUE(store.Replace("[Options]\r\nA=new\r\n"));
    WaitForSingleObject(releaser, INFINITE);
    CloseHandle(releaser);
    EXPECT_EQ(folder.ReadFile("Corvella.ini"), "[Options]\r\nA=new\r\n");
}

}  // namespace
}  // namespace corvella
