#include "ui/blink_timers.h"

#include "app/program.h"

namespace nuv {

void Timer2Timer(Program& program) {
    Form1& form = program.form;
    form.Panel1.visible = true;
    form.Image8.visible = true;
    if (form.Panel1.colour == colours::kSkyBlue) {
        form.Panel1.colour = colours::kCream;
        form.Label1.colour = colours::kGreen;
    } else {
        form.Panel1.colour = colours::kSkyBlue;
        form.Label1.colour = colours::kLime;
    }
}

void Timer5Timer(Program& program) {
    Form1& form = program.form;
    const bool blueShown = form.Image6.visible;
    form.Image6.visible = !blueShown;
    form.Image7.visible = blueShown;
}

}  // namespace nuv
