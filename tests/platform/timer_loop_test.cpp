#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "app/program_fixture.h"
#include "device/wait_helper.h"
#include "platform/virtual/virtual_host.h"

namespace nuv {
namespace {

using testing::ProgramFixture;

// What a dispatcher saw: (tick, timer id or -key code) in order.
using Seen = std::vector<std::pair<uint32_t, int>>;

int Label(const WindowEvent& e) { return e.kind == EventKind::TimerTick ? e.timerId : -e.keyCode; }

WindowEvent Key(int code) {
    WindowEvent e;
    e.kind = EventKind::KeyDown;
    e.keyCode = code;
    return e;
}

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

TEST(TimerLoop, TimerDueBehindALongHandlerFiresOnceAfterIt) {
    VirtualClock clock;
    TimerLoop loop(clock);
    Seen seen;
    loop.SetDispatcher([&](const WindowEvent& e) {
        seen.emplace_back(clock.TickCount(), Label(e));
        if (seen.size() == 1) clock.Sleep(1000);
    });
    loop.StartTimer(1, 100);
    loop.StartTimer(2, 100);
    loop.RunUntil(1250);
    EXPECT_EQ(seen, (Seen{{100, 1}, {1100, 2}, {1100, 1}, {1200, 1}, {1200, 2}}));
}

TEST(TimerLoop, DueEventsFireOldestFirstWithTimersBeforeInputOnTies) {
    VirtualClock clock;
    TimerLoop loop(clock);
    Seen seen;
    loop.SetDispatcher([&](const WindowEvent& e) { seen.emplace_back(clock.TickCount(), Label(e)); });
    loop.StartTimer(1, 300);
    loop.StartTimer(5, 200);
    loop.StartTimer(3, 100);
    loop.StartTimer(2, 200);
    loop.ScheduleInput(200, Key(17));
    loop.ScheduleInput(150, Key(65));
    clock.Sleep(1000);
    loop.HandlePendingEvents();
    EXPECT_EQ(seen, (Seen{{1000, 3}, {1000, -65}, {1000, 2}, {1000, 5}, {1000, -17}, {1000, 1}}));
}

TEST(TimerLoop, NothingLeftToHappenClosesTheWindow) {
    VirtualClock clock;
    TimerLoop loop(clock);
    Seen seen;
    loop.SetDispatcher([&](const WindowEvent& e) {
        seen.emplace_back(clock.TickCount(), e.kind == EventKind::CloseRequest ? 0 : Label(e));
        if (e.kind == EventKind::TimerTick) loop.StopTimer(e.timerId);
    });
    loop.StartTimer(4, 100);
    loop.ScheduleInput(2500, Key(17));
    loop.RunUntilClosed();
    EXPECT_EQ(seen, (Seen{{100, 4}, {2500, -17}, {2500, 0}}));
    EXPECT_TRUE(loop.Ended());
}

TEST(WaitHelper, ReturnsOneMoreThanRequestedOrMore) {
    const struct {
        uint32_t ms;
        uint32_t sleepInTick;
        uint32_t passed;
    } cases[] = {{0, 0, 1}, {100, 0, 101}, {2000, 0, 2001}, {100, 500, 550}};
    for (const auto& c : cases) {
        ProgramFixture f;
        VirtualHost& vh = f.virtualHost;
        vh.loop.StartTimer(1, 50);
        vh.loop.SetDispatcher([&](const WindowEvent&) { vh.clock.Sleep(c.sleepInTick); });
        EXPECT_EQ(WaitWithEvents(*f.program, c.ms), c.passed) << c.ms << " " << c.sleepInTick;
    }
}

TEST(WaitHelper, NegativeDelayPassedOnWaitsAsZeroInsteadOfWithoutEnd) {
    for (const int32_t delay : {-1, -2000, INT32_MIN}) {
        ProgramFixture f;
        EXPECT_EQ(WaitWithEvents(*f.program, static_cast<uint32_t>(delay)), 1u) << delay;
    }
    ProgramFixture f;
    EXPECT_EQ(WaitWithEvents(*f.program, 0x7FFFFFFFu), 0x80000000u) << "the longest wait still counts";
}

TEST(WaitHelper, ATickRunsReEntrantlyInsideAnEarlierTickOfTheSameTimer) {
    ProgramFixture f;
    VirtualHost& vh = f.virtualHost;
    Seen seen;   // (tick, nesting depth)
    int depth = 0;
    vh.loop.SetDispatcher([&](const WindowEvent&) {
        ++depth;
        seen.emplace_back(vh.clock.TickCount(), depth);
        if (seen.size() == 1) WaitWithEvents(*f.program, 250);
        --depth;
    });
    vh.loop.StartTimer(1, 100);
    vh.loop.RunUntil(450);
    EXPECT_EQ(seen, (Seen{{100, 1}, {200, 2}, {300, 2}, {400, 1}}));
}

TEST(WaitHelper, InputDueDuringAHandlersWaitIsHandledInsideIt) {
    ProgramFixture f;
    VirtualHost& vh = f.virtualHost;
    Seen seen;
    vh.loop.SetDispatcher([&](const WindowEvent& e) {
        seen.emplace_back(vh.clock.TickCount(), Label(e));
        if (e.kind == EventKind::TimerTick) {
            vh.loop.StopTimer(1);
            WaitWithEvents(*f.program, 100);
        }
    });
    vh.loop.StartTimer(1, 10);
    vh.loop.ScheduleInput(10, Key(17));
    vh.loop.ScheduleInput(60, Key(18));
    vh.loop.RunUntil(500);
    EXPECT_EQ(seen, (Seen{{10, 1}, {10, -17}, {60, -18}}));
}

TEST(WaitHelper, TickCounterWrapIsHarmless) {
    ProgramFixture f({}, 0xFFFFFF9Cu);   // 100 ms before the counter wraps
    VirtualHost& vh = f.virtualHost;
    std::vector<uint32_t> ticks;
    vh.loop.SetDispatcher([&](const WindowEvent&) { ticks.push_back(vh.clock.TickCount()); });
    vh.loop.StartTimer(1, 60);
    EXPECT_EQ(WaitWithEvents(*f.program, 200), 201u);
    EXPECT_EQ(ticks, (std::vector<uint32_t>{0xFFFFFFD8u, 20u, 80u}));
    EXPECT_EQ(vh.clock.TickCount(), 101u);
}

}  // namespace
}  // namespace nuv
