#include "ui/window_control.h"

#include "app/program.h"
#include "ui/form_close.h"

namespace nuv {

void SetTimerEnabled(Program& program, TimerId timer, bool enabled) {
    TimerModel& model = program.form.timers[timer];
    model.enabled = enabled;
    if (enabled)
        program.host.loop.StartTimer(timer, model.intervalMs);
    else
        program.host.loop.StopTimer(timer);
}

void CloseMainWindow(Program& program) {
    if (program.form.closed) return;
    program.form.closed = true;
    FormClose(program);
    for (int id = kTimer1; id <= kTimer5; ++id) SetTimerEnabled(program, static_cast<TimerId>(id), false);
    program.host.loop.EndLoop();
}

}  // namespace nuv
