#include "platform/win32/win32_device_services.h"

#include <windows.h>
#include <cfgmgr32.h>
#include <setupapi.h>

// The HID headers of mingw-w64 declare C functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace nuv {

namespace {

// SetupAPI checks cbSize against the fixed part of the detail record: 8 on x64, 5 on x86.
constexpr DWORD kDetailFixedSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
constexpr size_t kDetailPathOffset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);
#ifdef _WIN64
static_assert(kDetailFixedSize == 8, "x64 SetupAPI expects a detail record size of 8");
#endif

constexpr DWORD kHidInterfaceFlags = DIGCF_PRESENT | DIGCF_DEVICEINTERFACE;   // 0x12
constexpr DWORD kAllDevicesFlags = DIGCF_PRESENT | DIGCF_ALLCLASSES;          // 6
static_assert(kHidInterfaceFlags == 0x12 && kAllDevicesFlags == 6);

HDEVINFO ToSet(DeviceInfoSet set) { return reinterpret_cast<HDEVINFO>(set); }
DeviceInfoSet FromSet(HDEVINFO set) { return reinterpret_cast<DeviceInfoSet>(set); }
HANDLE ToHandle(DeviceHandle handle) { return reinterpret_cast<HANDLE>(handle); }
PHIDP_PREPARSED_DATA ToPreparsed(PreparsedData data) {
    return reinterpret_cast<PHIDP_PREPARSED_DATA>(data);
}
HMACHINE ToMachine(CmMachine machine) { return reinterpret_cast<HMACHINE>(machine); }

GUID HidGuid() {
    GUID guid{};
    ::HidD_GetHidGuid(&guid);
    return guid;
}

bool EnumInterface(HDEVINFO set, DWORD memberIndex, SP_DEVICE_INTERFACE_DATA& data) {
    GUID guid = HidGuid();
    data = {};
    data.cbSize = sizeof(SP_DEVICE_INTERFACE_DATA);
    return ::SetupDiEnumDeviceInterfaces(set, nullptr, &guid, memberIndex, &data) != FALSE;
}

// The member as SetupAPI knows it: its device instance and the set's own reference.
SP_DEVINFO_DATA ToDevInfoData(const DeviceInfoData& member) {
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof(SP_DEVINFO_DATA);
    data.DevInst = member.devInst;
    data.Reserved = member.reserved;
    return data;
}

}  // namespace

uint32_t Win32DeviceServices::GetLastError() { return ::GetLastError(); }

DeviceInfoSet Win32DeviceServices::GetHidInterfaceSet() {
    GUID guid = HidGuid();
    return FromSet(::SetupDiGetClassDevsA(&guid, nullptr, nullptr, kHidInterfaceFlags));
}

bool Win32DeviceServices::EnumHidInterface(DeviceInfoSet set, uint32_t memberIndex) {
    SP_DEVICE_INTERFACE_DATA data;
    return EnumInterface(ToSet(set), memberIndex, data);
}

