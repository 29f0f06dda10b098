// panorell.ocx as an automation host meets it: registration, creation by
// class identifier and ProgID, every property through GetIDsOfNames and
// Invoke with its errors, and the saved forms.
#include <windows.h>
#include <ocidl.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ControlHarness_win.h"
#include "PanorellIds_win.h"

namespace panorell::testing {
namespace {

std::string Value(HKEY root, const std::string& key, const char* name = nullptr) {
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    if (SHGetValueA(root, ("Software\\Classes\\" + key).c_str(), name, &type, data, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return "<none>";
    return data;
}

bool KeyExists(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

TEST_F(ControlRegistration, RegistersTheControlItsPagesAndTheTypeLibrary) {
    const std::string control = std::string("CLSID\\") + kControlClassText;
    for (HKEY root : {user, machine}) {
        EXPECT_EQ(Value(root, control), "PanorellListView Control");
        EXPECT_EQ(lstrcmpiA(Value(root, control + "\\InprocServer32").c_str(), ControlLibraryPath().c_str()), 0);
        EXPECT_EQ(Value(root, control + "\\InprocServer32", "ThreadingModel"), "Apartment");
        EXPECT_EQ(Value(root, control + "\\ProgID"), kControlProgId);
        EXPECT_EQ(Value(root, control + "\\MiscStatus\\1"), "131473");
        EXPECT_EQ(Value(root, control + "\\TypeLib"), kTypeLibText);
        EXPECT_EQ(Value(root, control + "\\Version"), "1.0");
        EXPECT_NE(Value(root, control + "\\ToolboxBitmap32").find(", 1"), std::string::npos);
        EXPECT_TRUE(KeyExists(root, "Software\\Classes\\" + control + "\\Control"));
        EXPECT_EQ(Value(root, std::string(kControlProgId) + "\\CLSID"), kControlClassText);
        // Never marked safe for scripting or initialisation.
        EXPECT_FALSE(KeyExists(root, "Software\\Classes\\" + control + "\\Implemented Categories"));
        const std::pair<const char*, const char*> pages[] = {
            {kGeneralPageText, "PanorellListView Property Page"},
            {kFiltersPageText, "PanorellListView Property Page2"},
            {kColumnsPageText, "PanorellListView Property Page3"}};
        for (const auto& [page, name] : pages) EXPECT_EQ(Value(root, std::string("CLSID\\") + page), name);
        EXPECT_EQ(Value(root, std::string(kFiltersPageProgId) + "\\CLSID"), kFiltersPageText);
    }
    ITypeLib* library = nullptr;
    ASSERT_EQ(LoadRegTypeLib(LIBID_PANORELLLISTVIEWLib, 1, 0, LOCALE_NEUTRAL, &library), S_OK);
    library->Release();
}

TEST_F(ControlRegistration, UnregisteringLeavesNothingAndMayBeRepeated) {
    const std::string control = std::string("Software\\Classes\\CLSID\\") + kControlClassText;
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(CallExport("DllUnregisterServer"), S_OK) << round;
        for (HKEY root : {user, machine, classes}) {
            EXPECT_FALSE(KeyExists(root, control));
            EXPECT_FALSE(KeyExists(root, std::string("Software\\Classes\\") + kControlProgId));
            EXPECT_FALSE(KeyExists(root, std::string("Software\\Classes\\CLSID\\") + kColumnsPageText));
        }
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, std::string("TypeLib\\") + kTypeLibText + "\\1.0"));
    }
    ITypeLib* library = nullptr;
    EXPECT_NE(LoadRegTypeLib(LIBID_PANORELLLISTVIEWLib, 1, 0, LOCALE_NEUTRAL, &library), S_OK);
    if (library) library->Release();
}

TEST_F(ControlTest, CreatedByClassIdentifierAndByProgId) {
    CLSID byName{};
    ASSERT_EQ(CLSIDFromProgID(L"PANORELLLISTVIEW.PanorellListViewCtrl.1", &byName), S_OK);
    EXPECT_TRUE(IsEqualCLSID(byName, CLSID_PanorellListView));
    for (const CLSID& id : {CLSID_PanorellListView, byName}) {
        IUnknown* object = nullptr;
        ASSERT_EQ(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&object)),
                  S_OK);
        for (const IID* iid : {&DIID__DPanorellListView, &IID_IDispatch, &IID_IOleObject, &IID_IOleInPlaceObject,
                               &IID_IOleControl, &IID_IViewObject2, &IID_IPersistStreamInit, &IID_IPersistPropertyBag,
                               &IID_IPersistStorage, &IID_IConnectionPointContainer, &IID_IProvideClassInfo2,
                               &IID_ISpecifyPropertyPages}) {
            IUnknown* face = nullptr;
            EXPECT_EQ(object->QueryInterface(*iid, reinterpret_cast<void**>(&face)), S_OK);
            if (face) face->Release();
        }
        object->Release();
    }
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_OK);
}

