// Version records kept as files where the host has no registry: one folder per
// key under a root folder, one file per value holding exactly the value's bytes.
#pragma once

#include <string>

#include "platform/host.h"

namespace nuv {

class FileRecordStore : public RecordStore {
public:
    // root: the folder standing for the local machine hive.
    explicit FileRecordStore(std::string root) : root_(std::move(root)) {}

    bool WriteString(const std::string& keyPath, const std::string& valueName,
                     const std::string& value, std::string& reason) override;

    const std::string& root() const { return root_; }

private:
    std::string root_;
};

}  // namespace nuv
