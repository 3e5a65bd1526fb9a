#include <gtest/gtest.h>

#include "app/config_file.h"
#include "app/integer_conversion.h"
#include "app/program_fixture.h"

namespace nuv {
namespace {

using testing::ProgramFixture;

TEST(ConfigFile, PathIsBesideTheExecutable) {
    ProgramFixture f;
    f.virtualHost.host.workDir = "/somewhere/else/";
    EXPECT_EQ(ConfigFilePath(*f.program), f.folder.path() + "DRAV.ini");
}

TEST(ConfigFile, WithoutFileEverythingKeepsItsBuiltInValue) {
    ProgramFixture f;
    ReadDisplayKeys(*f.program);
    ReadAllSettings(*f.program);
    const Settings& s = f.program->settings;
    const Settings builtIn;
    EXPECT_EQ(s.DelayMs, 2000);
    EXPECT_EQ(s.CloseOnPass, 1);
    EXPECT_EQ(s.CloseOnFail, 0);
    EXPECT_EQ(s.ReportId, 0x5A);
    EXPECT_EQ(s.MaxScanDevice, 256);
    EXPECT_EQ(s.MaxStateCount, 10);
    EXPECT_EQ(s.SpecialBinSizeKb, 126);
    EXPECT_EQ(s.DefaultPatch, 1);
    EXPECT_EQ(s.MainTargetPID, 0);
    EXPECT_EQ(s.MainHWid, "USB\\VID_1EE9&PID_5150");
    EXPECT_EQ(s.BootHWid, "USB\\VID_1EE9&PID_51DB");
    EXPECT_EQ(s.ProgramName, "NUVDravFlasher");
    EXPECT_EQ(s.ExtraHWids, builtIn.ExtraHWids);
    EXPECT_EQ(s.ProjectNames, builtIn.ProjectNames);
    EXPECT_EQ(s.OtherHWids, builtIn.OtherHWids);
}

TEST(ConfigFile, ConvertsEachKindOfNumber) {
    const struct {
        const char* file;
        int32_t delayMs, mainTargetPid;
        uint8_t reportId;
    } cases[] = {
        {"[DELAY]\nMSEC =  500  \n", 500, 0, 0x5A},
        {"[delay]\nmsec=$1F4\n", 500, 0, 0x5A},
        {"[MAIN]\nREPORTID=0x5B\n", 2000, 0, 0x5B},
        {"[MAIN]\nREPORTID=347\n", 2000, 0, 0x5B},
        {"[MAIN]\nREPORTID=-1\n", 2000, 0, 0xFF},
        {"[OPTION]\nMAINTARGETPID=5150\n", 2000, 0x5150, 0x5A},
        {"[OPTION]\nMAINTARGETPID=6a0c\n", 2000, 0x6A0C, 0x5A},
    };
    for (const auto& c : cases) {
        ProgramFixture f;
        f.WriteConfig(c.file);
        ReadAllSettings(*f.program);
        EXPECT_EQ(f.program->settings.DelayMs, c.delayMs) << c.file;
        EXPECT_EQ(f.program->settings.MainTargetPID, c.mainTargetPid) << c.file;
        EXPECT_EQ(f.program->settings.ReportId, c.reportId) << c.file;
    }
}

TEST(ConfigFile, MalformedNumberStopsTheReadingAtThatKey) {
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"[DELAY]\nMSEC=\n[CLOSEAPP]\nPASS=0\n", "'' is not a valid integer value"},
        {"[DELAY]\nMSEC=2s\n[CLOSEAPP]\nPASS=0\n", "'2s' is not a valid integer value"},
        {"[OPTION]\nMAINTARGETPID=0x5150\n[MAIN]\nREPORTID=1\n", "'0x0x5150' is not a valid integer value"},
        {"[OPTION]\nMAINTARGETPID=\n[MAIN]\nREPORTID=1\n", "'0x' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        ProgramFixture f;
        f.WriteConfig(c.file);
        try {
            ReadAllSettings(*f.program);
            ADD_FAILURE() << c.file;
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_EQ(f.program->settings.CloseOnPass, 1) << "keys after the bad one stay";
        EXPECT_EQ(f.program->settings.ReportId, 0x5A);
    }
}

TEST(ConfigFile, MissingKeysKeepTheEarlierRunsValuesButTablesEmpty) {
    ProgramFixture f;
    f.WriteConfig(
        "[MAIN]\r\nHWID=USB\\VID_1EE9&PID_6A0C\r\nHWID1=a\r\nHWID2=b\r\nHWID4=d\r\n"
        "[DELAY]\r\nMSEC=700\r\n[OPTION]\r\nMAINTARGETPID=5150\r\nPELMORA_OTHERHWID16=z\r\n");
    ReadAllSettings(*f.program);
    Settings& s = f.program->settings;
    EXPECT_EQ(s.ExtraHWids[0], "a");
    EXPECT_EQ(s.ExtraHWids[1], "b");
    EXPECT_EQ(s.ExtraHWids[2], "");
    EXPECT_EQ(s.ExtraHWids[3], "d");
    EXPECT_EQ(s.OtherHWids[15], "z");

    f.WriteConfig("[MAIN]\r\nHWID2=b\r\n");
    ReadAllSettings(*f.program);
    EXPECT_EQ(s.MainHWid, "USB\\VID_1EE9&PID_6A0C");
    EXPECT_EQ(s.DelayMs, 700);
    EXPECT_EQ(s.MainTargetPID, 0x5150);
    EXPECT_EQ(s.ExtraHWids[0], "");
    EXPECT_EQ(s.ExtraHWids[1], "b");
    EXPECT_EQ(s.OtherHWids[15], "");
}

TEST(ConfigFile, SwitchesApplyBetweenClosingRulesAndTheRest) {
    const struct {
        std::vector<std::string> args;
        const char* file;
        int32_t closeOnPass, closeOnFail;
    } cases[] = {
        {{"/S"}, "[CLOSEAPP]\nPASS=0\nFAIL=0\n", 1, 1},
        {{"/S"}, "[CLOSEAPP]\nPASS=0\nFAIL=0\n[DEVICE]\nDOCKINGBURN=1\n", 0, 0},
        {{}, "[CLOSEAPP]\nPASS=0\nFAIL=1\n", 0, 1},
        {{}, "[CLOSEAPP]\nPASS=1\nFAIL=1\n[DEVICE]\nDOCKINGBURN=1\n", 0, 0},
        {{}, "[CLOSEAPP]\nPASS=1\nFAIL=1\n[DEVICE]\nDOCKINGBURN=2\n", 1, 1},
    };
    for (const auto& c : cases) {
        ProgramFixture f(c.args);
        f.WriteConfig(c.file);
        ReadAllSettings(*f.program);
        EXPECT_EQ(f.program->settings.CloseOnPass, c.closeOnPass) << c.file;
        EXPECT_EQ(f.program->settings.CloseOnFail, c.closeOnFail) << c.file;
    }
}

TEST(ConfigFile, SwitchesWaitForTheKeysBeforeThem) {
    ProgramFixture f({"/VF"});
    f.WriteConfig("[DELAY]\nMSEC=bad\n");
    EXPECT_THROW(ReadAllSettings(*f.program), ConversionError);
    EXPECT_EQ(f.program->settings.SwitchMode, 0);
    f.WriteConfig("[OPTION]\nKILLTASK=bad\n");
    EXPECT_THROW(ReadAllSettings(*f.program), ConversionError);
    EXPECT_EQ(f.program->settings.SwitchMode, 1);
}

TEST(ConfigFile, DisplayKeys) {
    ProgramFixture f;
    f.WriteConfig("[message]\nenable=1\n[OPTION]\nTITLENAME=  \"My Tool\"  \n[DELAY]\nMSEC=1\n");
    ReadDisplayKeys(*f.program);
    EXPECT_EQ(f.program->settings.ShowTrace, 1);
    EXPECT_EQ(f.program->settings.ProgramName, "My Tool");
    EXPECT_EQ(f.program->settings.DelayMs, 2000);
}

}  // namespace
}  // namespace nuv
