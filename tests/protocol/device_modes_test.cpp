#include "protocol/device_modes.h"

#include <gtest/gtest.h>

#include <optional>

#include "protocol/application_requests.h"
#include "protocol/protocol_rig.h"

namespace nuv {
namespace {

using sim::Family;
using sim::HubMode;
using testing::ProtocolRig;

struct SearchCase {
    const char* name;
    uint8_t mode;
    std::optional<Family> family;   // nothing attached when empty
    HubMode hubMode;
    uint16_t flashUsage;
    size_t searches;                // "Find" lines
    int32_t state;
    bool variantDD;
    uint32_t elapsedMs;             // 100 ms per mode handled (+ 300 ms handshake)
};

TEST(ConnectDevice, SearchesModesInOrderAndFallsThroughToFlashMode) {
    const SearchCase cases[] = {
        {"app finds flash interface", 1, Family::Default, HubMode::Flash, 0xDB, 2, kFlashMode, false, 200},
        {"FF85 with nothing attached", 3, std::nullopt, HubMode::Absent, 0xDB, 4, kNotConnected, false, 200},
        {"FF85 flash on second usage", 3, Family::FF85, HubMode::Flash, 0xD0, 3, kFlashMode, false, 200},
        {"flash DD variant", 2, Family::Default, HubMode::Flash, 0xDD, 3, kFlashMode, true, 100},
        {"FF89 app", 4, Family::FF89, HubMode::Application, 0xDB, 1, kApplicationMode, false, 400},
        {"FF89 falls to its flash mode", 4, Family::FF89, HubMode::Flash, 0xDB, 2, kFlashMode, false, 200},
        {"FF89 never searches default", 4, Family::Default, HubMode::Flash, 0xDB, 2, kNotConnected, false, 200},
        {"FF52 falls to its flash mode", 6, Family::FF52, HubMode::Flash, 0xDB, 2, kFlashMode, false, 200},
        {"flash mode alone finds no app", 5, Family::FF89, HubMode::Application, 0xDB, 1, kNotConnected, false, 100},
        {"disconnect searches nothing", 128, Family::Default, HubMode::Flash, 0xDB, 0, kNotConnected, false, 0},
        {"unknown mode disconnects", 9, Family::Default, HubMode::Flash, 0xDB, 0, kNotConnected, false, 0},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProtocolRig rig;
        if (c.family)
            rig.AddHub(*c.family, c.hubMode, [&](sim::HubConfig& h) { h.flashUsage = c.flashUsage; });
        rig.program.form.Button2.enabled = true;
        rig.program.form.Button3.enabled = c.state == kNotConnected;

        ConnectDevice(rig.program, c.mode);

        EXPECT_EQ(rig.trace().front(), "Mode:" + std::to_string(c.mode));
        EXPECT_EQ(rig.CountTrace("Find "), c.searches);
        EXPECT_EQ(rig.program.ConnectionState, c.state);
        EXPECT_EQ(rig.program.deviceKind.VariantDD, c.variantDD);
        EXPECT_EQ(rig.now(), c.elapsedMs);
        const bool connected = c.state != kNotConnected;
        EXPECT_EQ(rig.program.deviceTable.MatchedCount, connected ? 1 : 0);
        EXPECT_EQ(rig.hub.OpenHandles(), connected ? 1u : 0u);
        EXPECT_EQ(rig.program.form.Button3.enabled, c.state == kFlashMode);
        if (c.state != kApplicationMode) {
            EXPECT_FALSE(rig.program.form.Button2.enabled);
        }
    }
}

TEST(ConnectDevice, VariantDDChangesOnlyWhenTheDDUsageIsSearched) {
    ProtocolRig rig;
    const int dd = rig.AddHub(Family::Default, HubMode::Flash, [](sim::HubConfig& h) { h.flashUsage = 0xDD; });
    ConnectDevice(rig.program, 2);
    ASSERT_TRUE(rig.program.deviceKind.VariantDD);

    rig.hub.device(dd).Unplug();
    rig.AddHub(Family::Default, HubMode::Flash);   // an ordinary 0xDB flash device
    ConnectDevice(rig.program, 2);
    EXPECT_EQ(rig.program.ConnectionState, kFlashMode);
    EXPECT_TRUE(rig.program.deviceKind.VariantDD);

    ConnectDevice(rig.program, 128);
    EXPECT_TRUE(rig.program.deviceKind.VariantDD);
    rig.hub.device(1).Unplug();
    ConnectDevice(rig.program, 2);   // searched 0xDD and found nothing
    EXPECT_FALSE(rig.program.deviceKind.VariantDD);
}

enum class Outcome { Firmware, Parameter, Rejected };

TEST(ConnectDevice, ImageSizeDecidesWhichStepIsOffered) {
    struct Case {
        Family family;
        uint8_t mode;
        int32_t size;
        int32_t specialKb;
        Outcome outcome;
    } cases[] = {
        {Family::Default, 1, 1024, 126, Outcome::Parameter},
        {Family::Default, 1, 129024, 126, Outcome::Firmware},
        {Family::Default, 1, 129023, 126, Outcome::Rejected},
        {Family::Default, 1, 65536, 126, Outcome::Rejected},
        {Family::Default, 1, 0, 126, Outcome::Rejected},
        {Family::Default, 1, 65536, 64, Outcome::Firmware},
        {Family::FF85, 3, 131072, 126, Outcome::Firmware},
        {Family::FF85, 3, 1024, 126, Outcome::Rejected},
        {Family::FF89, 4, 1024, 126, Outcome::Firmware},
        {Family::FF89, 4, 31744, 126, Outcome::Firmware},
        {Family::FF89, 4, 122880, 126, Outcome::Firmware},
        {Family::FF89, 4, 129024, 126, Outcome::Rejected},
        {Family::FF52, 6, 1024, 126, Outcome::Firmware},
        {Family::FF52, 6, 129024, 126, Outcome::Firmware},
        {Family::FF52, 6, 122880, 126, Outcome::Rejected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + " size " + std::to_string(c.size));
        ProtocolRig rig;
        rig.AddHub(c.family, HubMode::Application);
        rig.program.settings.SpecialBinSizeKb = c.specialKb;
        rig.program.imageStream.bytes.assign(static_cast<size_t>(c.size), 0x11);
        Form1& form = rig.program.form;
        form.Button2.enabled = c.outcome != Outcome::Firmware;
        form.Button3.enabled = true;
        form.Button4.enabled = c.outcome != Outcome::Parameter;
        form.GroupBox4.top = 123;

        ConnectDevice(rig.program, c.mode);

        EXPECT_EQ(rig.program.ConnectionState, kApplicationMode);
        EXPECT_EQ(rig.CountTrace("Bin file size is not support!!"), c.outcome == Outcome::Rejected ? 1u : 0u);
        switch (c.outcome) {
            case Outcome::Firmware:
                EXPECT_TRUE(form.Button2.enabled);
                EXPECT_FALSE(form.Button3.enabled);
                EXPECT_FALSE(form.Button4.enabled);
                EXPECT_EQ(form.GroupBox4.top, 480);
                break;
            case Outcome::Parameter:
                EXPECT_FALSE(form.Button2.enabled);
                EXPECT_FALSE(form.Button3.enabled);
                EXPECT_TRUE(form.Button4.enabled);
                EXPECT_EQ(form.GroupBox4.top, 352);
                break;
            case Outcome::Rejected:
                EXPECT_TRUE(form.Button2.enabled);
                EXPECT_TRUE(form.Button3.enabled);
                EXPECT_TRUE(form.Button4.enabled);
                EXPECT_EQ(form.GroupBox4.top, 123);
                break;
        }
    }
}

TEST(DeviceHandshake, EchoedStringOnReportIdWithPausesBetweenSteps) {
    ProtocolRig rig;
    rig.AddHub(Family::Default, HubMode::Application);
    ConnectDevice(rig.program, 1);

    ASSERT_EQ(rig.program.ConnectionState, kApplicationMode);
    EXPECT_EQ(rig.CountTrace("NUVReportID=90"), 1u);
    const auto& t = rig.traffic();
    ASSERT_EQ(t.size(), 2u);
    const std::vector<uint8_t> expected(HandshakeString.begin(), HandshakeString.end());
    for (const auto& e : t) {
        EXPECT_TRUE(e.ok);
        EXPECT_EQ(e.reportId(), 0x5A);
        EXPECT_EQ(std::vector<uint8_t>(e.report.begin() + 1, e.report.begin() + 16), expected);
    }
    EXPECT_EQ(t[0].direction, sim::Direction::Set);
    EXPECT_EQ(t[1].tick - t[0].tick, 100u);
    EXPECT_EQ(rig.now() - t[1].tick, 200u);
}

TEST(DeviceHandshake, RepeatsOnceWhenTheAnswerIsNotTheExpectedOne) {
    struct Case {
        bool deviceEchoes;
        bool expectEcho;
        bool result;
        size_t transfers;
        uint32_t elapsedMs;
    } cases[] = {
        {true, true, true, 2, 300},
        {true, false, false, 4, 400},
        {false, true, false, 4, 400},
        {false, false, true, 2, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("echoes ") + (c.deviceEchoes ? "yes" : "no") + ", expected " +
                     (c.expectEcho ? "yes" : "no"));
        ProtocolRig rig;
        // A device that answers another report ID leaves the handshake unechoed.
        rig.AddHub(Family::Default, HubMode::Application,
                   [&](sim::HubConfig& h) { h.reportId = c.deviceEchoes ? 0x5A : 0x5B; });
        ConnectDevice(rig.program, 1);
        rig.hub.traffic().Clear();
        const uint32_t start = rig.now();

        EXPECT_EQ(DeviceHandshake(rig.program, c.expectEcho), c.result);
        EXPECT_EQ(rig.traffic().size(), c.transfers);
        EXPECT_EQ(rig.now() - start, c.elapsedMs);
    }
}

TEST(DeviceHandshake, FailedHandshakeFallsBackToReportId5A) {
    ProtocolRig rig;
    rig.AddHub(Family::Default, HubMode::Application);
    rig.program.settings.ReportId = 0x5B;
    rig.program.imageStream.bytes.assign(129024, 0);

    ConnectDevice(rig.program, 1);

    EXPECT_EQ(rig.program.ConnectionState, kApplicationMode);
    EXPECT_TRUE(rig.program.form.Button2.enabled);
    EXPECT_EQ(rig.program.settings.ReportId, 0x5A);
    EXPECT_EQ(rig.CountTrace("NUVReportID=91"), 1u);
    EXPECT_EQ(rig.CountTrace("NUVReportID=90"), 1u);
    std::vector<uint8_t> ids;
    for (const auto& e : rig.traffic()) ids.push_back(e.reportId());
    // The silent first handshake is repeated once before giving up.
    EXPECT_EQ(ids, (std::vector<uint8_t>{0x5B, 0x5B, 0x5B, 0x5B, 0x5A, 0x5A}));
    EXPECT_EQ(rig.now(), 100u + 400u + 300u);

    rig.hub.traffic().Clear();
    EnterFlashMode(rig.program);
    ASSERT_EQ(rig.traffic().size(), 1u);
    EXPECT_EQ(rig.traffic()[0].reportId(), 0x5A);
}

TEST(DeviceHandshake, GoesToTheSlotMainIndexNames) {
    ProtocolRig rig;
    rig.AddHub(Family::Default, HubMode::Application);
    rig.AddHub(Family::Default, HubMode::Application);
    rig.program.settings.MainIndex = 1;
    ConnectDevice(rig.program, 1);

    EXPECT_EQ(rig.program.deviceTable.MatchedCount, 2);
    ASSERT_EQ(rig.traffic().size(), 2u);
    for (const auto& e : rig.traffic()) EXPECT_EQ(e.device, 1);
}

TEST(DeviceHandshake, MainIndexOutsideTheTableSendsNothing) {
    for (int32_t index : {-1, 256, 1000}) {
        ProtocolRig rig;
        rig.AddHub(Family::Default, HubMode::Application);
        rig.program.settings.MainIndex = index;
        ConnectDevice(rig.program, 1);
        EXPECT_EQ(rig.program.ConnectionState, kApplicationMode);
        EXPECT_TRUE(rig.traffic().empty());
        EXPECT_EQ(rig.CountTrace("NUVReportID="), 0u);
    }
}

TEST(ConnectDevice, LeavingHandshakesWithOpenDeviceThenClosesEverything) {
    ProtocolRig rig;
    rig.AddHub(Family::Default, HubMode::Application);
    ConnectDevice(rig.program, 1);
    rig.hub.traffic().Clear();
    const uint32_t start = rig.now();

    ConnectDevice(rig.program, kModeLeave);

    // The firmware echoes, which is not what leaving expects: one repetition.
    EXPECT_EQ(rig.traffic().size(), 4u);
    EXPECT_EQ(rig.now() - start, 400u);
    EXPECT_EQ(rig.program.ConnectionState, kNotConnected);
    EXPECT_EQ(rig.program.deviceTable.MatchedCount, 0);
    EXPECT_EQ(rig.hub.OpenHandles(), 0u);
    EXPECT_EQ(rig.trace().back(), "NUVReportID=90");
}

TEST(ConnectDevice, LeavingWithNothingConnectedSendsNothing) {
    ProtocolRig rig;
    rig.AddHub(Family::Default, HubMode::Application);
    ConnectDevice(rig.program, kModeLeave);
    EXPECT_TRUE(rig.traffic().empty());
    EXPECT_EQ(rig.program.ConnectionState, kNotConnected);
    EXPECT_EQ(rig.now(), 0u);
}

TEST(ConnectDevice, FamilyFlagsPickTheModes) {
    struct Case {
        DeviceKind kind;
        const char* application;
        const char* flash;
    } cases[] = {
        {{}, "Mode:1", "Mode:2"},
        {{true, false, false, false}, "Mode:3", "Mode:2"},
        {{false, true, false, false}, "Mode:4", "Mode:5"},
        {{false, false, true, false}, "Mode:6", "Mode:7"},
        {{true, true, true, false}, "Mode:4", "Mode:5"},
        {{true, false, true, false}, "Mode:3", "Mode:7"},
    };
    for (const Case& c : cases) {
        ProtocolRig rig;
        rig.program.deviceKind = c.kind;
        ConnectApplicationMode(rig.program);
        ConnectFlashMode(rig.program);
        EXPECT_EQ(rig.CountTrace(c.application), 1u) << c.application;
        EXPECT_EQ(rig.CountTrace(c.flash), 1u) << c.flash;
    }
}

}  // namespace
}  // namespace nuv
