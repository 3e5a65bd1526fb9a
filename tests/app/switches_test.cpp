#include <gtest/gtest.h>

#include <algorithm>

#include "app/program_fixture.h"
#include "app/switches.h"

namespace nuv {
namespace {

using testing::ProgramFixture;

struct SwitchCase {
    std::vector<std::string> args;
    const char* switchText;
    int result;
    std::string value;
};

TEST(FindSwitch, MatchesUpperCasedPrefixesOfTheFirstFittingArgument) {
    const SwitchCase cases[] = {
        {{}, "/S", -1, ""},
        {{"/s"}, "/S", 0, ""},
        {{"/Ffw.bin"}, "/F", 6, "FW.BIN"},
        {{"/Fa.bin", "/Fb.bin"}, "/F", 5, "A.BIN"},
        {{"/F", "firmware.bin"}, "/F", 0, ""},
        {{"/Fx"}, "/F", 1, "X"},
        {{"fw.bin", "/vf"}, "/VF", 0, ""},
        {{"/VF"}, "/V", 1, "F"},
        {{"/Fcaf\xE9.bin"}, "/F", 8, "CAF\xE9.BIN"},
        {{"--simulate=/S/x", "/S"}, "/S", 0, ""},
        {{"--simulate=hub.ini", "--virtual-time"}, "/S", -1, ""},
    };
    for (const SwitchCase& c : cases) {
        ProgramFixture f(c.args);
        SwitchValueBuffer buffer{};
        EXPECT_EQ(FindSwitch(*f.program, c.switchText, &buffer), c.result) << c.switchText;
        EXPECT_EQ(std::string(buffer.data()), c.value) << c.switchText;
    }
}

TEST(FindSwitch, CutsLongValuesAndCopiesNothingWithoutABuffer) {
    ProgramFixture f({"/F" + std::string(400, 'a')});
    SwitchValueBuffer buffer{};
    EXPECT_EQ(FindSwitch(*f.program, "/F", &buffer), 255);
    EXPECT_EQ(std::string(buffer.data()), std::string(255, 'A'));
    EXPECT_EQ(buffer.back(), '\0');
    EXPECT_EQ(FindSwitch(*f.program, "/F", nullptr), 255);
}

TEST(ApplySwitches, SetsSwitchModeAndClosingRules) {
    const struct {
        std::vector<std::string> args;
        int32_t dockingBurn;
        int32_t switchMode, closeOnPass, closeOnFail;
    } cases[] = {
        {{}, 0, 0, 1, 0},
        {{"/S"}, 0, 0, 1, 1},
        {{"/S"}, 1, 0, 0, 0},
        {{}, 1, 0, 0, 0},
        {{"/VF"}, 0, 1, 1, 0},
        {{"/VF", "/ERASE"}, 0, 2, 1, 0},
        {{"/erase", "/vf"}, 0, 2, 1, 0},
    };
    for (const auto& c : cases) {
        ProgramFixture f(c.args);
        Settings& s = f.program->settings;
        s.CloseOnPass = 1;
        s.CloseOnFail = 0;
        s.DockingBurn = c.dockingBurn;
        ApplySwitches(*f.program);
        EXPECT_EQ(s.SwitchMode, c.switchMode);
        EXPECT_EQ(s.CloseOnPass, c.closeOnPass);
        EXPECT_EQ(s.CloseOnFail, c.closeOnFail);
    }
}

TEST(ApplySwitches, NeverResetsSwitchMode) {
    ProgramFixture f;
    f.program->settings.SwitchMode = 2;
    ApplySwitches(*f.program);
    EXPECT_EQ(f.program->settings.SwitchMode, 2);
}

}  // namespace
}  // namespace nuv
