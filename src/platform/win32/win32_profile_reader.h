// Profile files read by the system's own GetPrivateProfileStringA.
#pragma once

#include "platform/host.h"

namespace nuv {

class Win32ProfileReader : public ProfileReader {
public:
    // At most 2047 characters of a value, as the 2048-byte buffer holds.
    static constexpr unsigned kBufferSize = 2048;

    std::string ReadString(const std::string& filePath, const std::string& section,
                           const std::string& key, const std::string& defaultText) override;
};

}  // namespace nuv
