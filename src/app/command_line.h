// SPDX-License-Identifier: MIT
#pragma once

// The program at a terminal: --help, --version, and a reading printed or saved without a window.

namespace app::commandLine {

/// Exit statuses of the command line.
inline constexpr int kDone = 0;
inline constexpr int kNotWritten = 1; ///< the output could not be written
inline constexpr int kRefused = 2;    ///< an option or a detail of the reading was refused

/// Whether the arguments are for the command line rather than the windows: any but Qt's own
/// (-platform, -style and the like).
bool wanted(int argc, char** argv);

/// Runs the command line to its end; the exit status. Opens no window, display or not.
int run(int& argc, char** argv);

} // namespace app::commandLine
