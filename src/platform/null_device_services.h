// Device services of a host with no HID interfaces and no device nodes.
#pragma once

#include "platform/device_services.h"

namespace nuv {

class NullDeviceServices : public HostDeviceServices {
public:
    uint32_t GetLastError() override { return lastError_; }
    DeviceInfoSet GetHidInterfaceSet() override { return 1; }
    bool EnumHidInterface(DeviceInfoSet, uint32_t) override { return Fail(kErrorNoMoreItems); }
    bool GetHidInterfaceDetail(DeviceInfoSet, uint32_t, char*, uint32_t, uint32_t&) override {
        return Fail(kErrorNoMoreItems);
    }
    void DestroyInfoSet(DeviceInfoSet) override {}
    DeviceHandle OpenDevice(const std::string&) override { return 0; }
    void CloseDevice(DeviceHandle) override {}
    bool GetPreparsedData(DeviceHandle, PreparsedData&) override { return false; }
    bool GetCaps(PreparsedData, HidCaps&) override { return false; }
    void FreePreparsedData(PreparsedData) override {}
    bool GetAttributes(DeviceHandle, HidAttributes&) override { return false; }
    bool SetFeature(DeviceHandle, const uint8_t*, uint32_t) override { return Fail(kErrorInvalidHandle); }
    bool GetFeature(DeviceHandle, uint8_t*, uint32_t) override { return Fail(kErrorInvalidHandle); }
    DeviceInfoSet GetAllDevicesSet() override { return 1; }
    bool EnumDeviceInfo(DeviceInfoSet, uint32_t, DeviceInfoData&) override {
        return Fail(kErrorNoMoreItems);
    }
    bool GetHardwareIds(DeviceInfoSet, const DeviceInfoData&, uint8_t*, uint32_t, uint32_t&) override {
        return Fail(kErrorInvalidData);
    }
    bool RemoveDevice(DeviceInfoSet, const DeviceInfoData&) override { return false; }
    uint32_t CmConnectMachine(CmMachine& machine) override { machine = 1; return kCrSuccess; }
    uint32_t CmLocateRootNode(DevInst& root, CmMachine) override { root = 1; return kCrSuccess; }
    uint32_t CmReenumerateDevNode(DevInst, uint32_t, CmMachine) override { return kCrSuccess; }
    uint32_t CmDisconnectMachine(CmMachine) override { return kCrSuccess; }

private:
    bool Fail(uint32_t error) {
        lastError_ = error;
        return false;
    }
    uint32_t lastError_ = 0;
};

}  // namespace nuv
