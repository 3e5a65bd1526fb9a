// Our own reader of profile (INI) files, following the Windows conventions:
// case-insensitive sections and keys, blanks around values dropped, enclosing
// quotes removed, at most 2047 characters of a value returned.
#pragma once

#include "platform/host.h"

namespace nuv {

class IniProfileReader : public ProfileReader {
public:
    std::string ReadString(const std::string& filePath, const std::string& section,
                           const std::string& key, const std::string& defaultText) override;
};

// The same lookup over file content already in memory.
std::string LookUpProfileString(const std::string& content, const std::string& section,
                                const std::string& key, const std::string& defaultText);

}  // namespace nuv
