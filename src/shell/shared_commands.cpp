// SPDX-License-Identifier: MIT
#include "shell/shared_commands.h"

#include "shell/event_hooks.h"
#include "shell/mod_help.h"
#include "shell/window_manager.h"

namespace shell {

void attachSharedCommands(QWidget& window) {
    onClick(window, QStringLiteral("Label61"), modHelp::OpenHomePage);
    onClick(window, QStringLiteral("lblCobrand"), modHelp::OpenCoBrandPage);
    onClick(window, QStringLiteral("lblFullBrand"), modHelp::OpenFullBrandPage);
    onMenu(window, QStringLiteral("mnuOnline"), modHelp::OpenHelpPage);
    onMenu(window, QStringLiteral("mnuVisit"), modHelp::OpenHomePage);
    onMenu(window, QStringLiteral("mnuUpdate"), modHelp::OpenDownloadPage);
    onMenu(window, QStringLiteral("mnuAbout"), [] { showModal(kAboutWindow); });
    onMenu(window, QStringLiteral("mnuDonate"), modHelp::OpenDonatePage);
    onMenu(window, QStringLiteral("mnumakemoney"), modHelp::OpenFullBrandPage);
}

void exitSequence(QWidget& /*window*/) {
    // Never cancels the unload and asks nothing.
    show(kExitWindow);
}

} // namespace shell
