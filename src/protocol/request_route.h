// Which handle a request travels on.
#pragma once

#include "app/program.h"

namespace nuv {

// Application-firmware requests use the slot MAININDEX names; a value outside
// the table reads as an empty slot.
inline DeviceHandle ApplicationHandle(const Program& program) {
    const int32_t slot = program.settings.MainIndex;
    if (slot < 0 || slot >= DeviceTable::kSlots) return 0;
    return program.deviceTable.Handles[static_cast<size_t>(slot)];
}

// Flash-mode requests always use slot 0.
inline DeviceHandle FlashHandle(const Program& program) { return program.deviceTable.Handles[0]; }

// Addresses travel as three bytes, low byte first.
inline void PutAddress(uint8_t* bytes, uint32_t address) {
    bytes[0] = static_cast<uint8_t>(address);
    bytes[1] = static_cast<uint8_t>(address >> 8);
    bytes[2] = static_cast<uint8_t>(address >> 16);
}

inline void PutCount16(uint8_t* bytes, uint16_t count) {
    bytes[0] = static_cast<uint8_t>(count);
    bytes[1] = static_cast<uint8_t>(count >> 8);
}

}  // namespace nuv
