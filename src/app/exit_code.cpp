#include "app/exit_code.h"

#include "app/program.h"

namespace nuv {

uint32_t ProcessExitCode(Program& program) {
    if (program.settings.ReturnCodeType == 1 && program.ExitCode != 0) program.ExitCode = 3;
    return program.ExitCode;
}

}  // namespace nuv
