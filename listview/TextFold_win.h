#pragma once
// The case folding of the system's ANSI code page, for TextFold.
#include <windows.h>

#include "TextFold.h"

namespace panorell {

// The fold table of `codePage`: each single-byte character lower-cased the
// way the system lower-cases text, and the lead bytes of a double-byte code
// page marked. Characters that lower-case to more or other than one byte of
// the code page stay as they are.
FoldTable FoldTableOf(UINT codePage);

// Installs the table of the system's ANSI code page.
void InstallSystemFoldTable();

}  // namespace panorell
