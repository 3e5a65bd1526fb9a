#pragma once

#include <cstdint>

namespace nuv {

struct Program;

// The process exit code at the end: with RETURNCODETYPE 1 every non-zero
// ExitCode becomes 3 (ExitCode is updated too).
uint32_t ProcessExitCode(Program& program);

}  // namespace nuv
