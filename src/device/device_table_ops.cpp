#include <string>

#include "app/program.h"
#include "device/discovery.h"

namespace nuv {

namespace {

// MatchedCount is 8-bit: at most this many devices are held, so slot 255
// stays empty and further matches are closed rather than wrapping the count.
constexpr int kMaxHeld = 255;

}  // namespace

void OpenMatchingDevices(Program& program, uint16_t usagePage, uint16_t usage) {
    OpenMatchingDevices(program, usagePage, usage, InterfaceSetUse::PerWalk);
}

void OpenMatchingDevices(Program& program, uint16_t usagePage, uint16_t usage, InterfaceSetUse use) {
    HostDeviceServices& services = program.host.devices;
    DeviceTable& table = program.deviceTable;
    table.MatchedCount = 0;
    WalkHidInterfaces(program, use, [&](int32_t, const std::string& path) {
        const DeviceHandle handle = services.OpenDevice(path);
        if (handle == 0) return true;
        const bool matched = MatchHidDevice(program, handle, usagePage, usage);
        if (matched && table.MatchedCount < kMaxHeld) {
            table.Handles[table.MatchedCount] = handle;
            ++table.MatchedCount;
        } else {
            services.CloseDevice(handle);
        }
        return true;
    });
    program.form.DiagnosticTrace.Append("Find " + std::to_string(table.MatchedCount) + " NUV SensorHub.");
}

void CloseAllDevices(Program& program) {
    for (DeviceHandle& handle : program.deviceTable.Handles) {
        if (handle != 0) program.host.devices.CloseDevice(handle);
        handle = 0;
    }
}

}  // namespace nuv
