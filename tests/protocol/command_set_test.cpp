#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "protocol/application_requests.h"
#include "protocol/chip_identification.h"
#include "protocol/device_modes.h"
#include "protocol/flash_requests.h"
#include "protocol/memory_reads.h"
#include "protocol/protocol_rig.h"
#include "protocol/request_route.h"

namespace nuv {
namespace {

using sim::Direction;
using sim::Family;
using sim::HubMode;
using testing::ProtocolRig;
using Bytes = std::vector<uint8_t>;

// A rig with one device connected in the given mode and a clean traffic record.
struct ConnectedRig : ProtocolRig {
    explicit ConnectedRig(HubMode mode, const std::function<void(sim::HubConfig&)>& adjust = {},
                          Family family = Family::Default) {
        AddHub(family, mode, adjust);
        ConnectDevice(program, mode == HubMode::Flash ? 2 : 1);
        hub.traffic().Clear();
        start = now();
    }
    uint32_t elapsed() { return now() - start; }
    uint32_t start = 0;
};

Bytes Padded(Bytes bytes) {
    bytes.resize(63, 0);
    return bytes;
}

// The configured REPORTID is 0x5B here, so the requests that must use the
// fixed 0x5A can be told from those that follow the setting.
TEST(CommandSet, RequestLayoutsReportIdsAndPauses) {
    struct Case {
        const char* name;
        HubMode mode;
        std::function<void(Program&)> request;
        Bytes payload;        // the whole request; the rest of the report is 0
        uint8_t reportId;
        uint32_t pauseMs;
    } cases[] = {
        {"EnterFlashMode", HubMode::Application, [](Program& p) { EnterFlashMode(p); }, {0x09, 0x00}, 0x5B, 1000},
        {"ReadMemoryBlock", HubMode::Application,
         [](Program& p) { uint8_t b[2]; ReadMemoryBlock(p, 0x3100, 2, b); }, {0x05, 0x00, 0x31, 0x00, 0x02}, 0x5B, 0},
        {"ParameterControl", HubMode::Application, [](Program& p) { ParameterControl(p, 1); }, {0x02, 0x01}, 0x5A, 200},
        {"WriteMemoryByte", HubMode::Application, [](Program& p) { WriteMemoryByte(p, 0x201005, 0xAB); },
         {0x06, 0x05, 0x10, 0x20, 0x01, 0xAB}, 0x5A, 0},
        {"WriteMemoryByte high range", HubMode::Application, [](Program& p) { WriteMemoryByte(p, 0xF01234, 7); },
         {0x08, 0x34, 0x12, 0xF0, 0x01, 0x07}, 0x5A, 0},
        {"ReadParameterByte", HubMode::Application,
         [](Program& p) { uint8_t b; ReadParameterByte(p, 0x01FC05, &b); }, {0x05, 0x05, 0xFC, 0x01, 0x01}, 0x5A, 0},
        {"ClearPageBuffer", HubMode::Flash, [](Program& p) { ClearPageBuffer(p); }, {0xC0}, 0, 0},
        {"EraseBlocks", HubMode::Flash, [](Program& p) { EraseBlocks(p, 0x012345, 0x0102); },
         {0xC2, 0x45, 0x23, 0x01, 0x02, 0x01}, 0, 5},
        {"ProgramPage", HubMode::Flash, [](Program& p) { ProgramPage(p, 0x2400, 1024); },
         {0xC3, 0x00, 0x24, 0x00, 0x00, 0x04}, 0, 5},
        {"FinishFlash", HubMode::Flash, [](Program& p) { FinishFlash(p); }, {0xC4}, 0, 0},
        {"PageBufferChecksum", HubMode::Flash, [](Program& p) { PageBufferChecksum(p); }, {0xD0}, 0, 0},
        {"ReadFlash", HubMode::Flash, [](Program& p) { uint8_t b[3]; ReadFlash(p, 0x2000, 3, b); },
         {0xD1, 0x00, 0x20, 0x00, 0x03, 0x00, 0x00, 0x00}, 0, 0},
        {"ReadIdentification", HubMode::Flash, [](Program& p) { uint8_t b[3]; ReadIdentification(p, 0xF02000, b); },
         {0x07, 0x00, 0x20, 0xF0, 0x03}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ConnectedRig rig(c.mode, [](sim::HubConfig& h) { h.reportId = 0x5B; });
        rig.program.settings.ReportId = 0x5B;
        c.request(rig.program);
        const auto sent = rig.hub.traffic().Successful(Direction::Set);
        ASSERT_FALSE(sent.empty());
        EXPECT_EQ(Bytes(sent[0].report.begin() + 1, sent[0].report.end()), Padded(c.payload));
        for (const auto& e : rig.traffic()) EXPECT_EQ(e.reportId(), c.reportId);
        EXPECT_EQ(rig.elapsed(), c.pauseMs);
    }
}

TEST(CommandSet, AnswersReachTheCaller) {
    ConnectedRig app(HubMode::Application);
    const ParameterArea area = ParameterControl(app.program, kReportParameterArea);
    EXPECT_TRUE(area.answered);
    EXPECT_EQ(area.flashAddress, 0x1FC00u);
    EXPECT_EQ(area.bufferAddress, 0x201000u);
    EXPECT_EQ(area.length, 200);

    EXPECT_TRUE(WriteMemoryByte(app.program, 0x201010, 0x5C));
    uint8_t byte = 0;
    EXPECT_TRUE(ReadParameterByte(app.program, 0x201010, &byte));
    EXPECT_EQ(byte, 0x5C);
    // Saving copies the parameter buffer into the parameter area in flash.
    EXPECT_EQ(ParameterControl(app.program, kSaveParameterBuffer).flashAddress, 0x1FC00u);
    EXPECT_TRUE(ReadParameterByte(app.program, 0x1FC10, &byte));
    EXPECT_EQ(byte, 0x5C);
    EXPECT_EQ(app.hub.device(0).flash()[0x1FC00], 0x00);   // the rest of the buffer came along

    ConnectedRig flash(HubMode::Flash, [](sim::HubConfig& h) { h.flash = {0x10, 0x20, 0x30, 0x40}; });
    std::array<uint8_t, 4> read{};
    EXPECT_TRUE(ReadFlash(flash.program, 1, 3, read.data()));
    EXPECT_EQ(read, (std::array<uint8_t, 4>{0x20, 0x30, 0x40, 0}));

    ClearPageBuffer(flash.program);
    const uint8_t data[] = {1, 2, 3};
    LoadPageBuffer(flash.program, 0, 3, data);
    const PageBufferSum sum = PageBufferChecksum(flash.program);
    EXPECT_TRUE(sum.answered);
    EXPECT_EQ(sum.sum, static_cast<uint16_t>(1021 * 0xFF + 6));
}

TEST(CommandSet, ApplicationRequestsUseMainIndexSlotFlashRequestsSlotZero) {
    ProtocolRig rig;
    rig.AddHub(Family::Default, HubMode::Application);
    rig.AddHub(Family::Default, HubMode::Application);
    rig.program.settings.MainIndex = 1;
    ConnectDevice(rig.program, 1);
    rig.hub.traffic().Clear();

    uint8_t bytes[8];
    ParameterControl(rig.program, 0);
    WriteMemoryByte(rig.program, 0x201000, 1);
    ReadParameterByte(rig.program, 0x201000, bytes);
    ReadMemoryBlock(rig.program, 0x3100, 4, bytes);
    ClearPageBuffer(rig.program);
    LoadPageBuffer(rig.program, 0, 2, bytes);
    EraseBlocks(rig.program, 0x2000, 1);
    ProgramPage(rig.program, 0x2000, 1024);
    PageBufferChecksum(rig.program);
    ReadFlash(rig.program, 0x2000, 4, bytes);
    FinishFlash(rig.program);
    EnterFlashMode(rig.program);

    std::vector<uint8_t> applicationOps, flashOps;
    for (const auto& e : rig.hub.traffic().Successful(Direction::Set)) {
        if (e.reportId() == 0x5A) {
            EXPECT_EQ(e.device, 1);
            applicationOps.push_back(e.payload(0));
        } else {
            EXPECT_EQ(e.device, 0);
            flashOps.push_back(e.payload(0));
        }
    }
    EXPECT_EQ(applicationOps, (Bytes{0x02, 0x06, 0x05, 0x05, 0x09}));
    EXPECT_EQ(flashOps, (Bytes{0xC0, 0xC1, 0xC2, 0xC3, 0xD0, 0xD1, 0xC4}));
}

TEST(LoadPageBuffer, MirrorsDataAtOffset) {
    ConnectedRig rig(HubMode::Flash);
    rig.program.settings.WriteFlashDataDelay = 7;
    ClearPageBuffer(rig.program);
    Bytes data(55);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(0xA0 + i);

    EXPECT_TRUE(LoadPageBuffer(rig.program, 969, 55, data.data()));

    const PageMirror& mirror = rig.program.pageMirror;
    EXPECT_TRUE(std::all_of(mirror.begin(), mirror.begin() + 969, [](uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), mirror.begin() + 969));
    const auto sent = rig.hub.traffic().Successful(Direction::Set);
    ASSERT_EQ(sent.size(), 2u);
    Bytes expected{0xC1, 0xC9, 0x03, 55};
    expected.insert(expected.end(), data.begin(), data.end());
    EXPECT_EQ(Bytes(sent[1].report.begin() + 1, sent[1].report.end()), Padded(expected));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), rig.hub.device(0).pageBuffer().begin() + 969));
    EXPECT_EQ(rig.elapsed(), 7u);

