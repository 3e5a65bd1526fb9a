#include "sim/simulated_hub.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/virtual/virtual_clock.h"

namespace nuv::sim {
namespace {

// Talks to the simulated hub the way the host services are used: enumerate,
// open, and exchange raw 64-byte reports.
struct HubBench {
    VirtualClock clock;
    SimulatedSensorHub hub{clock};

    std::vector<HidCaps> VisibleUsages() {
        std::vector<HidCaps> usages;
        const DeviceInfoSet set = hub.GetHidInterfaceSet();
        for (uint32_t i = 0; hub.EnumHidInterface(set, i); ++i) {
            const DeviceHandle handle = Open(set, i);
            PreparsedData data = 0;
            HidCaps caps;
            if (hub.GetPreparsedData(handle, data) && hub.GetCaps(data, caps)) usages.push_back(caps);
            hub.FreePreparsedData(data);
            hub.CloseDevice(handle);
        }
        hub.DestroyInfoSet(set);
        return usages;
    }

    DeviceHandle Open(DeviceInfoSet set, uint32_t index) {
        uint32_t size = 0;
        hub.GetHidInterfaceDetail(set, index, nullptr, 0, size);
        std::string path(size, '\0');
        if (!hub.GetHidInterfaceDetail(set, index, path.data(), size, size)) return 0;
        return hub.OpenDevice(path.c_str());
    }

    DeviceHandle OpenFirst() {
        const DeviceInfoSet set = hub.GetHidInterfaceSet();
        const DeviceHandle handle = Open(set, 0);
        hub.DestroyInfoSet(set);
        return handle;
    }

    bool Send(DeviceHandle handle, uint8_t reportId, std::vector<uint8_t> payload) {
        std::array<uint8_t, 64> report{};
        report[0] = reportId;
        std::copy(payload.begin(), payload.end(), report.begin() + 1);
        return hub.SetFeature(handle, report.data(), 64);
    }

    std::array<uint8_t, 64> Fetch(DeviceHandle handle, uint8_t reportId) {
        std::array<uint8_t, 64> report{};
        report[0] = reportId;
        EXPECT_TRUE(hub.GetFeature(handle, report.data(), 64));
        return report;
    }
};

std::vector<uint8_t> Handshake() {
    const std::string text = "Vandrel Co Ltd";
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

TEST(SimulatedHub, FamiliesShowTheirUsagePairsInEachMode) {
    struct Case {
        Family family;
        uint16_t flashUsage;
        HidCaps application, flash;
    } cases[] = {
        {Family::Default, 0xDB, {0xFF83, 0x80}, {0xFF83, 0xDB}},
        {Family::Default, 0xDD, {0xFF83, 0x80}, {0xFF83, 0xDD}},
        {Family::FF85, 0xD0, {0xFF85, 0x95}, {0xFF83, 0xD0}},
        {Family::FF89, 0xDB, {0xFF89, 0x10}, {0xFF89, 0xDB}},
        {Family::FF52, 0xDB, {0xFF52, 0x12}, {0xFF52, 0xDB}},
    };
    for (const Case& c : cases) {
        HubBench bench;
        HubConfig config = DefaultHubConfig(c.family);
        config.flashUsage = c.flashUsage;
        const int device = bench.hub.AddDevice(config);
        auto usages = bench.VisibleUsages();
        ASSERT_EQ(usages.size(), 1u);
        EXPECT_EQ(usages[0].usagePage, c.application.usagePage);
        EXPECT_EQ(usages[0].usage, c.application.usage);
        bench.hub.device(device).SetMode(HubMode::Flash);
        usages = bench.VisibleUsages();
        ASSERT_EQ(usages.size(), 1u);
        EXPECT_EQ(usages[0].usagePage, c.flash.usagePage);
        EXPECT_EQ(usages[0].usage, c.flash.usage);
        bench.hub.device(device).SetMode(HubMode::Absent);
        EXPECT_TRUE(bench.VisibleUsages().empty());
    }
}

TEST(SimulatedHub, HardwareIdListsFollowTheMode) {
    HubBench bench;
    HubConfig config;
    config.revision = 0x0102;
    config.flashRevision = 0x0001;
    bench.hub.AddDevice(config);
    EXPECT_EQ(bench.hub.HardwareIdsOf(0),
              (std::vector<std::string>{"USB\\VID_1EE9&PID_5150&REV_0102", "USB\\VID_1EE9&PID_5150"}));
    bench.hub.device(0).SetMode(HubMode::Flash);
    EXPECT_EQ(bench.hub.HardwareIdsOf(0),
              (std::vector<std::string>{"USB\\VID_1EE9&PID_51DB&REV_0001", "USB\\VID_1EE9&PID_51DB"}));
    bench.hub.device(0).RemoveNode();
    EXPECT_TRUE(bench.hub.HardwareIdsOf(0).empty());
}

TEST(SimulatedHub, ApplicationFirmwareEchoesOnlyOnItsReportId) {
    HubBench bench;
    HubConfig config;
    config.reportId = 0x5A;
    bench.hub.AddDevice(config);
    const DeviceHandle handle = bench.OpenFirst();
    ASSERT_NE(handle, 0u);

    ASSERT_TRUE(bench.Send(handle, 0x5A, Handshake()));
    auto answer = bench.Fetch(handle, 0x5A);
    const std::vector<uint8_t> expected = Handshake();
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), answer.begin() + 1));

