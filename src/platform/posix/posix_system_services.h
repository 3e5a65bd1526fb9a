#pragma once

#include "platform/host.h"

namespace nuv {

// No keep-awake request and no task to end on this host; real console output.
class PosixSystemServices : public SystemServices {
public:
    void SetExecutionState(uint32_t) override {}
    void LaunchProgram(const std::string&, const std::string&) override {}
    void WriteStdout(const std::string& text) override;
    void WriteStderr(const std::string& text) override;
};

}  // namespace nuv
