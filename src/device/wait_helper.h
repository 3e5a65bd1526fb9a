#pragma once

#include <cstdint>

namespace nuv {

struct Program;

// Waits ms milliseconds on the host's tick counter while handling window
// events; returns the ticks that passed, one more than requested or more.
uint32_t WaitWithEvents(Program& program, uint32_t ms);

}  // namespace nuv
