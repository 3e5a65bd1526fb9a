// The real clock and the event loop on it. These are the only tests that
// wait in real time, a few tens of milliseconds in all.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_loop.h"

namespace nuv {
namespace {

TEST(Win32ClockTest, TickCountIsTheSystemCounter) {
    Win32Clock clock;
    const uint32_t before = static_cast<uint32_t>(::GetTickCount64());
    const uint32_t tick = clock.TickCount();
    const uint32_t after = static_cast<uint32_t>(::GetTickCount64());
    // Compared in wrapping arithmetic, as every user of the counter does.
    EXPECT_LE(tick - before, after - before);
}

TEST(Win32ClockTest, SleepLetsTheCounterMoveOn) {
    Win32Clock clock;
    const uint32_t start = clock.TickCount();
    clock.Sleep(64);
    const uint32_t passed = clock.TickCount() - start;
    // The counter moves in steps of 10 to 16 ms (Wine's lags up to two steps).
    EXPECT_GE(passed, 32u);
    EXPECT_LT(passed, 2000u);
}

TEST(Win32ClockTest, LocalTimeIsPlausible) {
    const LocalTime now = Win32Clock().Now();
    EXPECT_GE(now.year, 2020);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);
    EXPECT_LE(now.hour, 23);
    EXPECT_LE(now.minute, 59);
    EXPECT_LE(now.second, 59);
}

TEST(Win32EventLoopTest, TimerFiresInRealTimeAndHeadlessRunCloses) {
    Win32Clock clock;
    Win32EventLoop loop(clock);
    std::vector<EventKind> seen;
    const uint32_t start = clock.TickCount();
    loop.SetDispatcher([&](const WindowEvent& event) {
        seen.push_back(event.kind);
        if (event.kind == EventKind::TimerTick && seen.size() == 3) loop.StopTimer(7);
    });
    loop.StartTimer(7, 10);
    loop.RunUntilClosed();
    const uint32_t passed = clock.TickCount() - start;
    const std::vector<EventKind> expected = {EventKind::TimerTick, EventKind::TimerTick,
                                             EventKind::TimerTick, EventKind::CloseRequest};
    EXPECT_EQ(seen, expected);
    EXPECT_GE(passed, 20u);
    EXPECT_LT(passed, 2000u);
    EXPECT_TRUE(loop.Ended());
}

}  // namespace
}  // namespace nuv
