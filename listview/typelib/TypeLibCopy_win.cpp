#include "TypeLibCopy_win.h"

#include <deque>
#include <vector>

#include "ComObject_win.h"

namespace panorell {

namespace {

using corvella::com::ComPtr;

std::string Narrow(const wchar_t* text) {
    std::string out;
    for (; text != nullptr && *text != 0; ++text) out += *text < 128 ? static_cast<char>(*text) : '?';
    return out;
}

// A BSTR freed when it goes.
struct Text {
    BSTR value = nullptr;
    ~Text() { SysFreeString(value); }
    const wchar_t* Get() const { return value != nullptr ? value : L""; }
};

struct Documentation {
    Text name, doc;
    DWORD helpContext = 0;
};

Documentation DocumentationOf(ITypeInfo* info, MEMBERID member) {
    Documentation out;
    info->GetDocumentation(member, &out.name.value, &out.doc.value, &out.helpContext, nullptr);
    return out;
}

// One type being copied: its source, its attributes and its new writer.
class TypeCopy {
public:
    TypeCopy(ITypeInfo* source, ICreateTypeInfo* target, const std::vector<ITypeInfo*>& written, const TLIBATTR& library)
        : source_(source), target_(target), written_(written), library_(library.guid),
          pointerSize_(library.syskind == SYS_WIN64 ? 8 : 4) {}
    ~TypeCopy() {
        if (attributes_ != nullptr) source_->ReleaseTypeAttr(attributes_);
    }

    HRESULT Copy(const ConstantDescriber& describe, std::string& error) {
        HRESULT hr = source_->GetTypeAttr(&attributes_);
        if (FAILED(hr)) return Fail(hr, "reading its attributes", error);
        name_ = DocumentationOf(source_, MEMBERID_NIL).name.Get();
        if (FAILED(hr = CopyHeader())) return Fail(hr, "its attributes", error);
        if (FAILED(hr = CopyImplementedTypes())) return Fail(hr, "its base or implemented types", error);
        for (UINT i = 0; i < attributes_->cFuncs; ++i)
            if (FAILED(hr = CopyFunction(i))) return Fail(hr, "function " + std::to_string(i), error);
        for (UINT i = 0; i < attributes_->cVars; ++i)
            if (FAILED(hr = CopyVariable(i, describe))) return Fail(hr, "member " + std::to_string(i), error);
        return S_OK;
    }

    const std::wstring& Name() const { return name_; }

private:
    HRESULT Fail(HRESULT hr, const std::string& what, std::string& error) const {
        error = "type " + Narrow(name_.c_str()) + ", " + what;
        return hr;
    }

    HRESULT CopyHeader() {
        const Documentation doc = DocumentationOf(source_, MEMBERID_NIL);
        HRESULT hr = target_->SetGuid(attributes_->guid);
        if (SUCCEEDED(hr)) hr = target_->SetTypeFlags(attributes_->wTypeFlags);
        if (SUCCEEDED(hr)) hr = target_->SetVersion(attributes_->wMajorVerNum, attributes_->wMinorVerNum);
        if (SUCCEEDED(hr) && doc.doc.value != nullptr) hr = target_->SetDocString(doc.doc.value);
        if (SUCCEEDED(hr) && doc.helpContext != 0) hr = target_->SetHelpContext(doc.helpContext);
        if (SUCCEEDED(hr)) hr = target_->SetAlignment(attributes_->cbAlignment);
        if (SUCCEEDED(hr) && attributes_->typekind == TKIND_ALIAS) {
            TYPEDESC alias{};
            hr = MapType(attributes_->tdescAlias, alias);
            if (SUCCEEDED(hr)) hr = target_->SetTypeDescAlias(&alias);
        }
        return hr;
    }

    HRESULT CopyImplementedTypes() {
        for (UINT i = 0; i < attributes_->cImplTypes; ++i) {
            HREFTYPE from = 0, to = 0;
            INT flags = 0;
            HRESULT hr = source_->GetRefTypeOfImplType(i, &from);
            if (SUCCEEDED(hr)) hr = MapReference(from, to);
            if (SUCCEEDED(hr)) hr = target_->AddImplType(i, to);
            if (SUCCEEDED(hr)) hr = source_->GetImplTypeFlags(i, &flags);
            if (SUCCEEDED(hr) && flags != 0) hr = target_->SetImplTypeFlags(i, flags);
            if (FAILED(hr)) return hr;
        }
        return S_OK;
    }

