#pragma once

#include <array>
#include <cstdint>

namespace nuv {

// Which family the start-up probes found (none: the default family) and the DD variant.
struct DeviceKind {
    bool FamilyFF85 = false;
    bool FamilyFF89 = false;
    bool FamilyFF52 = false;
    bool VariantDD = false;
};

// ConnectionState values.
constexpr int32_t kNeverConnected = -1;
constexpr int32_t kNotConnected = 0;
constexpr int32_t kApplicationMode = 1;
constexpr int32_t kFlashMode = 2;

// The host's copy of the device's 1 KB page buffer.
constexpr int kPageSize = 1024;
using PageMirror = std::array<uint8_t, kPageSize>;

// What the application firmware echoes back to prove it is listening.
constexpr std::array<uint8_t, 15> HandshakeString = {'V', 'a', 'n', 'd', 'r', 'e', 'l', ' ',
                                                     'C', 'o', ' ', 'L', 't', 'd', 0};

// Class of the microcontroller from its identification bytes, 0 (none special) to 3.
using ChipClass = int32_t;

}  // namespace nuv
