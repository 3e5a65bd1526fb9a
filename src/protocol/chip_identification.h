// The class of the microcontroller, from three identification bytes.
#pragma once

#include <cstdint>

#include "protocol/device_state.h"

namespace nuv {

struct Program;

constexpr uint32_t kIdentificationAddress = 0xF02000;

// Way 1 reads through the application firmware, way 2 in flash mode; any
// other way sends nothing. A failed read counts as the bytes 0, 0, 0.
ChipClass IdentifyChip(Program& program, int32_t way);

// Class 1 to 3 for the known identification patterns, else 0.
ChipClass ChipClassOf(uint8_t b0, uint8_t b1, uint8_t b2);

}  // namespace nuv
