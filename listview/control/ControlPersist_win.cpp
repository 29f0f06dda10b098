// Persistence of the control's properties: a stream (the saved form of
// PropertyStream), a property bag (one value per property, by name) and a
// storage (the stream form in a "Contents" stream). Every form loads all of
// its values first and changes the control only when they all fit.
#include <olectl.h>

#include <cstring>

#include "AutomationText_win.h"
#include "ControlFrame_win.h"
#include "Control_win.h"
#include "ItemFilter.h"

namespace panorell {

namespace {

constexpr wchar_t kContentsStream[] = L"Contents";

HRESULT StatusOf(StreamError error) {
    return error == StreamError::Truncated ? STG_E_READFAULT : E_FAIL;
}

HRESULT ReadExactly(IStream* stream, void* data, ULONG size) {
    ULONG read = 0;
    const HRESULT hr = stream->Read(data, size, &read);
    if (FAILED(hr)) return hr;
    return read == size ? S_OK : STG_E_READFAULT;
}

}  // namespace

HRESULT Control::GetClassID(CLSID* classId) {
    if (classId == nullptr) return E_POINTER;
    *classId = CLSID_PanorellListView;
    return S_OK;
}

HRESULT Control::InitNew() {
    SetState(ExchangeDefaults());
    mouseIcon_.Reset();
    dirty_ = false;
    return S_OK;
}

// Takes a loaded state and shows it when the list exists.
void Control::SetState(ControlState state) {
    state_ = std::move(state);
    if (!frame_) return;
    for (long id : {dispid::kMultiSelect, dispid::kView, dispid::kScreenUpdate, dispid::kShowSizeColumn,
                    dispid::kShowTypeColumn, dispid::kShowModifiedColumn})
        ApplyToList(id);
    ApplyFilter();
    frame_->List().Refresh();
}

HRESULT Control::LoadMouseIcon(const std::vector<uint8_t>& bytes) {
    mouseIcon_.Reset();
    if (bytes.empty()) return S_OK;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr) return E_OUTOFMEMORY;
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.Put()))) {
        GlobalFree(memory);
        return E_OUTOFMEMORY;
    }
    ComPtr<IPictureDisp> picture;
    const HRESULT hr = OleLoadPicture(stream.Get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPictureDisp,
                                      picture.PutVoid());
    if (SUCCEEDED(hr)) mouseIcon_.Share(picture.Get());
    return hr;
}

HRESULT Control::SaveMouseIcon(std::vector<uint8_t>& bytes) const {
    bytes.clear();
    if (!mouseIcon_) return S_OK;
    ComPtr<IPicture> picture;
    SHORT type = PICTYPE_NONE;
    if (FAILED(mouseIcon_->QueryInterface(IID_IPicture, picture.PutVoid())) || FAILED(picture->get_Type(&type)) ||
        type != PICTYPE_ICON)
        return S_OK;
    ComPtr<IStream> stream;
    HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, stream.Put());
    if (FAILED(hr)) return hr;
    // The picture's persisted form, which OleLoadPicture reads back; its
    // length is where the stream ends (not every system reports it).
    corvella::com::ComPtr<IPersistStream> persisted;
    if (FAILED(hr = mouseIcon_->QueryInterface(IID_IPersistStream, persisted.PutVoid())) ||
        FAILED(hr = persisted->Save(stream.Get(), TRUE)))
        return hr;
    ULARGE_INTEGER end{};
    const LARGE_INTEGER none{};
    if (FAILED(hr = stream->Seek(none, STREAM_SEEK_CUR, &end))) return hr;
    const size_t size = static_cast<size_t>(end.QuadPart);
    HGLOBAL memory = nullptr;
    if (FAILED(hr = GetHGlobalFromStream(stream.Get(), &memory))) return hr;
    const auto* data = static_cast<const uint8_t*>(GlobalLock(memory));
    bytes.assign(data, data + size);
    GlobalUnlock(memory);
    return S_OK;
}

