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
using PageMirror = std::array<uint8_t, 1024>;

}  // namespace nuv
