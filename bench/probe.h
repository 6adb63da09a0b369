// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

#include <QObject>
#include <QString>

// Shared by the start-up probes and the in-process figures, so that program and baseline are
// timed the same way.

namespace bench {

/// CLOCK_MONOTONIC in nanoseconds: comparable with the runner's clock in another process.
std::int64_t monotonicNs();

/// A "kB" field of /proc/self/status (VmRSS, VmHWM), in KiB; -1 when absent.
long statusKiB(const char* field);

/// Calls done once, when the first paint of the top-level window named windowName (or of any
/// widget inside it) has been completed and flushed. Needs a QCoreApplication. The watcher
/// deletes itself after calling done; delete it earlier to stop watching.
QObject* watchFirstPaint(const QString& windowName, std::function<void()> done);

/// Prints the start-up figures: first-paint time, peak and current resident memory.
void reportStartUp();

} // namespace bench