struct PropertyRow {
    const wchar_t* name;
    long initial;     // what a new control answers
    long set;         // a value to set and read back
};

// Without a site the control counts as running with no window: every
// stored property reads back what was set.
TEST_F(ControlTest, EveryStoredPropertyReadsBackWhatWasSet) {
    IDispatch* control = Create();
    ASSERT_NE(control, nullptr);
    const PropertyRow rows[] = {
        {L"MousePointer", 0, 99},        {L"AllowOleDrag", -1, 0},     {L"AllowOleDrop", -1, 0},
        {L"AllowFileRename", -1, 0},     {L"ShowSystemContextMenus", -1, 0}, {L"CurrentNameSpace", 0, 5},
        {L"MultiSelect", -1, 0},         {L"ReadOnly", -1, 0},         {L"Hidden", 0, -1},
        {L"System", 0, -1},              {L"Archive", -1, 0},          {L"ShowSizeColumn", -1, 0},
        {L"ShowTypeColumn", -1, 0},      {L"ShowModifiedColumn", -1, 0}, {L"BorderStyle", 0, 1},
        {L"View", 0, 3},                 {L"ScreenUpdate", -1, 0},
    };
    for (const PropertyRow& row : rows) {
        SCOPED_TRACE(std::string(row.name, row.name + lstrlenW(row.name)));
        CallResult before = Get(control, row.name);
        ASSERT_EQ(before.hr, S_OK);
        EXPECT_EQ(AsLong(before.value), row.initial);
        ASSERT_EQ(Put(control, row.name, Long(row.set)).hr, S_OK);
        EXPECT_EQ(AsLong(Get(control, row.name).value), row.set);
    }
    const std::pair<const wchar_t*, const wchar_t*> texts[] = {
        {L"CurrentFolder", L"D:\\Elsewhere"}, {L"Pattern", L"*.txt"}, {L"Caption", L"Files"}};
    for (const auto& [name, text] : texts) {
        ASSERT_EQ(Put(control, name, Text(text)).hr, S_OK);
        EXPECT_EQ(AsText(Get(control, name).value), text);
    }
    EXPECT_EQ(AsLong(Get(control, L"ListCount").value), 0);
    EXPECT_EQ(AsLong(Get(control, L"ContextMenuItemCount").value), 0);
    control->Release();
}

struct ErrorRow {
    const wchar_t* name;
    WORD flags;
    long argument;       // the value set, or the index read
    bool indexed;
    uint32_t scode;
    const char* text;
};

