// The system's own description of a Windows error number.
#pragma once

#include <cstdint>
#include <string>

namespace nuv {

// E.g. "Access denied. (error 5)"; just "error N" when the system has no text.
std::string SystemErrorText(uint32_t error);

}  // namespace nuv
