// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "site_config.h"

namespace app {

inline const QString kDesktopId = QStringLiteral(DWELLSTAR_APP_ID);

/// Application-wide look and window registration; needs a QApplication.
void prepareApplication();

/// The start-up sequence up to the event loop. False when another instance is running (the
/// user has been told, and the process end was requested).
bool startUp();

/// Runs the program from start-up to the end; returns the exit code.
int run(int& argc, char** argv);

} // namespace app
