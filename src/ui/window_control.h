// What the procedures and handlers may do to the window beyond editing the
// model: run its timers and close it.
#pragma once

#include "ui/form_model.h"

namespace nuv {

struct Program;

// Starts or stops one of the five timers, in the model and on the event loop.
void SetTimerEnabled(Program& program, TimerId timer, bool enabled);

// Closes the main window: runs FormClose once (a second request does nothing
// more), fires no further timers and ends the event loop. The caller's
// handler runs on to its end.
void CloseMainWindow(Program& program);

}  // namespace nuv
