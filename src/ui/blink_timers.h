// The alarm blink (Timer2) and the warning blink (Timer5).
#pragma once

namespace nuv {

struct Program;

// Shows Panel1 and Image8 and swaps the panel between sky blue and cream.
void Timer2Timer(Program& program);
// Alternates the blue and the red warning pictures.
void Timer5Timer(Program& program);

}  // namespace nuv
