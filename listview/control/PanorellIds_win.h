#pragma once
// The identifiers hosts depend on: the type library, interfaces and class
// identifiers (from the generated header), the page classes, the ProgIDs
// and the resource numbers of the library's own strings and pictures.
#include <windows.h>
#include <ocidl.h>

#include "panorell_h.h"

namespace panorell {

// Class identifiers in the registry's text form.
inline constexpr char kControlClassText[] = "{8F1F5403-1AA7-11D0-B6D4-0080C81D4C9C}";
inline constexpr char kGeneralPageText[] = "{8F1F5404-1AA7-11D0-B6D4-0080C81D4C9C}";
inline constexpr char kFiltersPageText[] = "{115CD445-203B-11D0-8982-0080C82D4E38}";
inline constexpr char kColumnsPageText[] = "{F26B67C1-20E1-11D0-8982-0080C82D4E38}";
inline constexpr char kTypeLibText[] = "{8F1F5400-1AA7-11D0-B6D4-0080C81D4C9C}";

inline constexpr CLSID kGeneralPageId = {0x8F1F5404, 0x1AA7, 0x11D0, {0xB6, 0xD4, 0x00, 0x80, 0xC8, 0x1D, 0x4C, 0x9C}};
inline constexpr CLSID kFiltersPageId = {0x115CD445, 0x203B, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}};
inline constexpr CLSID kColumnsPageId = {0xF26B67C1, 0x20E1, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}};

inline constexpr char kControlProgId[] = "PANORELLLISTVIEW.PanorellListViewCtrl.1";
inline constexpr char kGeneralPageProgId[] = "PANORELLLISTVIEW.PanorellListViewPropPage.1";
inline constexpr char kFiltersPageProgId[] = "PanorellListView.PanorellListViewFiltersPage";
inline constexpr char kColumnsPageProgId[] = "PanorellListView.PanorellListViewColumnsPage";

// String resources (type names) and pictures.
inline constexpr UINT kControlTypeNameString = 1;
inline constexpr UINT kGeneralPageNameString = 2;
inline constexpr UINT kFiltersPageNameString = 101;
inline constexpr UINT kColumnsPageNameString = 104;
inline constexpr UINT kToolboxBitmap = 1;
inline constexpr UINT kAboutIcon = 1;
inline constexpr UINT kToolboxIcon = 201;

// OLEMISC_ACTIVATEWHENVISIBLE | SETCLIENTSITEFIRST | INSIDEOUT |
// CANTLINKINSIDE | RECOMPOSEONRESIZE.
inline constexpr DWORD kMiscStatus = 0x20191;

// The module the control's code lives in.
HMODULE ControlModule() noexcept;

}  // namespace panorell
