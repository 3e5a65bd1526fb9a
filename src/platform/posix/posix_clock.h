#pragma once

#include "platform/host.h"

namespace nuv {

// Monotonic milliseconds wrapping at 32 bits, real sleeps, the local time.
class PosixClock : public Clock {
public:
    uint32_t TickCount() override;
    void Sleep(uint32_t ms) override;
    LocalTime Now() override;
};

}  // namespace nuv
