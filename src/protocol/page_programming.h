// Programming flash one 1 KB page at a time through the device's page
// buffer, and reading it back. Both loops handle pending window events once
// per page or full read request and drive ProgressBar1.
#pragma once

#include <cstdint>

namespace nuv {

struct Program;

constexpr int kLoadChunk = 57;
constexpr int kReadChunk = 56;

// Programs length bytes of data from address on. All-0xFF pages are skipped;
// a partial last page is programmed as a whole page padded with 0xFF. Stops
// at the first page whose buffer sum disagrees. data must hold length bytes.
// True when every page that needed it was loaded, agreed and programmed
// without a failed transfer; the read-back comparison stays the real check.
bool ProgramPages(Program& program, uint32_t address, int32_t length, const uint8_t* data);

// Compares the device's page-buffer sum with PageMirror's: host sum minus
// device sum, 0 when they agree. A disagreement is also written to standard output.
int32_t VerifyPageBuffer(Program& program);

// Reads length bytes from address into destination, which must hold length
// bytes. True when every read request went through; after a failed one the
// destination holds whatever the transfer left.
bool ReadFlashRange(Program& program, uint32_t address, int32_t length, uint8_t* destination);

}  // namespace nuv
