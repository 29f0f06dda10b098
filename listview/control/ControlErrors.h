#pragma once
// The errors the control raises to automation callers, with the codes and
// texts hosts see, and the range checks of the values its setters accept.
#include <cstdint>

namespace panorell {

enum class ControlFault : uint8_t {
    None,
    InvalidValue,       // 380
    BadIndex,           // 381, the standard text
    BadMenuTextIndex,   // 381 from ContextMenuItemText
    BadMenuVerbIndex,   // 381 from ContextMenuItemVerb, with its full stop
    ReadOnly,           // 383
    WriteOnly,          // 394
};

struct ControlErrorInfo {
    int code;           // the control-error number (380 ...)
    uint32_t hresult;   // the automation status carrying it
    const char* text;   // the description the caller is shown
};

// Code, status and text of `fault`; None gives {0, 0, ""}.
ControlErrorInfo DescribeFault(ControlFault fault) noexcept;

// The values the enumerated properties accept.
bool IsMousePointer(long value) noexcept;   // 0-15 and 99
bool IsNameSpace(long value) noexcept;      // 0-5
bool IsListView(long value) noexcept;       // 0-3
bool IsCurrentType(long value) noexcept;    // 0-1
bool IsBorderStyle(long value) noexcept;    // 0-1
// An automation Boolean is 0 or -1; anything else is refused.
bool IsAutomationBool(long value) noexcept;

// The index check of the indexed string properties: 0 up to count-1.
[[nodiscard]] ControlFault CheckIndex(long index, long count, ControlFault whenBad) noexcept;

}  // namespace panorell
