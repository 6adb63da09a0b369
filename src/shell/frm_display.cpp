// SPDX-License-Identifier: MIT
#include "shell/frm_display.h"

#include "shell/event_hooks.h"
#include "shell/shared_commands.h"
#include "shell/window_manager.h"

namespace shell::frmDisplay {

void attach(QWidget& window) {
    onButton(window, QStringLiteral("cmdBack"), cmdBack_Click);
    onMenu(window, QStringLiteral("mnuBack"), cmdBack_Click);
    onMenu(window, QStringLiteral("mnuExit"), mnuExit_Click);
    attachSharedCommands(window);
}

void Form_Unload(QWidget& window) {
    exitSequence(window);
}

void cmdBack_Click() {
    show(kInputWindow);
    // Unloading shows the exit window, which the user did not ask for here.
    unload(kResultWindow);
    hide(kExitWindow);
}

void mnuExit_Click() {
    unload(kResultWindow);
}

} // namespace shell::frmDisplay
