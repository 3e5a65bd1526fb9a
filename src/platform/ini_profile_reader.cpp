#include "platform/ini_profile_reader.h"

namespace nuv {

std::string IniProfileReader::ReadString(const std::string&, const std::string&, const std::string&,
                                         const std::string& defaultText) {
    return defaultText;
}

}  // namespace nuv
