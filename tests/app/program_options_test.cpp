#include "app/program_options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/switches.h"
#include "platform/temp_folder.h"
#include "platform/virtual/virtual_host.h"

namespace nuv {
namespace {

using testing::TempFolder;

TEST(ProgramOptions, ReadsTheDoubleDashOptions) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        std::string file;
        bool virtualTime;
        std::string error;
    } cases[] = {
        {{}, true, "", false, ""},
        {{"/S", "--simulate=hub.ini"}, true, "hub.ini", false, ""},
        {{"--simulate=hub.ini", "--virtual-time", "/Ffw.bin"}, true, "hub.ini", true, ""},
        {{"--virtual-time"}, false, "", false, "--virtual-time needs --simulate=FILE"},
        {{"--simulate="}, false, "", false, "Unknown option: --simulate="},
        {{"--simulate"}, false, "", false, "Unknown option: --simulate"},
        {{"--VIRTUAL-TIME"}, false, "", false, "Unknown option: --VIRTUAL-TIME"},
    };
    for (const Case& c : cases) {
        ProgramOptions options;
        std::string error;
        EXPECT_EQ(ReadProgramOptions(c.args, options, error), c.ok);
        EXPECT_EQ(options.simulateFile, c.file);
        EXPECT_EQ(options.virtualTime, c.virtualTime);
        EXPECT_EQ(error, c.error);
    }
}

TEST(ProgramOptions, NoSlashSwitchMatchesThem) {
    VirtualHost host("./", {"--simulate=/S.ini", "--virtual-time", "--s"});
    Program program(host.host);
    for (const char* text : {"/S", "/VF", "/ERASE", "/F"}) {
        SwitchValueBuffer value{};
        EXPECT_EQ(FindSwitch(program, text, &value), -1) << text;
    }
}

// A native host standing in for the real one: a virtual host on a temporary folder.
struct FakeNativeHost : NativeHost {
    FakeNativeHost(const std::string& folder, std::vector<std::string> args, HostDeviceServices* devices)
        : virtualHost(folder, std::move(args), devices) {}
    Host& host() override { return virtualHost.host; }
    VirtualHost virtualHost;
};

struct EntryRig {
    TempFolder folder;
    int hostsMade = 0;
    std::ostringstream errors;

    uint32_t Run(std::vector<std::string> args) {
        return RunWithProgramOptions(
            std::move(args),
            [this](std::vector<std::string> a, HostDeviceServices* devices) {
                ++hostsMade;
                return std::make_unique<FakeNativeHost>(folder.path(), std::move(a), devices);
            },
            errors);
    }
};

TEST(ProgramOptions, VirtualTimeRunEndsAndWritesTheFlashBackUnchanged) {
    EntryRig rig;
    std::string flash(0x20000, '\0');
    for (size_t i = 0; i < flash.size(); ++i) flash[i] = static_cast<char>(i * 7 + i / 1024);
    rig.folder.Write("hub.bin", flash);
    const std::string description = rig.folder.Write("hub.ini",
                                                     "[SIMULATION]\nDEVICES=1\nTRAFFIC=traffic.log\n"
                                                     "[DEVICE1]\nFAMILY=DEFAULT\nFLASHFILE=hub.bin\n");
    rig.Run({"/S", "--simulate=" + description, "--virtual-time"});
    EXPECT_EQ(rig.errors.str(), "");
    EXPECT_EQ(rig.hostsMade, 1);
    EXPECT_EQ(rig.folder.Read("hub.bin"), flash);
    EXPECT_TRUE(rig.folder.Exists("traffic.log"));
}

TEST(ProgramOptions, MissingFlashFileIsWrittenAsErasedFlash) {
    EntryRig rig;
    const std::string description =
        rig.folder.Write("hub.ini", "[DEVICE1]\nFLASHFILE=new.bin\nFLASHSIZE=0x400\nMODE=ABSENT\n");
    rig.Run({"/S", "--simulate=" + description, "--virtual-time"});
    EXPECT_EQ(rig.folder.Read("new.bin"), std::string(0x400, '\xFF'));
}

TEST(ProgramOptions, BadOptionOrDescriptionIsRefusedBeforeAnythingElse) {
    struct Case {
        const char* name;
        std::string content;   // empty: no description file at all
        std::string line;      // what the error line says after the file name
    } cases[] = {
        {"missing file", "", "cannot be read"},
        {"bad family", "[DEVICE1]\nFAMILY=FF86\n", "[DEVICE1] FAMILY=FF86 is not one of DEFAULT, FF85, FF89, FF52"},
        {"bad number", "[DEVICE1]\nFAILEVERY=3x\n", "[DEVICE1] FAILEVERY=3x is not a number"},
        {"out of range", "[DEVICE1]\nFAILRATE=101\n", "[DEVICE1] FAILRATE=101 is out of range (0 to 100)"},
        {"flash usage", "[DEVICE1]\nFLASHUSAGE=0xD1\n", "[DEVICE1] FLASHUSAGE=0xD1 is not one of 0xDB, 0xD0, 0xDD"},
        {"unknown key", "[SIMULATION]\nDEVICES=1\n[DEVICE1]\nFAMILLY=FF89\n",
         "[DEVICE1] FAMILLY=FF89 is not a known key"},
        {"uncounted device", "[DEVICE1]\nFAMILY=FF89\n[DEVICE2]\nFAMILY=FF52\n",
         "[DEVICE2] is not counted by [SIMULATION] DEVICES=1"},
        {"second device", "[SIMULATION]\nDEVICES=2\n[DEVICE2]\nIDENTIFICATION=0x89,0x12\n",
         "[DEVICE2] IDENTIFICATION=0x89,0x12 does not hold three bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EntryRig rig;
        const std::string file =
            c.content.empty() ? rig.folder.Path("none.ini") : rig.folder.Write("hub.ini", c.content);
        EXPECT_EQ(rig.Run({"--simulate=" + file, "--virtual-time"}), kOptionsRefused);
        EXPECT_EQ(rig.errors.str(), "Simulated device description \"" + file + "\": " + c.line + "\n");
        EXPECT_EQ(rig.hostsMade, 0);
    }
    {
        EntryRig rig;
        const std::string folder = rig.folder.MakeFolder("hub.ini");
        EXPECT_EQ(rig.Run({"--simulate=" + folder, "--virtual-time"}), kOptionsRefused);
        EXPECT_EQ(rig.errors.str(), "Simulated device description \"" + folder + "\": cannot be read\n");
    }
    EntryRig rig;
    EXPECT_EQ(rig.Run({"--bogus"}), kOptionsRefused);
    EXPECT_EQ(rig.errors.str(), "Unknown option: --bogus\n");
    EXPECT_EQ(rig.hostsMade, 0);
}

}  // namespace
}  // namespace nuv
