#pragma once
// Start-up timestamps, for finding where the start-up's time goes. With the
// environment variable CORVELLA_STARTUP_TRACE naming a file, each mark appends
// a line "<ms since the process was created> <step>" to it; without the
// variable a mark costs one test of a flag and writes nothing.
namespace corvella {

void MarkStartup(const char* step);

}  // namespace corvella
