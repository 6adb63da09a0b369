// SPDX-License-Identifier: MIT
#pragma once

#include "support/fakes.h"

namespace testsupport {

/// Sets the application up as start-up does (style, fonts, pictures, window behaviour).
/// Needs a QApplication; safe to call more than once.
void prepareProgram();

/// Unloads every window (the process end goes to the fake), frees them and forgets what the
/// fakes recorded, so that the next test starts from a program with no window loaded.
void resetProgram(FakeServices& fakes);

/// Shows windows whose showing is pending, as the event loop would.
void settle();

} // namespace testsupport
