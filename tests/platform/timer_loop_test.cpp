#include <gtest/gtest.h>

#include "platform/virtual/virtual_host.h"

namespace nuv {
namespace {

TEST(TimerLoop, CoalescesTicksMissedDuringPlainSleep) {
    VirtualClock clock;
    TimerLoop loop(clock);
    std::vector<uint32_t> ticks;
    loop.SetDispatcher([&](const WindowEvent& e) {
        if (e.kind == EventKind::TimerTick) ticks.push_back(clock.TickCount());
    });
    loop.StartTimer(1, 100);
    clock.Sleep(550);
    loop.HandlePendingEvents();
    loop.HandlePendingEvents();
    EXPECT_EQ(ticks, (std::vector<uint32_t>{550}));
    loop.RunUntil(600);
    EXPECT_EQ(ticks, (std::vector<uint32_t>{550, 600}));
}

}  // namespace
}  // namespace nuv
