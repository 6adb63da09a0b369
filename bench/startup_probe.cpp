// SPDX-License-Identifier: MIT
// The program's own start-up, unchanged, with a watcher that reports the first paint of the
// input window and then ends the process the way the program does.

#include <QCoreApplication>

#include "app/startup.h"
#include "platform/services.h"
#include "probe.h"
#include "shell/window_manager.h"

namespace {

void installProbe() {
    bench::watchFirstPaint(shell::kInputWindow, [] {
        bench::reportStartUp();
        platform::services().process->end();
    });
}

} // namespace

// Runs inside the QApplication constructor, before any window exists.
Q_COREAPP_STARTUP_FUNCTION(installProbe)

int main(int argc, char** argv) {
    return app::run(argc, argv);
}
