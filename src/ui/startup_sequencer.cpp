#include "ui/startup_sequencer.h"

#include "app/program.h"
#include "ui/window_control.h"

namespace nuv {

namespace {

class RunInProgress {
public:
    explicit RunInProgress(Program& program) : program_(program) { program_.StartupRunActive = true; }
    ~RunInProgress() {
        program_.StartupRunActive = false;
        SetTimerEnabled(program_, kTimer4, false);
    }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;

private:
    Program& program_;
};

}  // namespace

void Timer4Timer(Program& program) {
    if (program.StartupRunActive) return;
    RunInProgress run(program);
    RunStartupSequencer(program);
}

void RunStartupSequencer(Program& program) { SetTimerEnabled(program, kTimer4, false); }

}  // namespace nuv
