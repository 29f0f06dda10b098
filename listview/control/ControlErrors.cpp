#include "ControlErrors.h"

namespace panorell {

namespace {

// Control errors travel as facility-control automation statuses: the
// severity bit, facility 10 and the error number.
constexpr uint32_t StatusOf(int code) noexcept { return 0x800A0000u | static_cast<uint32_t>(code); }

}  // namespace

ControlErrorInfo DescribeFault(ControlFault fault) noexcept {
    switch (fault) {
    case ControlFault::None: return {0, 0, ""};
    case ControlFault::InvalidValue: return {380, StatusOf(380), "Invalid Property Value"};
    case ControlFault::BadIndex: return {381, StatusOf(381), "Invalid property array index"};
    case ControlFault::BadMenuTextIndex: return {381, StatusOf(381), "Invalid Property Array Index"};
    case ControlFault::BadMenuVerbIndex: return {381, StatusOf(381), "Invalid Property Array Index."};
    case ControlFault::ReadOnly: return {383, StatusOf(383), "Property is read-only"};
    case ControlFault::WriteOnly: return {394, StatusOf(394), "Property is write-only"};
    }
    return {0, 0, ""};
}

bool IsMousePointer(long value) noexcept { return (value >= 0 && value <= 15) || value == 99; }
bool IsNameSpace(long value) noexcept { return value >= 0 && value <= 5; }
bool IsListView(long value) noexcept { return value >= 0 && value <= 3; }
bool IsCurrentType(long value) noexcept { return value == 0 || value == 1; }
bool IsBorderStyle(long value) noexcept { return value == 0 || value == 1; }
bool IsAutomationBool(long value) noexcept { return value == 0 || value == -1; }

ControlFault CheckIndex(long index, long count, ControlFault whenBad) noexcept {
    return index >= 0 && index < count ? ControlFault::None : whenBad;
}

}  // namespace panorell
