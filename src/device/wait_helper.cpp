#include "device/wait_helper.h"

#include "app/program.h"

namespace nuv {

namespace {

// Anything longer can only be a negative configured delay converted to
// unsigned; it is waited as 0 ms rather than for weeks or without end.
constexpr uint32_t kLongestWaitMs = 0x7FFFFFFF;

}  // namespace

uint32_t WaitWithEvents(Program& program, uint32_t ms) {
    if (ms > kLongestWaitMs) ms = 0;
    Clock& clock = program.host.clock;
    EventLoop& loop = program.host.loop;
    const uint32_t start = clock.TickCount();
    uint32_t passed = 0;
    // Unsigned differences make a wrap of the tick counter harmless.
    while ((passed = clock.TickCount() - start) <= ms) {
        loop.HandlePendingEvents();
        passed = clock.TickCount() - start;
        if (passed > ms) break;
        // Block until the next event or the first tick past the wait, never spin.
        loop.WaitForEvents(ms - passed + 1);
    }
    return passed;
}

}  // namespace nuv