// Each refused call raises its control error with its text, and a refused
// set leaves the value that was there.
TEST_F(ControlTest, BadValuesAndIndexesRaiseTheirErrors) {
    IDispatch* control = Create();
    ASSERT_NE(control, nullptr);
    const ErrorRow rows[] = {
        {L"MousePointer", DISPATCH_PROPERTYPUT, 16, false, 0x800A017C, "Invalid Property Value"},
        {L"MousePointer", DISPATCH_PROPERTYPUT, -1, false, 0x800A017C, "Invalid Property Value"},
        {L"CurrentNameSpace", DISPATCH_PROPERTYPUT, 6, false, 0x800A017C, "Invalid Property Value"},
        {L"View", DISPATCH_PROPERTYPUT, 4, false, 0x800A017C, "Invalid Property Value"},
        {L"BorderStyle", DISPATCH_PROPERTYPUT, 2, false, 0x800A017C, "Invalid Property Value"},
        {L"ListCount", DISPATCH_PROPERTYPUT, 1, false, 0x800A017F, "Property is read-only"},
        {L"ContextMenuItemCount", DISPATCH_PROPERTYPUT, 1, false, 0x800A017F, "Property is read-only"},
        {L"CurrentType", DISPATCH_PROPERTYPUT, 1, false, 0x800A017F, "Property is read-only"},
        {L"AutoLinkTreeHwnd", DISPATCH_PROPERTYGET, 0, false, 0x800A018A, "Property is write-only"},
        {L"FolderItem", DISPATCH_PROPERTYGET, 0, false, 0x800A018A, "Property is write-only"},
        {L"AutoLinkPanorellCombo", DISPATCH_PROPERTYGET, 0, false, 0x800A018A, "Property is write-only"},
        {L"List", DISPATCH_PROPERTYGET, 0, true, 0x800A017D, "Invalid property array index"},
        {L"ContextMenuItemText", DISPATCH_PROPERTYGET, 0, true, 0x800A017D, "Invalid Property Array Index"},
        {L"ContextMenuItemVerb", DISPATCH_PROPERTYGET, -1, true, 0x800A017D, "Invalid Property Array Index."},
    };
    ASSERT_EQ(Put(control, L"MousePointer", Long(3)).hr, S_OK);
    ASSERT_EQ(Put(control, L"View", Long(2)).hr, S_OK);
    for (const ErrorRow& row : rows) {
        SCOPED_TRACE(std::string(row.name, row.name + lstrlenW(row.name)) + " " + std::to_string(row.argument));
        VARIANT args[] = {Long(row.argument)};
        CallResult result = row.flags == DISPATCH_PROPERTYPUT ? Put(control, row.name, Long(row.argument))
                            : row.indexed ? Invoke(control, row.name, row.flags, args, 1)
                                          : Get(control, row.name);
        EXPECT_EQ(result.hr, DISP_E_EXCEPTION);
        EXPECT_EQ(static_cast<uint32_t>(result.scode), row.scode);
        EXPECT_EQ(result.text, row.text);
    }
    EXPECT_EQ(AsLong(Get(control, L"MousePointer").value), 3);
    EXPECT_EQ(AsLong(Get(control, L"View").value), 2);
    // Booleans other than True and False are refused too; a number the
    // automation layer turns into a Boolean is not.
    VARIANT odd = Bool(true);
    V_BOOL(&odd) = 1;
    EXPECT_EQ(Put(control, L"Hidden", odd).scode, static_cast<HRESULT>(0x800A017C));
    EXPECT_EQ(Put(control, L"Hidden", Long(5)).hr, S_OK);
    EXPECT_EQ(AsLong(Get(control, L"Hidden").value), -1);
    control->Release();
}

