#pragma once

namespace nuv {

struct Program;

// The window's close handler.
void FormClose(Program& program);

}  // namespace nuv
