#pragma once

#include <cstdint>
#include <span>

namespace nuv {

struct Program;

// Writes exactly these bytes to "flashbin.000" in the working folder, replacing it.
void WriteReadBackDump(Program& program, std::span<const uint8_t> bytes);

}  // namespace nuv
