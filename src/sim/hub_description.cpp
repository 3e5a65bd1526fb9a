#include "sim/hub_description.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <iterator>

#include "sim/description_reader.h"
#include "sim/simulated_hub.h"

namespace nuv::sim {

namespace {

const std::vector<std::string> kSimulationKeys = {"DEVICES", "TRAFFIC", "LATENCY", "ENUMERATIONCOST", "OTHERHID"};
const std::vector<std::string> kDeviceKeys = {
    "FAMILY", "MODE", "FLASHUSAGE", "VID", "PID", "REV", "FLASHPID", "FLASHREV", "REPORTID",
    "FLASHENTRYDELAY", "RETURNDELAY", "FLASHFILE", "FLASHSIZE", "IDENTIFICATION", "RAMADDRESS", "RAMSIZE",
    "PARAMADDRESS", "PARAMBUFFER", "PARAMLENGTH", "SEED", "FAILEVERY", "FAILBURSTAT", "FAILBURSTLENGTH",
    "FAILRATE", "WRONGCHECKSUMEVERY", "STUCKPAGES", "WRONGECHOEVERY", "NOFLASHENTRY", "NORETURN",
    "UNPLUGAFTER", "DOCKREMOVEAFTER", "DOCKNEXTAFTER", "DOCKUNITS"};

constexpr uint32_t kMax24 = 0xFFFFFF;
constexpr uint32_t kMaxDelay = 3600000;
constexpr uint32_t kMaxCount = 0x7FFFFFFF;

// Only a regular file is read: reading a folder throws from the stream.
bool ReadFile(const std::string& path, std::string& content) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool IsAbsolute(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || (path.size() > 1 && path[1] == ':');
}

std::string Resolve(const std::string& descriptionFile, const std::string& name) {
    if (name.empty() || IsAbsolute(name)) return name;
    const auto slash = descriptionFile.find_last_of("/\\");
    return slash == std::string::npos ? name : descriptionFile.substr(0, slash + 1) + name;
}

bool ReadIdentity(DescriptionReader& r, HubConfig& c) {
    int family = static_cast<int>(c.family);
    if (!r.Choice("FAMILY", {{"DEFAULT", 0}, {"FF85", 1}, {"FF89", 2}, {"FF52", 3}}, family)) return false;
    int mode = 0;
    if (!r.Choice("MODE", {{"APPLICATION", 0}, {"FLASH", 1}, {"ABSENT", 2}}, mode)) return false;
    c = DefaultHubConfig(static_cast<Family>(family), static_cast<HubMode>(mode));
    if (!r.Number("FLASHUSAGE", 0, 0xFFFF, c.flashUsage)) return false;
    if (c.flashUsage != 0xDB && c.flashUsage != 0xD0 && c.flashUsage != 0xDD) {
        return r.Refuse("FLASHUSAGE", "is not one of 0xDB, 0xD0, 0xDD");
    }
    return r.Number("VID", 0, 0xFFFF, c.vendorId) && r.Number("PID", 0, 0xFFFF, c.productId) &&
           r.Number("REV", 0, 0xFFFF, c.revision) && r.Number("FLASHPID", 0, 0xFFFF, c.flashProductId) &&
           r.Number("FLASHREV", 0, 0xFFFF, c.flashRevision) && r.Number("REPORTID", 0, 0xFF, c.reportId) &&
           r.Number("FLASHENTRYDELAY", 0, kMaxDelay, c.flashEntryDelayMs) &&
           r.Number("RETURNDELAY", 0, kMaxDelay, c.returnDelayMs);
}

bool ReadMemoryMap(DescriptionReader& r, HubConfig& c) {
    std::vector<uint32_t> identification;
    if (!r.Number("FLASHSIZE", 1, 0xF00000, c.flashSize) || !r.Numbers("IDENTIFICATION", 0xFF, identification) ||
        !r.Number("RAMADDRESS", 0, kMax24, c.ramAddress) || !r.Number("RAMSIZE", 0, 0x100000, c.ramSize) ||
        !r.Number("PARAMADDRESS", 0, kMax24, c.parameterFlashAddress) ||
        !r.Number("PARAMBUFFER", 0, kMax24, c.parameterBufferAddress) ||
        !r.Number("PARAMLENGTH", 0, 0xFF, c.parameterLength)) {
        return false;
    }
    if (!r.Text("IDENTIFICATION").empty()) {
        if (identification.size() != 3) return r.Refuse("IDENTIFICATION", "does not hold three bytes");
        for (size_t i = 0; i < 3; ++i) c.identification[i] = static_cast<uint8_t>(identification[i]);
    }
    const uint64_t ramEnd = uint64_t{c.ramAddress} + c.ramSize;
    if (c.ramSize != 0 && (c.ramAddress < c.flashSize || ramEnd > 0xF02000)) {
        return r.Refuse("RAMADDRESS", "puts the RAM over the flash or the identification bytes");
    }
    return true;
}

bool ReadFaults(DescriptionReader& r, FaultPlan& f) {
    return r.Number("SEED", 0, 0xFFFFFFFF, f.seed) && r.Number("FAILEVERY", 0, kMaxCount, f.failEvery) &&
           r.Number("FAILBURSTAT", 0, kMaxCount, f.failBurstAt) &&
           r.Number("FAILBURSTLENGTH", 0, kMaxCount, f.failBurstLength) &&
           r.Number("FAILRATE", 0, 100, f.failRatePercent) &&
           r.Number("WRONGCHECKSUMEVERY", 0, kMaxCount, f.wrongChecksumEvery) &&
           r.Numbers("STUCKPAGES", kMax24, f.stuckPages) &&
           r.Number("WRONGECHOEVERY", 0, kMaxCount, f.wrongEchoEvery) && r.Flag("NOFLASHENTRY", f.noFlashEntry) &&
           r.Flag("NORETURN", f.noReturn) && r.Number("UNPLUGAFTER", 0, kMaxCount, f.unplugAfter) &&
           r.Number("DOCKREMOVEAFTER", 0, kMaxDelay, f.dockRemoveAfterMs) &&
           r.Number("DOCKNEXTAFTER", 0, kMaxDelay, f.dockNextAfterMs) && r.Number("DOCKUNITS", 1, 1000, f.dockUnits);
}

bool LoadFlash(DescriptionReader& r, const std::string& path, HubConfig& c) {
    if (path.empty()) return true;
    std::error_code error;
    if (std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found) {
        return true;   // no file yet: erased flash
    }
    // Anything else that cannot be read is refused: the run would overwrite it at its end.
    std::string bytes;
    if (!ReadFile(path, bytes)) return r.Refuse("FLASHFILE", "cannot be read");
    if (bytes.size() > c.flashSize) return r.Refuse("FLASHFILE", "is larger than FLASHSIZE");
    c.flash.assign(bytes.begin(), bytes.end());
    return true;
}

bool ReadDevice(const std::string& file, const std::string& content, int number, HubDescription& d,
                std::string& error) {
    DescriptionReader r(file, content, "DEVICE" + std::to_string(number));
    HubConfig config;
    const std::string flashFile = Resolve(file, r.Text("FLASHFILE"));
    const bool ok = ReadIdentity(r, config) && ReadMemoryMap(r, config) && ReadFaults(r, config.faults) &&
                    LoadFlash(r, flashFile, config);
    if (!ok) {
        error = r.error();
        return false;
    }
    d.devices.push_back(std::move(config));
    d.flashFiles.push_back(flashFile);
    return true;
}

}  // namespace

bool LoadHubDescription(const std::string& file, HubDescription& description, std::string& error) {
    std::string content;
    if (!ReadFile(file, content)) {
        error = DescriptionErrorLine(file, "cannot be read");
        return false;
    }
    for (const auto& [prefix, keys] : {std::pair{"SIMULATION", kSimulationKeys}, std::pair{"DEVICE", kDeviceKeys}}) {
        const std::string unknown = FindUnknownKey(content, prefix, keys);
        if (!unknown.empty()) {
            error = DescriptionErrorLine(file, unknown + " is not a known key");
            return false;
        }
    }
    HubDescription d;
    d.file = file;
    DescriptionReader r(file, content, "SIMULATION");
    uint32_t devices = 1;
    if (!r.Number("DEVICES", 0, 64, devices) || !r.Number("LATENCY", 0, 60000, d.latencyMs) ||
        !r.Number("ENUMERATIONCOST", 0, 60000, d.enumerationCostMs) ||
        !r.Number("OTHERHID", 0, 64, d.otherInterfaces)) {
        error = r.error();
        return false;
    }
    // A device section that DEVICES does not count would be dropped without a word.
    for (const std::string& section : SectionNames(content)) {
        if (section.rfind("DEVICE", 0) != 0) continue;
        bool counted = false;
        for (uint32_t n = 1; n <= devices && !counted; ++n) counted = section == "DEVICE" + std::to_string(n);
        if (!counted) {
            error = DescriptionErrorLine(file, "[" + section + "] is not counted by [SIMULATION] DEVICES=" +
                                                   std::to_string(devices));
            return false;
        }
    }
    d.trafficFile = Resolve(file, r.Text("TRAFFIC"));
    for (uint32_t n = 1; n <= devices; ++n) {
        if (!ReadDevice(file, content, static_cast<int>(n), d, error)) return false;
    }
    description = std::move(d);
    return true;
}

bool SetUpHub(const HubDescription& description, SimulatedSensorHub& hub, std::string& error) {
    for (uint32_t i = 0; i < description.otherInterfaces; ++i) hub.AddOtherInterface({});
    for (const HubConfig& config : description.devices) hub.AddDevice(config);
    hub.SetLatency(description.latencyMs);
    hub.SetEnumerationCost(description.enumerationCostMs);
    if (!description.trafficFile.empty() && !hub.traffic().WriteTo(description.trafficFile)) {
        error = DescriptionErrorLine(description.file, "[SIMULATION] TRAFFIC=" + description.trafficFile +
                                                           " cannot be written");
        return false;
    }
    return true;
}

bool SaveHubFlash(const HubDescription& description, SimulatedSensorHub& hub, std::string& error) {
    for (size_t i = 0; i < description.flashFiles.size(); ++i) {
        const std::string& path = description.flashFiles[i];
        if (path.empty()) continue;
        const std::vector<uint8_t>& flash = hub.device(static_cast<int>(i)).flash();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(flash.data()), static_cast<std::streamsize>(flash.size()));
        if (!out) {
            error = DescriptionErrorLine(description.file, "flash of [DEVICE" + std::to_string(i + 1) +
                                                               "] cannot be written to " + path);
            return false;
        }
    }
    return true;
}

}  // namespace nuv::sim
