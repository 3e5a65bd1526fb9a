#include "ui/form_keys.h"

#include "app/program.h"

namespace nuv {

void FormKeyDown(Program& program, int keyCode) {
    if (keyCode == kCtrlKey) program.CtrlHeld = 1;
}

void FormKeyUp(Program& program, int keyCode) {
    if (keyCode == kCtrlKey) program.CtrlHeld = 0;
}

}  // namespace nuv
