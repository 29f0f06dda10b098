// The definitions of the identifiers the generated header declares; the
// system headers come first so that only ours are defined here.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <initguid.h>

#include "panorell_h.h"
