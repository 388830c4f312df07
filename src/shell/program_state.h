// The program's shared state: three plain values of the GUI thread.
#pragma once

namespace tavmoor::shell {

struct ProgramState {
    // Set once Windows asks whether the session may end; never cleared. From
    // then on a close of the main window goes ahead instead of hiding it.
    int sessionEnding = 0;
    // Set when the reminder window opens: it opens at most once a run.
    bool reminderShown = false;
    // Ticks left before the reminder window's countdown asks for power-off.
    int countdownRemaining = 0;
};

} // namespace tavmoor::shell
