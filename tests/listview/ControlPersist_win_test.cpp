// The control's saved forms through its persistence interfaces: a stream
// and a property bag load back what was saved; a stream with no properties
// loads the exchange defaults; a damaged stream is refused.
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include <olectl.h>
#include <string>

#include "ComObject_win.h"
#include "ControlHarness_win.h"
#include "PropertyStream.h"

namespace panorell::testing {
namespace {

// A property bag that keeps its values in memory, as a container's would.
class MemoryBag final : public corvella::com::ComObject<IPropertyBag> {
public:
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
        auto found = values.find(name);
        if (found == values.end()) return E_INVALIDARG;
        return VariantCopy(value, &found->second);
    }
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override {
        VARIANT& slot = values[name];
        VariantClear(&slot);
        return VariantCopy(&slot, value);
    }
    ~MemoryBag() override {
        for (auto& entry : values) VariantClear(&entry.second);
    }
    std::map<std::wstring, VARIANT> values;
};

const std::pair<const wchar_t*, long> kChanged[] = {
    {L"AllowOleDrag", 0}, {L"MultiSelect", 0}, {L"CurrentNameSpace", 4}, {L"View", 3},
    {L"Hidden", -1},      {L"ReadOnly", 0},    {L"ShowTypeColumn", 0},   {L"MousePointer", 11},
    {L"BorderStyle", 1},
};

void Change(IDispatch* control) {
    for (const auto& [name, value] : kChanged) ASSERT_EQ(Put(control, name, Long(value)).hr, S_OK);
    ASSERT_EQ(Put(control, L"CurrentFolder", Text(L"C:\\windows")).hr, S_OK);
    ASSERT_EQ(Put(control, L"Pattern", Text(L"*.ini")).hr, S_OK);
}

void ExpectChanged(IDispatch* control) {
    for (const auto& [name, value] : kChanged)
        EXPECT_EQ(AsLong(Get(control, name).value), value) << std::string(name, name + lstrlenW(name));
    EXPECT_EQ(AsText(Get(control, L"CurrentFolder").value), L"C:\\windows");
    EXPECT_EQ(AsText(Get(control, L"Pattern").value), L"*.ini");
}

template <typename Interface>
Interface* As(IUnknown* object, const IID& iid) {
    Interface* face = nullptr;
    EXPECT_EQ(object->QueryInterface(iid, reinterpret_cast<void**>(&face)), S_OK);
    return face;
}

TEST_F(ControlTest, StreamSavedLoadsBackEqual) {
    IDispatch* first = Create();
    ASSERT_NE(first, nullptr);
    Change(first);
    IPersistStreamInit* saver = As<IPersistStreamInit>(first, IID_IPersistStreamInit);
    EXPECT_EQ(saver->IsDirty(), S_OK);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ASSERT_EQ(saver->Save(stream, TRUE), S_OK);
    EXPECT_EQ(saver->IsDirty(), S_FALSE);

    IDispatch* second = Create();
    IPersistStreamInit* loader = As<IPersistStreamInit>(second, IID_IPersistStreamInit);
    const LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ASSERT_EQ(loader->Load(stream), S_OK);
    ExpectChanged(second);

    // A damaged copy is refused and changes nothing.
    HGLOBAL memory = nullptr;
    GetHGlobalFromStream(stream, &memory);
    auto* bytes = static_cast<uint8_t*>(GlobalLock(memory));
    bytes[kStreamHeaderSize + 2 + 4 + 1] = 7;  // AllowOleDrop (after BorderStyle and an empty Caption)
    GlobalUnlock(memory);
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    IDispatch* third = Create();
    IPersistStreamInit* refuser = As<IPersistStreamInit>(third, IID_IPersistStreamInit);
    EXPECT_NE(refuser->Load(stream), S_OK);
    EXPECT_EQ(AsLong(Get(third, L"View").value), 0);

    for (IUnknown* object : {static_cast<IUnknown*>(saver), static_cast<IUnknown*>(loader),
                             static_cast<IUnknown*>(refuser), static_cast<IUnknown*>(stream),
                             static_cast<IUnknown*>(first), static_cast<IUnknown*>(second),
                             static_cast<IUnknown*>(third)})
        object->Release();
}

TEST_F(ControlTest, StreamWithoutPropertiesAndInitNewGiveTheExchangeDefaults) {
    IDispatch* control = Create();
    ASSERT_NE(control, nullptr);
    IPersistStreamInit* persist = As<IPersistStreamInit>(control, IID_IPersistStreamInit);
    const uint8_t empty[kStreamHeaderSize] = {0, 0, 1, 0};
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    stream->Write(empty, sizeof empty, nullptr);
    const LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ASSERT_EQ(persist->Load(stream), S_OK);
    EXPECT_EQ(AsLong(Get(control, L"View").value), 1);
    EXPECT_EQ(AsLong(Get(control, L"CurrentNameSpace").value), 1);
    ASSERT_EQ(Put(control, L"View", Long(3)).hr, S_OK);
    ASSERT_EQ(persist->InitNew(), S_OK);
    EXPECT_EQ(AsLong(Get(control, L"View").value), 1);
    EXPECT_EQ(AsText(Get(control, L"Pattern").value), L"*.*");
    stream->Release();
    persist->Release();
    control->Release();
}

TEST_F(ControlTest, PropertyBagSavedLoadsBackEqual) {
    IDispatch* first = Create();
    ASSERT_NE(first, nullptr);
    Change(first);
    auto* bag = new MemoryBag();
    IPersistPropertyBag* saver = As<IPersistPropertyBag>(first, IID_IPersistPropertyBag);
    ASSERT_EQ(saver->Save(bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(AsLong(bag->values[L"View"]), 3);
    EXPECT_EQ(AsText(bag->values[L"Pattern"]), L"*.ini");
    EXPECT_EQ(bag->values.count(L"ShowNameColumn"), 1u);

    IDispatch* second = Create();
    IPersistPropertyBag* loader = As<IPersistPropertyBag>(second, IID_IPersistPropertyBag);
    ASSERT_EQ(loader->Load(bag, nullptr), S_OK);
    ExpectChanged(second);

    // A value outside its enumeration is refused as a whole.
    VARIANT bad = Long(9);
    bag->Write(L"View", &bad);
    IDispatch* third = Create();
    IPersistPropertyBag* refuser = As<IPersistPropertyBag>(third, IID_IPersistPropertyBag);
    EXPECT_NE(refuser->Load(bag, nullptr), S_OK);
    EXPECT_EQ(AsText(Get(third, L"Pattern").value), L"*.*");

    for (IUnknown* object : {static_cast<IUnknown*>(saver), static_cast<IUnknown*>(loader),
                             static_cast<IUnknown*>(refuser), static_cast<IUnknown*>(first),
                             static_cast<IUnknown*>(second), static_cast<IUnknown*>(third)})
        object->Release();
    bag->Release();
}

}  // namespace
}  // namespace panorell::testing

namespace panorell::testing {
namespace {

// Records which properties the control says changed.
class ChangeSink final : public corvella::com::ComObject<IPropertyNotifySink> {
public:
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
        changed.push_back(id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
    std::vector<DISPID> changed;
};

// Accepted sets tell the container and mark the control modified; the
// tree link and ScreenUpdate only mark it; refused sets do neither.
TEST_F(ControlTest, SettersTellTheContainerAndMarkTheControlModified) {
    IDispatch* control = Create();
    ASSERT_NE(control, nullptr);
    IConnectionPointContainer* container = As<IConnectionPointContainer>(control, IID_IConnectionPointContainer);
    IConnectionPoint* point = nullptr;
    ASSERT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, &point), S_OK);
    auto* sink = new ChangeSink();
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(sink, &cookie), S_OK);
    IPersistStreamInit* persist = As<IPersistStreamInit>(control, IID_IPersistStreamInit);
    ASSERT_EQ(persist->InitNew(), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);

