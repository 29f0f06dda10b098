#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace corvella {

// A modal input box: the prompt, an edit field holding `proposed` (selected),
// OK and Cancel. Returns the text typed, or empty on Cancel.
std::string ShowInputBox(HWND owner, std::string_view prompt, std::string_view title,
                         std::string_view proposed);

}  // namespace corvella
