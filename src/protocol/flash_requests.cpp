#include "protocol/flash_requests.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "app/program.h"
#include "device/feature_transport.h"
#include "protocol/request_route.h"

namespace nuv {

namespace {

constexpr uint8_t kFlashReportId = 0;
constexpr uint32_t kFlashWritePauseMs = 5;
constexpr uint8_t kLoadHeader = 4;     // opcode, offset (2), count
constexpr uint8_t kReadHeader = 5;     // opcode, address (3), count

template <size_t N>
bool Send(Program& program, std::array<uint8_t, N>& payload, uint8_t length = N) {
    return FeatureTransport(program, FlashHandle(program), true, kFlashReportId, payload.data(),
                            length);
}

template <size_t N>
bool Fetch(Program& program, std::array<uint8_t, N>& payload, uint8_t length = N) {
    return FeatureTransport(program, FlashHandle(program), false, kFlashReportId, payload.data(),
                            length);
}

// Opcode, 24-bit address and a 16-bit count: the erase and program layout.
std::array<uint8_t, 6> AddressedRequest(uint8_t opcode, uint32_t address, uint16_t count) {
    std::array<uint8_t, 6> request{};
    request[0] = opcode;
    PutAddress(&request[1], address);
    PutCount16(&request[4], count);
    return request;
}

}  // namespace

bool ClearPageBuffer(Program& program) {
    program.pageMirror.fill(0xFF);
    std::array<uint8_t, 1> request = {0xC0};
    return Send(program, request);
}

bool LoadPageBuffer(Program& program, uint16_t offset, uint8_t count, const uint8_t* data) {
    if (count > kMaxLoadCount || offset + count > kPageSize) return false;
    std::memcpy(program.pageMirror.data() + offset, data, count);

    std::array<uint8_t, kLoadHeader + kMaxLoadCount> request{};
    request[0] = 0xC1;
    PutCount16(&request[1], offset);
    request[3] = count;
    std::memcpy(&request[kLoadHeader], data, count);
    const bool sent = Send(program, request, static_cast<uint8_t>(kLoadHeader + count));

    const int32_t delay = program.settings.WriteFlashDataDelay;
    if (delay > 0) program.host.clock.Sleep(static_cast<uint32_t>(delay));
    return sent;
}

bool EraseBlocks(Program& program, uint32_t address, uint16_t blockCount) {
    auto request = AddressedRequest(0xC2, address, blockCount);
    const bool sent = Send(program, request);
    program.host.clock.Sleep(kFlashWritePauseMs);
    return sent;
}

bool ProgramPage(Program& program, uint32_t address, uint16_t length) {
    auto request = AddressedRequest(0xC3, address, length);
    const bool sent = Send(program, request);
    program.host.clock.Sleep(kFlashWritePauseMs);
    return sent;
}

bool FinishFlash(Program& program) {
    std::array<uint8_t, 1> request = {0xC4};
    return Send(program, request);
}

PageBufferSum PageBufferChecksum(Program& program) {
    std::array<uint8_t, 1> request = {0xD0};
    const bool sent = Send(program, request);
    std::array<uint8_t, 3> answer{};
    const bool fetched = Fetch(program, answer);
    return {static_cast<uint16_t>(answer[1] | (answer[2] << 8)), sent && fetched};
}

bool ReadFlash(Program& program, uint32_t address, uint8_t count, uint8_t* destination) {
    if (count > kMaxReadFlashCount) return false;
    const auto length = static_cast<uint8_t>(kReadHeader + count);
    std::array<uint8_t, kReadHeader + kMaxReadFlashCount> request{};
    request[0] = 0xD1;
    PutAddress(&request[1], address);
    request[4] = count;
    const bool sent = Send(program, request, length);
    std::array<uint8_t, kReadHeader + kMaxReadFlashCount> answer{};
    const bool fetched = Fetch(program, answer, length);
    std::memcpy(destination, &answer[kReadHeader], count);
    return sent && fetched;
}

}  // namespace nuv