    struct Row {
        const wchar_t* name;
        long value;
        bool announced;
        bool modified;
    } rows[] = {{L"View", 4, false, false},  {L"View", 2, true, true},          {L"Hidden", -1, true, true},
                {L"ScreenUpdate", 0, false, true}, {L"AutoLinkTreeHwnd", 0, false, true}, {L"MousePointer", 7, true, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name, row.name + lstrlenW(row.name)));
        sink->changed.clear();
        ASSERT_EQ(persist->InitNew(), S_OK);
        (void)Put(control, row.name, Long(row.value));
        EXPECT_EQ(!sink->changed.empty(), row.announced);
        EXPECT_EQ(persist->IsDirty(), row.modified ? S_OK : S_FALSE);
    }
    EXPECT_EQ(point->Unadvise(cookie), S_OK);
    EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
    point->Release();
    container->Release();
    persist->Release();
    control->Release();
    sink->Release();
}

}  // namespace
}  // namespace panorell::testing

namespace panorell::testing {
namespace {

VARIANT Picture(PICTDESC& description) {
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_DISPATCH;
    EXPECT_EQ(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&V_DISPATCH(&value))),
              S_OK);
    return value;
}

SHORT PictureType(const VARIANT& value) {
    if (V_VT(&value) != VT_DISPATCH || V_DISPATCH(&value) == nullptr) return -2;
    IPicture* picture = nullptr;
    if (FAILED(V_DISPATCH(&value)->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) return -3;
    SHORT type = -4;
    picture->get_Type(&type);
    picture->Release();
    return type;
}

// MouseIcon takes icons only; an icon is saved and loaded with the other
// properties, and bytes that are no picture load as no icon.
TEST_F(ControlTest, MouseIconTakesIconsAndTravelsInTheStream) {
    IDispatch* control = Create();
    ASSERT_NE(control, nullptr);
    PICTDESC bitmap{};
    bitmap.cbSizeofstruct = sizeof bitmap;
    bitmap.picType = PICTYPE_BITMAP;
    bitmap.bmp.hbitmap = CreateBitmap(8, 8, 1, 1, nullptr);
    EXPECT_EQ(Put(control, L"MouseIcon", Picture(bitmap)).scode, static_cast<HRESULT>(0x800A017C));
    PICTDESC icon{};
    icon.cbSizeofstruct = sizeof icon;
    icon.picType = PICTYPE_ICON;
    icon.icon.hicon = CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));
    ASSERT_EQ(Put(control, L"MouseIcon", Picture(icon)).hr, S_OK);
    EXPECT_EQ(PictureType(Get(control, L"MouseIcon").value), PICTYPE_ICON);

    IPersistStreamInit* saver = As<IPersistStreamInit>(control, IID_IPersistStreamInit);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ASSERT_EQ(saver->Save(stream, TRUE), S_OK);
    const LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    IDispatch* copy = Create();
    IPersistStreamInit* loader = As<IPersistStreamInit>(copy, IID_IPersistStreamInit);
    ASSERT_EQ(loader->Load(stream), S_OK);
    EXPECT_EQ(PictureType(Get(copy, L"MouseIcon").value), PICTYPE_ICON);

    // Bytes that are no picture: the rest loads, the icon is empty.
    ControlState state = ExchangeDefaults();
    state.view = 3;
    state.mouseIcon = {1, 2, 3, 4, 5};
    const std::vector<uint8_t> bytes = SaveProperties(state, {});
    IStream* damaged = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &damaged), S_OK);
    damaged->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    damaged->Seek(start, STREAM_SEEK_SET, nullptr);
    ASSERT_EQ(loader->Load(damaged), S_OK);
    EXPECT_EQ(AsLong(Get(copy, L"View").value), 3);
    EXPECT_EQ(PictureType(Get(copy, L"MouseIcon").value), PICTYPE_NONE);

    for (IUnknown* object : {static_cast<IUnknown*>(saver), static_cast<IUnknown*>(loader),
                             static_cast<IUnknown*>(stream), static_cast<IUnknown*>(damaged),
                             static_cast<IUnknown*>(control), static_cast<IUnknown*>(copy)})
        object->Release();
}

}  // namespace
}  // namespace panorell::testing