    HRESULT CopyFunction(UINT index) {
        FUNCDESC* from = nullptr;
        HRESULT hr = source_->GetFuncDesc(index, &from);
        if (FAILED(hr)) return hr;
        FUNCDESC copy = *from;
        std::vector<ELEMDESC> parameters(from->lprgelemdescParam, from->lprgelemdescParam + from->cParams);
        copy.lprgelemdescParam = parameters.empty() ? nullptr : parameters.data();
        for (ELEMDESC& parameter : parameters)
            if (SUCCEEDED(hr)) hr = MapType(parameter.tdesc, parameter.tdesc);
        if (SUCCEEDED(hr)) hr = MapType(from->elemdescFunc.tdesc, copy.elemdescFunc.tdesc);
        // Read here, vtable offsets are in this process's pointer size; the
        // new library keeps them as given, so they are put in its own.
        copy.oVft = static_cast<SHORT>(from->oVft / static_cast<SHORT>(sizeof(void*)) * pointerSize_);
        if (SUCCEEDED(hr)) hr = target_->AddFuncDesc(index, &copy);
        if (SUCCEEDED(hr)) hr = CopyNames(index, *from);
        const Documentation doc = DocumentationOf(source_, from->memid);
        if (SUCCEEDED(hr) && doc.doc.value != nullptr) hr = target_->SetFuncDocString(index, doc.doc.value);
        if (SUCCEEDED(hr) && doc.helpContext != 0) hr = target_->SetFuncHelpContext(index, doc.helpContext);
        source_->ReleaseFuncDesc(from);
        return hr;
    }

    // The function's name and its parameters' names. A property's get and
    // put share one member id and so one set of names; the put's value
    // needs no name of its own.
    HRESULT CopyNames(UINT index, const FUNCDESC& function) {
        std::vector<BSTR> names(function.cParams + 1u, nullptr);
        UINT count = 0;
        HRESULT hr = source_->GetNames(function.memid, names.data(), static_cast<UINT>(names.size()), &count);
        if (SUCCEEDED(hr)) {
            const bool put = (function.invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF)) != 0;
            if (put && count == names.size()) --count;
            hr = target_->SetFuncAndParamNames(index, names.data(), count);
        }
        for (BSTR name : names) SysFreeString(name);
        return hr;
    }

    HRESULT CopyVariable(UINT index, const ConstantDescriber& describe) {
        VARDESC* from = nullptr;
        HRESULT hr = source_->GetVarDesc(index, &from);
        if (FAILED(hr)) return hr;
        VARDESC copy = *from;
        hr = MapType(from->elemdescVar.tdesc, copy.elemdescVar.tdesc);
        if (SUCCEEDED(hr)) hr = target_->AddVarDesc(index, &copy);
        const Documentation doc = DocumentationOf(source_, from->memid);
        if (SUCCEEDED(hr)) hr = target_->SetVarName(index, doc.name.value);
        std::wstring text = doc.doc.Get();
        if (attributes_->typekind == TKIND_ENUM && text.empty()) text = describe(name_, doc.name.Get());
        if (SUCCEEDED(hr) && !text.empty()) hr = target_->SetVarDocString(index, text.data());
        if (SUCCEEDED(hr) && doc.helpContext != 0) hr = target_->SetVarHelpContext(index, doc.helpContext);
        source_->ReleaseVarDesc(from);
        return hr;
    }

    // A type of the source library becomes its copy; types of imported
    // libraries stay what they are.
    HRESULT MapReference(HREFTYPE from, HREFTYPE& to) {
        ComPtr<ITypeInfo> referenced;
        HRESULT hr = source_->GetRefTypeInfo(from, referenced.Put());
        if (FAILED(hr)) return hr;
        ComPtr<ITypeLib> owner;
        UINT position = 0;
        if (FAILED(hr = referenced->GetContainingTypeLib(owner.Put(), &position))) return hr;
        TLIBATTR* ownerAttributes = nullptr;
        if (FAILED(hr = owner->GetLibAttr(&ownerAttributes))) return hr;
        const bool ours = IsEqualGUID(ownerAttributes->guid, library_) != 0;
        owner->ReleaseTLibAttr(ownerAttributes);
        if (ours) {
            if (position >= written_.size()) return TYPE_E_ELEMENTNOTFOUND;
            return target_->AddRefTypeInfo(written_[position], &to);
        }
        if (FAILED(hr = FollowToIdentifiedType(referenced))) return hr;
        return target_->AddRefTypeInfo(referenced.Get(), &to);
    }

    // A type of another library is written as a reference by its GUID; a
    // type without one (IPictureDisp is an alias in the standard library)
    // would be read back as whatever else has none, so the alias is
    // followed to the type it names.
    static HRESULT FollowToIdentifiedType(ComPtr<ITypeInfo>& type) {
        for (int depth = 0; depth < 8; ++depth) {
            TYPEATTR* attributes = nullptr;
            HRESULT hr = type->GetTypeAttr(&attributes);
            if (FAILED(hr)) return hr;
            const bool identified = !IsEqualGUID(attributes->guid, GUID_NULL);
            const bool alias = attributes->typekind == TKIND_ALIAS && attributes->tdescAlias.vt == VT_USERDEFINED;
            const HREFTYPE named = alias ? attributes->tdescAlias.hreftype : 0;
            type->ReleaseTypeAttr(attributes);
            if (identified) return S_OK;
            if (!alias) return TYPE_E_UNSUPFORMAT;
            ComPtr<ITypeInfo> next;
            if (FAILED(hr = type->GetRefTypeInfo(named, next.Put()))) return hr;
            type.Share(next.Get());
        }
        return TYPE_E_CIRCULARTYPE;
    }

