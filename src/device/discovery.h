// Finding the sensor hub among the HID interfaces and holding its handles.
#pragma once

#include <cstdint>
#include <string>

#include "platform/device_services.h"

namespace nuv {

struct Program;

// Opens every interface with the wanted usage pair into the device table
// (expects it empty) and traces "Find N NUV SensorHub.".
void OpenMatchingDevices(Program& program, uint16_t usagePage, uint16_t usage);
// Closes and empties every slot; leaves MatchedCount alone.
void CloseAllDevices(Program& program);
// Whether an open interface has the usage pair (and product ID where filtered).
bool MatchHidDevice(Program& program, DeviceHandle handle, uint16_t usagePage, uint16_t usage);

// Family probes; they leave the device table untouched.
bool ProbeFF85(Program& program);
bool ProbeFF89(Program& program);
bool ProbeFF52(Program& program);

}  // namespace nuv