    ASSERT_TRUE(bench.Send(handle, 0x5B, Handshake()));
    answer = bench.Fetch(handle, 0x5B);
    EXPECT_EQ(answer[1], 0);
}

TEST(SimulatedHub, FlashModeComesAfterItsDelayAndFinishingReturns) {
    HubBench bench;
    HubConfig config;
    config.flashEntryDelayMs = 700;
    config.returnDelayMs = 300;
    bench.hub.AddDevice(config);
    const DeviceHandle app = bench.OpenFirst();
    ASSERT_TRUE(bench.Send(app, 0x5A, {0x09, 0x00}));

    EXPECT_EQ(bench.hub.ModeOf(0), HubMode::Absent);
    EXPECT_FALSE(bench.Send(app, 0x5A, Handshake()));
    EXPECT_EQ(bench.hub.GetLastError(), kErrorDeviceNotConnected);
    bench.clock.Advance(699);
    EXPECT_EQ(bench.hub.ModeOf(0), HubMode::Absent);
    bench.clock.Advance(1);
    EXPECT_EQ(bench.hub.ModeOf(0), HubMode::Flash);

    const DeviceHandle flash = bench.OpenFirst();
    ASSERT_TRUE(bench.Send(flash, 0, {0xC4}));
    EXPECT_EQ(bench.hub.ModeOf(0), HubMode::Absent);
    bench.clock.Advance(300);
    EXPECT_EQ(bench.hub.ModeOf(0), HubMode::Application);
    bench.hub.CloseDevice(app);
    bench.hub.CloseDevice(flash);
    EXPECT_EQ(bench.hub.OpenHandles(), 0u);
}

TEST(SimulatedHub, FlashKeepsTheAndOfOldAndNewUntilErased) {
    HubBench bench;
    HubConfig config = DefaultHubConfig(Family::Default, HubMode::Flash);
    config.flash.assign(0x3000, 0x00);
    config.flash[0x2000] = 0xF0;
    bench.hub.AddDevice(config);
    const DeviceHandle handle = bench.OpenFirst();

    auto programByte = [&](uint8_t value) {
        bench.Send(handle, 0, {0xC0});
        bench.Send(handle, 0, {0xC1, 0x00, 0x00, 0x01, value});
        bench.Send(handle, 0, {0xC3, 0x00, 0x20, 0x00, 0x00, 0x04});
    };
    programByte(0x3C);
    EXPECT_EQ(bench.hub.device(0).flash()[0x2000], 0x30);
    EXPECT_EQ(bench.hub.device(0).flash()[0x2001], 0x00);   // 0xFF filler leaves old bits

    bench.Send(handle, 0, {0xC2, 0x00, 0x20, 0x00, 0x01, 0x00});
    EXPECT_EQ(bench.hub.device(0).flash()[0x23FF], 0xFF);
    EXPECT_EQ(bench.hub.device(0).flash()[0x2400], 0x00);   // one block only
    programByte(0x3C);
    EXPECT_EQ(bench.hub.device(0).flash()[0x2000], 0x3C);

    // Page-buffer sum: 1023 bytes of 0xFF and one 0x3C.
    bench.Send(handle, 0, {0xD0});
    const auto sum = bench.Fetch(handle, 0);
    EXPECT_EQ(sum[2] | sum[3] << 8, (1023 * 0xFF + 0x3C) & 0xFFFF);

    bench.Send(handle, 0, {0xD1, 0xFF, 0x1F, 0x00, 0x02});
    const auto read = bench.Fetch(handle, 0);
    EXPECT_EQ(read[6], 0x00);
    EXPECT_EQ(read[7], 0x3C);
}

