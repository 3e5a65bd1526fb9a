// Writing the program's files: the memo lines as text, and raw bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nuv {

struct Program;

// Lines as the memo saves them: each ended by CR LF; a line's own trailing
// line feed stays in front of its CR LF.
std::string LinesAsText(const std::vector<std::string>& lines);

// Creates or replaces the file with exactly these bytes. On failure returns
// false and names the reason.
bool WriteFileBytes(const std::string& path, std::string_view bytes, std::string& reason);

// Writes the file; a failure is noted in the diagnostic trace and the run goes on.
void WriteFileOrTrace(Program& program, const std::string& path, std::string_view bytes);

// The diagnostic-trace line for something that could not be created or written.
void TraceWriteFailure(Program& program, const std::string& target, const std::string& reason);

}  // namespace nuv
