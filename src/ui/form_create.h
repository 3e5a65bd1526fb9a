#pragma once

namespace nuv {

struct Program;

constexpr unsigned kKeepAwake = 0x80000043u;      // continuous, system, display, away mode
constexpr unsigned kKeepAwakeEnd = 0x80000000u;   // continuous only

// The window's creation handler: keep-awake, display keys, caption, compact layout.
// A malformed display key stops it at that key.
void FormCreate(Program& program);

// Creates the main window: starts the timers enabled at design (Timer4) and
// runs FormCreate under the framework's error display.
void CreateMainWindow(Program& program);

}  // namespace nuv