TEST(SimulatedHub, ConfiguredFaultsFire) {
    HubBench bench;
    HubConfig config;
    config.faults.failEvery = 3;
    config.faults.wrongEchoEvery = 1;
    bench.hub.AddDevice(config);
    const DeviceHandle handle = bench.OpenFirst();
    EXPECT_TRUE(bench.Send(handle, 0x5A, {0x07, 0x00, 0x20, 0xF0, 0x03}));
    const auto answer = bench.Fetch(handle, 0x5A);
    EXPECT_NE(answer[2], 0x00);   // address echo off
    EXPECT_EQ(answer[6], 0x81);   // data still right
    EXPECT_FALSE(bench.Send(handle, 0x5A, Handshake()));
    EXPECT_EQ(bench.hub.GetLastError(), kErrorGenFailure);
    EXPECT_TRUE(bench.Send(handle, 0x5A, Handshake()));

    const auto& traffic = bench.hub.traffic().Entries();
    ASSERT_EQ(traffic.size(), 4u);
    EXPECT_FALSE(traffic[2].ok);
    EXPECT_EQ(traffic[1].direction, Direction::Get);
}

// The faults later tests inject: each one changes what the device does, and
// the same device without it behaves normally.
TEST(SimulatedHub, ModeFaultsFireWhenConfigured) {
    struct Case {
        const char* name;
        HubMode start;
        std::function<void(FaultPlan&)> fault;   // empty: the device without the fault
        std::vector<std::vector<uint8_t>> sends;
        uint32_t wait;
        HubMode after;
    } cases[] = {
        {"flash entry", HubMode::Application, {}, {{0x09, 0}}, 800, HubMode::Flash},
        {"flash entry ignored", HubMode::Application, [](FaultPlan& f) { f.noFlashEntry = true; }, {{0x09, 0}},
         60000, HubMode::Application},
        {"return", HubMode::Flash, {}, {{0xC4}}, 800, HubMode::Application},
        {"no return", HubMode::Flash, [](FaultPlan& f) { f.noReturn = true; }, {{0xC4}}, 60000, HubMode::Absent},
        {"two transfers before the unplug", HubMode::Application, [](FaultPlan& f) { f.unplugAfter = 3; },
         {Handshake(), Handshake()}, 0, HubMode::Application},
        {"unplugged after three transfers", HubMode::Application, [](FaultPlan& f) { f.unplugAfter = 3; },
         {Handshake(), Handshake(), Handshake()}, 60000, HubMode::Absent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HubBench bench;
        HubConfig config = DefaultHubConfig(Family::Default, c.start);
        if (c.fault) c.fault(config.faults);
        bench.hub.AddDevice(config);
        const DeviceHandle handle = bench.OpenFirst();
        const uint8_t reportId = c.start == HubMode::Flash ? 0 : 0x5A;
        for (const auto& payload : c.sends) EXPECT_TRUE(bench.Send(handle, reportId, payload));
        bench.clock.Advance(c.wait);
        EXPECT_EQ(bench.hub.ModeOf(0), c.after);
    }
}

TEST(SimulatedHub, StuckPageKeepsItsContentWhileOthersTakeTheirs) {
    HubBench bench;
    HubConfig config = DefaultHubConfig(Family::Default, HubMode::Flash);
    config.faults.stuckPages = {0x4123};   // any address inside the page
    bench.hub.AddDevice(config);
    const DeviceHandle handle = bench.OpenFirst();
    bench.Send(handle, 0, {0xC0});
    bench.Send(handle, 0, {0xC1, 0x00, 0x00, 0x02, 0x12, 0x34});
    for (const uint8_t page : {0x3C, 0x40, 0x44}) bench.Send(handle, 0, {0xC3, 0x00, page, 0x00, 0x00, 0x04});
    const std::vector<uint8_t>& flash = bench.hub.device(0).flash();
    EXPECT_EQ(flash[0x3C00], 0x12);
    EXPECT_EQ(flash[0x4000], 0xFF);
    EXPECT_EQ(flash[0x4400], 0x12);
    EXPECT_EQ(flash[0x4401], 0x34);
}

// Which of 200 transfers fail at the given rate and seed.
std::vector<bool> FailurePattern(uint32_t ratePercent, uint32_t seed) {
    HubBench bench;
    HubConfig config;
    config.faults.failRatePercent = ratePercent;
    config.faults.seed = seed;
    bench.hub.AddDevice(config);
    const DeviceHandle handle = bench.OpenFirst();
    std::vector<bool> failed;
    for (int i = 0; i < 200; ++i) failed.push_back(!bench.Send(handle, 0x5A, Handshake()));
    return failed;
}

TEST(SimulatedHub, FailureRateIsDrawnFromTheSeed) {
    const std::vector<bool> pattern = FailurePattern(10, 42);
    const auto failures = std::count(pattern.begin(), pattern.end(), true);
    EXPECT_GT(failures, 5);
    EXPECT_LT(failures, 40);
    EXPECT_EQ(FailurePattern(10, 42), pattern);   // the same on every run
    EXPECT_NE(FailurePattern(10, 43), pattern);
    EXPECT_EQ(FailurePattern(0, 42), std::vector<bool>(200, false));
    EXPECT_EQ(FailurePattern(100, 42), std::vector<bool>(200, true));
}

// Docking as later runs rely on it: units come and go on the clock, each
// with the flash the description gave.
TEST(SimulatedHub, DockingTakesUnitsAwayAndAttachesTheNext) {
    VirtualClock clock;
    SimulatedSensorHub hub(clock);
    HubConfig config = DefaultHubConfig(Family::Default, HubMode::Flash);
    config.flash.assign(0x400, 0x00);
    config.returnDelayMs = 500;
    config.faults.dockRemoveAfterMs = 5000;
    config.faults.dockNextAfterMs = 3000;
    config.faults.dockUnits = 2;
    hub.AddDevice(config);
    SimDevice& device = hub.device(0);

    uint8_t finish[63] = {0xC2, 0x00, 0x00, 0x00, 0x01, 0x00};   // erase block 0, then finish
    device.HandleSet(0, finish, clock.TickCount());
    finish[0] = 0xC4;
    device.HandleSet(0, finish, clock.TickCount());
    struct Step {
        uint32_t advance;
        HubMode mode;
        int unit;
    } steps[] = {{499, HubMode::Absent, 0},  {1, HubMode::Application, 0}, {4999, HubMode::Application, 0},
                 {1, HubMode::Absent, 0},    {3000, HubMode::Application, 1}, {4000, HubMode::Application, 1}};
    for (const Step& step : steps) {
        clock.Advance(step.advance);
        EXPECT_EQ(hub.ModeOf(0), step.mode) << clock.TickCount();
        EXPECT_EQ(device.unit(), step.unit);
    }
    ASSERT_EQ(device.retiredUnits().size(), 1u);
    EXPECT_EQ(device.retiredUnits()[0][0], 0xFF);   // what the first unit was left with
    EXPECT_EQ(device.flash()[0], 0x00);             // the next unit came fresh

    // The second unit is the last: once taken away nothing more comes.
    device.SetMode(HubMode::Flash);
    device.HandleSet(0, finish, clock.TickCount());
    clock.Advance(500 + 5000 + 3000);
    EXPECT_EQ(hub.ModeOf(0), HubMode::Absent);
    EXPECT_EQ(device.retiredUnits().size(), 2u);
}

}  // namespace
}  // namespace nuv::sim
