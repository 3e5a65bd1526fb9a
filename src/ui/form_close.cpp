#include "ui/form_close.h"

#include "app/program.h"
#include "app/result_log.h"
#include "ui/form_create.h"

namespace nuv {

void FormClose(Program& program) {
    if (program.form.Memo2.visible) SaveTraceFile(program);
    program.host.system.SetExecutionState(kKeepAwakeEnd);
}

}  // namespace nuv
