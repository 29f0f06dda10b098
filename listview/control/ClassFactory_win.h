#pragma once
// The class objects the library hands out.
#include <windows.h>

namespace panorell {

// The class object of `classId` answering `iid`; CLASS_E_CLASSNOTAVAILABLE
// for a class this library does not serve.
HRESULT GetClassObject(REFCLSID classId, REFIID iid, void** out);

}  // namespace panorell