HRESULT Control::Load(IStream* stream) {
    if (stream == nullptr) return E_POINTER;
    uint8_t headerBytes[kStreamHeaderSize];
    HRESULT hr = ReadExactly(stream, headerBytes, sizeof headerBytes);
    if (FAILED(hr)) return hr;
    StreamHeader header;
    if (StreamError error = ReadHeader(headerBytes, header); error != StreamError::None) return StatusOf(error);
    std::vector<uint8_t> payload(header.payloadLength);
    if (!payload.empty() && FAILED(hr = ReadExactly(stream, payload.data(), header.payloadLength))) return hr;
    ControlState loaded;
    if (StreamError error = ReadPayload(payload, loaded); error != StreamError::None) return StatusOf(error);
    // An icon that cannot be read leaves the control without one.
    (void)LoadMouseIcon(loaded.mouseIcon);
    extent_ = header.extent;
    SetState(std::move(loaded));
    dirty_ = false;
    return S_OK;
}

HRESULT Control::Save(IStream* stream, BOOL clearDirty) {
    if (stream == nullptr) return E_POINTER;
    ControlState saved = state_;
    HRESULT hr = SaveMouseIcon(saved.mouseIcon);
    if (FAILED(hr)) return hr;
    const std::vector<uint8_t> bytes = SaveProperties(saved, extent_);
    ULONG written = 0;
    hr = stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    if (FAILED(hr)) return hr;
    if (written != bytes.size()) return STG_E_WRITEFAULT;
    if (clearDirty) dirty_ = false;
    return S_OK;
}

HRESULT Control::GetSizeMax(ULARGE_INTEGER* size) {
    if (size == nullptr) return E_POINTER;
    ControlState saved = state_;
    (void)SaveMouseIcon(saved.mouseIcon);
    size->QuadPart = SaveProperties(saved, extent_).size();
    return S_OK;
}

HRESULT Control::ReadBagValue(IPropertyBag* bag, const PropertyEntry& entry, ControlState& state) {
    VARIANT value;
    VariantInit(&value);
    const std::wstring name(entry.name, entry.name + std::strlen(entry.name));
    // A value the bag does not hold keeps its default.
    if (FAILED(bag->Read(name.c_str(), &value, nullptr))) return S_OK;
    VARTYPE wanted = VT_EMPTY;
    switch (entry.type) {
    case StoredType::Bool: wanted = VT_BOOL; break;
    case StoredType::Short: wanted = VT_I2; break;
    case StoredType::Long: wanted = VT_I4; break;
    case StoredType::String: wanted = VT_BSTR; break;
    default: VariantClear(&value); return S_OK;
    }
    HRESULT hr = VariantChangeType(&value, &value, 0, wanted);
    if (SUCCEEDED(hr)) {
        if (auto member = std::get_if<bool ControlState::*>(&entry.member)) state.**member = V_BOOL(&value) != 0;
        if (auto member = std::get_if<int16_t ControlState::*>(&entry.member)) state.**member = V_I2(&value);
        if (auto member = std::get_if<int32_t ControlState::*>(&entry.member)) state.**member = V_I4(&value);
        if (auto member = std::get_if<std::string ControlState::*>(&entry.member))
            state.**member = FromBstr(V_BSTR(&value));
        if (!HoldsValidValue(entry, state)) hr = E_INVALIDARG;
    }
    VariantClear(&value);
    return hr;
}

