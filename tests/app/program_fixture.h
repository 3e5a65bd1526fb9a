// A fresh program on a virtual host whose executable folder is a temporary folder.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/temp_folder.h"
#include "platform/virtual/virtual_host.h"

namespace nuv::testing {

struct ProgramFixture {
    explicit ProgramFixture(std::vector<std::string> args = {}, uint32_t startTick = 0)
        : virtualHost(folder.path(), std::move(args), nullptr, startTick),
          program(std::make_unique<Program>(virtualHost.host)) {}

    void WriteConfig(const std::string& content) { folder.Write("DRAV.ini", content); }

    TempFolder folder;
    VirtualHost virtualHost;
    std::unique_ptr<Program> program;
};

}  // namespace nuv::testing
