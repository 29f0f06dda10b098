// The shortcut reader component from the installed folder, registered the
// way regsvr32 does it, read through the launcher's port and by automation.
#include "launch/ShortcutReader_win.h"

#include <windows.h>
#include <oleauto.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "external/shortcutreader/ShortcutReaderId_win.h"
#include "win/TempFolder_win.h"

namespace corvella {
namespace {

using testing::TempFolder;
namespace reader = shortcutreader;

const std::string kDll = std::string(CORVELLA_DIST_DIR) + "\\shortcutreader.dll";
constexpr char kNotepad[] = "C:\\windows\\system32\\notepad.exe";

using Export = HRESULT(WINAPI*)();
// One of the DLL's exports by its plain name, as regsvr32 finds them.
Export ExportOf(HMODULE dll, const char* name) {
    return reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }  // ASCII paths

struct LinkFields {
    std::string target = kNotepad;
    std::string arguments;
    std::string folder;
    std::string description;
    WORD hotKey = 0;
};

bool MakeShortcut(const std::string& path, const LinkFields& fields) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(fields.target.c_str());
    link->SetArguments(fields.arguments.c_str());
    link->SetWorkingDirectory(fields.folder.c_str());
    link->SetDescription(fields.description.c_str());
    link->SetIconLocation(kNotepad, 2);
    link->SetHotkey(fields.hotKey);
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        saved = SUCCEEDED(file->Save(Wide(path).c_str(), TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

class ShortcutReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        dll = LoadLibraryA(kDll.c_str());
        ASSERT_NE(dll, nullptr) << kDll;
        ASSERT_EQ(ExportOf(dll, "DllRegisterServer")(), S_OK);
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    }
    void TearDown() override {
        OleUninitialize();
        if (dll) FreeLibrary(dll);
    }

    HMODULE dll = nullptr;
    TempFolder folder;
};

TEST_F(ShortcutReaderTest, ReadsTheTargetAndArguments) {
    ASSERT_TRUE(CreateDirectoryA(folder.File("Drop Here").c_str(), nullptr));
    const struct {
        std::string target, arguments;
    } cases[] = {
        {kNotepad, "/a b"},
        {kNotepad, ""},
        {kNotepad, std::string(700, 'x') + " \"quoted part\""},  // longer than a path
        {folder.File("Drop Here"), ""},
    };
    for (const auto& c : cases) {
        LinkFields fields;
        fields.target = c.target;
        fields.arguments = c.arguments;
        ASSERT_TRUE(MakeShortcut(folder.File("Item.lnk"), fields));
        const std::optional<ShortcutInfo> info = WinShortcutReader().Read(folder.File("Item.lnk"));
        ASSERT_TRUE(info.has_value()) << c.target;
        EXPECT_EQ(lstrcmpiA(info->target.c_str(), c.target.c_str()), 0) << info->target;
        EXPECT_EQ(info->arguments, c.arguments);
    }
}

// A launch tells a missing component (it opens the item another way) from a
// shortcut the component cannot read (it goes on with empty texts).
TEST_F(ShortcutReaderTest, ReadsEmptyTextsFromWhatIsNoShortcutAndNothingWithoutTheComponent) {
    folder.WriteFile("notes.lnk", "plain text, not a shortcut");
    folder.WriteFile("empty.lnk", "");
    WinShortcutReader shortcuts;
    for (const std::string& path : {folder.File("missing.lnk"), folder.File("notes.lnk"), folder.File("empty.lnk"),
                                    folder.Path(), std::string()}) {
        const std::optional<ShortcutInfo> info = shortcuts.Read(path);
        ASSERT_TRUE(info.has_value()) << "[" << path << "]";
        EXPECT_EQ(info->target, "") << "[" << path << "]";
        EXPECT_EQ(info->arguments, "") << "[" << path << "]";
    }

    ASSERT_TRUE(MakeShortcut(folder.File("Editor.lnk"), {}));
    const CLSID unregistered = {0x5b0c3e1d, 0x7a42, 0x4c1e, {0x9d, 0x11, 0x2f, 0x6a, 0x80, 0x3b, 0x44, 0x01}};
    EXPECT_FALSE(WinShortcutReader(unregistered).Read(folder.File("Editor.lnk")).has_value());
    EXPECT_TRUE(shortcuts.Read(folder.File("Editor.lnk")).has_value());
}

// Other automation clients: the operation by name, all seven texts, and
// arguments as script languages pass them (by-reference variants).
class ReaderDispatch : public ShortcutReaderTest {
protected:
    void SetUp() override {
        ShortcutReaderTest::SetUp();
        ASSERT_EQ(CoCreateInstance(reader::kClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(&dispatch)),
                  S_OK);
        ASSERT_TRUE(MakeShortcut(folder.File("Editor.lnk"), {kNotepad, "/a b", folder.Path(), "The editor",
                                                             MAKEWORD('E', HOTKEYF_CONTROL | HOTKEYF_ALT)}));
        path = SysAllocString(Wide(folder.File("Editor.lnk")).c_str());
    }
    void TearDown() override {
        SysFreeString(path);
        if (dispatch) dispatch->Release();
        ShortcutReaderTest::TearDown();
    }

