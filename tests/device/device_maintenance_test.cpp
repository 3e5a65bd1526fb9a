#include "device/device_maintenance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/discovery.h"
#include "sim/sim_program_fixture.h"

namespace nuv {
namespace {

using sim::HubConfig;
using testing::SimProgram;
using Lines = std::vector<std::string>;

std::string FoundLine(const std::string& entry) {
    return "Found! [" + entry + "] ,and remove it form Device Manager.\n";
}

HubConfig HubWithRevision(uint16_t revision) {
    HubConfig config;
    config.revision = revision;
    return config;
}

TEST(RemoveMatchingDevices, RemovesTheNodeAndTheRescanBringsItBack) {
    SimProgram f;
    f.hub.AddDevice({});
    OpenMatchingDevices(f.program, 0xFF83, 0x80);
    const DeviceHandle old = f.program.deviceTable.Handles[0];

    RemoveMatchingDevices(f.program, "USB\\VID_1EE9&PID_5150");
    EXPECT_EQ(f.messages(), Lines{FoundLine("USB\\VID_1EE9&PID_5150")});
    HidAttributes attributes;
    EXPECT_FALSE(f.hub.GetAttributes(old, attributes));   // the open handle died with the node
    CloseAllDevices(f.program);
    OpenMatchingDevices(f.program, 0xFF83, 0x80);
    EXPECT_EQ(f.program.deviceTable.MatchedCount, 0);

    RescanDeviceTree(f.program);
    EXPECT_EQ(f.messages().back(), "Rescan Device Manager!");
    OpenMatchingDevices(f.program, 0xFF83, 0x80);
    EXPECT_EQ(f.program.deviceTable.MatchedCount, 1);
    EXPECT_EQ(f.hub.LiveInfoSets(), 0u);
}

TEST(RemoveMatchingDevices, ComparesWholeEntriesExactly) {
    struct Case {
        const char* text;
        Lines messages;
    } cases[] = {
        {"USB\\VID_1EE9&PID_5150", {FoundLine("USB\\VID_1EE9&PID_5150")}},
        {"USB\\VID_1EE9&PID_5150&REV_0100", {FoundLine("USB\\VID_1EE9&PID_5150&REV_0100")}},
        {"usb\\vid_1ee9&pid_5150", {}},
        {"USB\\VID_1EE9", {}},
        {"USB\\VID_1EE9&PID_51DB", {}},   // the flash-mode identity is not shown now
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SimProgram f;
        f.hub.AddDevice({});
        RemoveMatchingDevices(f.program, c.text);
        EXPECT_EQ(f.messages(), c.messages);
    }
}

TEST(RemoveMatchingDevices, EveryListingMemberOnceInEnumerationOrder) {
    SimProgram f;
    f.hub.AddDeviceNode({"USB\\VID_1EE9&PID_5150", "USB\\VID_1EE9&PID_5150"});   // listed twice
    f.hub.AddDevice(HubWithRevision(0x0100));
    f.hub.AddDevice(HubWithRevision(0x0200));
    RemoveMatchingDevices(f.program, "USB\\VID_1EE9&PID_5150");
    EXPECT_EQ(f.messages(), Lines(3, FoundLine("USB\\VID_1EE9&PID_5150")));
    EXPECT_TRUE(f.hub.device(0).nodeRemoved());
    EXPECT_TRUE(f.hub.device(1).nodeRemoved());
}

TEST(RemoveMatchingDevices, ReportsEachServiceFailureWithItsLine) {
    struct Case {
        const char* name;
        sim::ServiceFaults faults;
        Lines messages;
        bool hubRemoved;
    } cases[] = {
        {"set", {.allDevicesSetFails = true}, {"Error! GetClassDevs(All Present Devices)"}, false},
        // The property read of the first member fails: the hub behind it is never examined.
        {"property", {.propertyFailsAtMember = 0}, {"Error! GetDeviceRegistryProperty"}, false},
        {"enumeration", {.enumFailsAtMember = 5},
         {FoundLine("USB\\VID_1EE9&PID_5150"), "Error! EnumDeviceInfo"}, true},
        {"removal", {.removeFails = true},
         {FoundLine("USB\\VID_1EE9&PID_5150"), "Error! CallClassInstaller(REMOVE)"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimProgram f;
        f.hub.AddDevice({});   // its USB node is member 4, after the four neighbours
        f.hub.serviceFaults() = c.faults;
        RemoveMatchingDevices(f.program, "USB\\VID_1EE9&PID_5150");
        EXPECT_EQ(f.messages(), c.messages);
        EXPECT_EQ(f.hub.device(0).nodeRemoved(), c.hubRemoved);
        EXPECT_EQ(f.hub.LiveInfoSets(), 0u);
    }
}

TEST(RescanDeviceTree, ReportsEachConfigurationManagerFailure) {
    struct Case {
        const char* name;
        sim::ServiceFaults faults;
        Lines messages;
        uint32_t rescans;
    } cases[] = {
        {"all good", {}, {"Rescan Device Manager!"}, 1},
        {"connect", {.cmConnectResult = 0x1F}, {"Error!! CM_Connect_Machine"}, 0},
        {"locate", {.cmLocateResult = 0x0D}, {"Error!! CM_Locate_DevNode_Ex", "Rescan Device Manager!"}, 1},
        {"reenumerate", {.cmReenumerateResult = 0x17},
         {"Error!! CM_Reenumerate_DevNode_Ex", "Rescan Device Manager!"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimProgram f;
        f.hub.serviceFaults() = c.faults;
        RescanDeviceTree(f.program);
        EXPECT_EQ(f.messages(), c.messages);
        EXPECT_EQ(f.hub.Rescans(), c.rescans);
    }
}

TEST(FindDeviceRevision, ReadsTheDigitsAfterTheMatchingEntry) {
    struct Case {
        const char* name;
        std::vector<std::string> node;   // a node ahead of the hub, empty: none
        std::string text;
        int32_t revision;
    } cases[] = {
        {"worked example", {}, "USB\\VID_1EE9&PID_5150", 256},
        {"first member wins", {"USB\\VID_1EE9&PID_5150&REV_0302", "USB\\VID_1EE9&PID_5150"},
         "USB\\VID_1EE9&PID_5150", 0x302},
        {"other case", {}, "USB\\VID_1ee9&PID_5150", 0},
        {"text with the revision reads into the next entry", {}, "USB\\VID_1EE9&PID_5150&REV_0100", 0},
        {"position beyond the list", {"ABC"}, "ABC", 0},
        {"digits where the position says", {"AB", "XYZ12F"}, "AB", 0x2F},
        {"more than 32 bits", {"AB", "XXXX123456789"}, "AB", 0},
        {"eight digits", {"AB", "XXXXFFFFFFFF"}, "AB", -1},
        {"not hexadecimal", {"ABCDEFGHIJ&REV_01G0", "ABCDEFGHIJ"}, "ABCDEFGHIJ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimProgram f;
        if (!c.node.empty()) f.hub.AddDeviceNode(c.node);
        f.hub.AddDevice(HubWithRevision(0x0100));
        EXPECT_EQ(FindDeviceRevision(f.program, c.text), c.revision);
        EXPECT_TRUE(f.messages().empty());
        EXPECT_EQ(f.hub.LiveInfoSets(), 0u);
    }
}

TEST(FindDeviceRevision, EmptyTextOrAnyFailureReadsAsNotFound) {
    SimProgram f;
    f.hub.AddDevice({});
    EXPECT_EQ(FindDeviceRevision(f.program, ""), 0);
    EXPECT_EQ(f.hub.DeviceSetBuilds(), 0u);

    f.hub.serviceFaults().propertyFailsAtMember = 1;
    EXPECT_EQ(FindDeviceRevision(f.program, "USB\\VID_1EE9&PID_5150"), 0);
    f.hub.serviceFaults() = {.allDevicesSetFails = true};
    EXPECT_EQ(FindDeviceRevision(f.program, "USB\\VID_1EE9&PID_5150"), 0);
    EXPECT_TRUE(f.messages().empty());
}

}  // namespace
}  // namespace nuv
