#include "ui/layouts.h"

#include "app/program.h"
#include "ui/window_control.h"

namespace nuv {

void SetWideLayout(Program& program) { program.form.outerWidth = 840; }

void SetUpdatingLayout(Program& program) {
    Form1& form = program.form;
    form.Button5.visible = false;
    form.Button5.enabled = false;
    form.Button6.enabled = false;
    form.Image5.visible = false;
    for (Component* picture : {&form.Image6, &form.Image7}) {
        picture->top = 32;
        picture->height = 145;
    }
}

void ShowStepPicture(Program& program, int step) {
    if (program.settings.ShowTrace != 0) return;
    Form1& form = program.form;
    Component* pictures[] = {&form.Image2, &form.Image3, &form.Image4};
    for (int i = 0; i < 3; ++i) pictures[i]->visible = (i + 1 == step);
}

void SetFinishedLayout(Program& program) {
    Form1& form = program.form;
    SetTimerEnabled(program, kTimer5, false);
    form.Image6.visible = false;
    form.Image7.visible = false;
    form.Button6.enabled = true;
}

void SetSystemMenu(Program& program, bool shown) { program.form.systemMenu = shown; }

}  // namespace nuv