    rig.program.settings.WriteFlashDataDelay = -5;   // no pause, and no endless one
    LoadPageBuffer(rig.program, 0, 1, data.data());
    EXPECT_EQ(rig.elapsed(), 7u);
}

TEST(CommandSet, RequestsThatWouldBreakTheFormatAreRefusedUnsent) {
    ConnectedRig rig(HubMode::Flash);
    ClearPageBuffer(rig.program);
    rig.hub.traffic().Clear();
    const PageMirror before = rig.program.pageMirror;
    std::array<uint8_t, 128> data{};
    data.fill(0x42);
    std::array<uint8_t, 128> destination{};
    destination.fill(0x77);

    EXPECT_FALSE(LoadPageBuffer(rig.program, 1000, 25, data.data()));   // past the page
    EXPECT_FALSE(LoadPageBuffer(rig.program, 0xFFFF, 1, data.data()));
    EXPECT_FALSE(LoadPageBuffer(rig.program, 0, 60, data.data()));      // more than a report holds
    EXPECT_FALSE(ReadFlash(rig.program, 0, 59, destination.data()));
    EXPECT_FALSE(ReadMemory(rig.program, FlashHandle(rig.program), 0, 0, 59, destination.data()));

    EXPECT_TRUE(rig.traffic().empty());
    EXPECT_EQ(rig.program.pageMirror, before);
    EXPECT_TRUE(std::all_of(destination.begin(), destination.end(), [](uint8_t b) { return b == 0x77; }));

    // The largest requests that fit still go.
    EXPECT_TRUE(LoadPageBuffer(rig.program, 965, 59, data.data()));
    EXPECT_TRUE(ReadFlash(rig.program, 0, 58, destination.data()));
    EXPECT_TRUE(ReadMemory(rig.program, FlashHandle(rig.program), 0, 0, 58, destination.data()));
}

