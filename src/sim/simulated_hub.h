// The simulated sensor hub behind the host device services: HID interfaces,
// handles, feature reports, and a device tree whose nodes can be removed and
// brought back by a rescan. Time is read from the host clock; nothing here
// sleeps except the optional per-transfer latency and enumeration cost.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/device_services.h"
#include "platform/host.h"
#include "sim/hub_config.h"
#include "sim/sim_device.h"
#include "sim/traffic_record.h"

namespace nuv::sim {

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorGenFailure = 31;
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorDeviceNotConnected = 1167;
constexpr uint32_t kErrorNoSuchDevinst = 0xE000020B;

// Windows-form hardware-ID list of a USB device: with the revision, then without.
std::vector<std::string> UsbHardwareIds(uint16_t vendorId, uint16_t productId, uint16_t revision);

class SimulatedSensorHub : public HostDeviceServices {
public:
    explicit SimulatedSensorHub(Clock& clock);

    // Building the simulated machine. Interfaces enumerate in the order added.
    int AddDevice(HubConfig config);
    int AddOtherInterface(OtherInterface other);
    // A present device node that is not a hub; no IDs: it has no hardware-ID property.
    void AddDeviceNode(std::vector<std::string> hardwareIds);

    SimDevice& device(int index) { return *devices_.at(static_cast<size_t>(index)); }
    int DeviceCount() const { return static_cast<int>(devices_.size()); }
    // The device's mode now, after every change that fell due.
    HubMode ModeOf(int index);
    // The hardware-ID list the device's USB node shows now (empty when absent or removed).
    std::vector<std::string> HardwareIdsOf(int index);

    TrafficRecord& traffic() { return traffic_; }
    ServiceFaults& serviceFaults() { return serviceFaults_; }
    void SetLatency(uint32_t ms) { latencyMs_ = ms; }
    // Cost of building one HID interface set (about 3 ms under Wine).
    void SetEnumerationCost(uint32_t ms) { enumerationCostMs_ = ms; }

    // Bookkeeping that tests read to find leaks.
    size_t OpenHandles() const { return handles_.size(); }
    size_t LiveInfoSets() const { return hidSets_.size() + nodeSets_.size(); }
    size_t LivePreparsedData() const { return preparsed_.size(); }
    uint32_t HidSetBuilds() const { return hidSetBuilds_; }
    uint32_t DeviceSetBuilds() const { return deviceSetBuilds_; }
    uint32_t Rescans() const { return rescans_; }

    // HostDeviceServices
    uint32_t GetLastError() override { return lastError_; }
    DeviceInfoSet GetHidInterfaceSet() override;
    bool EnumHidInterface(DeviceInfoSet set, uint32_t memberIndex) override;
    bool GetHidInterfaceDetail(DeviceInfoSet set, uint32_t memberIndex, char* pathBuffer, uint32_t bufferSize,
                               uint32_t& requiredSize) override;
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
    bool GetHardwareIds(DeviceInfoSet set, const DeviceInfoData& member, uint8_t* buffer, uint32_t bufferSize,
                        uint32_t& requiredSize) override;
    bool RemoveDevice(DeviceInfoSet set, const DeviceInfoData& member) override;
    uint32_t CmConnectMachine(CmMachine& machine) override;
    uint32_t CmLocateRootNode(DevInst& root, CmMachine machine) override;
    uint32_t CmReenumerateDevNode(DevInst node, uint32_t flags, CmMachine machine) override;
    uint32_t CmDisconnectMachine(CmMachine machine) override;

private:
    // One HID interface as the system shows it at one moment.
    struct Endpoint {
        bool hub = false;
        int index = 0;               // into devices_ or others_
        uint32_t incarnation = 0;
        std::string path;
        HidCaps caps;
        HidAttributes attributes;
        bool openFails = false, capsFail = false, attributesFail = false;
    };
    enum class NodeKind { System, HubUsb, HubHid };
    struct NodeMember {
        NodeKind kind = NodeKind::System;
        int index = 0;
        uint32_t incarnation = 0;
        DevInst devInst = 0;
        std::vector<std::string> ids;
    };
    struct SystemNode {
        std::vector<std::string> ids;
        bool removed = false;
    };
    struct OpenHandle {
        Endpoint endpoint;
    };

    void UpdateAll();
    std::vector<Endpoint> VisibleEndpoints();
    std::vector<NodeMember> PresentNodes();
    bool Fail(uint32_t error);
    // The endpoint behind a handle if it is still there; sets the error otherwise.
    const Endpoint* LiveEndpoint(DeviceHandle handle);
    bool Transfer(DeviceHandle handle, uint8_t* report, uint32_t length, Direction direction);
    const NodeMember* FindMember(DeviceInfoSet set, const DeviceInfoData& member) const;

    Clock& clock_;
    std::vector<std::unique_ptr<SimDevice>> devices_;
    std::vector<OtherInterface> others_;
    std::vector<std::pair<bool, int>> order_;      // (hub?, index) in enumeration order
    std::vector<SystemNode> systemNodes_;

    std::map<DeviceInfoSet, std::vector<Endpoint>> hidSets_;
    std::map<DeviceInfoSet, std::vector<NodeMember>> nodeSets_;
    std::map<DeviceHandle, OpenHandle> handles_;
    std::map<PreparsedData, Endpoint> preparsed_;
    uintptr_t nextId_ = 0x1000;

    TrafficRecord traffic_;
    ServiceFaults serviceFaults_;
    uint32_t latencyMs_ = 0;
    uint32_t enumerationCostMs_ = 0;
    uint32_t hidSetBuilds_ = 0;
    uint32_t deviceSetBuilds_ = 0;
    uint32_t rescans_ = 0;
    uint32_t lastError_ = 0;
};

}  // namespace nuv::sim
