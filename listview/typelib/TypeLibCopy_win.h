#pragma once
// Writes a new type library equal to a loaded one, member by member,
// through the platform's type-library creation interfaces, so that texts
// the IDL compiler cannot carry can be added on the way (the description of
// each enumeration constant).
#include <windows.h>
#include <oleauto.h>

#include <functional>
#include <string>

namespace panorell {

// The description for constant `constant` of enumeration `enumeration`, or
// an empty text where it has none.
using ConstantDescriber = std::function<std::wstring(const std::wstring& enumeration, const std::wstring& constant)>;

// Copies `source` into a new library at `path`, for the same system kind
// (a 32-bit library can be written by a 64-bit program). On failure
// `error` says what could not be copied.
HRESULT CopyTypeLibrary(ITypeLib* source, const wchar_t* path, const ConstantDescriber& describe, std::string& error);

}  // namespace panorell