TEST_F(ControlTest, MethodsAnswerWithoutAList) {
    IDispatch* control = Create();
    ASSERT_NE(control, nullptr);
    VARIANT number[] = {Long(0)};
    CallResult run = Invoke(control, L"ExecuteContextMenuItem", DISPATCH_METHOD, number, 1);
    EXPECT_EQ(run.hr, S_OK);
    EXPECT_EQ(AsLong(run.value), 0);
    VARIANT real;
    VariantInit(&real);
    V_VT(&real) = VT_R8;
    V_R8(&real) = 1.5;
    EXPECT_EQ(AsLong(Invoke(control, L"ExecuteContextMenuItem", DISPATCH_METHOD, &real, 1).value), 0);
    EXPECT_EQ(AsLong(Invoke(control, L"BackOneLevel", DISPATCH_METHOD).value), 0);
    EXPECT_EQ(AsLong(GetIndexed(control, L"Selected", 7).value), 0);
    EXPECT_EQ(Invoke(control, L"Refresh", DISPATCH_METHOD).hr, S_OK);
    EXPECT_EQ(Invoke(control, L"NoSuchMember", DISPATCH_METHOD).hr, DISP_E_UNKNOWNNAME);
    control->Release();
}

// The type library carries the identifiers hosts bind to, both pvIcon
// constants included, and every constant with its value and description
// (the General page lists them), in the order of the IDL.
struct Constant {
    const wchar_t* name;
    long value;
    const wchar_t* description;
};
struct Enumeration {
    const wchar_t* name;
    GUID id;
    std::vector<Constant> constants;
};

TEST_F(ControlTest, TypeLibraryHoldsTheEnumerationsUnderTheirIdentifiers) {
    const Enumeration enums[] = {
        {L"MousePointerConstants",
         {0x952F5500, 0x3D8B, 0x11D0, {0xB6, 0xD5, 0x00, 0x80, 0xC8, 0x1D, 0x4C, 0x9C}},
         {{L"pvDefault", 0, L"Default"},
          {L"pvArrow", 1, L"Arrow"},
          {L"pvCross", 2, L"Cross"},
          {L"pvIBeam", 3, L"I-Beam"},
          {L"pvIcon", 4, L"Icon"},
          {L"pvSize", 5, L"Size"},
          {L"pvSizeNESW", 6, L"Size NE SW"},
          {L"pvSizeNS", 7, L"Size N S"},
          {L"pvSizeNWSE", 8, L"Size NW SE"},
          {L"pvSizeEW", 9, L"Size W E"},
          {L"pvUpArrow", 10, L"Up Arrow"},
          {L"pvHourglass", 11, L"Hourglass"},
          {L"pvNoDrop", 12, L"No Drop"},
          {L"pvArrowHourglass", 13, L"Arrow and Hourglass"},
          {L"pvArrowQuestion", 14, L"Arrow and Question"},
          {L"pvSizeAll", 15, L"Size All"},
          {L"pvCustom", 99, L"Custom"}}},
        {L"BorderStyleConstants",
         {0xAFF83B60, 0x1D04, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}},
         {{L"pvNone", 0, L"None"}, {L"pvFixedSingle", 1, L"Fixed Single"}}},
        {L"NameSpaceConstants",
         {0xBC937740, 0x1D04, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}},
         {{L"pvDeskTop", 0, L"Desktop"},
          {L"pvMyComputer", 1, L"My Computer"},
          {L"pvControls", 2, L"Control Panel"},
          {L"pvPrinters", 3, L"Printers"},
          {L"pvNetwork", 4, L"Network Neighborhood"},
          {L"pvRecycleBin", 5, L"Recycle Bin"}}},
        {L"ListViewConstants",
         {0xCD3DD2C0, 0x1D04, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}},
         {{L"pvIcon", 0, L"Icon"}, {L"pvSmallIcon", 1, L"Small Icon"}, {L"pvList", 2, L"List"}, {L"pvReport", 3, L"Report"}}},
        {L"CurrentTypeConstants",
         {0x5224B100, 0x22AC, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}},
         {{L"pvFolder", 0, L"Folder"}, {L"pvNameSpace", 1, L"NameSpace"}}},
    };
    ITypeLib* library = nullptr;
    ASSERT_EQ(LoadRegTypeLib(LIBID_PANORELLLISTVIEWLib, 1, 0, LOCALE_NEUTRAL, &library), S_OK);
    for (const Enumeration& expected : enums) {
        const std::string enumName(expected.name, expected.name + lstrlenW(expected.name));
        SCOPED_TRACE(enumName);
        ITypeInfo* info = nullptr;
        ASSERT_EQ(library->GetTypeInfoOfGuid(expected.id, &info), S_OK);
        BSTR found = nullptr;
        info->GetDocumentation(MEMBERID_NIL, &found, nullptr, nullptr, nullptr);
        EXPECT_STREQ(found, expected.name);
        SysFreeString(found);
        TYPEATTR* attributes = nullptr;
        ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
        EXPECT_EQ(attributes->typekind, TKIND_ENUM);
        ASSERT_EQ(attributes->cVars, expected.constants.size());
        for (UINT i = 0; i < attributes->cVars; ++i) {
            VARDESC* variable = nullptr;
            ASSERT_EQ(info->GetVarDesc(i, &variable), S_OK);
            BSTR name = nullptr, description = nullptr;
            info->GetDocumentation(variable->memid, &name, &description, nullptr, nullptr);
            VARIANT value;
            VariantInit(&value);
            EXPECT_EQ(VariantChangeType(&value, variable->lpvarValue, 0, VT_I4), S_OK);
            EXPECT_STREQ(name, expected.constants[i].name) << i;
            EXPECT_EQ(V_I4(&value), expected.constants[i].value) << i;
            EXPECT_STREQ(description, expected.constants[i].description) << i;
            SysFreeString(name);
            SysFreeString(description);
            info->ReleaseVarDesc(variable);
        }
        info->ReleaseTypeAttr(attributes);
        info->Release();
    }
    library->Release();
}

