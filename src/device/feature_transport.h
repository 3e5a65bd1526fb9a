#pragma once

#include <cstdint>

#include "platform/device_services.h"

namespace nuv {

struct Program;

constexpr int kFeatureReportSize = 64;

// Sends (send = true) or fetches one 64-byte feature report with the given
// report ID; payload holds length bytes (at most 63). Up to ten attempts.
bool FeatureTransport(Program& program, DeviceHandle handle, bool send, uint8_t reportId,
                      uint8_t* payload, uint8_t length);

}  // namespace nuv
