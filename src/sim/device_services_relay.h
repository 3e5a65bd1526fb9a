// Device services that pass every call on to a target chosen later. Lets a
// host be built before the simulated hub that needs the host's clock.
#pragma once

#include "platform/device_services.h"
#include "platform/null_device_services.h"

namespace nuv::sim {

class DeviceServicesRelay : public HostDeviceServices {
public:
    void SetTarget(HostDeviceServices* target) { target_ = target ? target : &none_; }

    uint32_t GetLastError() override { return target_->GetLastError(); }
    DeviceInfoSet GetHidInterfaceSet() override { return target_->GetHidInterfaceSet(); }
    bool EnumHidInterface(DeviceInfoSet set, uint32_t index) override { return target_->EnumHidInterface(set, index); }
    bool GetHidInterfaceDetail(DeviceInfoSet set, uint32_t index, char* path, uint32_t size,
                               uint32_t& required) override {
        return target_->GetHidInterfaceDetail(set, index, path, size, required);
    }
    void DestroyInfoSet(DeviceInfoSet set) override { target_->DestroyInfoSet(set); }
    DeviceHandle OpenDevice(const std::string& path) override { return target_->OpenDevice(path); }
    void CloseDevice(DeviceHandle handle) override { target_->CloseDevice(handle); }
    bool GetPreparsedData(DeviceHandle handle, PreparsedData& data) override {
        return target_->GetPreparsedData(handle, data);
    }
    bool GetCaps(PreparsedData data, HidCaps& caps) override { return target_->GetCaps(data, caps); }
    void FreePreparsedData(PreparsedData data) override { target_->FreePreparsedData(data); }
    bool GetAttributes(DeviceHandle handle, HidAttributes& attributes) override {
        return target_->GetAttributes(handle, attributes);
    }
    bool SetFeature(DeviceHandle handle, const uint8_t* report, uint32_t length) override {
        return target_->SetFeature(handle, report, length);
    }
    bool GetFeature(DeviceHandle handle, uint8_t* report, uint32_t length) override {
        return target_->GetFeature(handle, report, length);
    }
    DeviceInfoSet GetAllDevicesSet() override { return target_->GetAllDevicesSet(); }
    bool EnumDeviceInfo(DeviceInfoSet set, uint32_t index, DeviceInfoData& member) override {
        return target_->EnumDeviceInfo(set, index, member);
    }
    bool GetHardwareIds(DeviceInfoSet set, const DeviceInfoData& member, uint8_t* buffer, uint32_t size,
                        uint32_t& required) override {
        return target_->GetHardwareIds(set, member, buffer, size, required);
    }
    bool RemoveDevice(DeviceInfoSet set, const DeviceInfoData& member) override {
        return target_->RemoveDevice(set, member);
    }
    uint32_t CmConnectMachine(CmMachine& machine) override { return target_->CmConnectMachine(machine); }
    uint32_t CmLocateRootNode(DevInst& root, CmMachine machine) override {
        return target_->CmLocateRootNode(root, machine);
    }
    uint32_t CmReenumerateDevNode(DevInst node, uint32_t flags, CmMachine machine) override {
        return target_->CmReenumerateDevNode(node, flags, machine);
    }
    uint32_t CmDisconnectMachine(CmMachine machine) override { return target_->CmDisconnectMachine(machine); }

private:
    NullDeviceServices none_;
    HostDeviceServices* target_ = &none_;
};

}  // namespace nuv::sim
