// SPDX-License-Identifier: MIT
#include "shell/frm_about.h"

#include "shell/event_hooks.h"
#include "shell/mod_help.h"
#include "shell/window_manager.h"

namespace shell::frmAbout {

void attach(QWidget& window) {
    onButton(window, QStringLiteral("cmdOK"), cmdOK_Click);
    onClick(window, QStringLiteral("lblHomePage"), modHelp::OpenHomePage);
    onClick(window, QStringLiteral("lblCoBrand"), modHelp::OpenFullBrandPage);
}

void cmdOK_Click() {
    unload(kAboutWindow);
}

} // namespace shell::frmAbout
