#pragma once

#include <string>

namespace nuv {

struct Program;

// The framework's error display. Headless it never blocks: the message goes to
// standard error and into the diagnostic trace.
void ShowError(Program& program, const std::string& message);

}  // namespace nuv
