#include "app/readback_dump.h"

#include <string_view>

#include "app/program.h"
#include "app/text_file.h"

namespace nuv {

void WriteReadBackDump(Program& program, std::span<const uint8_t> bytes) {
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    WriteFileOrTrace(program, program.host.workDir + "flashbin.000", raw);
}

}  // namespace nuv
