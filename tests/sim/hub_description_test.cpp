#include "sim/hub_description.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/temp_folder.h"
#include "platform/virtual/virtual_clock.h"
#include "sim/simulated_hub.h"

namespace nuv::sim {
namespace {

using nuv::testing::TempFolder;

std::vector<std::string> DocumentedExamples() {
    const std::filesystem::path root = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    std::ifstream in(root / "docs" / "simulated-device.md");
    const std::string doc((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> examples;
    for (size_t at = doc.find("```ini\n"); at != std::string::npos; at = doc.find("```ini\n", at)) {
        const size_t start = at + 7;
        const size_t end = doc.find("```", start);
        examples.push_back(doc.substr(start, end - start));
        at = end;
    }
    return examples;
}

TEST(HubDescription, EveryDocumentedExampleLoads) {
    const std::vector<std::string> examples = DocumentedExamples();
    EXPECT_GE(examples.size(), 16u);
    for (const std::string& example : examples) {
        SCOPED_TRACE(example);
        TempFolder folder;
        HubDescription description;
        std::string error;
        ASSERT_TRUE(LoadHubDescription(folder.Write("hub.ini", example), description, error)) << error;
        VirtualClock clock;
        SimulatedSensorHub hub(clock);
        EXPECT_TRUE(SetUpHub(description, hub, error)) << error;
        EXPECT_GE(hub.DeviceCount(), 1);
    }
}

TEST(HubDescription, KeysReachTheDevice) {
    TempFolder folder;
    folder.Write("flash.bin", std::string(3, '\x12'));
    const std::string file = folder.Write("hub.ini",
                                          "[SIMULATION]\nDEVICES=2\nOTHERHID=1\nLATENCY=2\n"
                                          "[DEVICE1]\nFAMILY=ff89\nMODE=FLASH\nPID=0x5180\nREPORTID=91\n"
                                          "FLASHFILE=flash.bin\nFLASHSIZE=0x8000\nIDENTIFICATION=0x89, 0x12, 0x02\n"
                                          "STUCKPAGES=0x4000,0x4400\nNORETURN=1\nDOCKUNITS=3\n"
                                          "[DEVICE2]\nMODE=ABSENT\n");
    HubDescription d;
    std::string error;
    ASSERT_TRUE(LoadHubDescription(file, d, error)) << error;
    ASSERT_EQ(d.devices.size(), 2u);
    const HubConfig& c = d.devices[0];
    EXPECT_EQ(c.family, Family::FF89);
    EXPECT_EQ(c.mode, HubMode::Flash);
    EXPECT_EQ(c.productId, 0x5180);
    EXPECT_EQ(c.reportId, 91);
    EXPECT_EQ(c.flashSize, 0x8000u);
    EXPECT_EQ(c.flash, (std::vector<uint8_t>{0x12, 0x12, 0x12}));
    EXPECT_EQ(c.identification, (std::array<uint8_t, 3>{0x89, 0x12, 0x02}));
    EXPECT_EQ(c.faults.stuckPages, (std::vector<uint32_t>{0x4000, 0x4400}));
    EXPECT_TRUE(c.faults.noReturn);
    EXPECT_EQ(c.faults.dockUnits, 3u);
    EXPECT_EQ(d.devices[1].mode, HubMode::Absent);
    EXPECT_EQ(d.flashFiles[0], folder.Path("flash.bin"));
    EXPECT_EQ(d.flashFiles[1], "");
}

TEST(HubDescription, FlashFileThatCannotServeIsRefused) {
    struct Case {
        const char* flashFile;
        const char* why;
    } cases[] = {
        {"big.bin", "is larger than FLASHSIZE"},
        {"folder", "cannot be read"},   // nor could it take the flash back at the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flashFile);
        TempFolder folder;
        folder.Write("big.bin", std::string(0x401, '\0'));
        folder.MakeFolder("folder");
        const std::string file =
            folder.Write("hub.ini", std::string("[DEVICE1]\nFLASHFILE=") + c.flashFile + "\nFLASHSIZE=0x400\n");
        HubDescription d;
        std::string error;
        EXPECT_FALSE(LoadHubDescription(file, d, error));
        EXPECT_EQ(error, "Simulated device description \"" + file + "\": [DEVICE1] FLASHFILE=" + c.flashFile + " " +
                             c.why);
    }
}

}  // namespace
}  // namespace nuv::sim
