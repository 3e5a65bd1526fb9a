// Window events to the handlers of Form1.
#pragma once

#include <functional>

#include "platform/host.h"

namespace nuv {

struct Program;

// Runs one handler; an exception that escapes it is shown and the handler's
// remaining steps are skipped.
void RunHandler(Program& program, const std::function<void()>& handler);

// The loop's dispatcher: timer ticks, clicks on enabled and visible buttons,
// keys, and the title-bar close.
void DispatchWindowEvent(Program& program, const WindowEvent& event);

}  // namespace nuv
