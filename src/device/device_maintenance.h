// Removal of device nodes by hardware ID, rescan of the device tree, and the
// revision number of a present device.
#pragma once

#include <cstdint>
#include <string>

namespace nuv {

struct Program;

void RemoveMatchingDevices(Program& program, const std::string& hardwareId);
void RescanDeviceTree(Program& program);
int32_t FindDeviceRevision(Program& program, const std::string& hardwareId);

}  // namespace nuv
