#include <gtest/gtest.h>

#include <vector>

#include "app/program_fixture.h"
#include "app/readback_dump.h"
#include "app/result_log.h"
#include "app/version_record.h"

namespace nuv {
namespace {

using testing::ProgramFixture;

TEST(ResultLog, NameComesFromTheLocalTime) {
    EXPECT_EQ(ResultLogName({2026, 12, 9, 16, 5, 9}), "NUVDRAVlog20261209160509.txt");
    EXPECT_EQ(ResultLogName({2027, 1, 2, 3, 4, 5}), "NUVDRAVlog20270102030405.txt");
}

TEST(ResultLog, HoldsTheOperatorMessagesWithCrLf) {
    ProgramFixture f;
    f.virtualHost.clock.SetStartTime({2026, 12, 9, 16, 5, 9});
    LineLog& messages = f.program->form.OperatorMessages;
    messages.Clear();
    messages.Append("New OEM Version: 1.2\n");
    messages.Append("");
    messages.Append("caf\xE9 Success");
    SaveResultLog(*f.program);
    EXPECT_EQ(f.folder.Read("NUVDRAVlog20261209160509.txt"),
              "New OEM Version: 1.2\n\r\n\r\ncaf\xE9 Success\r\n");
}

TEST(ResultLog, SecondSaveInTheSameSecondReplacesTheFirst) {
    ProgramFixture f;
    f.virtualHost.clock.SetStartTime({2026, 12, 9, 16, 5, 9});
    LineLog& messages = f.program->form.OperatorMessages;
    messages.Clear();
    messages.Append("first run with a longer line");
    SaveResultLog(*f.program);
    f.virtualHost.clock.Advance(900);
    messages.Clear();
    messages.Append("Failure");
    SaveResultLog(*f.program);
    EXPECT_EQ(f.folder.Read("NUVDRAVlog20261209160509.txt"), "Failure\r\n");
    f.virtualHost.clock.Advance(100);
    SaveResultLog(*f.program);
    EXPECT_TRUE(f.folder.Exists("NUVDRAVlog20261209160510.txt"));
}

TEST(ResultLog, UnwritableFolderIsTracedAndNothingElseIsLost) {
    ProgramFixture f;
    f.virtualHost.host.exeDir = f.folder.path() + "missing/";
    f.virtualHost.host.workDir = f.folder.path() + "missing/";
    f.program->form.DiagnosticTrace.Append("earlier line");
    SaveResultLog(*f.program);
    SaveTraceFile(*f.program);
    WriteReadBackDump(*f.program, std::vector<uint8_t>{1, 2, 3});
    const std::vector<std::string>& trace = f.program->form.DiagnosticTrace.lines;
    ASSERT_EQ(trace.size(), 4u);
    EXPECT_EQ(trace[0], "earlier line");
    const std::string expectedTargets[] = {f.folder.path() + "missing/NUVDRAVlog20261209160509.txt",
                                           f.folder.path() + "missing/Mesaage.log",
                                           f.folder.path() + "missing/flashbin.000"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(trace[i + 1].rfind("Cannot write " + expectedTargets[i] + " - ", 0), 0u) << trace[i + 1];
        EXPECT_GT(trace[i + 1].size(), ("Cannot write " + expectedTargets[i] + " - ").size());
    }
    EXPECT_EQ(f.program->form.OperatorMessages.lines, std::vector<std::string>{"Initialization ..."});
}

TEST(TraceFile, ReplacesMesaageLogWithTheWholeTrace) {
    ProgramFixture f;
    f.folder.Write("Mesaage.log", "an older and longer trace file\r\n");
    f.program->form.DiagnosticTrace.Append("Find 1 NUV SensorHub.\n");
    f.program->form.DiagnosticTrace.Append("failed HidD_SetFeature - 31");
    SaveTraceFile(*f.program);
    EXPECT_EQ(f.folder.Read("Mesaage.log"), "Find 1 NUV SensorHub.\n\r\nfailed HidD_SetFeature - 31\r\n");
}

TEST(VersionRecord, WritesFwVerAlsoWhenEmpty) {
    ProgramFixture f;
    WriteFirmwareVersionRecord(*f.program, "NUV-FW 1.07");
    EXPECT_EQ(f.virtualHost.records.values.at("SOFTWARE\\NUV\\DRAV\\FWVer"), "NUV-FW 1.07");
    WriteFirmwareVersionRecord(*f.program, "");
    EXPECT_EQ(f.virtualHost.records.values.at("SOFTWARE\\NUV\\DRAV\\FWVer"), "");
}

TEST(VersionRecord, RefusedWriteIsTraced) {
    ProgramFixture f;
    f.virtualHost.records.failingKeys["SOFTWARE\\NUV\\DRAV"] = true;
    WriteFirmwareVersionRecord(*f.program, "x");
    EXPECT_EQ(f.program->form.DiagnosticTrace.lines,
              std::vector<std::string>{"Cannot write HKEY_LOCAL_MACHINE\\SOFTWARE\\NUV\\DRAV\\FWVer - access denied"});
}

TEST(ReadBackDump, HoldsExactlyTheBytesInTheWorkingFolder) {
    ProgramFixture f;
    f.virtualHost.host.workDir = f.folder.MakeFolder("work");
    std::vector<uint8_t> first(0x2400, 0xFF);
    first[0] = 0;
    first[0x90] = '\r';
    first[0x91] = '\n';
    WriteReadBackDump(*f.program, first);
    const std::vector<uint8_t> second = {0x00, 0x0A, 0x1A, 0xFF};
    WriteReadBackDump(*f.program, second);
    EXPECT_EQ(f.folder.Read("work/flashbin.000"), std::string("\x00\x0A\x1A\xFF", 4));
    EXPECT_FALSE(f.folder.Exists("flashbin.000"));
}

}  // namespace
}  // namespace nuv
