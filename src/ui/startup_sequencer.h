// The start-up sequencer, run by the ticks of Timer4.
#pragma once

namespace nuv {

struct Program;

// Timer4's tick. A tick that arrives while a run is in progress starts no
// second run, and a run that ends with an error still stops Timer4.
void Timer4Timer(Program& program);

// One run of the sequencer; every run ends by stopping Timer4.
void RunStartupSequencer(Program& program);

}  // namespace nuv
