#include "device/hardware_id_list.h"

#include <algorithm>

namespace nuv {

HardwareIdRead ReadHardwareIdList(HostDeviceServices& services, DeviceInfoSet set, const DeviceInfoData& member,
                                  std::vector<uint8_t>& list) {
    list.clear();
    for (;;) {
        uint32_t required = 0;
        const auto size = static_cast<uint32_t>(list.size());
        if (services.GetHardwareIds(set, member, list.empty() ? nullptr : list.data(), size, required)) {
            // Keep only what the system says it returned.
            if (required != 0 && required < size) list.resize(required);
            return HardwareIdRead::Read;
        }
        const uint32_t error = services.GetLastError();
        if (error == kErrorInvalidData) return HardwareIdRead::NoIds;
        // A size that does not grow would ask again for ever.
        if (error != kErrorInsufficientBuffer || required <= size) return HardwareIdRead::Failed;
        list.assign(required, 0);
    }
}

std::optional<std::string> FindHardwareIdEntry(const std::vector<uint8_t>& list, const std::string& text) {
    size_t position = 0;
    while (position < list.size() && list[position] != 0) {
        const auto begin = list.begin() + static_cast<std::ptrdiff_t>(position);
        const auto end = std::find(begin, list.end(), uint8_t{0});
        std::string entry(begin, end);
        if (entry == text) return entry;
        position += entry.size() + 1;
    }
    return std::nullopt;
}

int32_t HexNumberAt(const std::vector<uint8_t>& list, size_t position) {
    if (position >= list.size()) return 0;
    uint32_t value = 0;
    int digits = 0;
    for (size_t i = position; i < list.size() && list[i] != 0; ++i, ++digits) {
        const char c = static_cast<char>(list[i]);
        uint32_t digit = 0;
        if (c >= '0' && c <= '9') digit = static_cast<uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F') digit = static_cast<uint32_t>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f') digit = static_cast<uint32_t>(c - 'a' + 10);
        else return 0;
        if (digits == 8) return 0;   // more than 32 bits
        value = value << 4 | digit;
    }
    return digits == 0 ? 0 : static_cast<int32_t>(value);
}

}  // namespace nuv
