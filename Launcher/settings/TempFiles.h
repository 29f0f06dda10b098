#pragma once
#include "../platform/FileSystem.h"

namespace corvella {

// Deletes the files of the TEMP folder whose long name ends in ".tmp" (any
// case), without going into subfolders; a missing TEMP or a failing deletion
// is not reported. The names are tested here rather than through a "*.tmp"
// pattern, which would also match files whose short 8.3 alias ends in .TMP
// (report.tmpl is REPORT~1.TMP) and delete the user's data with them.
void DeleteTempFiles(FileSystem& files);

bool IsTempFileName(std::string_view name);

}  // namespace corvella