HRESULT Control::Load(IPropertyBag* bag, IErrorLog*) {
    if (bag == nullptr) return E_POINTER;
    ControlState loaded = ExchangeDefaults();
    for (const PropertyEntry* entry : ExchangeOrder()) {
        const HRESULT hr = ReadBagValue(bag, *entry, loaded);
        if (FAILED(hr)) return hr;
    }
    VARIANT number;
    VariantInit(&number);
    for (auto [name, field] : {std::pair{L"_ExtentX", &Extent::cx}, std::pair{L"_ExtentY", &Extent::cy}}) {
        if (SUCCEEDED(bag->Read(name, &number, nullptr)) && SUCCEEDED(VariantChangeType(&number, &number, 0, VT_I4)))
            extent_.*field = V_I4(&number);
        VariantClear(&number);
    }
    VARIANT icon;
    VariantInit(&icon);
    mouseIcon_.Reset();
    if (SUCCEEDED(bag->Read(L"MouseIcon", &icon, nullptr)) &&
        (V_VT(&icon) == VT_DISPATCH || V_VT(&icon) == VT_UNKNOWN) && V_UNKNOWN(&icon) != nullptr) {
        ComPtr<IPictureDisp> picture;
        V_UNKNOWN(&icon)->QueryInterface(IID_IPictureDisp, picture.PutVoid());
        if (picture) mouseIcon_.Share(picture.Get());
    }
    VariantClear(&icon);
    SetState(std::move(loaded));
    dirty_ = false;
    return S_OK;
}

HRESULT Control::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
    if (bag == nullptr) return E_POINTER;
    auto write = [&](const char* ansiName, VARIANT& value) {
        const std::wstring name(ansiName, ansiName + std::strlen(ansiName));
        const HRESULT hr = bag->Write(name.c_str(), &value);
        VariantClear(&value);
        return hr;
    };
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_I4;
    V_I4(&value) = static_cast<LONG>(kStreamVersion);
    HRESULT hr = write("_Version", value);
    for (auto [name, number] : {std::pair{"_ExtentX", extent_.cx}, std::pair{"_ExtentY", extent_.cy}}) {
        V_VT(&value) = VT_I4;
        V_I4(&value) = number;
        if (SUCCEEDED(hr)) hr = write(name, value);
    }
    for (const PropertyEntry* entry : ExchangeOrder()) {
        if (FAILED(hr)) return hr;
        VariantInit(&value);
        if (auto member = std::get_if<bool ControlState::*>(&entry->member)) {
            V_VT(&value) = VT_BOOL;
            V_BOOL(&value) = ToVariantBool(state_.**member);
        } else if (auto member = std::get_if<int16_t ControlState::*>(&entry->member)) {
            V_VT(&value) = VT_I2;
            V_I2(&value) = state_.**member;
        } else if (auto member = std::get_if<int32_t ControlState::*>(&entry->member)) {
            V_VT(&value) = VT_I4;
            V_I4(&value) = state_.**member;
        } else if (auto member = std::get_if<std::string ControlState::*>(&entry->member)) {
            V_VT(&value) = VT_BSTR;
            V_BSTR(&value) = ToBstr(state_.**member);
        } else if (mouseIcon_) {
            V_VT(&value) = VT_DISPATCH;
            V_DISPATCH(&value) = mouseIcon_.Get();
            mouseIcon_->AddRef();
        } else {
            continue;  // no icon: nothing to keep
        }
        hr = write(entry->name, value);
    }
    if (SUCCEEDED(hr) && clearDirty) dirty_ = false;
    return hr;
}

HRESULT Control::InitNew(IStorage*) { return InitNew(); }

HRESULT Control::Load(IStorage* storage) {
    if (storage == nullptr) return E_POINTER;
    ComPtr<IStream> stream;
    const HRESULT hr =
        storage->OpenStream(kContentsStream, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.Put());
    if (FAILED(hr)) return hr;
    return Load(stream.Get());
}

HRESULT Control::Save(IStorage* storage, BOOL) {
    if (storage == nullptr) return E_POINTER;
    ComPtr<IStream> stream;
    const HRESULT hr = storage->CreateStream(kContentsStream, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                             stream.Put());
    if (FAILED(hr)) return hr;
    return Save(stream.Get(), TRUE);
}

}  // namespace panorell
