#include "sim/simulated_hub.h"

#include <cstdio>
#include <cstring>

namespace nuv::sim {

namespace {

constexpr const char* kHidClassGuid = "{4d1e55b2-f16f-11cf-88cb-001111000030}";

std::string Hex4(uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

std::string InterfacePath(uint16_t vendorId, uint16_t productId, int instance, char tag) {
    char text[160];
    std::snprintf(text, sizeof text, "\\\\?\\hid#vid_%04x&pid_%04x#7&%c%07x&0&0000#%s", vendorId, productId, tag,
                  instance, kHidClassGuid);
    return text;
}

std::vector<uint8_t> MultiString(const std::vector<std::string>& ids) {
    std::vector<uint8_t> bytes;
    for (const std::string& id : ids) {
        bytes.insert(bytes.end(), id.begin(), id.end());
        bytes.push_back(0);
    }
    bytes.push_back(0);
    return bytes;
}

}  // namespace

std::vector<std::string> UsbHardwareIds(uint16_t vendorId, uint16_t productId, uint16_t revision) {
    const std::string base = "USB\\VID_" + Hex4(vendorId) + "&PID_" + Hex4(productId);
    return {base + "&REV_" + Hex4(revision), base};
}

SimulatedSensorHub::SimulatedSensorHub(Clock& clock) : clock_(clock) {
    // The usual neighbours of a hub in a device tree, one without hardware IDs.
    AddDeviceNode({"ACPI\\PNP0A08", "*PNP0A08", "*PNP0A03"});
    AddDeviceNode({"USB\\ROOT_HUB30&VID8086&PID9D2F&REV0021", "USB\\ROOT_HUB30&VID8086&PID9D2F", "USB\\ROOT_HUB30"});
    AddDeviceNode({});
    AddDeviceNode({"HID\\VID_045E&PID_07A5&REV_0100&MI_00", "HID\\VID_045E&PID_07A5&MI_00",
                   "HID_DEVICE_SYSTEM_KEYBOARD", "HID_DEVICE_UP:0001_U:0006", "HID_DEVICE"});
}

int SimulatedSensorHub::AddDevice(HubConfig config) {
    devices_.push_back(std::make_unique<SimDevice>(std::move(config)));
    const int index = static_cast<int>(devices_.size()) - 1;
    order_.emplace_back(true, index);
    return index;
}

int SimulatedSensorHub::AddOtherInterface(OtherInterface other) {
    others_.push_back(other);
    const int index = static_cast<int>(others_.size()) - 1;
    order_.emplace_back(false, index);
    return index;
}

void SimulatedSensorHub::AddDeviceNode(std::vector<std::string> hardwareIds) {
    systemNodes_.push_back({std::move(hardwareIds), false});
}

HubMode SimulatedSensorHub::ModeOf(int index) {
    UpdateAll();
    return device(index).mode();
}

std::vector<std::string> SimulatedSensorHub::HardwareIdsOf(int index) {
    UpdateAll();
    const SimDevice& dev = device(index);
    if (!dev.Visible()) return {};
    return UsbHardwareIds(dev.config().vendorId, dev.CurrentProductId(), dev.CurrentRevision());
}

void SimulatedSensorHub::UpdateAll() {
    const uint32_t now = clock_.TickCount();
    for (auto& dev : devices_) dev->Update(now);
}

bool SimulatedSensorHub::Fail(uint32_t error) {
    lastError_ = error;
    return false;
}

std::vector<SimulatedSensorHub::Endpoint> SimulatedSensorHub::VisibleEndpoints() {
    UpdateAll();
    std::vector<Endpoint> endpoints;
    for (const auto& [hub, index] : order_) {
        Endpoint e;
        e.hub = hub;
        e.index = index;
        if (hub) {
            const SimDevice& dev = *devices_[static_cast<size_t>(index)];
            if (!dev.Visible()) continue;
            const UsagePair usage = dev.CurrentUsage();
            e.incarnation = dev.incarnation();
            e.caps = {usage.usagePage, usage.usage};
            e.attributes = {dev.config().vendorId, dev.CurrentProductId(), dev.CurrentRevision()};
            e.path = InterfacePath(e.attributes.vendorId, e.attributes.productId, index,
                                   dev.mode() == HubMode::Flash ? 'f' : 'a');
            e.openFails = dev.config().openFails;
            e.capsFail = dev.config().capsFail;
            e.attributesFail = dev.config().attributesFail;
        } else {
            const OtherInterface& other = others_[static_cast<size_t>(index)];
            e.caps = {other.usagePage, other.usage};
            e.attributes = {other.vendorId, other.productId, other.revision};
            e.path = InterfacePath(other.vendorId, other.productId, index, 'o');
            e.openFails = other.openFails;
            e.capsFail = other.capsFail;
            e.attributesFail = other.attributesFail;
        }
        endpoints.push_back(std::move(e));
    }
    return endpoints;
}

// --- discovery ---------------------------------------------------------

DeviceInfoSet SimulatedSensorHub::GetHidInterfaceSet() {
    ++hidSetBuilds_;
    if (enumerationCostMs_ != 0) clock_.Sleep(enumerationCostMs_);
    if (serviceFaults_.hidSetFails) {
        lastError_ = kErrorAccessDenied;
        return kInvalidInfoSet;
    }
    const DeviceInfoSet set = nextId_++;
    hidSets_[set] = VisibleEndpoints();
    return set;
}

bool SimulatedSensorHub::EnumHidInterface(DeviceInfoSet set, uint32_t memberIndex) {
    const auto it = hidSets_.find(set);
    if (it == hidSets_.end()) return Fail(kErrorInvalidHandle);
    if (memberIndex >= it->second.size()) return Fail(kErrorNoMoreItems);
    return true;
}

bool SimulatedSensorHub::GetHidInterfaceDetail(DeviceInfoSet set, uint32_t memberIndex, char* pathBuffer,
                                               uint32_t bufferSize, uint32_t& requiredSize) {
    const auto it = hidSets_.find(set);
    if (it == hidSets_.end()) return Fail(kErrorInvalidHandle);
    if (memberIndex >= it->second.size()) return Fail(kErrorNoMoreItems);
    const std::string& path = it->second[memberIndex].path;
    requiredSize = static_cast<uint32_t>(path.size() + 1);
    if (pathBuffer == nullptr || bufferSize < requiredSize) return Fail(kErrorInsufficientBuffer);
    std::memcpy(pathBuffer, path.c_str(), path.size() + 1);
    return true;
}

void SimulatedSensorHub::DestroyInfoSet(DeviceInfoSet set) {
    hidSets_.erase(set);
    nodeSets_.erase(set);
}

DeviceHandle SimulatedSensorHub::OpenDevice(const std::string& path) {
    for (const Endpoint& e : VisibleEndpoints()) {
        if (e.path != path) continue;
        if (e.openFails) {
            lastError_ = kErrorAccessDenied;
            return 0;
        }
        const DeviceHandle handle = nextId_++;
        handles_[handle] = OpenHandle{e};
        return handle;
    }
    lastError_ = kErrorFileNotFound;
    return 0;
}

void SimulatedSensorHub::CloseDevice(DeviceHandle handle) {
    if (handles_.erase(handle) == 0) lastError_ = kErrorInvalidHandle;
}

const SimulatedSensorHub::Endpoint* SimulatedSensorHub::LiveEndpoint(DeviceHandle handle) {
    const auto it = handles_.find(handle);
    if (handle == 0 || it == handles_.end()) {
        lastError_ = kErrorInvalidHandle;
        return nullptr;
    }
    const Endpoint& e = it->second.endpoint;
    if (e.hub) {
        UpdateAll();
        const SimDevice& dev = *devices_[static_cast<size_t>(e.index)];
        if (!dev.Visible() || dev.incarnation() != e.incarnation) {
            lastError_ = kErrorDeviceNotConnected;
            return nullptr;
        }
    }
    return &e;
}

bool SimulatedSensorHub::GetPreparsedData(DeviceHandle handle, PreparsedData& data) {
    const Endpoint* e = LiveEndpoint(handle);
    if (e == nullptr) return false;
    data = nextId_++;
    preparsed_[data] = *e;
    return true;
}

bool SimulatedSensorHub::GetCaps(PreparsedData data, HidCaps& caps) {
    const auto it = preparsed_.find(data);
    if (it == preparsed_.end() || it->second.capsFail) return Fail(kErrorInvalidParameter);
    caps = it->second.caps;
    return true;
}

void SimulatedSensorHub::FreePreparsedData(PreparsedData data) { preparsed_.erase(data); }

bool SimulatedSensorHub::GetAttributes(DeviceHandle handle, HidAttributes& attributes) {
    const Endpoint* e = LiveEndpoint(handle);
    if (e == nullptr) return false;
    if (e->attributesFail) return Fail(kErrorGenFailure);
    attributes = e->attributes;
    return true;
}

// --- transport ---------------------------------------------------------

bool SimulatedSensorHub::SetFeature(DeviceHandle handle, const uint8_t* report, uint32_t length) {
    uint8_t copy[64] = {};
    std::memcpy(copy, report, length < 64 ? length : 64);
    return Transfer(handle, copy, length, Direction::Set);
}

bool SimulatedSensorHub::GetFeature(DeviceHandle handle, uint8_t* report, uint32_t length) {
    return Transfer(handle, report, length, Direction::Get);
}

bool SimulatedSensorHub::Transfer(DeviceHandle handle, uint8_t* report, uint32_t length, Direction direction) {
    TrafficEntry entry;
    entry.handle = handle;
    entry.direction = direction;
    const bool known = handle != 0 && handles_.count(handle) != 0;
    if (known && latencyMs_ != 0) clock_.Sleep(latencyMs_);
    entry.tick = clock_.TickCount();
    if (report != nullptr && length != 0) std::memcpy(entry.report.data(), report, length < 64 ? length : 64);

    const Endpoint* e = LiveEndpoint(handle);
    bool ok = false;
    if (e != nullptr && !e->hub) {
        lastError_ = kErrorGenFailure;   // other interfaces know none of our reports
    } else if (e != nullptr && (report == nullptr || length != 64)) {
        lastError_ = kErrorInvalidParameter;
    } else if (e != nullptr) {
        SimDevice& dev = *devices_[static_cast<size_t>(e->index)];
        entry.device = e->index;
        if (dev.TransferFails()) {
            lastError_ = kErrorGenFailure;
        } else {
            if (direction == Direction::Set) {
                dev.HandleSet(report[0], report + 1, entry.tick);
            } else {
                dev.HandleGet(report[0], report + 1);
                std::memcpy(entry.report.data(), report, 64);
            }
            ok = true;
        }
        dev.AfterTransfer();
    }
    entry.ok = ok;
    traffic_.Add(entry);
    return ok;
}

// --- maintenance -------------------------------------------------------

std::vector<SimulatedSensorHub::NodeMember> SimulatedSensorHub::PresentNodes() {
    UpdateAll();
    std::vector<NodeMember> nodes;
    for (size_t i = 0; i < systemNodes_.size(); ++i) {
        if (systemNodes_[i].removed) continue;
        nodes.push_back({NodeKind::System, static_cast<int>(i), 0, static_cast<DevInst>(2 + i), systemNodes_[i].ids});
    }
    for (size_t i = 0; i < devices_.size(); ++i) {
        const SimDevice& dev = *devices_[i];
        if (!dev.Visible()) continue;
        const int index = static_cast<int>(i);
        const auto ids = UsbHardwareIds(dev.config().vendorId, dev.CurrentProductId(), dev.CurrentRevision());
        const UsagePair usage = dev.CurrentUsage();
        std::vector<std::string> hidIds;
        for (const std::string& id : ids) hidIds.push_back("HID" + id.substr(3));
        hidIds.push_back("HID_DEVICE_UP:" + Hex4(usage.usagePage) + "_U:" + Hex4(usage.usage));
        hidIds.push_back("HID_DEVICE");
        const DevInst base = static_cast<DevInst>(0x100 + 2 * i);
        nodes.push_back({NodeKind::HubUsb, index, dev.incarnation(), base, ids});
        nodes.push_back({NodeKind::HubHid, index, dev.incarnation(), base + 1, hidIds});
    }
    return nodes;
}

DeviceInfoSet SimulatedSensorHub::GetAllDevicesSet() {
    ++deviceSetBuilds_;
    if (serviceFaults_.allDevicesSetFails) {
        lastError_ = kErrorAccessDenied;
        return kInvalidInfoSet;
    }
    const DeviceInfoSet set = nextId_++;
    nodeSets_[set] = PresentNodes();
    return set;
}

bool SimulatedSensorHub::EnumDeviceInfo(DeviceInfoSet set, uint32_t memberIndex, DeviceInfoData& member) {
    const auto it = nodeSets_.find(set);
    if (it == nodeSets_.end()) return Fail(kErrorInvalidHandle);
    if (serviceFaults_.enumFailsAtMember >= 0 && memberIndex == static_cast<uint32_t>(serviceFaults_.enumFailsAtMember)) {
        return Fail(serviceFaults_.enumError);
    }
    if (memberIndex >= it->second.size()) return Fail(kErrorNoMoreItems);
    member.devInst = it->second[memberIndex].devInst;
    member.reserved = memberIndex;
    return true;
}

const SimulatedSensorHub::NodeMember* SimulatedSensorHub::FindMember(DeviceInfoSet set,
                                                                     const DeviceInfoData& member) const {
    const auto it = nodeSets_.find(set);
    if (it == nodeSets_.end() || member.reserved >= it->second.size()) return nullptr;
    return &it->second[member.reserved];
}

bool SimulatedSensorHub::GetHardwareIds(DeviceInfoSet set, const DeviceInfoData& member, uint8_t* buffer,
                                        uint32_t bufferSize, uint32_t& requiredSize) {
    const NodeMember* node = FindMember(set, member);
    if (node == nullptr) return Fail(kErrorInvalidParameter);
    if (serviceFaults_.propertyFailsAtMember >= 0 &&
        member.reserved == static_cast<uintptr_t>(serviceFaults_.propertyFailsAtMember)) {
        return Fail(serviceFaults_.propertyError);
    }
    if (node->ids.empty()) return Fail(kErrorInvalidData);
    const std::vector<uint8_t> bytes = MultiString(node->ids);
    requiredSize = static_cast<uint32_t>(bytes.size());
    if (buffer == nullptr || bufferSize < requiredSize) return Fail(kErrorInsufficientBuffer);
    std::memcpy(buffer, bytes.data(), bytes.size());
    return true;
}

bool SimulatedSensorHub::RemoveDevice(DeviceInfoSet set, const DeviceInfoData& member) {
    const NodeMember* node = FindMember(set, member);
    if (node == nullptr) return Fail(kErrorInvalidParameter);
    if (serviceFaults_.removeFails) return Fail(kErrorAccessDenied);
    if (node->kind == NodeKind::System) {
        systemNodes_[static_cast<size_t>(node->index)].removed = true;
        return true;
    }
    UpdateAll();
    SimDevice& dev = *devices_[static_cast<size_t>(node->index)];
    if (!dev.Visible() || dev.incarnation() != node->incarnation) return Fail(kErrorNoSuchDevinst);
    dev.RemoveNode();
    return true;
}

uint32_t SimulatedSensorHub::CmConnectMachine(CmMachine& machine) {
    machine = 1;
    return serviceFaults_.cmConnectResult;
}

uint32_t SimulatedSensorHub::CmLocateRootNode(DevInst& root, CmMachine) {
    root = 1;
    return serviceFaults_.cmLocateResult;
}

uint32_t SimulatedSensorHub::CmReenumerateDevNode(DevInst, uint32_t, CmMachine) {
    if (serviceFaults_.cmReenumerateResult != kCrSuccess) return serviceFaults_.cmReenumerateResult;
    ++rescans_;
    for (SystemNode& node : systemNodes_) node.removed = false;
    for (auto& dev : devices_) dev->RestoreNode();
    return kCrSuccess;
}

uint32_t SimulatedSensorHub::CmDisconnectMachine(CmMachine) { return kCrSuccess; }

}  // namespace nuv::sim
