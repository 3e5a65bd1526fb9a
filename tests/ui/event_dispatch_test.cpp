#include <gtest/gtest.h>

#include <stdexcept>

#include "app/program_fixture.h"
#include "device/wait_helper.h"
#include "ui/event_dispatch.h"
#include "ui/form_keys.h"

namespace nuv {
namespace {

using testing::ProgramFixture;

TEST(EventDispatch, EscapingErrorIsShownAndSkipsTheRestOfTheHandler) {
    ProgramFixture f;
    int steps = 0;
    RunHandler(*f.program, [&] {
        ++steps;
        throw std::runtime_error("'x' is not a valid integer value");
        ++steps;
    });
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(f.virtualHost.system.stderrText, "'x' is not a valid integer value\n");
    EXPECT_EQ(f.program->form.DiagnosticTrace.lines, std::vector<std::string>{"'x' is not a valid integer value"});
}

TEST(EventDispatch, KeysReachTheFormAlsoDuringAWait) {
    ProgramFixture f;
    Program& p = *f.program;
    f.virtualHost.loop.SetDispatcher([&](const WindowEvent& e) { DispatchWindowEvent(p, e); });
    f.virtualHost.loop.ScheduleInput(30, {EventKind::KeyDown, 0, "", kCtrlKey});
    f.virtualHost.loop.ScheduleInput(60, {EventKind::KeyUp, 0, "", 65});
    WaitWithEvents(p, 100);
    EXPECT_EQ(p.CtrlHeld, 1);
    f.virtualHost.loop.ScheduleInput(130, {EventKind::KeyUp, 0, "", kCtrlKey});
    WaitWithEvents(p, 100);
    EXPECT_EQ(p.CtrlHeld, 0);
}

TEST(EventDispatch, TitleBarCloseRunsFormCloseOnceAndEndsTheLoop) {
    ProgramFixture f;
    Program& p = *f.program;
    f.virtualHost.loop.SetDispatcher([&](const WindowEvent& e) { DispatchWindowEvent(p, e); });
    f.virtualHost.loop.StartTimer(kTimer2, 500);
    f.virtualHost.loop.ScheduleInput(700, {EventKind::CloseRequest, 0, "", 0});
    f.virtualHost.loop.ScheduleInput(700, {EventKind::CloseRequest, 0, "", 0});
    f.virtualHost.loop.RunUntilClosed();
    EXPECT_TRUE(p.form.closed);
    EXPECT_EQ(f.virtualHost.clock.TickCount(), 700u);
    EXPECT_EQ(f.virtualHost.system.executionStates, std::vector<uint32_t>{0x80000000u});
    EXPECT_EQ(p.form.Panel1.colour, colours::kCream) << "one blink tick at 500, none after the close";
    EXPECT_FALSE(f.virtualHost.loop.TimerRunning(kTimer2) || p.form.timers[kTimer2].enabled);
}

}  // namespace
}  // namespace nuv
