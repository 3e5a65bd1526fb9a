// Folders the program takes from the Windows process.
#pragma once

#include <string>

namespace nuv {

// The executable's folder, up to and including its last separator.
std::string ExecutableFolder();
// The current working folder, ending in a separator.
std::string WorkingFolder();

}  // namespace nuv
