#include "InputBox_win.h"

#include <vector>

namespace corvella {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

// Builds a dialog template in memory: a word-aligned DLGTEMPLATE followed by
// DWORD-aligned DLGITEMTEMPLATEs, with texts as UTF-16 strings.
class TemplateWriter {
public:
    void Align(size_t to) {
        while (bytes_.size() % to) bytes_.push_back(0);
    }
    void Word(WORD w) { Raw(&w, sizeof w); }
    void Raw(const void* data, size_t size) {
        auto* p = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void Text(std::string_view text) {
        int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
        std::vector<wchar_t> wide(static_cast<size_t>(count));
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), count);
        for (wchar_t c : wide) Word(static_cast<WORD>(c));
        Word(0);
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom,
              std::string_view text) {
        Align(4);
        DLGITEMTEMPLATE item{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
        Raw(&item, sizeof item);
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0);  // no creation data
    }
    const DLGTEMPLATE* Template() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    std::vector<unsigned char> bytes_;
};

struct InputBoxState {
    std::string proposed;
    std::string answer;
};

INT_PTR OnInit(HWND dialog, InputBoxState& state) {
    HWND edit = GetDlgItem(dialog, kEditId);
    SetWindowTextA(edit, state.proposed.c_str());
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    return FALSE;  // the focus was set here
}

void OnOk(HWND dialog, InputBoxState& state) {
    HWND edit = GetDlgItem(dialog, kEditId);
    int length = GetWindowTextLengthA(edit);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(edit, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    state.answer = std::move(text);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            return OnInit(dialog, *reinterpret_cast<InputBoxState*>(lParam));
        }
        auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (message != WM_COMMAND || !state) return FALSE;
        if (LOWORD(wParam) == IDOK) {
            OnOk(dialog, *state);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
    } catch (...) {
        EndDialog(dialog, IDCANCEL);
    }
    return FALSE;
}

}  // namespace

std::string ShowInputBox(HWND owner, std::string_view prompt, std::string_view title,
                         std::string_view proposed) {
    TemplateWriter t;
    DLGTEMPLATE header{DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                       0, 4, 0, 0, 252, 86};
    t.Raw(&header, sizeof header);
    t.Word(0);  // no menu
    t.Word(0);  // the standard dialog class
    t.Text(title);
    t.Word(8);
    t.Text("MS Shell Dlg");
    constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;
    t.Item(SS_LEFT, 7, 7, 180, 48, kPromptId, kStatic, prompt);
    t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 195, 7, 50, 14, IDOK, kButton, "OK");
    t.Item(BS_PUSHBUTTON | WS_TABSTOP, 195, 25, 50, 14, IDCANCEL, kButton, "Cancel");
    t.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 62, 238, 14, kEditId, kEdit, "");

    InputBoxState state{std::string(proposed), {}};
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t.Template(), owner,
                                             &InputBoxProc, reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? state.answer : std::string();
}

}  // namespace corvella
