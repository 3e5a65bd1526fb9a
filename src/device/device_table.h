#pragma once

#include <array>
#include <cstdint>

#include "platform/device_services.h"

namespace nuv {

// Open handles of the matched HID interfaces, filled from slot 0 in enumeration order.
struct DeviceTable {
    static constexpr int kSlots = 256;
    std::array<DeviceHandle, kSlots> Handles{};
    uint8_t MatchedCount = 0;
};

}  // namespace nuv
