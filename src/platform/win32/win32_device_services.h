// The host device services on Windows: thin wrappers over hid.dll, SetupAPI
// and the Configuration Manager, keeping their results and last-error numbers.
#pragma once

#include "platform/device_services.h"

namespace nuv {

class Win32DeviceServices : public HostDeviceServices {
public:
    uint32_t GetLastError() override;

    DeviceInfoSet GetHidInterfaceSet() override;
    bool EnumHidInterface(DeviceInfoSet set, uint32_t memberIndex) override;
    bool GetHidInterfaceDetail(DeviceInfoSet set, uint32_t memberIndex, char* pathBuffer,
                               uint32_t bufferSize, uint32_t& requiredSize) override;
    void DestroyInfoSet(DeviceInfoSet set) override;

    DeviceHandle OpenDevice(const std::string& path) override;
    void CloseDevice(DeviceHandle handle) override;

    bool GetPreparsedData(DeviceHandle handle, PreparsedData& data) override;
    bool GetCaps(PreparsedData data, HidCaps& caps) override;
    void FreePreparsedData(PreparsedData data) override;
    bool GetAttributes(DeviceHandle handle, HidAttributes& attributes) override;

    bool SetFeature(DeviceHandle handle, const uint8_t* report, uint32_t length) override;
    bool GetFeature(DeviceHandle handle, uint8_t* report, uint32_t length) override;

    DeviceInfoSet GetAllDevicesSet() override;
    bool EnumDeviceInfo(DeviceInfoSet set, uint32_t memberIndex, DeviceInfoData& member) override;
    bool GetHardwareIds(DeviceInfoSet set, const DeviceInfoData& member, uint8_t* buffer,
                        uint32_t bufferSize, uint32_t& requiredSize) override;
    bool RemoveDevice(DeviceInfoSet set, const DeviceInfoData& member) override;

    uint32_t CmConnectMachine(CmMachine& machine) override;
    uint32_t CmLocateRootNode(DevInst& root, CmMachine machine) override;
    uint32_t CmReenumerateDevNode(DevInst node, uint32_t flags, CmMachine machine) override;
    uint32_t CmDisconnectMachine(CmMachine machine) override;
};

}  // namespace nuv
