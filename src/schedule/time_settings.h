// The shutdown time: the hour field 编辑框1 and the minute field 编辑框2 of
// the main window, stored as typed in "1.txt" and "2.txt" beside the
// executable, and checked against their upper bounds when a field is left.
// The fields are the only record of the time: every reader takes their text.
#pragma once

#include "system/services.h"
#include "toolkit/toolkit.h"

namespace tavmoor::schedule {

// Fills both fields from their files. Called once by the main window's
// created handler, after the controls exist.
void loadShutdownTime(toolkit::Toolkit& toolkit, system::Services& services);

// Stores both fields' texts as they are, with no validation. A failed write
// is silent and leaves that file as it was.
void saveShutdownTime(toolkit::Toolkit& toolkit, system::Services& services);

// The range checks run when a field loses the focus.
void checkHour(toolkit::Toolkit& toolkit);
void checkMinute(toolkit::Toolkit& toolkit);

// True when a field's value is at or above its bound (24 for the hour, 60 for
// the minute), allowing 1e-7 below it. There is no lower bound.
bool outOfRange(double value, double bound);

// Binds the save button and the two lost-focus checks on the main window.
void bindTimeSettings(toolkit::Toolkit& toolkit, system::Services& services);

} // namespace tavmoor::schedule