Bytes Counts(const std::vector<sim::TrafficEntry>& sent) {
    Bytes counts;
    for (const auto& e : sent) counts.push_back(e.payload(4));
    return counts;
}

TEST(ReadMemoryBlock, ReadsInTenByteChunksWithOneOpcode) {
    struct Case {
        uint32_t address;
        uint8_t length;
        Bytes counts;
        uint8_t opcode;
    } cases[] = {
        {0x3100, 32, {10, 10, 10, 2}, 0x05},
        {0xF02000, 3, {3}, 0x07},
        {0xEFFFFA, 12, {10, 2}, 0x05},    // crosses into the 0xF0 range: opcode kept
        {0x3100, 255, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10,
                       10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 5}, 0x05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        ConnectedRig rig(HubMode::Application, [](sim::HubConfig& h) {
            h.flash.resize(0x3200);
            for (size_t i = 0; i < h.flash.size(); ++i) h.flash[i] = static_cast<uint8_t>(i * 7);
        });
        rig.program.settings.ReportId = 0x5A;
        Bytes destination(c.length, 0);

        EXPECT_TRUE(ReadMemoryBlock(rig.program, c.address, c.length, destination.data()));

        const auto sent = rig.hub.traffic().Successful(Direction::Set);
        EXPECT_EQ(Counts(sent), c.counts);
        uint32_t expectedAddress = c.address;
        for (const auto& e : sent) {
            EXPECT_EQ(e.payload(0), c.opcode);
            EXPECT_EQ(sim::Address24(&e.report[2]), expectedAddress);
            expectedAddress += e.payload(4);
        }
        for (uint32_t i = 0; i < c.length; ++i)
            EXPECT_EQ(destination[i], rig.hub.device(0).ReadByte(c.address + i)) << i;
    }
}

