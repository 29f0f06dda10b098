#include "ShortcutReader_win.h"

#include <oleauto.h>

#include <array>

#include "../external/shortcutreader/ShortcutReaderId_win.h"

namespace corvella {

namespace {

using shortcutreader::kShortcutTextCount;

std::wstring WideFromAnsi(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string AnsiFromText(BSTR text) {
    const int size = static_cast<int>(SysStringLen(text));
    if (size == 0) return std::string();
    const int length = WideCharToMultiByte(CP_ACP, 0, text, size, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, size, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

// The read operation's arguments, last first as Invoke wants them: the seven
// texts by reference, then the path. Frees every text on the way out.
class ReadArguments {
public:
    explicit ReadArguments(const std::string& path) {
        for (int i = 0; i < kShortcutTextCount; ++i) {
            VARIANT& v = arguments_[static_cast<std::size_t>(kShortcutTextCount - 1 - i)];
            V_VT(&v) = VT_BYREF | VT_BSTR;
            V_BSTRREF(&v) = &texts_[static_cast<std::size_t>(i)];
        }
        VARIANT& pathArgument = arguments_[kShortcutTextCount];
        const std::wstring widePath = WideFromAnsi(path);
        V_VT(&pathArgument) = VT_BSTR;
        V_BSTR(&pathArgument) = SysAllocStringLen(widePath.data(), static_cast<UINT>(widePath.size()));
    }
    ~ReadArguments() {
        VariantClear(&arguments_[kShortcutTextCount]);
        for (BSTR text : texts_) SysFreeString(text);
    }
    ReadArguments(const ReadArguments&) = delete;
    ReadArguments& operator=(const ReadArguments&) = delete;

    bool Ready() const { return V_BSTR(&arguments_[kShortcutTextCount]) != nullptr; }
    DISPPARAMS Parameters() { return DISPPARAMS{arguments_.data(), nullptr, kShortcutTextCount + 1, 0}; }
    // The n-th text, counted from one as the operation's parameters are.
    BSTR Text(int n) const { return texts_[static_cast<std::size_t>(n - 1)]; }

private:
    std::array<BSTR, kShortcutTextCount> texts_{};
    std::array<VARIANT, kShortcutTextCount + 1> arguments_{};
};

}  // namespace

WinShortcutReader::WinShortcutReader(const CLSID& classId) : classId_(classId) {}

WinShortcutReader::WinShortcutReader() : WinShortcutReader(shortcutreader::kClassId) {}

std::optional<ShortcutInfo> WinShortcutReader::Read(const std::string& path) {
    IDispatch* reader = nullptr;
    if (FAILED(CoCreateInstance(classId_, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&reader))))
        return std::nullopt;
    ReadArguments arguments(path);
    if (!arguments.Ready()) {
        reader->Release();
        return ShortcutInfo{};
    }
    DISPPARAMS parameters = arguments.Parameters();
    EXCEPINFO exception{};
    const HRESULT hr = reader->Invoke(shortcutreader::kReadShortcutId, IID_NULL, LOCALE_USER_DEFAULT,
                                      DISPATCH_METHOD, &parameters, nullptr, &exception, nullptr);
    reader->Release();
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    // A shortcut that cannot be read reads as empty texts, as the component
    // leaves them; only a missing component answers nothing.
    if (FAILED(hr)) return ShortcutInfo{};
    return ShortcutInfo{AnsiFromText(arguments.Text(1)), AnsiFromText(arguments.Text(3))};
}

}  // namespace corvella
