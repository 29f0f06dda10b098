#pragma once
#include <string>

namespace corvella {

// The two icon lists of the main window (large and small icons), filled from
// the shell's icon of any path: FetchIcon draws a path's icons into the two
// pictures, AddFetchedIcon stores the pictures in both lists under a key.
class IconStore {
public:
    virtual ~IconStore() = default;
    virtual void ClearIconLists() = 0;
    virtual void FetchIcon(const std::string& path) = 0;
    virtual void AddFetchedIcon(const std::string& key) = 0;
};

}  // namespace corvella