    // `to` may be `from`; nested descriptions live as long as this copy.
    HRESULT MapType(const TYPEDESC& from, TYPEDESC& to) {
        switch (from.vt) {
        case VT_USERDEFINED: {
            HREFTYPE mapped = 0;
            const HRESULT hr = MapReference(from.hreftype, mapped);
            to.vt = VT_USERDEFINED;
            to.hreftype = mapped;
            return hr;
        }
        case VT_PTR:
        case VT_SAFEARRAY: {
            TYPEDESC& inner = nested_.emplace_back();
            const HRESULT hr = MapType(*from.lptdesc, inner);
            to.vt = from.vt;
            to.lptdesc = &inner;
            return hr;
        }
        case VT_CARRAY:
            return E_NOTIMPL;  // no fixed-size arrays in our libraries
        default:
            to = from;
            return S_OK;
        }
    }

    ITypeInfo* source_;
    ICreateTypeInfo* target_;
    const std::vector<ITypeInfo*>& written_;
    const GUID library_;
    const SHORT pointerSize_;
    TYPEATTR* attributes_ = nullptr;
    std::wstring name_;
    std::deque<TYPEDESC> nested_;
};

HRESULT CopyLibraryHeader(ITypeLib* source, ICreateTypeLib2* target, const TLIBATTR& attributes) {
    Text name, doc;
    DWORD helpContext = 0;
    source->GetDocumentation(-1, &name.value, &doc.value, &helpContext, nullptr);
    HRESULT hr = target->SetGuid(attributes.guid);
    if (SUCCEEDED(hr)) hr = target->SetName(name.value);
    if (SUCCEEDED(hr)) hr = target->SetVersion(attributes.wMajorVerNum, attributes.wMinorVerNum);
    if (SUCCEEDED(hr)) hr = target->SetLcid(attributes.lcid);
    if (SUCCEEDED(hr)) hr = target->SetLibFlags(attributes.wLibFlags);
    if (SUCCEEDED(hr) && doc.value != nullptr) hr = target->SetDocString(doc.value);
    if (SUCCEEDED(hr) && helpContext != 0) hr = target->SetHelpContext(helpContext);
    return hr;
}

// Every type is made first (empty), so that types may refer to any other.
HRESULT CreateTypes(ITypeLib* source, ICreateTypeLib2* target, std::deque<ComPtr<ICreateTypeInfo>>& writers,
                    std::vector<ITypeInfo*>& written, std::string& error) {
    const UINT count = source->GetTypeInfoCount();
    writers.resize(count);
    written.assign(count, nullptr);
    for (UINT i = 0; i < count; ++i) {
        TYPEKIND kind{};
        Text name;
        HRESULT hr = source->GetTypeInfoType(i, &kind);
        if (SUCCEEDED(hr)) hr = source->GetDocumentation(static_cast<INT>(i), &name.value, nullptr, nullptr, nullptr);
        if (SUCCEEDED(hr)) hr = target->CreateTypeInfo(name.value, kind, writers[i].Put());
        if (SUCCEEDED(hr)) hr = writers[i]->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(&written[i]));
        if (FAILED(hr)) {
            error = "creating type " + Narrow(name.Get());
            return hr;
        }
    }
    return S_OK;
}

}  // namespace

HRESULT CopyTypeLibrary(ITypeLib* source, const wchar_t* path, const ConstantDescriber& describe, std::string& error) {
    TLIBATTR* attributes = nullptr;
    HRESULT hr = source->GetLibAttr(&attributes);
    if (FAILED(hr)) {
        error = "reading the library's attributes";
        return hr;
    }
    const TLIBATTR header = *attributes;
    source->ReleaseTLibAttr(attributes);

    ComPtr<ICreateTypeLib2> target;
    if (FAILED(hr = CreateTypeLib2(header.syskind, path, target.Put()))) {
        error = "creating the new library";
        return hr;
    }
    if (FAILED(hr = CopyLibraryHeader(source, target.Get(), header))) {
        error = "the library's attributes";
        return hr;
    }
    std::deque<ComPtr<ICreateTypeInfo>> writers;
    std::vector<ITypeInfo*> written;
    hr = CreateTypes(source, target.Get(), writers, written, error);
    for (UINT i = 0; SUCCEEDED(hr) && i < writers.size(); ++i) {
        ComPtr<ITypeInfo> from;
        if (FAILED(hr = source->GetTypeInfo(i, from.Put()))) break;
        TypeCopy copy(from.Get(), writers[i].Get(), written, header);
        hr = copy.Copy(describe, error);
    }
    for (UINT i = 0; SUCCEEDED(hr) && i < writers.size(); ++i)
        if (FAILED(hr = writers[i]->LayOut())) error = "laying out type " + std::to_string(i);
    if (SUCCEEDED(hr) && FAILED(hr = target->SaveAllChanges())) error = "writing the library";
    for (ITypeInfo* info : written)
        if (info != nullptr) info->Release();
    return hr;
}

}  // namespace panorell
