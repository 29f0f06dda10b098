#include "ControlHarness_win.h"

#include <shlwapi.h>

#include "PanorellIds_win.h"

namespace panorell::testing {

std::string ControlLibraryPath() { return std::string(CORVELLA_DIST_DIR) + "\\panorell.ocx"; }

CallResult::CallResult(CallResult&& other) noexcept : hr(other.hr), scode(other.scode), text(std::move(other.text)) {
    VariantInit(&value);
    value = other.value;
    VariantInit(&other.value);
}

CallResult Invoke(IDispatch* target, const wchar_t* name, WORD flags, VARIANT* args, UINT count) {
    CallResult result;
    EXCEPINFO exception{};
    result.hr = CallByName(target, name, flags, args, count, &result.value, &exception);
    if (result.hr == DISP_E_EXCEPTION) {
        result.scode = exception.scode;
        if (exception.bstrDescription != nullptr) {
            char text[512] = {};
            WideCharToMultiByte(CP_ACP, 0, exception.bstrDescription, -1, text, sizeof text - 1, nullptr, nullptr);
            result.text = text;
        }
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
    }
    return result;
}

CallResult Get(IDispatch* target, const wchar_t* name) { return Invoke(target, name, DISPATCH_PROPERTYGET); }

CallResult GetIndexed(IDispatch* target, const wchar_t* name, long index) {
    VARIANT args[] = {Long(index)};
    return Invoke(target, name, DISPATCH_PROPERTYGET, args, 1);
}

CallResult Put(IDispatch* target, const wchar_t* name, VARIANT value) {
    CallResult result = Invoke(target, name, DISPATCH_PROPERTYPUT, &value, 1);
    VariantClear(&value);
    return result;
}

CallResult PutIndexed(IDispatch* target, const wchar_t* name, long index, VARIANT value) {
    VARIANT args[] = {value, Long(index)};
    CallResult result = Invoke(target, name, DISPATCH_PROPERTYPUT, args, 2);
    VariantClear(&args[0]);
    return result;
}

VARIANT Text(const wchar_t* value) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(value);
    return v;
}

long AsLong(const VARIANT& value) {
    VARIANT copy;
    VariantInit(&copy);
    if (FAILED(VariantChangeType(&copy, const_cast<VARIANT*>(&value), 0, VT_I4))) return 0x7FFFFFFF;
    return V_I4(&copy);
}

std::wstring AsText(const VARIANT& value) {
    if (V_VT(&value) != VT_BSTR) return L"<not text>";
    return V_BSTR(&value) ? std::wstring(V_BSTR(&value), SysStringLen(V_BSTR(&value))) : std::wstring();
}

void ControlTest::SetUp() {
    comStarted = SUCCEEDED(OleInitialize(nullptr));
    if (!scratchRegistry_) {
        library = LoadLibraryA(ControlLibraryPath().c_str());
        ASSERT_NE(library, nullptr) << ControlLibraryPath();
        ASSERT_EQ(CallExport("DllRegisterServer"), S_OK);
        return;
    }
    scratch_ = "Software\\Corvella Tests\\control-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(GetTickCount());
    HKEY* roots[] = {&user, &machine, &classes};
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (scratch_ + "\\" + std::to_string(i)).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, roots[i], nullptr),
                  ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, user), ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine), ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, classes), ERROR_SUCCESS);
    library = LoadLibraryA(ControlLibraryPath().c_str());
    ASSERT_NE(library, nullptr) << ControlLibraryPath();
    ASSERT_EQ(CallExport("DllRegisterServer"), S_OK);
}

void ControlTest::TearDown() {
    if (library != nullptr) {
        if (scratchRegistry_) (void)CallExport("DllUnregisterServer");
        CoFreeUnusedLibraries();
        FreeLibrary(library);
    }
    if (comStarted) OleUninitialize();
    if (!scratchRegistry_) return;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT}) RegOverridePredefKey(root, nullptr);
    for (HKEY key : {user, machine, classes})
        if (key) RegCloseKey(key);
    SHDeleteKeyA(HKEY_CURRENT_USER, scratch_.c_str());
}

HRESULT ControlTest::CallExport(const char* name) const {
    using Export = HRESULT(WINAPI*)();
    auto call = reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return call ? call() : E_NOTIMPL;
}

IDispatch* ControlTest::Create() {
    IDispatch* control = nullptr;
    const HRESULT hr =
        CoCreateInstance(CLSID_PanorellListView, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&control));
    EXPECT_EQ(hr, S_OK);
    return control;
}

}  // namespace panorell::testing
