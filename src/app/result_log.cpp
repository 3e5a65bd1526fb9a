#include "app/result_log.h"

#include <cstdio>

#include "app/program.h"
#include "app/text_file.h"

namespace nuv {

std::string ResultLogName(const LocalTime& t) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return std::string("NUVDRAVlog") + stamp + ".txt";
}

void SaveResultLog(Program& program) {
    const std::string path = program.host.exeDir + ResultLogName(program.host.clock.Now());
    WriteFileOrTrace(program, path, LinesAsText(program.form.OperatorMessages.lines));
}

void SaveTraceFile(Program& program) {
    const std::string path = program.host.exeDir + "Mesaage.log";
    WriteFileOrTrace(program, path, LinesAsText(program.form.DiagnosticTrace.lines));
}

}  // namespace nuv
