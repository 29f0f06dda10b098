#pragma once
// Modal message boxes and input boxes: the only ways the launcher tells the
// user something or asks for a text.
#include <string>
#include <string_view>

namespace corvella {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };
// The button that Enter presses: the first (OK, Yes) or the second (No).
enum class DefaultButton { First, Second };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons, std::string_view title) {
        return ShowMessage(text, buttons, title, DefaultButton::First);
    }
    virtual MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons, std::string_view title,
                                      DefaultButton defaultButton) = 0;
    // The text typed, or empty when the user cancels.
    virtual std::string AskText(std::string_view prompt, std::string_view title,
                                std::string_view proposed) = 0;
};

}  // namespace corvella
