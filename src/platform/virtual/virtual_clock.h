// Virtual time for tests and --virtual-time runs: sleeping advances the
// counter at once, so hours of ticks cost microseconds.
#pragma once

#include "platform/host.h"

namespace nuv {

class VirtualClock : public Clock {
public:
    explicit VirtualClock(uint32_t startTick = 0, LocalTime startTime = {2026, 12, 9, 16, 5, 9})
        : tick_(startTick), startTick_(startTick), startTime_(startTime) {}

    uint32_t TickCount() override { return tick_; }
    void Sleep(uint32_t ms) override { tick_ += ms; }
    LocalTime Now() override;

    void Advance(uint32_t ms) { tick_ += ms; }
    void SetStartTime(LocalTime time) { startTime_ = time; startTick_ = tick_; }

private:
    uint32_t tick_;
    uint32_t startTick_;
    LocalTime startTime_;
};

}  // namespace nuv
