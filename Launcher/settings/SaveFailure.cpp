#include "SaveFailure.h"

#include "Startup.h"

namespace corvella {

std::string SaveFailureMessage(const std::string& folder) {
    return "Corvella cannot save its settings in\n" + folder +
           "\n\nThe folder or Corvella.ini in it cannot be written: it may be read-only or full, held open by "
           "another program, or a folder under Program Files that needs administrator rights.\n\n"
           "Corvella goes on working, but changes made from now on are lost when it ends unless the folder "
           "can be written again before then.";
}

void SaveFailureNotice::Report(const std::string& folder) {
    if (shown_) return;
    // Set first: the message box lets other events run, and they may save.
    shown_ = true;
    dialogs_.ShowMessage(SaveFailureMessage(folder), MessageButtons::Ok, kProgramTitle);
}

}  // namespace corvella
