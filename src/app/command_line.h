// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QStringList>

// The program at a terminal: --help, --version, and a reading printed or saved without a window.

namespace app::commandLine {

/// Exit statuses of the command line.
inline constexpr int kDone = 0;
inline constexpr int kNotWritten = 1; ///< the output could not be written
inline constexpr int kRefused = 2;    ///< an option or a detail of the reading was refused

/// Whether the arguments ask for a terminal run: they name an option of the program's own that
/// the windows do not take. Anything else is the windows', or Qt's (-style, -platform).
bool wanted(int argc, char** argv);

/// Runs the command line to its end; the exit status. Opens no window, display or not: when the
/// arguments asked for the windows, it says that they need a display.
int run(int& argc, char** argv);

/// The arguments left for the windows once Qt has taken its own: the language they may ask for
/// (now spoken, as `asked`), or the exit status of a refusal, which the user has been told.
std::optional<int> refusedForWindows(const QStringList& given, QString& asked);

} // namespace app::commandLine
