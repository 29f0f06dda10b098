#pragma once
// What the user is told when the settings file cannot be written (a read-only
// or full folder, a folder under Program Files without the rights to change
// it, the file held open by another program): once per run, since every later
// save would fail the same way and the launcher goes on working from memory.
#include <string>

#include "../platform/Dialogs.h"

namespace corvella {

std::string SaveFailureMessage(const std::string& folder);

class SaveFailureNotice {
public:
    explicit SaveFailureNotice(Dialogs& dialogs) : dialogs_(dialogs) {}
    void Report(const std::string& folder);

private:
    Dialogs& dialogs_;
    bool shown_ = false;
};

}  // namespace corvella
