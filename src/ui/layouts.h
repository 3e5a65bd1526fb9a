// The window's layouts as states of the model. FormCreate sets the compact one.
#pragma once

namespace nuv {

struct Program;

// The compact content plus the right-hand column with Image5, "Update" and "Close".
void SetWideLayout(Program& program);

// After "Update": the Update button and its picture gone, "Close" disabled, the
// warning pictures moved to the top of the right-hand column.
void SetUpdatingLayout(Program& program);

// With the trace off, the step picture of the given step (1 to 3) replaces the others.
void ShowStepPicture(Program& program, int step);

// The warning blink stopped and both pictures hidden, "Close" enabled.
void SetFinishedLayout(Program& program);

// The title-bar system menu with its close box given back (or taken away).
void SetSystemMenu(Program& program, bool shown);

}  // namespace nuv
