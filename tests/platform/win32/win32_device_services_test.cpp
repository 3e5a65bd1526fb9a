// The real device services under the host's own HID, SetupAPI and
// Configuration Manager: everything present is walked and read; a build
// machine has no sensor hub attached.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/win32_device_services.h"

namespace nuv {
namespace {

constexpr uint32_t kMaxMembers = 4096;
const std::set<uint16_t> kSensorHubUsagePages = {0xFF83, 0xFF85, 0xFF89, 0xFF52};

struct HidInterface {
    std::string path;
    bool opened = false;
    bool hasCaps = false;
    HidCaps caps;
};

// Two-step detail read of one member; empty when there is none.
std::string ReadInterfacePath(Win32DeviceServices& services, DeviceInfoSet set, uint32_t index) {
    uint32_t required = 0;
    services.GetHidInterfaceDetail(set, index, nullptr, 0, required);
    if (required == 0) return {};
    std::vector<char> buffer(required, 'x');
    uint32_t again = 0;
    if (!services.GetHidInterfaceDetail(set, index, buffer.data(), required, again)) return {};
    EXPECT_NE(std::find(buffer.begin(), buffer.end(), '\0'), buffer.end()) << "path not terminated";
    return std::string(buffer.data());
}

std::vector<HidInterface> WalkHidInterfaces(Win32DeviceServices& services) {
    std::vector<HidInterface> found;
    const DeviceInfoSet set = services.GetHidInterfaceSet();
    EXPECT_NE(set, kInvalidInfoSet);
    if (set == kInvalidInfoSet) return found;
    for (uint32_t index = 0; index < kMaxMembers && services.EnumHidInterface(set, index); ++index) {
        HidInterface item;
        item.path = ReadInterfacePath(services, set, index);
        EXPECT_FALSE(item.path.empty()) << "interface " << index << " without a path";
        const DeviceHandle handle = services.OpenDevice(item.path);
        item.opened = handle != 0;
        if (item.opened) {
            PreparsedData data = 0;
            if (services.GetPreparsedData(handle, data)) {
                item.hasCaps = services.GetCaps(data, item.caps);
                services.FreePreparsedData(data);
            }
            HidAttributes attributes;
            services.GetAttributes(handle, attributes);
            services.CloseDevice(handle);
        }
        found.push_back(item);
    }
    EXPECT_EQ(services.GetLastError(), kErrorNoMoreItems);
    services.DestroyInfoSet(set);
    return found;
}

TEST(Win32DeviceServicesTest, HidWalkFindsNoSensorHub) {
    Win32DeviceServices services;
    for (const HidInterface& item : WalkHidInterfaces(services)) {
        if (item.hasCaps)
            EXPECT_EQ(kSensorHubUsagePages.count(item.caps.usagePage), 0u) << item.path;
    }
}

TEST(Win32DeviceServicesTest, DetailReadAsksForTheSizeFirst) {
    Win32DeviceServices services;
    const DeviceInfoSet set = services.GetHidInterfaceSet();
    ASSERT_NE(set, kInvalidInfoSet);
    if (!services.EnumHidInterface(set, 0)) {
        services.DestroyInfoSet(set);
        GTEST_SKIP() << "no HID interface present";
    }
    uint32_t required = 0;
    EXPECT_FALSE(services.GetHidInterfaceDetail(set, 0, nullptr, 0, required));
    EXPECT_EQ(services.GetLastError(), kErrorInsufficientBuffer);
    EXPECT_GT(required, 8u);
    // One byte short of the record: refused, nothing written past the buffer.
    std::vector<char> shortBuffer(required - 1 + 16, '#');
    uint32_t again = 0;
    EXPECT_FALSE(services.GetHidInterfaceDetail(set, 0, shortBuffer.data(), required - 1, again));
    for (size_t i = required - 1; i < shortBuffer.size(); ++i) EXPECT_EQ(shortBuffer[i], '#');
    services.DestroyInfoSet(set);
}

TEST(Win32DeviceServicesTest, NoInterfaceBeyondTheLastMember) {
    Win32DeviceServices services;
    const DeviceInfoSet set = services.GetHidInterfaceSet();
    ASSERT_NE(set, kInvalidInfoSet);
    EXPECT_FALSE(services.EnumHidInterface(set, kMaxMembers));
    EXPECT_EQ(services.GetLastError(), kErrorNoMoreItems);
    uint32_t required = 0;
    EXPECT_FALSE(services.GetHidInterfaceDetail(set, kMaxMembers, nullptr, 0, required));
    services.DestroyInfoSet(set);
}

TEST(Win32DeviceServicesTest, FeatureReportsOnNoHandleFail) {
    Win32DeviceServices services;
    std::array<uint8_t, 64> report{0x5A};
    EXPECT_FALSE(services.SetFeature(0, report.data(), 64));
    EXPECT_NE(services.GetLastError(), 0u);
    EXPECT_FALSE(services.GetFeature(0, report.data(), 64));
    EXPECT_NE(services.GetLastError(), 0u);
    EXPECT_EQ(services.OpenDevice("\\\\?\\hid#no_such_device#0#{4d1e55b2-f16f-11cf-88cb-001111000030}"),
              0u);
}

// Reads one member's hardware-ID list the way the maintenance walk does.
struct HardwareIdRead {
    bool hasIds = false;
    uint32_t failure = 0;
    std::vector<uint8_t> list;
};

HardwareIdRead ReadHardwareIds(Win32DeviceServices& services, DeviceInfoSet set,
                               const DeviceInfoData& member) {
    HardwareIdRead read;
    uint32_t size = 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        uint32_t required = 0;
        if (services.GetHardwareIds(set, member, read.list.empty() ? nullptr : read.list.data(), size,
                                    required)) {
            read.hasIds = true;
            read.list.resize(size);
            return read;
        }
        read.failure = services.GetLastError();
        if (read.failure != kErrorInsufficientBuffer) return read;
        size = required;
        read.list.assign(size, 0);
    }
    ADD_FAILURE() << "hardware-ID size never settled";
    return read;
}

// The entries of a list of zero-terminated strings ended by an empty one.
// The data may go on after that end (Wine stores trailing bytes for some
// root devices), so the walk is bounded by the returned size only.
struct IdList {
    std::vector<std::string> entries;
    bool ended = false;   // the empty entry was found inside the data
};

IdList Entries(const std::vector<uint8_t>& list) {
    IdList result;
    size_t at = 0;
    while (at < list.size()) {
        if (list[at] == 0) {
            result.ended = true;
            break;
        }
        size_t end = at;
        while (end < list.size() && list[end] != 0) ++end;
        result.entries.emplace_back(list.begin() + at, list.begin() + end);
        at = end + 1;
    }
    return result;
}

TEST(Win32DeviceServicesTest, DeviceTreeWalkReadsHardwareIds) {
    Win32DeviceServices services;
    const DeviceInfoSet set = services.GetAllDevicesSet();
    ASSERT_NE(set, kInvalidInfoSet);
    uint32_t members = 0;
    uint32_t withIds = 0;
    DeviceInfoData member;
    for (; members < kMaxMembers && services.EnumDeviceInfo(set, members, member); ++members) {
        const HardwareIdRead read = ReadHardwareIds(services, set, member);
        if (!read.hasIds) {
            EXPECT_EQ(read.failure, kErrorInvalidData) << "member " << members;
            continue;
        }
        ++withIds;
        const IdList ids = Entries(read.list);
        EXPECT_TRUE(ids.ended) << "member " << members << ": list without its empty end";
        EXPECT_FALSE(ids.entries.empty()) << "member " << members;
        for (const std::string& id : ids.entries) {
            EXPECT_EQ(id.find("VID_1EE9&PID_5150"), std::string::npos) << id;
            EXPECT_EQ(id.find("VID_1EE9&PID_51DB"), std::string::npos) << id;
        }
    }
    EXPECT_EQ(services.GetLastError(), kErrorNoMoreItems);
    EXPECT_GT(members, 0u) << "a system has at least its root devices";
    EXPECT_GT(withIds, 0u);
    services.DestroyInfoSet(set);
}

bool RunningUnderWine() {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

TEST(Win32DeviceServicesTest, ConfigurationManagerRescanSequence) {
    constexpr uint32_t kCrAccessDenied = 0x33;
    Win32DeviceServices services;
    CmMachine machine = 0;
    const uint32_t connected = services.CmConnectMachine(machine);
    if (connected == kCrAccessDenied && RunningUnderWine())
        GTEST_SKIP() << "Wine refuses CM_Connect_MachineA: the rescan reports its connect failure";
    ASSERT_EQ(connected, kCrSuccess);
    DevInst root = 0;
    EXPECT_EQ(services.CmLocateRootNode(root, machine), kCrSuccess);
    EXPECT_NE(root, 0u);
    services.CmReenumerateDevNode(root, kCmReenumerateRetryInstallation, machine);
    EXPECT_EQ(services.CmDisconnectMachine(machine), kCrSuccess);
}

}  // namespace
}  // namespace nuv
