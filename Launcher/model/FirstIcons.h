#pragma once
// The icon files the main window shows first, read straight from the
// settings text, so that they can be looked up before the settings load.
#include <string>
#include <vector>

#include "platform/IniDocument.h"

namespace corvella {

// The icon sources of the buttons of section 1 (the section on show when the
// buttons load), each once, in record order. Records are read as the button
// table reads them: up to the first that ends the table.
std::vector<std::string> FirstSectionIconSources(const IniDocument& settings, const std::string& programFolder);

}  // namespace corvella
