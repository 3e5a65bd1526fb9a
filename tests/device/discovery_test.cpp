#include "device/discovery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/sim_program_fixture.h"

namespace nuv {
namespace {

using sim::Family;
using sim::HubConfig;
using sim::HubMode;
using testing::SimProgram;
using Lines = std::vector<std::string>;

HubConfig Hub(Family family = Family::Default, HubMode mode = HubMode::Application, uint16_t productId = 0x5150) {
    HubConfig config = sim::DefaultHubConfig(family, mode);
    config.productId = productId;
    config.flashProductId = productId;
    return config;
}

TEST(OpenMatchingDevices, CountsSlotsAndSummaryLine) {
    struct Case {
        const char* name;
        int hubs;
        int32_t maxScan;
        uint8_t count;
    } cases[] = {
        {"no interfaces", 0, 256, 0},
        {"scan of zero indexes", 2, 0, 0},
        {"negative scan", 2, -1, 0},
        {"two hubs", 2, 256, 2},
        {"scan ends before the second", 2, 2, 1},   // keyboard at index 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimProgram f;
        f.hub.AddOtherInterface({});
        for (int i = 0; i < c.hubs; ++i) f.hub.AddDevice(Hub(Family::Default, HubMode::Application, 0x5150 + i));
        f.program.settings.MaxScanDevice = c.maxScan;
        OpenMatchingDevices(f.program, 0xFF83, 0x80);
        EXPECT_EQ(f.program.deviceTable.MatchedCount, c.count);
        EXPECT_EQ(f.trace().back(), "Find " + std::to_string(c.count) + " NUV SensorHub.");
        EXPECT_EQ(f.hub.OpenHandles(), c.count);
        EXPECT_EQ(f.hub.LiveInfoSets(), 0u);
        EXPECT_EQ(f.program.deviceTable.Handles[c.count], 0u);
    }
}

TEST(OpenMatchingDevices, HoldsDevicesInEnumerationOrderWithTheirTraceLines) {
    SimProgram f;
    f.hub.AddDevice(Hub(Family::Default, HubMode::Application, 0x5150));
    f.hub.AddOtherInterface({0xFF83, 0x81});   // right usage page, other usage: no trace at all
    f.hub.AddDevice(Hub(Family::Default, HubMode::Application, 0x5151));
    OpenMatchingDevices(f.program, 0xFF83, 0x80);

    EXPECT_EQ(f.trace(), (Lines{"FF83 , 0080", "1EE9  5150  0100", "FF83 , 0080", "1EE9  5151  0100",
                                "Find 2 NUV SensorHub."}));
    ASSERT_EQ(f.program.deviceTable.MatchedCount, 2);
    HidAttributes second;
    ASSERT_TRUE(f.hub.GetAttributes(f.program.deviceTable.Handles[1], second));
    EXPECT_EQ(second.productId, 0x5151);

    CloseAllDevices(f.program);
    EXPECT_EQ(f.hub.OpenHandles(), 0u);
    EXPECT_EQ(f.program.deviceTable.Handles[0], 0u);
    EXPECT_EQ(f.program.deviceTable.MatchedCount, 2);   // left alone
}

TEST(OpenMatchingDevices, InterfacesThatCannotBeOpenedOrDescribedDoNotMatch) {
    SimProgram f;
    HubConfig unopenable = Hub();
    unopenable.openFails = true;
    HubConfig noCaps = Hub();
    noCaps.capsFail = true;
    f.hub.AddDevice(unopenable);
    f.hub.AddDevice(noCaps);
    f.hub.AddDevice(Hub());
    OpenMatchingDevices(f.program, 0xFF83, 0x80);
    EXPECT_EQ(f.program.deviceTable.MatchedCount, 1);
    EXPECT_EQ(f.hub.OpenHandles(), 1u);
    EXPECT_EQ(f.hub.LivePreparsedData(), 0u);
    EXPECT_EQ(f.trace().size(), 3u);
}

TEST(MatchHidDevice, MainTargetPidFiltersOnlyTheApplicationPairs) {
    struct Case {
        const char* name;
        Family family;
        HubMode mode;
        uint16_t productId;
        bool attributesFail;
        uint16_t usagePage, usage;
        bool match;
        Lines trace;
    } cases[] = {
        {"other product ID", Family::Default, HubMode::Application, 0x5151, false, 0xFF83, 0x80, false,
         {"FF83 , 0080", "1EE9  5151  0100"}},
        {"wanted product ID", Family::Default, HubMode::Application, 0x5150, false, 0xFF83, 0x80, true,
         {"FF83 , 0080", "1EE9  5150  0100", "Found the device with MainTargetPID"}},
        {"flash pair not filtered", Family::Default, HubMode::Flash, 0x51DB, false, 0xFF83, 0xDB, true,
         {"FF83 , 00DB", "1EE9  51DB  0100"}},
        {"FF85 filtered", Family::FF85, HubMode::Application, 0x5151, false, 0xFF85, 0x95, false,
         {"FF85 , 0095", "1EE9  5151  0100"}},
        {"FF89 filtered", Family::FF89, HubMode::Application, 0x5151, false, 0xFF89, 0x10, false,
         {"FF89 , 0010", "1EE9  5151  0100"}},
        {"FF52 application not filtered", Family::FF52, HubMode::Application, 0x5151, false, 0xFF52, 0x12, true,
         {"FF52 , 0012", "1EE9  5151  0100"}},
        {"attributes unreadable", Family::Default, HubMode::Application, 0x5150, true, 0xFF83, 0x80, false,
         {"FF83 , 0080"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimProgram f;
        HubConfig config = Hub(c.family, c.mode, c.productId);
        config.attributesFail = c.attributesFail;
        f.hub.AddDevice(config);
        f.program.settings.MainTargetPID = 0x5150;
        std::string path;
        ASSERT_TRUE(GetHidInterfacePath(f.program, 0, path));
        const DeviceHandle handle = f.hub.OpenDevice(path);
        EXPECT_EQ(MatchHidDevice(f.program, handle, c.usagePage, c.usage), c.match);
        EXPECT_EQ(f.trace(), c.trace);
        f.hub.CloseDevice(handle);
    }
}

TEST(OpenMatchingDevices, NeverHoldsMoreThan255AndLeaksNoHandle) {
    SimProgram f;
    for (int i = 0; i < 258; ++i) f.hub.AddDevice(Hub());
    f.program.settings.MaxScanDevice = 300;
    OpenMatchingDevices(f.program, 0xFF83, 0x80);
    EXPECT_EQ(f.program.deviceTable.MatchedCount, 255);
    EXPECT_EQ(f.program.deviceTable.Handles[255], 0u);
    EXPECT_EQ(f.hub.OpenHandles(), 255u);
    EXPECT_EQ(f.trace().back(), "Find 255 NUV SensorHub.");
    CloseAllDevices(f.program);
    EXPECT_EQ(f.hub.OpenHandles(), 0u);
}

TEST(OpenMatchingDevices, OneInterfaceSetPerWalkGivesTheSameResult) {
    const InterfaceSetUse uses[] = {InterfaceSetUse::PerIndex, InterfaceSetUse::PerWalk};
    Lines traces[2];
    uint32_t builds[2] = {};
    for (int i = 0; i < 2; ++i) {
        SimProgram f;
        f.hub.AddOtherInterface({});
        f.hub.AddDevice(Hub(Family::Default, HubMode::Application, 0x5150));
        f.hub.AddOtherInterface({0xFF83, 0x81});
        f.hub.AddDevice(Hub(Family::Default, HubMode::Application, 0x5151));
        OpenMatchingDevices(f.program, 0xFF83, 0x80, uses[i]);
        traces[i] = f.trace();
        builds[i] = f.hub.HidSetBuilds();
        EXPECT_EQ(f.hub.LiveInfoSets(), 0u);
        EXPECT_EQ(f.program.deviceTable.MatchedCount, 2);
    }
    EXPECT_EQ(traces[0], traces[1]);
    EXPECT_EQ(builds[0], 256u);
    EXPECT_EQ(builds[1], 1u);
}

TEST(FamilyProbes, FindTheirFamilyInEitherModeAndLeaveTheTableAlone) {
    struct Case {
        const char* name;
        Family family;
        HubMode mode;
        int32_t ignore8910;
        bool ff85, ff89, ff52;
    } cases[] = {
        {"FF85 application", Family::FF85, HubMode::Application, 0, true, false, false},
        {"FF85 flash is the shared flash pair", Family::FF85, HubMode::Flash, 0, false, false, false},
        {"FF89 application", Family::FF89, HubMode::Application, 0, false, true, false},
        {"FF89 flash", Family::FF89, HubMode::Flash, 0, false, true, false},
        {"FF89 ignored", Family::FF89, HubMode::Application, 1, false, false, false},
        {"FF52 application", Family::FF52, HubMode::Application, 0, false, false, true},
        {"FF52 flash", Family::FF52, HubMode::Flash, 0, false, false, true},
        {"default family", Family::Default, HubMode::Application, 0, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimProgram f;
        f.hub.AddOtherInterface({});
        f.hub.AddDevice(Hub(c.family, c.mode));
        f.program.settings.Ignore8910 = c.ignore8910;
        EXPECT_EQ(ProbeFF85(f.program), c.ff85);
        EXPECT_EQ(ProbeFF89(f.program), c.ff89);
        EXPECT_EQ(ProbeFF52(f.program), c.ff52);
        EXPECT_EQ(f.hub.OpenHandles(), 0u);
        EXPECT_EQ(f.program.deviceTable.MatchedCount, 0);
        EXPECT_EQ(f.trace().size(), c.ff85 || c.ff89 || c.ff52 || c.ignore8910 ? 2u : 0u);
    }
}

TEST(FamilyProbes, StopAtTheFirstMatchingInterface) {
    SimProgram f;
    f.hub.AddDevice(Hub(Family::FF52, HubMode::Flash));
    f.hub.AddDevice(Hub(Family::FF52, HubMode::Application));
    EXPECT_TRUE(ProbeFF52(f.program));
    EXPECT_EQ(f.trace(), (Lines{"FF52 , 00DB", "1EE9  5150  0100"}));
}

}  // namespace
}  // namespace nuv
