#pragma once
// A data model with the drop handlers' ports faked: the shell's short paths,
// files in memory, and hooks that record launching, focus and the home return.
#include "FakeFileStreams.h"
#include "FakeShell.h"
#include "ModelHarness.h"
#include "launch/DropHandlers.h"

namespace corvella::testing {

struct DropHarness : ModelHarness {
    explicit DropHarness(std::string ini = {}) : ModelHarness(std::move(ini)) {}

    AddButtonDeps AddDeps() { return {profile, shell, streams, dialogs, "C:\\Corvella"}; }
    DropDeps Deps() {
        return {settings, sections, buttons, model, launch, controls, dialogs, events, AddDeps(),
                [this] { log.push_back("arrange"); },
                [this] { log.push_back("focus tab"); },
                [this] { log.push_back("focus window"); },
                [this](int record, const std::string& documents) {
                    log.push_back("launch " + std::to_string(record) + " [" + documents + "]");
                },
                [this] { log.push_back("home"); },
                [this](int tab) { log.push_back("over tab " + std::to_string(tab)); }};
    }
    // A shortcut lying at `path` (long form) with some content.
    void Shortcut(const std::string& path, const std::string& content = "LNK") {
        streams.files[LowerCase(path)] = content;
    }

    FakeShell shell{log};
    FakeFileStreams streams;
    LaunchState launch;
};

}  // namespace corvella::testing
