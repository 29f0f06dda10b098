#pragma once
// Small automation values, built the one way both sides of the control's
// interface need them: the control raising its events, the launcher and the
// tests calling the control by name.
#include <windows.h>
#include <oleauto.h>

namespace panorell {

inline VARIANT LongVariant(long value) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

inline VARIANT ShortVariant(short value) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I2;
    V_I2(&v) = value;
    return v;
}

inline VARIANT BoolVariant(bool value) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

// Calls member `name` of `target` through IDispatch: `args` in the
// interface's reverse order; a property put names its value as the put
// argument. `result` and `exception` may be null. The arguments stay the
// caller's.
HRESULT CallByName(IDispatch* target, const wchar_t* name, WORD kind, VARIANT* args, UINT count, VARIANT* result,
                   EXCEPINFO* exception = nullptr);

}  // namespace panorell
