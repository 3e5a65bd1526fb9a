#pragma once

#include <cstdint>

namespace nuv {

struct Program;

// Waits ms milliseconds on the host's tick counter while handling window
// events; returns the ticks that passed, one more than requested or more.
// A request beyond 2^31 - 1 ms (a negative delay passed on) waits as 0 ms.
uint32_t WaitWithEvents(Program& program, uint32_t ms);

}  // namespace nuv
