#pragma once
// Texts across the automation boundary: the control keeps ANSI strings and
// hands out automation strings (the receiver frees them).
#include <windows.h>

#include <string>

namespace panorell {

BSTR ToBstr(const std::string& ansi);
std::string FromBstr(BSTR text);
inline VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace panorell