TEST(ReadMemoryBlock, EmptySlotEndsWithoutTraffic) {
    ProtocolRig rig;
    uint8_t destination[4];
    EXPECT_FALSE(ReadMemoryBlock(rig.program, 0x3100, 4, destination));
    EXPECT_TRUE(rig.traffic().empty());
}

// Spoils the address echo of chosen memory-read answers (numbered from 1).
void SpoilEchoes(ProtocolRig& rig, std::function<bool(int)> spoiled) {
    auto answers = std::make_shared<int>(0);
    rig.services.afterGet = [answers, spoiled](uint8_t* report) {
        if ((report[1] == 0x05 || report[1] == 0x07) && spoiled(++*answers)) report[2] ^= 0xFF;
    };
}

TEST(ReadMemoryBlock, OneBudgetOf101FailedTriesServesTheWholeBlock) {
    {
        ConnectedRig rig(HubMode::Application);
        // 60 failures in the first chunk, then 41 in the second: the budget is spent.
        SpoilEchoes(rig, [](int n) { return n != 61; });
        uint8_t destination[20];
        EXPECT_FALSE(ReadMemoryBlock(rig.program, 0x3100, 20, destination));
        EXPECT_EQ(rig.hub.traffic().Successful(Direction::Set).size(), 60u + 1u + 41u);
    }
    {
        ConnectedRig rig(HubMode::Application);
        // 100 failures spread over the chunks stay within it.
        SpoilEchoes(rig, [](int n) { return n <= 50 || (n >= 52 && n <= 101); });
        uint8_t destination[20];
        EXPECT_TRUE(ReadMemoryBlock(rig.program, 0x3100, 20, destination));
        EXPECT_EQ(rig.hub.traffic().Successful(Direction::Set).size(), 102u);
    }
}

TEST(ReadParameterByte, WrongEchoEveryTimeGivesUpAfter101Tries) {
    ConnectedRig rig(HubMode::Application, [](sim::HubConfig& h) { h.faults.wrongEchoEvery = 1; });
    uint8_t byte = 0x33;
    EXPECT_FALSE(ReadParameterByte(rig.program, 0x201000, &byte));
    EXPECT_EQ(rig.hub.traffic().Successful(Direction::Set).size(), 101u);
    EXPECT_EQ(byte, 0x33);
}

TEST(IdentifyChip, ClassesFromIdentificationBytes) {
    struct Case {
        std::array<uint8_t, 3> id;
        ChipClass chipClass;
    } cases[] = {
        {{0x81, 0x75, 0x00}, 2}, {{0x81, 0x85, 0x00}, 0}, {{0x89, 0x12, 0x02}, 0},
        {{0x89, 0x12, 0x03}, 1}, {{0x89, 0x1F, 0xFF}, 1}, {{0x89, 0x22, 0x03}, 0},
        {{0x82, 0x9A, 0x00}, 3}, {{0x82, 0x70, 0x00}, 0}, {{0x00, 0x00, 0x00}, 0},
    };
    for (const Case& c : cases) {
        for (HubMode mode : {HubMode::Application, HubMode::Flash}) {
            ConnectedRig rig(mode, [&](sim::HubConfig& h) { h.identification = c.id; });
            const int32_t way = mode == HubMode::Application ? 1 : 2;
            EXPECT_EQ(IdentifyChip(rig.program, way), c.chipClass)
                << "way " << way << " bytes " << int{c.id[0]} << "," << int{c.id[1]} << "," << int{c.id[2]};
        }
    }
}

TEST(IdentifyChip, NoWayOrFailedReadGivesClassZero) {
    ConnectedRig idle(HubMode::Flash);
    for (int32_t way : {-1, 0, 3}) EXPECT_EQ(IdentifyChip(idle.program, way), 0);
    EXPECT_TRUE(idle.traffic().empty());

    ConnectedRig failing(HubMode::Flash, [](sim::HubConfig& h) {
        h.identification = {0x81, 0x75, 0x00};
        h.faults.wrongEchoEvery = 1;
    });
    EXPECT_EQ(IdentifyChip(failing.program, 2), 0);
}

}  // namespace
}  // namespace nuv
