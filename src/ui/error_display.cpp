#include "ui/error_display.h"

#include "app/program.h"

namespace nuv {

void ShowError(Program& program, const std::string& message) {
    program.host.system.WriteStderr(message + "\n");
    program.form.DiagnosticTrace.Append(message);
}

}  // namespace nuv
