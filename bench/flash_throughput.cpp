// Host-side cost of programming and reading back 127 KB on a simulated hub
// with zero link latency. The simulated device runs in this process, so its
// share is measured separately by replaying the same reports straight into a
// fresh hub, and subtracted.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "app/program.h"
#include "protocol/device_modes.h"
#include "protocol/flash_requests.h"
#include "protocol/page_programming.h"
#include "sim/simulated_host.h"

namespace {

using namespace nuv;

constexpr uint32_t kStart = 0x400;
constexpr int32_t kLength = 127 * 1024;
constexpr int kRounds = 200;

double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// A program connected in flash mode to one fresh, erased simulated hub.
struct Rig {
    Rig() {
        rig.hub.AddDevice(sim::DefaultHubConfig(sim::Family::Default, sim::HubMode::Flash));
        ConnectDevice(program, 2);
        rig.hub.traffic().Clear();
    }
    sim::SimulatedHost rig;
    Program program{rig.host()};
};

std::vector<uint8_t> Image() {
    std::vector<uint8_t> image(kLength);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7 + i / 1024);
    return image;
}

// One warm-up round, then kRounds timed as one block so that a coarse clock
// still gives a fair figure. Programming the same image again leaves the
// flash as it is, so every round sends the same reports.
double ProgramAndReadBack(Rig& r, const std::vector<uint8_t>& image, std::vector<uint8_t>& back) {
    double start = 0;
    for (int round = 0; round <= kRounds; ++round) {
        if (round == 1) start = CpuSeconds();
        r.rig.hub.traffic().Clear();
        ProgramPages(r.program, kStart, kLength, image.data());
        ReadFlashRange(r.program, kStart, kLength, back.data());
    }
    return CpuSeconds() - start;
}

// The simulated device's own share: the same reports, without the host code.
double Replay(Rig& r, const std::vector<sim::TrafficEntry>& traffic) {
    const DeviceHandle handle = r.program.deviceTable.Handles[0];
    double start = 0;
    for (int round = 0; round <= kRounds; ++round) {
        if (round == 1) start = CpuSeconds();
        r.rig.hub.traffic().Clear();
        for (const auto& e : traffic) {
            std::array<uint8_t, 64> report = e.report;
            if (e.direction == sim::Direction::Set)
                r.rig.hub.SetFeature(handle, report.data(), 64);
            else
                r.rig.hub.GetFeature(handle, report.data(), 64);
        }
    }
    return CpuSeconds() - start;
}

}  // namespace

int main() {
    const std::vector<uint8_t> image = Image();
    std::vector<uint8_t> back(image.size());

    Rig programming;
    const double total = ProgramAndReadBack(programming, image, back);
    if (back != image) {
        std::printf("read-back differs from the image\n");
        return 1;
    }
    const std::vector<sim::TrafficEntry> traffic = programming.rig.hub.traffic().Entries();
    size_t sent = 0, fetched = 0;
    for (const auto& e : traffic) (e.direction == sim::Direction::Set ? sent : fetched)++;

    Rig replaying;
    const double device = Replay(replaying, traffic);

    const double reports = static_cast<double>(sent + fetched) * kRounds;
    const double host = total - device;
    std::printf("range:                      %d bytes at 0x%X, programmed and read back\n", kLength, kStart);
    std::printf("feature reports sent:       %zu\n", sent);
    std::printf("feature reports fetched:    %zu\n", fetched);
    std::printf("rounds:                     %d\n", kRounds);
    std::printf("CPU per round:              %.3f ms, simulated device included\n", total / kRounds * 1e3);
    std::printf("simulated device per round: %.3f ms\n", device / kRounds * 1e3);
    std::printf("host CPU per round:         %.3f ms\n", host / kRounds * 1e3);
    std::printf("host CPU per report:        %.3f us (%.3f us with the simulated device)\n",
                host / reports * 1e6, total / reports * 1e6);
    std::printf("host CPU in all:            %.3f ms for %d rounds\n", host * 1e3, kRounds);
    return 0;
}
