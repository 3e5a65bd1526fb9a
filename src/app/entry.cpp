#include "app/entry.h"

#include <exception>

#include "app/exit_code.h"
#include "app/program.h"
#include "app/switches.h"
#include "ui/error_display.h"
#include "ui/event_dispatch.h"
#include "ui/form_create.h"

namespace nuv {

uint32_t RunProgram(Program& program) {
    try {
        if (FindSwitch(program, "/S", nullptr) != -1) program.form.shown = false;
        program.host.loop.SetDispatcher([&program](const WindowEvent& event) {
            DispatchWindowEvent(program, event);
        });
        CreateMainWindow(program);
        program.host.loop.RunUntilClosed();
    } catch (const std::exception& error) {
        ShowError(program, error.what());
    } catch (...) {
        ShowError(program, "");
    }
    program.host.loop.SetDispatcher(nullptr);
    return ProcessExitCode(program);
}

uint32_t RunProgram(Host& host) {
    Program program(host);
    return RunProgram(program);
}

}  // namespace nuv
