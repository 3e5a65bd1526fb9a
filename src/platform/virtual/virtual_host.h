// A whole host on virtual time: used by the tests and by --virtual-time runs.
// Records what the program asked of the system so tests can read it back.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "platform/ini_profile_reader.h"
#include "platform/null_device_services.h"
#include "platform/timer_loop.h"
#include "platform/virtual/virtual_clock.h"

namespace nuv {

// Version records kept in memory; a key path listed in failingKeys refuses writes.
class MemoryRecordStore : public RecordStore {
public:
    bool WriteString(const std::string& keyPath, const std::string& valueName,
                     const std::string& value, std::string& reason) override {
        if (failingKeys.count(keyPath)) {
            reason = "access denied";
            return false;
        }
        values[keyPath + "\\" + valueName] = value;
        return true;
    }
    std::map<std::string, std::string> values;
    std::map<std::string, bool> failingKeys;
};

class RecordingSystemServices : public SystemServices {
public:
    void SetExecutionState(uint32_t flags) override { executionStates.push_back(flags); }
    void LaunchProgram(const std::string& program, const std::string& parameters) override {
        launches.emplace_back(program, parameters);
    }
    void WriteStdout(const std::string& text) override { stdoutText += text; }
    void WriteStderr(const std::string& text) override { stderrText += text; }

    std::vector<uint32_t> executionStates;
    std::vector<std::pair<std::string, std::string>> launches;
    std::string stdoutText;
    std::string stderrText;
};

class VirtualHost {
public:
    explicit VirtualHost(std::string exeDir, std::vector<std::string> args = {},
                         HostDeviceServices* devices = nullptr, uint32_t startTick = 0)
        : clock(startTick),
          loop(clock),
          host{clock, loop, profiles, records, system, devices ? *devices : noDevices,
               std::move(args), exeDir, exeDir} {}

    VirtualClock clock;
    TimerLoop loop;
    IniProfileReader profiles;
    MemoryRecordStore records;
    RecordingSystemServices system;
    NullDeviceServices noDevices;
    Host host;
};

}  // namespace nuv
