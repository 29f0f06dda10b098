#include "FontList.h"

#include <cmath>
#include <utility>

namespace corvella {

void SortTexts(std::vector<std::string>& list, int low, int high) {
    if (low >= high) return;
    const int middle = static_cast<int>(std::nearbyint((low + high) / 2.0));
    const std::string pivot = list[middle];
    int i = low, j = high;
    while (i <= j) {
        while (list[i] < pivot && i < high) ++i;
        while (pivot < list[j] && j > low) --j;
        if (i <= j) {
            std::swap(list[i], list[j]);
            ++i;
            --j;
        }
    }
    if (low < j) SortTexts(list, low, j);
    if (i < high) SortTexts(list, i, high);
}

std::vector<std::string> BuildFontList(const std::vector<std::string>& faceNames) {
    std::vector<std::string> list;
    list.reserve(faceNames.size() + 1);
    list.emplace_back();
    list.insert(list.end(), faceNames.begin(), faceNames.end());
    SortTexts(list, 1, static_cast<int>(faceNames.size()));
    return list;
}

}  // namespace corvella
