// Reading one device's hardware-ID list and looking through it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/device_services.h"

namespace nuv {

enum class HardwareIdRead { Read, NoIds, Failed };

// The member's hardware-ID property in a zero-filled buffer of the size the
// system asks for; list holds exactly the bytes the system reported.
HardwareIdRead ReadHardwareIdList(HostDeviceServices& services, DeviceInfoSet set, const DeviceInfoData& member,
                                  std::vector<uint8_t>& list);

// The first entry equal to the text (whole string, case-sensitive), walking
// only entries that begin inside the list.
std::optional<std::string> FindHardwareIdEntry(const std::vector<uint8_t>& list, const std::string& text);

// The hexadecimal number in the text that starts at position and runs to its
// zero, read within the list; 0 when there is none.
int32_t HexNumberAt(const std::vector<uint8_t>& list, size_t position);

// The set of all present devices, released when the owner goes.
class PresentDeviceSet {
public:
    explicit PresentDeviceSet(HostDeviceServices& services)
        : services_(services), set_(services.GetAllDevicesSet()) {}
    ~PresentDeviceSet() {
        if (set_ != kInvalidInfoSet) services_.DestroyInfoSet(set_);
    }
    PresentDeviceSet(const PresentDeviceSet&) = delete;
    PresentDeviceSet& operator=(const PresentDeviceSet&) = delete;

    bool valid() const { return set_ != kInvalidInfoSet; }
    DeviceInfoSet handle() const { return set_; }

private:
    HostDeviceServices& services_;
    DeviceInfoSet set_;
};

}  // namespace nuv
