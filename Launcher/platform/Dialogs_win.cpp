#include "Dialogs_win.h"

#include <string>

#include "InputBox_win.h"

namespace corvella {

MessageAnswer WinDialogs::ShowMessage(std::string_view text, MessageButtons buttons, std::string_view title,
                                      DefaultButton defaultButton) {
    UINT type = (buttons == MessageButtons::YesNo ? MB_YESNO | MB_ICONQUESTION : MB_OK) | MB_SETFOREGROUND;
    if (buttons == MessageButtons::YesNo && defaultButton == DefaultButton::Second) type |= MB_DEFBUTTON2;
    int answer = MessageBoxA(owner_, std::string(text).c_str(), std::string(title).c_str(), type);
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

std::string WinDialogs::AskText(std::string_view prompt, std::string_view title,
                                std::string_view proposed) {
    return ShowInputBox(owner_, prompt, title, proposed);
}

}  // namespace corvella
