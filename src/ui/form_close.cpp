#include "ui/form_close.h"

#include "app/program.h"

namespace nuv {

void FormClose(Program& program) {
    program.host.system.SetExecutionState(0x80000000u);
}

}  // namespace nuv
