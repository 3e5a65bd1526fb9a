#include "protocol/application_requests.h"

#include <array>

#include "app/program.h"
#include "device/feature_transport.h"
#include "protocol/memory_reads.h"
#include "protocol/request_route.h"

namespace nuv {

namespace {

constexpr uint8_t kFixedReportId = 0x5A;
constexpr uint32_t kFlashModeSwitchMs = 1000;
constexpr uint32_t kParameterControlPauseMs = 200;

uint32_t GetAddress(const uint8_t* bytes) {
    return bytes[0] | (uint32_t{bytes[1]} << 8) | (uint32_t{bytes[2]} << 16);
}

}  // namespace

bool EnterFlashMode(Program& program) {
    std::array<uint8_t, 2> request = {0x09, 0};
    const bool sent = FeatureTransport(program, ApplicationHandle(program), true,
                                       program.settings.ReportId, request.data(), request.size());
    program.host.clock.Sleep(kFlashModeSwitchMs);
    return sent;
}

ParameterArea ParameterControl(Program& program, uint8_t selector) {
    const DeviceHandle handle = ApplicationHandle(program);
    std::array<uint8_t, 9> buffer = {0x02, selector};
    const bool sent = FeatureTransport(program, handle, true, kFixedReportId, buffer.data(), 2);
    const bool fetched =
        FeatureTransport(program, handle, false, kFixedReportId, buffer.data(), buffer.size());
    program.host.clock.Sleep(kParameterControlPauseMs);

    ParameterArea area;
    area.flashAddress = GetAddress(&buffer[2]);
    area.bufferAddress = GetAddress(&buffer[5]);
    area.length = buffer[8];
    area.answered = sent && fetched;
    return area;
}

bool WriteMemoryByte(Program& program, uint32_t address, uint8_t value) {
    std::array<uint8_t, 6> request{};
    request[0] = MemoryOpcode(address, 0x08, 0x06);
    PutAddress(&request[1], address);
    request[4] = 1;
    request[5] = value;
    return FeatureTransport(program, ApplicationHandle(program), true, kFixedReportId,
                            request.data(), request.size());
}

}  // namespace nuv
