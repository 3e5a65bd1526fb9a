#include "protocol/memory_reads.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "app/program.h"
#include "device/feature_transport.h"
#include "protocol/request_route.h"

namespace nuv {

namespace {

constexpr uint8_t kFixedReportId = 0x5A;
constexpr uint8_t kFlashReportId = 0;
constexpr uint8_t kHeaderLength = 5;   // opcode, three address bytes, count
constexpr uint8_t kBlockChunk = 10;

uint8_t ReadOpcode(uint32_t address) { return MemoryOpcode(address, 0x07, 0x05); }

// One try with a given opcode; the answer must repeat address and count.
bool ReadMemoryTry(Program& program, DeviceHandle handle, uint8_t reportId, uint8_t opcode,
                   uint32_t address, uint8_t count, uint8_t* destination) {
    if (count > kMaxReadMemoryCount) return false;
    std::array<uint8_t, kHeaderLength> request{};
    request[0] = opcode;
    PutAddress(&request[1], address);
    request[4] = count;
    if (!FeatureTransport(program, handle, true, reportId, request.data(), kHeaderLength))
        return false;

    std::array<uint8_t, kHeaderLength + kMaxReadMemoryCount> answer{};
    const auto answerLength = static_cast<uint8_t>(kHeaderLength + count);
    if (!FeatureTransport(program, handle, false, reportId, answer.data(), answerLength))
        return false;
    if (!std::equal(&request[1], &request[kHeaderLength], &answer[1])) return false;
    std::memcpy(destination, &answer[kHeaderLength], count);
    return true;
}

bool ReadWithTries(Program& program, DeviceHandle handle, uint8_t reportId, uint32_t address,
                   uint8_t count, uint8_t* destination) {
    for (int tries = 0; tries < kReadTries; ++tries)
        if (ReadMemory(program, handle, reportId, address, count, destination)) return true;
    return false;
}

}  // namespace

bool ReadMemory(Program& program, DeviceHandle handle, uint8_t reportId, uint32_t address,
                uint8_t count, uint8_t* destination) {
    return ReadMemoryTry(program, handle, reportId, ReadOpcode(address), address, count,
                         destination);
}

bool ReadParameterByte(Program& program, uint32_t address, uint8_t* destination) {
    return ReadWithTries(program, ApplicationHandle(program), kFixedReportId, address, 1,
                         destination);
}

bool ReadIdentification(Program& program, uint32_t address, uint8_t* destination) {
    return ReadWithTries(program, FlashHandle(program), kFlashReportId, address, 3, destination);
}

bool ReadMemoryBlock(Program& program, uint32_t address, uint8_t length, uint8_t* destination) {
    const uint8_t opcode = ReadOpcode(address);
    int failedTries = 0;
    for (uint8_t position = 0; position < length;) {
        const auto chunk = static_cast<uint8_t>(std::min<int>(kBlockChunk, length - position));
        for (;;) {
            const DeviceHandle handle = ApplicationHandle(program);
            if (handle == 0) return false;
            if (ReadMemoryTry(program, handle, program.settings.ReportId, opcode, address, chunk,
                              destination + position))
                break;
            if (++failedTries >= kReadTries) return false;
        }
        address += chunk;
        position = static_cast<uint8_t>(position + chunk);
    }
    return true;
}

}  // namespace nuv
