// Ending the session versus closing to the tray.
#pragma once

#include "shell/program_state.h"
#include "toolkit/toolkit.h"

namespace tavmoor::shell {

// Sees every message of the main window before the window's own procedure:
// a WM_QUERYENDSESSION marks the session as ending, so the close query that
// the toolkit raises for that very message already lets the window go.
void sessionEndHook(ProgramState& state, unsigned message);

// The main window's close query: closes go ahead only while the session is
// ending; any other close minimises the window instead (which hides it to
// the tray) and is refused.
bool mainWindowCloseQuery(toolkit::Toolkit& ui, const ProgramState& state);

} // namespace tavmoor::shell
