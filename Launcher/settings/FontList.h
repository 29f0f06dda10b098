#pragma once
#include <string>
#include <vector>

namespace corvella {

// Sorts list[low..high] in place by character codes: a Hoare quicksort with
// the pivot at (low + high) / 2 rounded to the nearest index, halves to even.
void SortTexts(std::vector<std::string>& list, int low, int high);

// The installed font families, sorted; positions 1..n hold the face names
// (position 0 is empty, so that positions match the numbering users of the
// list expect).
std::vector<std::string> BuildFontList(const std::vector<std::string>& faceNames);

}  // namespace corvella
