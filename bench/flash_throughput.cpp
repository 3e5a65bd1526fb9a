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
constexpr int kRounds = 100;

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

struct RunResult {
    double seconds = 0;
    size_t sent = 0, fetched = 0;
    bool equal = false;
    std::vector<sim::TrafficEntry> traffic;
};

RunResult ProgramAndReadBack(const std::vector<uint8_t>& image) {
    Rig r;
    std::vector<uint8_t> back(image.size());
    const double start = CpuSeconds();
    ProgramPages(r.program, kStart, kLength, image.data());
    ReadFlashRange(r.program, kStart, kLength, back.data());
    RunResult result;
    result.seconds = CpuSeconds() - start;
    result.traffic = r.rig.hub.traffic().Entries();
    for (const auto& e : result.traffic) (e.direction == sim::Direction::Set ? result.sent : result.fetched)++;
    result.equal = back == image;
    return result;
}

// The simulated device's own share: the same reports, without the host code.
double ReplaySeconds(const std::vector<sim::TrafficEntry>& traffic) {
    Rig r;
    const DeviceHandle handle = r.program.deviceTable.Handles[0];
    const double start = CpuSeconds();
    for (const auto& e : traffic) {
        std::array<uint8_t, 64> report = e.report;
        if (e.direction == sim::Direction::Set)
            r.rig.hub.SetFeature(handle, report.data(), 64);
        else
            r.rig.hub.GetFeature(handle, report.data(), 64);
    }
    return CpuSeconds() - start;
}

}  // namespace

int main() {
    const std::vector<uint8_t> image = Image();
    double best = 1e9, bestReplay = 1e9, total = 0, totalReplay = 0;
    RunResult last;
    for (int round = 0; round < kRounds; ++round) {
        last = ProgramAndReadBack(image);
        if (!last.equal) {
            std::printf("read-back differs from the image\n");
            return 1;
        }
        const double replay = ReplaySeconds(last.traffic);
        best = std::min(best, last.seconds);
        bestReplay = std::min(bestReplay, replay);
        total += last.seconds;
        totalReplay += replay;
    }
    const double reports = static_cast<double>(last.sent + last.fetched);
    const double hostMean = (total - totalReplay) / kRounds;
    std::printf("range:                      %d bytes at 0x%X, programmed and read back\n", kLength, kStart);
    std::printf("feature reports sent:       %zu\n", last.sent);
    std::printf("feature reports fetched:    %zu\n", last.fetched);
    std::printf("rounds:                     %d\n", kRounds);
    std::printf("total CPU per round:        %.3f ms (best %.3f ms), simulated device included\n",
                total / kRounds * 1e3, best * 1e3);
    std::printf("simulated device per round: %.3f ms (best %.3f ms)\n", totalReplay / kRounds * 1e3,
                bestReplay * 1e3);
    std::printf("host CPU per round:         %.3f ms\n", hostMean * 1e3);
    std::printf("host CPU per report:        %.3f us (%.3f us with the simulated device)\n",
                hostMean / reports * 1e6, total / kRounds / reports * 1e6);
    return 0;
}
