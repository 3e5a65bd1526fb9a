#pragma once

#include <string>

namespace nuv {

struct Program;

// Writes the string value "FWVer" under "SOFTWARE\NUV\DRAV" of the local machine
// hive, creating the key when missing; the empty text is written, not skipped.
void WriteFirmwareVersionRecord(Program& program, const std::string& version);

}  // namespace nuv
