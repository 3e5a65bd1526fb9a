// Byte-wise reads of device memory: the ReadMemory request and the read
// operations built on it, with their tries.
#pragma once

#include <cstdint>

#include "platform/device_services.h"

namespace nuv {

struct Program;

// Addresses in the 0xF0xxxx range take the second opcode of a pair.
constexpr uint8_t MemoryOpcode(uint32_t address, uint8_t highRangeOpcode, uint8_t otherOpcode) {
    return ((address >> 16) & 0xFF) == 0xF0 ? highRangeOpcode : otherOpcode;
}

constexpr uint8_t kMaxReadMemoryCount = 58;
constexpr int kReadTries = 101;

// One ReadMemory exchange: sends the request (opcode chosen from the address),
// fetches count + 5 bytes and, when the answer repeats address and count,
// copies the count bytes read to destination. A count above 58 is refused
// without traffic. True when the bytes were copied.
bool ReadMemory(Program& program, DeviceHandle handle, uint8_t reportId, uint32_t address,
                uint8_t count, uint8_t* destination);

// One byte through the application firmware (report ID 0x5A), up to 101 tries.
bool ReadParameterByte(Program& program, uint32_t address, uint8_t* destination);

// length bytes through the application firmware (REPORTID) in 10-byte
// chunks; 101 failed tries in all end the block. The opcode follows the
// starting address for the whole block.
bool ReadMemoryBlock(Program& program, uint32_t address, uint8_t length, uint8_t* destination);

// Three identification bytes in flash mode (report ID 0, slot 0), up to 101 tries.
bool ReadIdentification(Program& program, uint32_t address, uint8_t* destination);

}  // namespace nuv
