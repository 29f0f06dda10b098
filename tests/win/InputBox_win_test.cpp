// The input box as a real modal window: its title, prompt and proposed text
// (selected), and the answers of OK and Cancel.
#include "platform/InputBox_win.h"

#include <gtest/gtest.h>

#include "e2e/Driver_win.h"

#include <future>
#include <thread>

namespace corvella {
namespace {

struct Shown {
    HWND box = nullptr;
    std::string title, prompt, edit;
    DWORD selStart = 0, selEnd = 0;
};

// Waits for this process's input box, reads it, then answers with `button`
// after typing `typed` (when not empty).
Shown AnswerInputBox(int button, const char* typed, const char* screenshot = nullptr) {
    Shown shown;
    for (int i = 0; i < 500 && !shown.box; ++i) {
        HWND found = FindWindowA("#32770", nullptr);
        DWORD owner = 0;
        if (found) GetWindowThreadProcessId(found, &owner);
        if (found && owner == GetCurrentProcessId() && IsWindowVisible(found)) shown.box = found;
        else Sleep(20);
    }
    if (!shown.box) return shown;
    char text[256];
    GetWindowTextA(shown.box, text, sizeof text);
    shown.title = text;
    GetDlgItemTextA(shown.box, 100, text, sizeof text);
    shown.prompt = text;
    HWND edit = GetDlgItem(shown.box, 101);
    GetWindowTextA(edit, text, sizeof text);
    shown.edit = text;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&shown.selStart), reinterpret_cast<LPARAM>(&shown.selEnd));
    if (screenshot) {
        EXPECT_TRUE(testing::SaveScreenshot(shown.box, screenshot));
    }
    if (*typed) SetWindowTextA(edit, typed);
    PostMessageA(shown.box, WM_COMMAND, static_cast<WPARAM>(button), 0);
    return shown;
}

TEST(InputBox, ShowsPromptTitleAndTheProposedTextSelected) {
    auto answerer = std::async(std::launch::async, [] { return AnswerInputBox(IDOK, "", "input-box"); });
    std::string answer = ShowInputBox(nullptr, "Enter a name for the new section...", "New Section", "Section 4");
    Shown shown = answerer.get();
    ASSERT_NE(shown.box, nullptr) << "no input box appeared";
    EXPECT_EQ(shown.title, "New Section");
    EXPECT_EQ(shown.prompt, "Enter a name for the new section...");
    EXPECT_EQ(shown.edit, "Section 4");
    EXPECT_EQ(shown.selStart, 0u);
    EXPECT_EQ(shown.selEnd, 9u);
    EXPECT_EQ(answer, "Section 4");
}

TEST(InputBox, AnswersWhatWasTypedOrNothingOnCancel) {
    auto typed = std::async(std::launch::async, [] { return AnswerInputBox(IDOK, "Games"); });
    EXPECT_EQ(ShowInputBox(nullptr, "Enter NEW name...", "Rename Section", "Work"), "Games");
    ASSERT_NE(typed.get().box, nullptr);

    auto cancelled = std::async(std::launch::async, [] { return AnswerInputBox(IDCANCEL, "ignored"); });
    EXPECT_EQ(ShowInputBox(nullptr, "Enter Tooltip...", "Button Tooltip", "old"), "");
    ASSERT_NE(cancelled.get().box, nullptr);
}

}  // namespace
}  // namespace corvella
