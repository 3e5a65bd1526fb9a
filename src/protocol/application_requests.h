// Requests answered by the running application firmware, on the slot that
// MAININDEX names.
#pragma once

#include <cstdint>

namespace nuv {

struct Program;

// Asks the firmware to switch to flash mode (REPORTID), then pauses 1000 ms
// so the device can show its flash-mode interface. True when the send succeeded.
bool EnterFlashMode(Program& program);

// Where the device keeps its parameter area, as ParameterControl reports it.
struct ParameterArea {
    uint32_t flashAddress = 0;   // eFlash address of the parameter area
    uint32_t bufferAddress = 0;  // parameter buffer in device memory
    uint8_t length = 0;          // bytes in the area
    bool answered = false;       // both transfers succeeded
};

constexpr uint8_t kReportParameterArea = 0;
constexpr uint8_t kSaveParameterBuffer = 1;

// Selector 0 reports the parameter area, 1 first saves the parameter buffer
// to eFlash. Report ID 0x5A; pauses 200 ms afterwards. After a failed fetch
// the fields hold whatever the transfer left.
ParameterArea ParameterControl(Program& program, uint8_t selector);

// Writes one byte of device memory (report ID 0x5A). True when the send succeeded.
bool WriteMemoryByte(Program& program, uint32_t address, uint8_t value);

}  // namespace nuv
