#include "device/device_maintenance.h"

#include <optional>
#include <vector>

#include "app/program.h"
#include "device/hardware_id_list.h"

namespace nuv {

void RemoveMatchingDevices(Program& program, const std::string& hardwareId) {
    HostDeviceServices& services = program.host.devices;
    LineLog& messages = program.form.OperatorMessages;
    const PresentDeviceSet set(services);
    if (!set.valid()) {
        messages.Append("Error! GetClassDevs(All Present Devices)");
        return;
    }
    DeviceInfoData member;
    std::vector<uint8_t> list;
    for (uint32_t index = 0; services.EnumDeviceInfo(set.handle(), index, member); ++index) {
        const HardwareIdRead read = ReadHardwareIdList(services, set.handle(), member, list);
        if (read == HardwareIdRead::Failed) {
            messages.Append("Error! GetDeviceRegistryProperty");
            return;
        }
        if (read == HardwareIdRead::NoIds) continue;
        const std::optional<std::string> entry = FindHardwareIdEntry(list, hardwareId);
        if (!entry) continue;
        messages.Append("Found! [" + *entry + "] ,and remove it form Device Manager.\n");
        if (!services.RemoveDevice(set.handle(), member)) messages.Append("Error! CallClassInstaller(REMOVE)");
    }
    const uint32_t error = services.GetLastError();
    if (error != 0 && error != kErrorNoMoreItems) messages.Append("Error! EnumDeviceInfo");
}

void RescanDeviceTree(Program& program) {
    HostDeviceServices& services = program.host.devices;
    LineLog& messages = program.form.OperatorMessages;
    CmMachine machine = 0;
    if (services.CmConnectMachine(machine) != kCrSuccess) {
        messages.Append("Error!! CM_Connect_Machine");
        return;
    }
    DevInst root = 0;
    if (services.CmLocateRootNode(root, machine) != kCrSuccess) messages.Append("Error!! CM_Locate_DevNode_Ex");
    if (services.CmReenumerateDevNode(root, kCmReenumerateRetryInstallation, machine) != kCrSuccess) {
        messages.Append("Error!! CM_Reenumerate_DevNode_Ex");
    }
    services.CmDisconnectMachine(machine);
    messages.Append("Rescan Device Manager!");
}

// The digits are read at a position that follows from the matching entry's
// length, which is where "&REV_" puts them when the first entry carries it.
int32_t FindDeviceRevision(Program& program, const std::string& hardwareId) {
    if (hardwareId.empty()) return 0;
    HostDeviceServices& services = program.host.devices;
    const PresentDeviceSet set(services);
    if (!set.valid()) return 0;
    DeviceInfoData member;
    std::vector<uint8_t> list;
    for (uint32_t index = 0; services.EnumDeviceInfo(set.handle(), index, member); ++index) {
        const HardwareIdRead read = ReadHardwareIdList(services, set.handle(), member, list);
        if (read == HardwareIdRead::Failed) return 0;
        if (read == HardwareIdRead::NoIds) continue;
        const std::optional<std::string> entry = FindHardwareIdEntry(list, hardwareId);
        if (entry) return HexNumberAt(list, entry->size() + 5);
    }
    return 0;
}

}  // namespace nuv
