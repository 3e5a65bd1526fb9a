#include "platform/file_record_store.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace nuv {

namespace {

namespace fs = std::filesystem;

// A name that cannot leave its folder.
bool PlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos;
}

// "SOFTWARE\NUV\DRAV" as folders; false for a path with empty or odd parts.
bool KeyFolder(const fs::path& root, const std::string& keyPath, fs::path& folder) {
    folder = root;
    std::string part;
    for (std::size_t i = 0; i <= keyPath.size(); ++i) {
        if (i == keyPath.size() || keyPath[i] == '\\') {
            if (!PlainName(part)) return false;
            folder /= part;
            part.clear();
        } else {
            part += keyPath[i];
        }
    }
    return true;
}

}  // namespace

bool FileRecordStore::WriteString(const std::string& keyPath, const std::string& valueName,
                                  const std::string& value, std::string& reason) {
    fs::path folder;
    if (!KeyFolder(root_, keyPath, folder) || !PlainName(valueName)) {
        reason = "invalid key or value name";
        return false;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        reason = error.message();
        return false;
    }
    const fs::path file = folder / valueName;
    const fs::path temporary = folder / (valueName + ".new");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(value.data(), static_cast<std::streamsize>(value.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            reason = "cannot write " + temporary.string();
            return false;
        }
    }
    // Replacing in one step keeps the old value whole if anything goes wrong.
    fs::rename(temporary, file, error);
    if (error) {
        reason = error.message();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace nuv
