// Host device services: the HID class library, SetupAPI and the Configuration
// Manager as the device-access code calls them. Results and failure numbers
// are those of the Windows services, so the callers read them the same way
// on every host.
#pragma once

#include <cstdint>
#include <string>

namespace nuv {

using DeviceHandle = uintptr_t;     // 0: no handle
using DeviceInfoSet = uintptr_t;    // kInvalidInfoSet: failure
using PreparsedData = uintptr_t;
using DevInst = uint32_t;
using CmMachine = uintptr_t;

constexpr DeviceInfoSet kInvalidInfoSet = ~static_cast<DeviceInfoSet>(0);

// Last-error numbers the callers test for.
constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorInvalidData = 13;
constexpr uint32_t kErrorInsufficientBuffer = 122;
constexpr uint32_t kErrorNoMoreItems = 259;
constexpr uint32_t kCrSuccess = 0;

constexpr uint32_t kCmReenumerateRetryInstallation = 2;

struct HidCaps {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

struct HidAttributes {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
};

// One member of a device-information set of all present devices.
struct DeviceInfoData {
    uint32_t devInst = 0;
    uintptr_t reserved = 0;   // host's own reference to the member
};

class HostDeviceServices {
public:
    virtual ~HostDeviceServices() = default;

    // Last-error number of the calling thread after a failed call.
    virtual uint32_t GetLastError() = 0;

    // Discovery: the set of present HID interfaces (present | device-interface).
    virtual DeviceInfoSet GetHidInterfaceSet() = 0;
    // False: no interface at that member index.
    virtual bool EnumHidInterface(DeviceInfoSet set, uint32_t memberIndex) = 0;
    // Two-step detail read: first with no buffer for requiredSize, then with a
    // buffer of that size; path is the zero-terminated device path.
    virtual bool GetHidInterfaceDetail(DeviceInfoSet set, uint32_t memberIndex, char* pathBuffer,
                                       uint32_t bufferSize, uint32_t& requiredSize) = 0;
    virtual void DestroyInfoSet(DeviceInfoSet set) = 0;

    // No access rights, shared read/write, open existing, synchronous. 0 on failure.
    virtual DeviceHandle OpenDevice(const std::string& path) = 0;
    virtual void CloseDevice(DeviceHandle handle) = 0;

    virtual bool GetPreparsedData(DeviceHandle handle, PreparsedData& data) = 0;
    virtual bool GetCaps(PreparsedData data, HidCaps& caps) = 0;
    virtual void FreePreparsedData(PreparsedData data) = 0;
    virtual bool GetAttributes(DeviceHandle handle, HidAttributes& attributes) = 0;

    // Transport: report holds 64 bytes, byte 0 the report ID (also on entry to a get).
    virtual bool SetFeature(DeviceHandle handle, const uint8_t* report, uint32_t length) = 0;
    virtual bool GetFeature(DeviceHandle handle, uint8_t* report, uint32_t length) = 0;

    // Maintenance: the set of all present devices of all classes.
    virtual DeviceInfoSet GetAllDevicesSet() = 0;
    virtual bool EnumDeviceInfo(DeviceInfoSet set, uint32_t memberIndex, DeviceInfoData& member) = 0;
    // Hardware-ID property (a list of zero-terminated strings ended by an empty one).
    // Fails with 122 and requiredSize set when the buffer is too small, 13 when
    // the member has no hardware IDs.
    virtual bool GetHardwareIds(DeviceInfoSet set, const DeviceInfoData& member, uint8_t* buffer,
                                uint32_t bufferSize, uint32_t& requiredSize) = 0;
    virtual bool RemoveDevice(DeviceInfoSet set, const DeviceInfoData& member) = 0;

    // Configuration Manager: each returns kCrSuccess (0) on success.
    virtual uint32_t CmConnectMachine(CmMachine& machine) = 0;
    virtual uint32_t CmLocateRootNode(DevInst& root, CmMachine machine) = 0;
    virtual uint32_t CmReenumerateDevNode(DevInst node, uint32_t flags, CmMachine machine) = 0;
    virtual uint32_t CmDisconnectMachine(CmMachine machine) = 0;
};

}  // namespace nuv
