// The result log of a run and the trace file written when the window closes.
#pragma once

#include <string>

#include "platform/host.h"

namespace nuv {

struct Program;

// "NUVDRAVlog" + yyyymmddhhnnss + ".txt".
std::string ResultLogName(const LocalTime& time);

// Writes OperatorMessages beside the executable, named by the local time;
// a second save within the same second replaces the first.
void SaveResultLog(Program& program);

// Writes DiagnosticTrace to "Mesaage.log" beside the executable, replacing it.
void SaveTraceFile(Program& program);

}  // namespace nuv
