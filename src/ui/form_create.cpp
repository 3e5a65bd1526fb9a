#include "ui/form_create.h"

#include "app/config_file.h"
#include "app/program.h"
#include "ui/event_dispatch.h"
#include "ui/window_control.h"

namespace nuv {

void FormCreate(Program& program) {
    Form1& form = program.form;
    program.host.system.SetExecutionState(kKeepAwake);
    ReadDisplayKeys(program);
    const bool showTrace = program.settings.ShowTrace != 0;
    if (showTrace) form.Memo2.visible = true;
    form.caption = program.settings.ProgramName + " " + form.caption;
    form.systemMenu = false;
    form.GroupBox1.visible = false;
    form.GroupBox2.visible = false;
    form.GroupBox3.visible = false;
    form.outerHeight = 250;
    if (!showTrace) form.Image2.visible = true;
}

void CreateMainWindow(Program& program) {
    for (int id = kTimer1; id <= kTimer5; ++id)
        if (program.form.timers[id].enabled) SetTimerEnabled(program, static_cast<TimerId>(id), true);
    RunHandler(program, [&] { FormCreate(program); });
}

}  // namespace nuv
