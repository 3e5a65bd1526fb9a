// The program's entry, independent of the host it runs on.
#pragma once

#include <cstdint>

#include "platform/host.h"

namespace nuv {

struct Program;

// Looks up "/S", creates the main window, runs the event loop until the window
// closes and returns the process exit code (ExitCode mapped by RETURNCODETYPE).
uint32_t RunProgram(Program& program);

// The same on a fresh program context.
uint32_t RunProgram(Host& host);

}  // namespace nuv
