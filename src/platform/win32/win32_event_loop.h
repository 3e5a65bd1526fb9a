// The event loop of the Windows host. Headless for now: nothing but timers can
// arrive, so blocking is a plain sleep until the next due timer. A shown window
// replaces BlockFor with MsgWaitForMultipleObjects on the thread's message
// queue and ExternalInputPossible with "the window is visible".
#pragma once

#include "platform/timer_loop.h"

namespace nuv {

class Win32EventLoop : public TimerLoop {
public:
    using TimerLoop::TimerLoop;

protected:
    void BlockFor(uint32_t ms) override { clock_.Sleep(ms); }
};

}  // namespace nuv