// The library is rewritten to carry those texts: what else it holds must
// come through whole. MouseIcon still names the standard picture
// interface, and the hidden vtable interface the control's dispatch runs
// through has its calls in consecutive slots after IUnknown's three.
TEST_F(ControlTest, TypeLibraryKeepsThePictureTypeAndTheCallSlots) {
    ITypeLib* library = nullptr;
    ASSERT_EQ(LoadRegTypeLib(LIBID_PANORELLLISTVIEWLib, 1, 0, LOCALE_NEUTRAL, &library), S_OK);
    ITypeInfo* calls = nullptr;
    ASSERT_EQ(library->GetTypeInfoOfGuid(IID_IPanorellListViewCalls, &calls), S_OK);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(calls->GetTypeAttr(&attributes), S_OK);
    EXPECT_EQ(attributes->cFuncs, 66);
    bool sawMouseIcon = false;
    for (UINT i = 0; i < attributes->cFuncs; ++i) {
        FUNCDESC* function = nullptr;
        ASSERT_EQ(calls->GetFuncDesc(i, &function), S_OK);
        EXPECT_EQ(function->oVft, static_cast<SHORT>((3 + i) * sizeof(void*))) << i;
        if (function->memid == 24 && function->invkind == INVOKE_PROPERTYPUT) {
            sawMouseIcon = true;
            const TYPEDESC& type = function->lprgelemdescParam[0].tdesc;
            ASSERT_EQ(type.vt, VT_PTR);
            ASSERT_EQ(type.lptdesc->vt, VT_USERDEFINED);
            ITypeInfo* picture = nullptr;
            ASSERT_EQ(calls->GetRefTypeInfo(type.lptdesc->hreftype, &picture), S_OK);
            TYPEATTR* pictureAttributes = nullptr;
            ASSERT_EQ(picture->GetTypeAttr(&pictureAttributes), S_OK);
            EXPECT_TRUE(IsEqualGUID(pictureAttributes->guid, IID_IPictureDisp));
            picture->ReleaseTypeAttr(pictureAttributes);
            picture->Release();
        }
        calls->ReleaseFuncDesc(function);
    }
    EXPECT_TRUE(sawMouseIcon);
    calls->ReleaseTypeAttr(attributes);
    calls->Release();
    library->Release();
}

}  // namespace
}  // namespace panorell::testing