    // Invokes the read with `arguments` given first to last.
    HRESULT Invoke(std::vector<VARIANT> arguments, EXCEPINFO* exception = nullptr, UINT* badArgument = nullptr) {
        std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
        DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        return dispatch->Invoke(reader::kReadShortcutId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                &parameters, nullptr, exception, badArgument);
    }
    template <typename Texts>
    std::vector<VARIANT> Call(BSTR file, Texts& texts) {
        VARIANT v;
        V_VT(&v) = VT_BSTR;
        V_BSTR(&v) = file;
        std::vector<VARIANT> arguments{v};
        for (auto& text : texts) {
            if constexpr (std::is_same_v<std::decay_t<decltype(text)>, BSTR>) {
                V_VT(&v) = VT_BYREF | VT_BSTR;
                V_BSTRREF(&v) = &text;
            } else {
                V_VT(&v) = VT_BYREF | VT_VARIANT;
                V_VARIANTREF(&v) = &text;
            }
            arguments.push_back(v);
        }
        return arguments;
    }

    IDispatch* dispatch = nullptr;
    BSTR path = nullptr;
};

TEST_F(ReaderDispatch, GivesAllSevenTextsToTheOperationFoundByName) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"readSHORTCUT")};
    DISPID id = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    EXPECT_EQ(id, reader::kReadShortcutId);
    names[0] = const_cast<LPOLESTR>(L"ReadLink");
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);

    std::array<VARIANT, reader::kShortcutTextCount> texts{};
    EXPECT_EQ(Invoke(Call(path, texts)), S_OK);
    // No show command was set: a normal window.
    const std::wstring expected[] = {Wide(kNotepad), Wide(folder.Path()), L"/a b", L"The editor",
                                     Wide(kNotepad) + L",2", std::to_wstring(MAKEWORD('E', HOTKEYF_CONTROL | HOTKEYF_ALT)), L"1"};
    for (int i = 0; i < reader::kShortcutTextCount; ++i) {
        ASSERT_EQ(V_VT(&texts[i]), VT_BSTR) << i;
        EXPECT_EQ(lstrcmpiW(V_BSTR(&texts[i]), expected[i].c_str()), 0) << i;
        VariantClear(&texts[i]);
    }
}

TEST_F(ReaderDispatch, RefusesMalformedCallsAndLeavesTheTextsAlone) {
    std::array<BSTR, reader::kShortcutTextCount> texts{};
    for (BSTR& text : texts) text = SysAllocString(L"before");

    std::vector<VARIANT> tooFew = Call(path, texts);
    tooFew.pop_back();
    EXPECT_EQ(Invoke(tooFew), DISP_E_BADPARAMCOUNT);
    std::vector<VARIANT> byValue = Call(path, texts);
    V_VT(&byValue[3]) = VT_BSTR;
    V_BSTR(&byValue[3]) = texts[2];
    UINT bad = 99;
    EXPECT_EQ(Invoke(byValue, nullptr, &bad), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(bad, 8u - 1u - 3u);  // counted from the last argument
    BSTR missing = SysAllocString(Wide(folder.File("missing.lnk")).c_str());
    EXCEPINFO exception{};
    EXPECT_EQ(Invoke(Call(missing, texts), &exception), DISP_E_EXCEPTION);
    EXPECT_TRUE(FAILED(exception.scode));
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(missing);
    for (BSTR text : texts) EXPECT_EQ(lstrcmpW(text, L"before"), 0);

    EXPECT_EQ(Invoke(Call(path, texts)), S_OK);  // replaces (and frees) every text
    EXPECT_EQ(lstrcmpiW(texts[0], Wide(kNotepad).c_str()), 0);
    for (BSTR text : texts) SysFreeString(text);
}

// The DLL may unload only when no object and no lock is left.
TEST_F(ShortcutReaderTest, CanUnloadOnlyWhenNothingIsLeft) {
    const Export canUnload = ExportOf(dll, "DllCanUnloadNow");
    IClassFactory* factory = nullptr;
    ASSERT_EQ(CoGetClassObject(reader::kClassId, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(&factory)),
              S_OK);
    IDispatch* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&object)), S_OK);
    void* refused = nullptr;
    EXPECT_EQ(factory->CreateInstance(object, IID_IUnknown, &refused), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, &refused), E_NOINTERFACE);
    EXPECT_EQ(refused, nullptr);
    factory->LockServer(TRUE);
    factory->Release();
    object->Release();
    EXPECT_EQ(canUnload(), S_FALSE);  // the lock
    ASSERT_EQ(CoGetClassObject(reader::kClassId, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(&factory)),
              S_OK);
    factory->LockServer(FALSE);
    EXPECT_EQ(canUnload(), S_FALSE);  // the factory
    factory->Release();
    EXPECT_EQ(canUnload(), S_OK);
}

}  // namespace
}  // namespace corvella
