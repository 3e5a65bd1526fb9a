// Command-line switches ("/S", "/VF", "/ERASE", "/F").
#pragma once

#include <array>
#include <string>

namespace nuv {

struct Program;

// The "/F" value buffer: zero-filled by the caller, the value ends at its first
// zero byte, so it holds at most 255 characters.
using SwitchValueBuffer = std::array<char, 256>;

// -1: no argument matches; 0: an argument equals switchText; otherwise the
// number of value characters (those after switchText in the same argument, at
// most 255), copied into valueBuffer when there is one. Arguments are compared
// upper-cased; the first match decides.
int FindSwitch(Program& program, const std::string& switchText, SwitchValueBuffer* valueBuffer);

// "/S" closes after any result unless in docking mode; "/VF" then "/ERASE" set SwitchMode.
void ApplySwitches(Program& program);

}  // namespace nuv
