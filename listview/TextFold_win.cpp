#include "TextFold_win.h"

namespace panorell {

FoldTable FoldTableOf(UINT codePage) {
    FoldTable table = AsciiFoldTable();
    CPINFO info{};
    if (!GetCPInfo(codePage, &info)) return table;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2) {
        for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) table.lead[static_cast<size_t>(b)] = true;
    }
    for (int b = 0x80; b < 0x100; ++b) {
        if (table.lead[static_cast<size_t>(b)]) continue;
        char byte = static_cast<char>(b);
        wchar_t wide[2] = {};
        if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, &byte, 1, wide, 2) != 1) continue;
        CharLowerBuffW(wide, 1);
        char back[4] = {};
        BOOL lossy = FALSE;
        int length = WideCharToMultiByte(codePage, 0, wide, 1, back, sizeof back, nullptr,
                                         codePage == CP_UTF8 ? nullptr : &lossy);
        if (length == 1 && !lossy) table.lower[static_cast<size_t>(b)] = static_cast<unsigned char>(back[0]);
    }
    return table;
}

void InstallSystemFoldTable() { InstallFoldTable(FoldTableOf(GetACP())); }

}  // namespace panorell
