// Finding the sensor hub among the HID interfaces and holding its handles.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/device_services.h"

namespace nuv {

struct Program;

// The present HID interfaces, taken once and released when the owner goes.
class HidInterfaceSet {
public:
    explicit HidInterfaceSet(HostDeviceServices& services);
    ~HidInterfaceSet();
    HidInterfaceSet(const HidInterfaceSet&) = delete;
    HidInterfaceSet& operator=(const HidInterfaceSet&) = delete;

    HostDeviceServices& services() const { return services_; }
    DeviceInfoSet handle() const { return set_; }

private:
    HostDeviceServices& services_;
    DeviceInfoSet set_;
};

// The device path of the interface at the index of the given set.
bool GetHidInterfacePath(const HidInterfaceSet& set, int32_t index, std::string& path);
// The same on a fresh set taken for this one index.
bool GetHidInterfacePath(Program& program, int32_t index, std::string& path);

// How a walk over the indexes gets its interfaces: one set for the whole walk,
// or a fresh set for every index (kept to measure the difference).
enum class InterfaceSetUse { PerWalk, PerIndex };

// Visits the indexes 0 to MAXSCANDEVICE - 1 that have an interface, in order,
// until the visitor returns false.
void WalkHidInterfaces(Program& program, InterfaceSetUse use,
                       const std::function<bool(int32_t index, const std::string& path)>& visit);

// Opens every interface with the wanted usage pair into the device table
// (expects it empty) and traces "Find N NUV SensorHub.".
void OpenMatchingDevices(Program& program, uint16_t usagePage, uint16_t usage);
void OpenMatchingDevices(Program& program, uint16_t usagePage, uint16_t usage, InterfaceSetUse use);
// Closes and empties every slot; leaves MatchedCount alone.
void CloseAllDevices(Program& program);
// Whether an open interface has the usage pair (and product ID where filtered).
bool MatchHidDevice(Program& program, DeviceHandle handle, uint16_t usagePage, uint16_t usage);

// Family probes; they leave the device table untouched.
bool ProbeFF85(Program& program);
bool ProbeFF89(Program& program);
bool ProbeFF52(Program& program);

}  // namespace nuv