bool Win32DeviceServices::GetHidInterfaceDetail(DeviceInfoSet set, uint32_t memberIndex,
                                                char* pathBuffer, uint32_t bufferSize,
                                                uint32_t& requiredSize) {
    SP_DEVICE_INTERFACE_DATA interfaceData;
    if (!EnumInterface(ToSet(set), memberIndex, interfaceData)) return false;

    DWORD required = 0;
    if (pathBuffer == nullptr || bufferSize < kDetailFixedSize) {
        // First step: only the size (the whole detail record, path included) is wanted.
        const BOOL ok = ::SetupDiGetDeviceInterfaceDetailA(ToSet(set), &interfaceData, nullptr, 0,
                                                           &required, nullptr);
        requiredSize = required;
        return ok != FALSE;
    }
    // The detail record lives in a DWORD-aligned block of the caller's size;
    // only its path reaches the caller's buffer.
    std::vector<DWORD> block((bufferSize + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(block.data());
    detail->cbSize = kDetailFixedSize;
    const BOOL ok = ::SetupDiGetDeviceInterfaceDetailA(ToSet(set), &interfaceData, detail, bufferSize,
                                                       &required, nullptr);
    requiredSize = required;
    if (!ok) return false;
    const char* path = detail->DevicePath;
    const size_t length = strnlen(path, bufferSize - kDetailPathOffset);
    const size_t copied = std::min<size_t>(length, bufferSize - 1);
    std::memcpy(pathBuffer, path, copied);
    pathBuffer[copied] = '\0';
    return true;
}

void Win32DeviceServices::DestroyInfoSet(DeviceInfoSet set) {
    ::SetupDiDestroyDeviceInfoList(ToSet(set));
}

DeviceHandle Win32DeviceServices::OpenDevice(const std::string& path) {
    HANDLE handle = ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    return handle == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<DeviceHandle>(handle);
}

void Win32DeviceServices::CloseDevice(DeviceHandle handle) { ::CloseHandle(ToHandle(handle)); }

bool Win32DeviceServices::GetPreparsedData(DeviceHandle handle, PreparsedData& data) {
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!::HidD_GetPreparsedData(ToHandle(handle), &preparsed)) return false;
    data = reinterpret_cast<PreparsedData>(preparsed);
    return true;
}

bool Win32DeviceServices::GetCaps(PreparsedData data, HidCaps& caps) {
    HIDP_CAPS hidCaps{};
    if (::HidP_GetCaps(ToPreparsed(data), &hidCaps) != HIDP_STATUS_SUCCESS) return false;
    caps.usagePage = hidCaps.UsagePage;
    caps.usage = hidCaps.Usage;
    return true;
}

void Win32DeviceServices::FreePreparsedData(PreparsedData data) {
    ::HidD_FreePreparsedData(ToPreparsed(data));
}

bool Win32DeviceServices::GetAttributes(DeviceHandle handle, HidAttributes& attributes) {
    HIDD_ATTRIBUTES hidAttributes{};
    hidAttributes.Size = sizeof(HIDD_ATTRIBUTES);
    if (!::HidD_GetAttributes(ToHandle(handle), &hidAttributes)) return false;
    attributes.vendorId = hidAttributes.VendorID;
    attributes.productId = hidAttributes.ProductID;
    attributes.versionNumber = hidAttributes.VersionNumber;
    return true;
}

bool Win32DeviceServices::SetFeature(DeviceHandle handle, const uint8_t* report, uint32_t length) {
    // HidD_SetFeature takes a non-const buffer; hand it a copy.
    std::vector<uint8_t> buffer(report, report + length);
    return ::HidD_SetFeature(ToHandle(handle), buffer.data(), length) != FALSE;
}

bool Win32DeviceServices::GetFeature(DeviceHandle handle, uint8_t* report, uint32_t length) {
    return ::HidD_GetFeature(ToHandle(handle), report, length) != FALSE;
}

DeviceInfoSet Win32DeviceServices::GetAllDevicesSet() {
    return FromSet(::SetupDiGetClassDevsA(nullptr, nullptr, nullptr, kAllDevicesFlags));
}

bool Win32DeviceServices::EnumDeviceInfo(DeviceInfoSet set, uint32_t memberIndex,
                                         DeviceInfoData& member) {
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof(SP_DEVINFO_DATA);
    if (!::SetupDiEnumDeviceInfo(ToSet(set), memberIndex, &data)) return false;
    member.devInst = data.DevInst;
    member.reserved = data.Reserved;
    return true;
}

bool Win32DeviceServices::GetHardwareIds(DeviceInfoSet set, const DeviceInfoData& member,
                                         uint8_t* buffer, uint32_t bufferSize,
                                         uint32_t& requiredSize) {
    SP_DEVINFO_DATA data = ToDevInfoData(member);
    DWORD dataType = 0;
    DWORD required = 0;
    const BOOL ok = ::SetupDiGetDeviceRegistryPropertyA(ToSet(set), &data, SPDRP_HARDWAREID, &dataType,
                                                        buffer, buffer ? bufferSize : 0, &required);
    requiredSize = required;
    return ok != FALSE;
}

bool Win32DeviceServices::RemoveDevice(DeviceInfoSet set, const DeviceInfoData& member) {
    SP_DEVINFO_DATA data = ToDevInfoData(member);
    return ::SetupDiRemoveDevice(ToSet(set), &data) != FALSE;
}

uint32_t Win32DeviceServices::CmConnectMachine(CmMachine& machine) {
    HMACHINE handle = nullptr;
    const CONFIGRET result = ::CM_Connect_MachineA(nullptr, &handle);
    machine = reinterpret_cast<CmMachine>(handle);
    return result;
}

uint32_t Win32DeviceServices::CmLocateRootNode(DevInst& root, CmMachine machine) {
    DEVINST node = 0;
    const CONFIGRET result = ::CM_Locate_DevNode_ExA(&node, nullptr, CM_LOCATE_DEVNODE_NORMAL,
                                                     ToMachine(machine));
    root = node;
    return result;
}

uint32_t Win32DeviceServices::CmReenumerateDevNode(DevInst node, uint32_t flags, CmMachine machine) {
    return ::CM_Reenumerate_DevNode_Ex(node, flags, ToMachine(machine));
}

uint32_t Win32DeviceServices::CmDisconnectMachine(CmMachine machine) {
    return ::CM_Disconnect_Machine(ToMachine(machine));
}

}  // namespace nuv
