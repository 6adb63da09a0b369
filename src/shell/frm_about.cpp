// SPDX-License-Identifier: MIT
#include "shell/frm_about.h"

#include <QKeyEvent>

#include "shell/event_hooks.h"
#include "shell/mod_help.h"
#include "shell/window_manager.h"

namespace shell::frmAbout {

void attach(QWidget& window) {
    onButton(window, QStringLiteral("cmdOK"), cmdOK_Click);
    onClick(window, QStringLiteral("lblHomePage"), modHelp::OpenHomePage);
    onClick(window, QStringLiteral("lblCoBrand"), modHelp::OpenFullBrandPage);
    // OK is both the default and the cancel button: Enter and Esc press it.
    onEvent(&window, QEvent::KeyPress, [](QEvent* event) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        cmdOK_Click();
        return true;
    });
}

void cmdOK_Click() {
    unload(kAboutWindow);
}

} // namespace shell::frmAbout
