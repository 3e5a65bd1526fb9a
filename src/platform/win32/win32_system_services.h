// Keep-awake requests, hidden program launches and console output on Windows.
#pragma once

#include "platform/host.h"

namespace nuv {

class Win32SystemServices : public SystemServices {
public:
    void SetExecutionState(uint32_t flags) override;
    // Through the shell's "open" verb, hidden, no working folder, not waited for.
    void LaunchProgram(const std::string& program, const std::string& parameters) override;
    void WriteStdout(const std::string& text) override;
    void WriteStderr(const std::string& text) override;
};

}  // namespace nuv
