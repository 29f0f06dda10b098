#pragma once
// The folders the list benchmark lists, the raw loop it is measured against,
// and the small measuring helpers (clock, memory, medians, message pump).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace panorell::bench {

// A folder of `count` files with mixed extensions (or of `count` empty
// subfolders), made once under the temp folder and reused by later runs:
// making 100,000 files takes longer than listing them.
std::string FilesFolder(int count);
std::string SubfoldersFolder(int count);
// An empty folder to move to when leaving a big one.
std::string EmptyFolder();

// The names in `folder` by a raw FindFirstFileA loop, "." and ".." left out.
std::vector<std::string> RawNames(const std::string& folder);
// Bytes of all item ids and names the shell's enumeration gives for `folder`,
// divided by the item count: what an item costs before the list adds to it.
double IdAndNameBytesPerItem(const std::string& folder);

double NowMs();
// Bytes in use in every heap of the process (blocks freed are not counted,
// though the heap may keep them committed).
size_t LiveHeapBytes();
double Median(std::vector<double> values);

// Runs window messages until `done` holds; false after `limitMs`.
bool PumpUntil(const std::function<bool()>& done, double limitMs);

}  // namespace panorell::bench
