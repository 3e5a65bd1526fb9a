#pragma once

namespace nuv {

struct Program;

constexpr int kCtrlKey = 17;

// CtrlHeld is 1 while CTRL is down; no other key is looked at.
void FormKeyDown(Program& program, int keyCode);
void FormKeyUp(Program& program, int keyCode);

}  // namespace nuv
