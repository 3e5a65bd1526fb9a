// A fresh program whose host is virtual and whose devices are a simulated hub
// on the same clock. Both line logs start empty, so a test sees only its own lines.
#pragma once

#include <string>
#include <vector>

#include "app/program.h"
#include "sim/simulated_host.h"

namespace nuv::testing {

struct SimProgram {
    explicit SimProgram(std::vector<std::string> args = {}, uint32_t startTick = 0)
        : rig("./", std::move(args), startTick), hub(rig.hub), program(rig.host()) {
        trace().clear();
        messages().clear();
    }

    std::vector<std::string>& trace() { return program.form.DiagnosticTrace.lines; }
    std::vector<std::string>& messages() { return program.form.OperatorMessages.lines; }
    uint32_t now() { return rig.virtualHost.clock.TickCount(); }

    sim::SimulatedHost rig;
    sim::SimulatedSensorHub& hub;
    Program program;
};

}  // namespace nuv::testing
