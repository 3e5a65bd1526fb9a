// Requests answered by the device in flash mode: always slot 0, report ID 0.
// A failed transfer shows only as trace lines; the callers' read-back
// comparison catches its effect. The bool results are for callers that want
// to know more; false also means a request was refused before sending.
#pragma once

#include <cstdint>

namespace nuv {

struct Program;

constexpr int kMaxLoadCount = 59;
constexpr uint8_t kMaxReadFlashCount = 58;

// Empties the device's page buffer (PageMirror becomes all 0xFF).
bool ClearPageBuffer(Program& program);

// Loads count bytes into the page buffer at offset, mirrors them in
// PageMirror, then pauses WRITEFLASHDATADELAY ms. Refused without any change
// when count exceeds 59 or offset + count exceeds 1024.
bool LoadPageBuffer(Program& program, uint16_t offset, uint8_t count, const uint8_t* data);

// Erases blockCount 1 KB blocks from address; pauses 5 ms.
bool EraseBlocks(Program& program, uint32_t address, uint16_t blockCount);

// Writes the page buffer to flash at address; pauses 5 ms.
bool ProgramPage(Program& program, uint32_t address, uint16_t length);

// Ends a verified update; the device returns to its application firmware.
bool FinishFlash(Program& program);

// The device's 16-bit sum of its page buffer; answered is false when a
// transfer failed (the sum then holds what the transfer left).
struct PageBufferSum {
    uint16_t sum = 0;
    bool answered = false;
};
PageBufferSum PageBufferChecksum(Program& program);

// Reads count flash bytes from address into destination. Refused without
// traffic when count exceeds 58. After a failed transfer destination holds
// whatever the transfer left; the result is then false.
bool ReadFlash(Program& program, uint32_t address, uint8_t count, uint8_t* destination);

}  // namespace nuv
