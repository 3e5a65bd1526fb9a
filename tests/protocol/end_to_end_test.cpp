#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "protocol/application_requests.h"
#include "protocol/chip_identification.h"
#include "protocol/device_modes.h"
#include "protocol/flash_requests.h"
#include "protocol/memory_reads.h"
#include "protocol/page_programming.h"
#include "protocol/protocol_rig.h"

namespace nuv {
namespace {

using sim::Family;
using sim::HubMode;
using Bytes = std::vector<uint8_t>;

struct FamilyCase {
    const char* name;
    Family family;
    DeviceKind kind;
    int32_t imageSize;
    uint16_t flashUsage;
    ChipClass chipClass;
};

const FamilyCase kFamilies[] = {
    {"default", Family::Default, {}, 129024, 0xDB, 2},
    {"FF85", Family::FF85, {true, false, false, false}, 129024, 0xD0, 3},
    {"FF89", Family::FF89, {false, true, false, false}, 57344, 0xDB, 1},
    {"FF52", Family::FF52, {false, false, true, false}, 129024, 0xDB, 0},
};

constexpr uint32_t kStart = 0x2000;

// Programs a range with one erased page inside, reads it back, and checks
// it against the simulated flash.
void ProgramAndReadBack(testing::ProtocolRig& rig, int32_t length) {
    Bytes data(static_cast<size_t>(length));
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 13 + i / 256);
    std::fill(data.begin() + 2048, data.begin() + 3072, 0xFF);

    EraseBlocks(rig.program, kStart, static_cast<uint16_t>((length + 1023) / 1024));
    EXPECT_TRUE(ProgramPages(rig.program, kStart, length, data.data()));
    Bytes back(data.size(), 0);
    EXPECT_TRUE(ReadFlashRange(rig.program, kStart, length, back.data()));

    EXPECT_EQ(back, data);
    const auto& flash = rig.hub.device(0).flash();
    EXPECT_TRUE(std::equal(data.begin(), data.end(), flash.begin() + kStart));
}

TEST(ProtocolEndToEnd, EachFamilyConnectsEntersFlashModeProgramsAndReadsBack) {
    for (const FamilyCase& c : kFamilies) {
        SCOPED_TRACE(c.name);
        testing::ProtocolRig rig;
        rig.AddHub(c.family, HubMode::Application, [&](sim::HubConfig& h) { h.flashUsage = c.flashUsage; });
        rig.program.deviceKind = c.kind;
        rig.program.imageStream.bytes.assign(static_cast<size_t>(c.imageSize), 0);

        ConnectApplicationMode(rig.program);
        ASSERT_EQ(rig.program.ConnectionState, kApplicationMode);
        EXPECT_TRUE(rig.program.form.Button2.enabled);

        EXPECT_TRUE(EnterFlashMode(rig.program));
        ConnectDevice(rig.program, kModeDisconnect);
        ConnectApplicationMode(rig.program);   // finds the flash-mode interface
        ASSERT_EQ(rig.program.ConnectionState, kFlashMode);
        EXPECT_TRUE(rig.program.form.Button3.enabled);
        EXPECT_EQ(IdentifyChip(rig.program, 2), c.chipClass);

        ProgramAndReadBack(rig, 9 * 1024 + 300);

        FinishFlash(rig.program);
        rig.virtualHost.clock.Sleep(1000);
        ConnectApplicationMode(rig.program);
        EXPECT_EQ(rig.program.ConnectionState, kApplicationMode);
        EXPECT_EQ(rig.CountTrace("failed HidD_"), 0u);
    }
}

TEST(ProtocolEndToEnd, RetriesCarryTheWorkThroughInjectedFailures) {
    testing::ProtocolRig rig;
    rig.AddHub(Family::Default, HubMode::Application, [](sim::HubConfig& h) {
        h.faults.failEvery = 7;
        h.faults.wrongEchoEvery = 3;
        h.flash.assign(0x3200, 0x00);
        const char version[] = "FW 1.2.3";
        std::copy(std::begin(version), std::end(version), h.flash.begin() + 0x3100);
    });
    rig.program.imageStream.bytes.assign(129024, 0);

    ConnectApplicationMode(rig.program);
    ASSERT_EQ(rig.program.ConnectionState, kApplicationMode);
    uint8_t version[32] = {};
    EXPECT_TRUE(ReadMemoryBlock(rig.program, 0x3100, 32, version));
    EXPECT_STREQ(reinterpret_cast<const char*>(version), "FW 1.2.3");

    EnterFlashMode(rig.program);
    ConnectDevice(rig.program, kModeDisconnect);
    ConnectFlashMode(rig.program);
    ASSERT_EQ(rig.program.ConnectionState, kFlashMode);
    EXPECT_EQ(IdentifyChip(rig.program, 2), 2);

    ProgramAndReadBack(rig, 6 * 1024);

    EXPECT_GT(rig.CountTrace("failed HidD_SetFeature - 31"), 0u);
    EXPECT_GT(rig.CountTrace("failed HidD_GetFeature - 31"), 0u);
}

}  // namespace
}  // namespace nuv
