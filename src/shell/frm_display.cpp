// SPDX-License-Identifier: MIT
#include "shell/frm_display.h"

#include "shell/event_hooks.h"
#include "shell/shared_commands.h"
#include "shell/window_controls.h"
#include "shell/window_manager.h"

namespace shell::frmDisplay {

namespace {

Controls lookUp(QWidget& window) {
    return {
        .lblSunSign = need<QLabel>(window, QStringLiteral("lblSunSign")),
        .lblSunSignElement = need<QLabel>(window, QStringLiteral("lblSunSignElement")),
        .lblSunSignNumber = need<QLabel>(window, QStringLiteral("lblSunSignNumber")),
        .lblSunSignDay = need<QLabel>(window, QStringLiteral("lblSunSignDay")),
        .lblSunSignCompatibility = need<QLabel>(window, QStringLiteral("lblSunSignCompatibility")),
        .lblSunSignBirthStone = need<QLabel>(window, QStringLiteral("lblSunSignBirthStone")),
        .txtSunSignPositiveTraits =
            need<QPlainTextEdit>(window, QStringLiteral("txtSunSignPositiveTraits")),
        .txtSunSignNegativeTraits =
            need<QPlainTextEdit>(window, QStringLiteral("txtSunSignNegativeTraits")),
        .picSunSign = need<QLabel>(window, QStringLiteral("picSunSign")),
        .lblPreferredColors = need<QLabel>(window, QStringLiteral("lblPreferredColors")),
        .picColor = need<QLabel>(window, QStringLiteral("picColor")),
        .txtSunSignColorDesc = need<QPlainTextEdit>(window, QStringLiteral("txtSunSignColorDesc")),
        .lblRulingPlanet = need<QLabel>(window, QStringLiteral("lblRulingPlanet")),
        .txtSunSignRulingPlanetsDesc =
            need<QPlainTextEdit>(window, QStringLiteral("txtSunSignRulingPlanetsDesc")),
        .txtSunSignDesignStyleDesc =
            need<QPlainTextEdit>(window, QStringLiteral("txtSunSignDesignStyleDesc")),
    };
}

} // namespace

const Controls& controls() {
    static WindowControls<Controls> current(kResultWindow, lookUp);
    return current();
}

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
