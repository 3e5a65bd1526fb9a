#include "device/feature_transport.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "device/discovery.h"
#include "device/wait_helper.h"
#include "sim/sim_program_fixture.h"

namespace nuv {
namespace {

using sim::Direction;
using testing::SimProgram;
using Lines = std::vector<std::string>;

const uint8_t kHandshake[15] = {'V', 'a', 'n', 'd', 'r', 'e', 'l', ' ', 'C', 'o', ' ', 'L', 't', 'd', 0};

// A program holding one application-mode hub in slot 0.
struct Connected : SimProgram {
    explicit Connected(sim::HubConfig config = {}) {
        hub.AddDevice(config);
        OpenMatchingDevices(program, 0xFF83, 0x80);
        handle = program.deviceTable.Handles[0];
        trace().clear();
        hub.traffic().Clear();
    }
    DeviceHandle handle = 0;
};

TEST(FeatureTransport, EmptySlotFailsTenTimesInAboutOneSecond) {
    for (const bool send : {true, false}) {
        SimProgram f;
        uint8_t payload[4] = {1, 2, 3, 4};
        EXPECT_FALSE(FeatureTransport(f.program, 0, send, 0x5A, payload, 4));
        const std::string line = send ? "failed HidD_SetFeature - 6" : "failed HidD_GetFeature - 6";
        EXPECT_EQ(f.trace(), Lines(10, line));
        EXPECT_EQ(f.now(), 1000u);
        if (!send) {
            EXPECT_EQ(payload[0], 0);   // the zero-filled report was copied back
        }
    }
}

TEST(FeatureTransport, SendsThePayloadAfterTheReportIdAndZerosBeyondIt) {
    Connected f;
    uint8_t payload[8] = {0x41, 0x42, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    ASSERT_TRUE(FeatureTransport(f.program, f.handle, true, 0x5A, payload, 2));
    ASSERT_TRUE(FeatureTransport(f.program, f.handle, true, 0x33, payload, 0));
    const auto sent = f.hub.traffic().Successful(Direction::Set);
    ASSERT_EQ(sent.size(), 2u);
    std::array<uint8_t, 64> first{0x5A, 0x41, 0x42};
    std::array<uint8_t, 64> second{0x33};
    EXPECT_EQ(sent[0].report, first);
    EXPECT_EQ(sent[1].report, second);
    EXPECT_TRUE(f.trace().empty());
}

TEST(FeatureTransport, FetchCopiesOnlyThePayloadLength) {
    Connected f;
    uint8_t handshake[15];
    std::copy(std::begin(kHandshake), std::end(kHandshake), handshake);
    ASSERT_TRUE(FeatureTransport(f.program, f.handle, true, 0x5A, handshake, 15));

    uint8_t answer[16];
    std::fill(std::begin(answer), std::end(answer), 0xEE);
    ASSERT_TRUE(FeatureTransport(f.program, f.handle, false, 0x5A, answer, 4));
    EXPECT_EQ(std::vector<uint8_t>(answer, answer + 5), (std::vector<uint8_t>{'V', 'a', 'n', 'd', 0xEE}));

    std::fill(std::begin(answer), std::end(answer), 0xEE);
    ASSERT_TRUE(FeatureTransport(f.program, f.handle, false, 0x5A, answer, 0));
    EXPECT_EQ(answer[0], 0xEE);
    const auto fetched = f.hub.traffic().Successful(Direction::Get);
    ASSERT_EQ(fetched.size(), 2u);
    EXPECT_EQ(fetched[1].reportId(), 0x5A);
}

TEST(FeatureTransport, ConfiguredPauseComesOnceBeforeTheFirstAttempt) {
    struct Case {
        int32_t delay;
        bool send;
        uint32_t pause;
    } cases[] = {{50, true, 50}, {50, false, 50}, {0, true, 0}, {-5, true, 0}, {-5, false, 0}};
    for (const Case& c : cases) {
        Connected f;
        f.program.settings.AllHidCommandDelay = c.delay;
        const uint32_t start = f.now();
        uint8_t payload[2] = {};
        ASSERT_TRUE(FeatureTransport(f.program, f.handle, c.send, 0x5A, payload, 2));
        ASSERT_EQ(f.hub.traffic().Entries().size(), 1u);
        EXPECT_EQ(f.hub.traffic().Entries()[0].tick - start, c.pause);
        EXPECT_EQ(f.now() - start, c.pause);
    }
}

TEST(FeatureTransport, RetriesFailedTransfersWithTheirErrorNumbers) {
    sim::HubConfig config;
    config.faults.failBurstAt = 1;
    config.faults.failBurstLength = 3;
    Connected f(config);
    // Discovery did not transfer, so the burst hits the first three attempts.
    uint8_t answer[3] = {};
    const uint32_t start = f.now();
    EXPECT_TRUE(FeatureTransport(f.program, f.handle, false, 0x5A, answer, 3));
    EXPECT_EQ(f.trace(), Lines(3, "failed HidD_GetFeature - 31"));
    EXPECT_EQ(f.now() - start, 300u);
    EXPECT_EQ(f.hub.traffic().Entries().size(), 4u);

    f.trace().clear();
    f.hub.device(0).Unplug();
    EXPECT_FALSE(FeatureTransport(f.program, f.handle, true, 0x5A, answer, 3));
    EXPECT_EQ(f.trace(), Lines(10, "failed HidD_SetFeature - 1167"));
}

TEST(FeatureTransport, OverlongLengthIsCutToTheReport) {
    Connected f;
    std::array<uint8_t, 255> payload;
    payload.fill(0x11);
    ASSERT_TRUE(FeatureTransport(f.program, f.handle, false, 0x5A, payload.data(), 255));
    EXPECT_EQ(payload[63], 0x11);   // nothing beyond the 63 payload bytes of the report
}

// A timer tick that talks to the device runs inside a wait while transfers
// take time on the device link.
TEST(WaitWithEvents, TimerTickWithTransfersInFlightRunsInsideTheWait) {
    Connected f;
    f.hub.SetLatency(15);
    EventLoop& loop = f.rig.virtualHost.loop;
    std::vector<uint32_t> tickTimes;
    loop.SetDispatcher([&](const WindowEvent& event) {
        if (event.kind != EventKind::TimerTick) return;
        tickTimes.push_back(f.now());
        uint8_t handshake[15];
        std::copy(std::begin(kHandshake), std::end(kHandshake), handshake);
        FeatureTransport(f.program, f.handle, true, 0x5A, handshake, 15);
        FeatureTransport(f.program, f.handle, false, 0x5A, handshake, 15);
    });
    loop.StartTimer(kTimer1, 40);
    const uint32_t start = f.now();
    const uint32_t passed = WaitWithEvents(f.program, 100);
    loop.StopTimer(kTimer1);
    loop.SetDispatcher(nullptr);

    EXPECT_EQ(tickTimes, (std::vector<uint32_t>{start + 40, start + 80}));
    EXPECT_EQ(passed, 110u);   // the second tick's transfers end at 80 + 2 * 15
    EXPECT_EQ(f.hub.traffic().Successful(Direction::Get).size(), 2u);
    EXPECT_TRUE(f.trace().empty());
}

}  // namespace
}  // namespace nuv
