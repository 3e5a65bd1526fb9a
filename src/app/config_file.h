// The configuration file "DRAV.ini" beside the executable, read into Settings.
#pragma once

#include <string>

namespace nuv {

struct Program;

std::string ConfigFilePath(const Program& program);

// The key's text, or defaultText when the file, the section or the key is missing.
std::string ReadSetting(Program& program, const std::string& section, const std::string& key,
                        const std::string& defaultText);

// ENABLE of MESSAGE and TITLENAME of OPTION, read when the window is created.
void ReadDisplayKeys(Program& program);

// Every other key, in file order, with the switches applied after CLOSEAPP.
// A malformed number throws ConversionError and leaves the later keys alone.
void ReadAllSettings(Program& program);

}  // namespace nuv
