#include "app/program_options.h"

#include <utility>

#include "app/entry.h"
#include "sim/device_services_relay.h"
#include "sim/hub_description.h"
#include "sim/simulated_host.h"

namespace nuv {

namespace {

const std::string kSimulate = "--simulate=";
const std::string kVirtualTime = "--virtual-time";

// The described hub on the real host and its clock.
uint32_t RunOnRealTime(std::vector<std::string> args, const NativeHostFactory& makeHost,
                       const sim::HubDescription& description, std::ostream& errors) {
    sim::DeviceServicesRelay relay;
    std::unique_ptr<NativeHost> native = makeHost(std::move(args), &relay);
    sim::SimulatedSensorHub hub(native->host().clock);
    std::string error;
    if (!sim::SetUpHub(description, hub, error)) {
        errors << error << '\n';
        return kOptionsRefused;
    }
    relay.SetTarget(&hub);
    const uint32_t code = RunProgram(native->host());
    relay.SetTarget(nullptr);
    if (!sim::SaveHubFlash(description, hub, error)) {
        errors << error << '\n';
        return kOptionsRefused;
    }
    return code;
}

// The whole run on virtual time and headless; the real host gives only its
// folders and takes what the program wrote to its standard streams.
uint32_t RunOnVirtualTime(std::vector<std::string> args, const NativeHostFactory& makeHost,
                          const sim::HubDescription& description, std::ostream& errors) {
    std::unique_ptr<NativeHost> native = makeHost(args, nullptr);
    Host& real = native->host();
    sim::SimulatedHost rig(real.exeDir, std::move(args));
    rig.virtualHost.host.workDir = real.workDir;
    std::string error;
    if (!sim::SetUpHub(description, rig.hub, error)) {
        errors << error << '\n';
        return kOptionsRefused;
    }
    const uint32_t code = RunProgram(rig.host());
    real.system.WriteStdout(rig.virtualHost.system.stdoutText);
    real.system.WriteStderr(rig.virtualHost.system.stderrText);
    if (!sim::SaveHubFlash(description, rig.hub, error)) {
        errors << error << '\n';
        return kOptionsRefused;
    }
    return code;
}

}  // namespace

bool ReadProgramOptions(const std::vector<std::string>& args, ProgramOptions& options, std::string& error) {
    ProgramOptions read;
    for (const std::string& arg : args) {
        if (arg.rfind("--", 0) != 0) continue;
        if (arg.rfind(kSimulate, 0) == 0 && arg.size() > kSimulate.size()) {
            read.simulateFile = arg.substr(kSimulate.size());
        } else if (arg == kVirtualTime) {
            read.virtualTime = true;
        } else {
            error = "Unknown option: " + arg;
            return false;
        }
    }
    if (read.virtualTime && read.simulateFile.empty()) {
        error = "--virtual-time needs --simulate=FILE";
        return false;
    }
    options = std::move(read);
    return true;
}

uint32_t RunWithProgramOptions(std::vector<std::string> args, const NativeHostFactory& makeHost,
                               std::ostream& errors) {
    ProgramOptions options;
    std::string error;
    if (!ReadProgramOptions(args, options, error)) {
        errors << error << '\n';
        return kOptionsRefused;
    }
    if (options.simulateFile.empty()) {
        std::unique_ptr<NativeHost> native = makeHost(std::move(args), nullptr);
        return RunProgram(native->host());
    }
    sim::HubDescription description;
    if (!sim::LoadHubDescription(options.simulateFile, description, error)) {
        errors << error << '\n';
        return kOptionsRefused;
    }
    return options.virtualTime ? RunOnVirtualTime(std::move(args), makeHost, description, errors)
                               : RunOnRealTime(std::move(args), makeHost, description, errors);
}

}  // namespace nuv
