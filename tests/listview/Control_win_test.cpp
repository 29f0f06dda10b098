// panorell.ocx as an automation host meets it: registration, creation by
// class identifier and ProgID, every property through GetIDsOfNames and
// Invoke with its errors, and the saved forms.
#include <windows.h>
#include <ocidl.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

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
// constants included.
TEST_F(ControlTest, TypeLibraryHoldsTheEnumerationsUnderTheirIdentifiers) {
    ITypeLib* library = nullptr;
    ASSERT_EQ(LoadRegTypeLib(LIBID_PANORELLLISTVIEWLib, 1, 0, LOCALE_NEUTRAL, &library), S_OK);
    const std::pair<const wchar_t*, GUID> enums[] = {
        {L"MousePointerConstants", {0x952F5500, 0x3D8B, 0x11D0, {0xB6, 0xD5, 0x00, 0x80, 0xC8, 0x1D, 0x4C, 0x9C}}},
        {L"ListViewConstants", {0xCD3DD2C0, 0x1D04, 0x11D0, {0x89, 0x82, 0x00, 0x80, 0xC8, 0x2D, 0x4E, 0x38}}},
    };
    for (const auto& [name, id] : enums) {
        ITypeInfo* info = nullptr;
        ASSERT_EQ(library->GetTypeInfoOfGuid(id, &info), S_OK);
        BSTR found = nullptr;
        info->GetDocumentation(MEMBERID_NIL, &found, nullptr, nullptr, nullptr);
        EXPECT_STREQ(found, name);
        SysFreeString(found);
        bool sawIcon = false;
        TYPEATTR* attributes = nullptr;
        info->GetTypeAttr(&attributes);
        for (UINT i = 0; i < attributes->cVars; ++i) {
            VARDESC* variable = nullptr;
            info->GetVarDesc(i, &variable);
            BSTR constant = nullptr;
            info->GetDocumentation(variable->memid, &constant, nullptr, nullptr, nullptr);
            if (lstrcmpW(constant, L"pvIcon") == 0) sawIcon = true;
            SysFreeString(constant);
            info->ReleaseVarDesc(variable);
        }
        info->ReleaseTypeAttr(attributes);
        EXPECT_TRUE(sawIcon) << "pvIcon in " << std::string(name, name + lstrlenW(name));
        info->Release();
    }
    library->Release();
}

}  // namespace
}  // namespace panorell::testing
