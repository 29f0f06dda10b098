#include "AutomationText_win.h"

namespace panorell {

BSTR ToBstr(const std::string& ansi) {
    const int size = static_cast<int>(ansi.size());
    const int length = size == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (text != nullptr && length > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, text, length);
    return text;
}

std::string FromBstr(BSTR text) {
    const int size = static_cast<int>(SysStringLen(text));
    if (size == 0) return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text, size, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) WideCharToMultiByte(CP_ACP, 0, text, size, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

}  // namespace panorell
