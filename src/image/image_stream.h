#pragma once

#include <cstdint>
#include <vector>

namespace nuv {

// The update image held in memory.
struct ImageStream {
    std::vector<uint8_t> bytes;
    int32_t Size() const { return static_cast<int32_t>(bytes.size()); }
};

}  // namespace nuv
