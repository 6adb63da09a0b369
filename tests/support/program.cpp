// SPDX-License-Identifier: MIT
#include "support/program.h"

#include <QCoreApplication>

#include "app/startup.h"
#include "shell/mod_help.h"
#include "shell/window_manager.h"

namespace testsupport {

void prepareProgram() {
    static const bool done = [] {
        app::prepareApplication();
        return true;
    }();
    (void)done;
}

void resetProgram(FakeServices& fakes) {
    prepareProgram();
    // The program ends at the first process end; the fake returns, and by then an unload
    // handler may have loaded the exit window afresh.
    for (int round = 0; round < 3 && !shell::loadedWindows().isEmpty(); ++round)
        modHelp::UnloadAllAndEnd();
    shell::collectUnloaded();
    QCoreApplication::processEvents();
    fakes.dialogs.clear();
    fakes.urls.opened.clear();
    fakes.process.ends = 0;
    fakes.files.asked.clear();
    fakes.files.answers.clear();
    fakes.printing.accept = true;
    fakes.printing.dialogs = 0;
    fakes.printing.printed.clear();
}

void settle() {
    shell::applyPendingVisibility();
    QCoreApplication::processEvents();
}

} // namespace testsupport
