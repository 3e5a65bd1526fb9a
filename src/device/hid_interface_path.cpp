#include <cstring>
#include <vector>

#include "app/program.h"
#include "device/discovery.h"

namespace nuv {

HidInterfaceSet::HidInterfaceSet(HostDeviceServices& services)
    : services_(services), set_(services.GetHidInterfaceSet()) {}

HidInterfaceSet::~HidInterfaceSet() {
    if (set_ != kInvalidInfoSet) services_.DestroyInfoSet(set_);
}

bool GetHidInterfacePath(const HidInterfaceSet& set, int32_t index, std::string& path) {
    HostDeviceServices& services = set.services();
    if (set.handle() == kInvalidInfoSet || index < 0) return false;
    const auto member = static_cast<uint32_t>(index);
    if (!services.EnumHidInterface(set.handle(), member)) return false;
    uint32_t required = 0;
    services.GetHidInterfaceDetail(set.handle(), member, nullptr, 0, required);
    if (required == 0) return false;
    std::vector<char> detail(required, '\0');
    if (!services.GetHidInterfaceDetail(set.handle(), member, detail.data(), required, required)) return false;
    // The path ends at its zero, or at the end of the buffer if the zero is missing.
    path.assign(detail.data(), strnlen(detail.data(), detail.size()));
    return true;
}

bool GetHidInterfacePath(Program& program, int32_t index, std::string& path) {
    const HidInterfaceSet set(program.host.devices);
    return GetHidInterfacePath(set, index, path);
}

void WalkHidInterfaces(Program& program, InterfaceSetUse use,
                       const std::function<bool(int32_t index, const std::string& path)>& visit) {
    const int32_t end = program.settings.MaxScanDevice;
    if (end <= 0) return;
    std::string path;
    if (use == InterfaceSetUse::PerIndex) {
        for (int32_t index = 0; index < end; ++index) {
            if (GetHidInterfacePath(program, index, path) && !visit(index, path)) return;
        }
        return;
    }
    const HidInterfaceSet set(program.host.devices);
    for (int32_t index = 0; index < end; ++index) {
        if (GetHidInterfacePath(set, index, path) && !visit(index, path)) return;
    }
}

}  // namespace nuv
