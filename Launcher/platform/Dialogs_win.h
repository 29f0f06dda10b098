#pragma once
#include <windows.h>

#include "Dialogs.h"

namespace corvella {

// Message boxes and input boxes owned by the launcher's main window.
class WinDialogs final : public Dialogs {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    using Dialogs::ShowMessage;
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons, std::string_view title,
                              DefaultButton defaultButton) override;
    std::string AskText(std::string_view prompt, std::string_view title,
                        std::string_view proposed) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace corvella
