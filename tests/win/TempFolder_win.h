#pragma once
// A fresh folder under the Windows temp folder, removed with its files when
// the test ends, so tests leave no state behind and depend on no fixed path.
#include <string>

namespace corvella::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

    void WriteFile(const std::string& name, const std::string& bytes) const;
    std::string ReadFile(const std::string& name) const;

private:
    std::string path_;
};

}  // namespace corvella::testing
