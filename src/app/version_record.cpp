#include "app/version_record.h"

#include "app/program.h"
#include "app/text_file.h"

namespace nuv {

void WriteFirmwareVersionRecord(Program& program, const std::string& version) {
    const std::string key = "SOFTWARE\\NUV\\DRAV";
    const std::string valueName = "FWVer";
    std::string reason;
    if (!program.host.records.WriteString(key, valueName, version, reason))
        TraceWriteFailure(program, "HKEY_LOCAL_MACHINE\\" + key + "\\" + valueName, reason);
}

}  // namespace nuv
