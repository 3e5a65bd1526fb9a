#include <gtest/gtest.h>

#include "app/entry.h"
#include "app/exit_code.h"
#include "app/program_fixture.h"
#include "ui/form_create.h"

namespace nuv {
namespace {

using testing::ProgramFixture;

TEST(Entry, HeadlessRunWithoutConfigurationEndsWithZeroInVirtualMilliseconds) {
    ProgramFixture f;
    EXPECT_EQ(RunProgram(*f.program), 0u);
    EXPECT_TRUE(f.program->form.closed);
    EXPECT_TRUE(f.virtualHost.loop.Ended());
    EXPECT_LE(f.virtualHost.clock.TickCount(), 1000u);
    EXPECT_EQ(f.virtualHost.system.executionStates, (std::vector<uint32_t>{kKeepAwake, kKeepAwakeEnd}));
    EXPECT_EQ(f.program->form.caption, "NUVDravFlasher v2.7.5");
    EXPECT_TRUE(f.program->form.shown);
    EXPECT_EQ(f.virtualHost.system.stderrText, "");
}

TEST(Entry, FreshContextOnTheHost) {
    ProgramFixture f({"/s"});
    EXPECT_EQ(RunProgram(f.virtualHost.host), 0u);
    EXPECT_TRUE(f.virtualHost.loop.Ended());
}

TEST(Entry, SilentSwitchHidesTheWindow) {
    ProgramFixture f({"/s"});
    RunProgram(*f.program);
    EXPECT_FALSE(f.program->form.shown);
}

TEST(ProcessExitCode, ReturnCodeTypeMapsEveryNonZeroCodeToThree) {
    const struct {
        int32_t returnCodeType;
        uint8_t exitCode;
        uint32_t processCode;
    } cases[] = {
        {1, 35, 3}, {1, 0, 0}, {1, 255, 3}, {0, 35, 35}, {2, 35, 35}, {0, 0xA3, 0xA3},
    };
    for (const auto& c : cases) {
        ProgramFixture f;
        f.program->settings.ReturnCodeType = c.returnCodeType;
        f.program->ExitCode = c.exitCode;
        EXPECT_EQ(ProcessExitCode(*f.program), c.processCode);
        EXPECT_EQ(f.program->ExitCode, c.processCode);
    }
}

TEST(Entry, MalformedEnableIsShownAndTheRunStillEnds) {
    ProgramFixture f;
    f.WriteConfig("[MESSAGE]\nENABLE=on\n");
    EXPECT_EQ(RunProgram(*f.program), 0u);
    EXPECT_EQ(f.virtualHost.system.stderrText, "'on' is not a valid integer value\n");
    EXPECT_EQ(f.program->form.caption, "v2.7.5");
    EXPECT_TRUE(f.program->form.closed);
}

}  // namespace
}  // namespace nuv
