#include "protocol/page_programming.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "protocol/device_modes.h"
#include "protocol/protocol_rig.h"

namespace nuv {
namespace {

using sim::Direction;
using sim::Family;
using sim::HubMode;
using Bytes = std::vector<uint8_t>;

struct FlashRig : testing::ProtocolRig {
    explicit FlashRig(const std::function<void(sim::HubConfig&)>& adjust = {}) {
        AddHub(Family::Default, HubMode::Flash, adjust);
        ConnectDevice(program, 2);
        hub.traffic().Clear();
        loop.onPump = [this] { progressAtPumps.push_back(program.form.progressPosition); };
    }
    std::vector<sim::TrafficEntry> Sent() { return hub.traffic().Successful(Direction::Set); }
    Bytes Opcodes() {
        Bytes ops;
        for (const auto& e : Sent()) ops.push_back(e.payload(0));
        return ops;
    }
    std::vector<uint32_t> ProgrammedAddresses() {
        std::vector<uint32_t> addresses;
        for (const auto& e : Sent())
            if (e.payload(0) == 0xC3) addresses.push_back(sim::Address24(&e.report[2]));
        return addresses;
    }
    Bytes FlashAt(uint32_t address, size_t length) {
        const auto& flash = hub.device(0).flash();
        return Bytes(flash.begin() + address, flash.begin() + address + length);
    }
    std::vector<int> progressAtPumps;
};

// Bytes that are never 0xFF, so every page needs programming.
Bytes Pattern(size_t length, uint8_t seed = 1) {
    Bytes data(length);
    for (size_t i = 0; i < length; ++i) data[i] = static_cast<uint8_t>((i * 31 + seed) % 0xFF);
    return data;
}

TEST(ProgramPages, ProgramsPagesInFiftySevenByteLoads) {
    FlashRig rig;
    const Bytes data = Pattern(1500);
    EXPECT_TRUE(ProgramPages(rig.program, 0x4000, 1500, data.data()));

    Bytes expectedOps;
    for (int loads : {18, 9}) {
        expectedOps.push_back(0xC0);
        expectedOps.insert(expectedOps.end(), loads, 0xC1);
        expectedOps.push_back(0xD0);
        expectedOps.push_back(0xC3);
    }
    EXPECT_EQ(rig.Opcodes(), expectedOps);

    std::vector<std::pair<int, int>> loads;   // offset, count
    for (const auto& e : rig.Sent())
        if (e.payload(0) == 0xC1) loads.emplace_back(e.payload(1) | e.payload(2) << 8, e.payload(3));
    ASSERT_EQ(loads.size(), 27u);
    for (int i = 0; i < 17; ++i) EXPECT_EQ(loads[i], std::make_pair(57 * i, 57));
    EXPECT_EQ(loads[17], std::make_pair(969, 55));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(loads[18 + i], std::make_pair(57 * i, 57));
    EXPECT_EQ(loads[26], std::make_pair(456, 20));

    for (const auto& e : rig.Sent()) {
        if (e.payload(0) == 0xC3) {
            EXPECT_EQ(e.payload(4) | e.payload(5) << 8, 1024);
        }
    }
    EXPECT_EQ(rig.ProgrammedAddresses(), (std::vector<uint32_t>{0x4000, 0x4400}));
    EXPECT_EQ(rig.FlashAt(0x4000, 1500), data);
    EXPECT_EQ(rig.FlashAt(0x4000 + 1500, 548), Bytes(548, 0xFF));   // padding of the last page
    EXPECT_EQ(rig.progressAtPumps, (std::vector<int>{50, 100}));
    EXPECT_TRUE(rig.virtualHost.system.stdoutText.empty());
}

TEST(ProgramPages, ErasedPagesAndEmptyRangesSendNothing) {
    struct Case {
        const char* name;
        int32_t length;
        std::function<Bytes()> data;
        std::vector<uint32_t> programmed;
        std::vector<int> progress;
    } cases[] = {
        {"zero length", 0, [] { return Bytes(16, 0); }, {}, {}},
        {"negative length", -1024, [] { return Bytes(16, 0); }, {}, {}},
        {"one erased page", 1024, [] { return Bytes(1024, 0xFF); }, {}, {100}},
        {"erased partial last page", 1500,
         [] {
             Bytes d = Pattern(1500);
             std::fill(d.begin() + 1024, d.end(), 0xFF);
             return d;
         },
         {0}, {50, 100}},
        {"erased page in the middle", 3072,
         [] {
             Bytes d = Pattern(3072);
             std::fill(d.begin() + 1024, d.begin() + 2048, 0xFF);
             return d;
         },
         {0, 2048}, {33, 66, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FlashRig rig;
        rig.program.form.progressPosition = 17;
        const Bytes data = c.data();
        EXPECT_TRUE(ProgramPages(rig.program, 0, c.length, data.data()));
        EXPECT_EQ(rig.ProgrammedAddresses(), c.programmed);
        EXPECT_EQ(rig.progressAtPumps, c.progress);
        if (c.progress.empty()) {
            EXPECT_TRUE(rig.traffic().empty());
            EXPECT_EQ(rig.program.form.progressPosition, 17);
        }
        if (c.length > 0) {
            EXPECT_EQ(rig.FlashAt(0, static_cast<size_t>(c.length)), data);
        }
    }
}

TEST(ProgramPages, StopsAtTheFirstPageBufferSumMismatch) {
    FlashRig rig([](sim::HubConfig& h) { h.faults.wrongChecksumEvery = 4; });
    const Bytes data = Pattern(10 * 1024, 9);

    EXPECT_FALSE(ProgramPages(rig.program, 0x8000, 10 * 1024, data.data()));

    EXPECT_EQ(rig.ProgrammedAddresses(), (std::vector<uint32_t>{0x8000, 0x8400, 0x8800}));
    EXPECT_EQ(rig.program.form.progressPosition, 40);
    EXPECT_EQ(rig.traffic().back().direction, Direction::Get);   // the fourth sum ended it
    EXPECT_EQ(rig.traffic().back().payload(0), 0xD0);
    EXPECT_EQ(rig.FlashAt(0x8000, 3072), Bytes(data.begin(), data.begin() + 3072));
    EXPECT_EQ(rig.FlashAt(0x8C00, 7 * 1024), Bytes(7 * 1024, 0xFF));

    unsigned host = 0;
    for (int i = 3072; i < 4096; ++i) host += data[static_cast<size_t>(i)];
    host &= 0xFFFF;
    const unsigned device = (host + 1) & 0xFFFF;
    char expected[96];
    std::snprintf(expected, sizeof expected, "Checksum0: %u(%Xh)\nChecksum1: %u(%Xh)\n", host, host, device,
                  device);
    EXPECT_EQ(rig.virtualHost.system.stdoutText, expected);
}

TEST(VerifyPageBuffer, DifferenceIsHostMinusDeviceSum) {
    FlashRig rig([](sim::HubConfig& h) { h.faults.wrongChecksumEvery = 2; });
    rig.program.pageMirror.fill(0x00);   // host sum 0
    EXPECT_EQ(VerifyPageBuffer(rig.program), 0 - 0xFC00);   // device buffer starts erased: 1024 * 0xFF
    rig.virtualHost.system.stdoutText.clear();
    rig.program.pageMirror.fill(0xFF);
    EXPECT_EQ(VerifyPageBuffer(rig.program), -1);           // the device's second sum is one too many
    EXPECT_EQ(rig.virtualHost.system.stdoutText, "Checksum0: 64512(FC00h)\nChecksum1: 64513(FC01h)\n");
    rig.virtualHost.system.stdoutText.clear();
    EXPECT_EQ(VerifyPageBuffer(rig.program), 0);
    EXPECT_TRUE(rig.virtualHost.system.stdoutText.empty());
}

TEST(ReadFlashRange, ReadsIn56ByteRequestsWithProgressForFullOnes) {
    struct Case {
        int32_t length;
        Bytes counts;
        std::vector<int> progress;
    } cases[] = {
        {0, {}, {}},
        {-3, {}, {}},
        {1, {1}, {}},
        {56, {56}, {}},
        {57, {56, 1}, {50}},
        {112, {56, 56}, {50}},
        {1024, {}, {}},   // filled in below
    };
    cases[6].counts.assign(18, 56);
    cases[6].counts.push_back(16);
    for (int i = 1; i <= 18; ++i) cases[6].progress.push_back(i * 100 / 19);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        FlashRig rig([](sim::HubConfig& h) { h.flash = Pattern(0x3000, 5); });
        Bytes destination(2048, 0xEE);

        EXPECT_TRUE(ReadFlashRange(rig.program, 0x2000, c.length, destination.data()));

        Bytes counts;
        uint32_t address = 0x2000;
        for (const auto& e : rig.Sent()) {
            EXPECT_EQ(e.payload(0), 0xD1);
            EXPECT_EQ(sim::Address24(&e.report[2]), address);
            address += e.payload(4);
            counts.push_back(e.payload(4));
        }
        EXPECT_EQ(counts, c.counts);
        EXPECT_EQ(rig.progressAtPumps, c.progress);
        const size_t n = c.length > 0 ? static_cast<size_t>(c.length) : 0;
        EXPECT_EQ(Bytes(destination.begin(), destination.begin() + static_cast<long>(n)), rig.FlashAt(0x2000, n));
        EXPECT_EQ(destination[n], 0xEE);   // nothing written past the range
    }
}

TEST(ReadFlashRange, ReportsReadsThatDidNotGoThrough) {
    FlashRig rig;
    rig.hub.device(0).Unplug();
    Bytes destination(100);
    EXPECT_FALSE(ReadFlashRange(rig.program, 0, 100, destination.data()));
    EXPECT_EQ(rig.CountTrace("failed HidD_SetFeature - "), 20u);
    EXPECT_EQ(rig.CountTrace("failed HidD_GetFeature - "), 20u);
}

}  // namespace
}  // namespace nuv
