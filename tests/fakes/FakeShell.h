#pragma once
// The shell port in memory: short paths and folders from tables (keys in
// lower case), every start and copy recorded in the call log.
#include <map>
#include <set>

#include "FakePorts.h"
#include "launch/LaunchPorts.h"
#include "settings/ProfileText.h"

namespace corvella::testing {

class FakeShell final : public Shell {
public:
    explicit FakeShell(CallLog& log) : log_(log) {}
    bool Open(const std::string& f, const std::string& p, const std::string& d) override {
        log_.push_back("open [" + f + "] [" + p + "] [" + d + "]");
        return true;
    }
    void StartCommand(const std::string& c) override { log_.push_back("start [" + c + "]"); }
    void PlaySound(const std::string& p) override { log_.push_back("play [" + p + "]"); }
    std::string ShortPath(const std::string& p) override {
        auto it = shortPaths.find(LowerCase(p));
        return it == shortPaths.end() ? std::string() : it->second;
    }
    bool IsFolder(const std::string& p) override { return folders.count(LowerCase(p)) > 0; }
    CopyResult CopyInto(const std::string& sources, const std::string& folder) override {
        log_.push_back("copy [" + std::to_string(sources.size()) + " bytes] into [" + folder + "]");
        return copyResult;
    }
    std::map<std::string, std::string> shortPaths;  // keys in lower case
    std::set<std::string> folders;
    CopyResult copyResult;

private:
    CallLog& log_;
};

}  // namespace corvella::testing
