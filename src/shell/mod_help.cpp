// SPDX-License-Identifier: MIT
#include "shell/mod_help.h"

#include <algorithm>

#include "platform/services.h"
#include "shell/window_manager.h"
#include "site_config.h"

namespace modHelp {

namespace {

QUrl address(const char* literal) {
    return QUrl(QString::fromLatin1(literal), QUrl::StrictMode);
}

bool g_ending = false;

} // namespace

QUrl HomePageUrl() {
    return address(DWELLSTAR_MAIN_SITE "/");
}
QUrl SoftwaresPageUrl() {
    return address(DWELLSTAR_MAIN_SITE "/velmorasoftwares");
}
QUrl HelpPageUrl() {
    return address(DWELLSTAR_PRODUCT_SITE "/kv-free-dwellstar-help.html");
}
QUrl DownloadPageUrl() {
    return address(DWELLSTAR_PRODUCT_SITE "/download-kv-free-dwellstar.html");
}
QUrl DonatePageUrl() {
    return address(DWELLSTAR_HELP_SITE "/donate.html");
}
QUrl FullBrandPageUrl() {
    return address(DWELLSTAR_HELP_SITE "/fully-branded.html");
}
QUrl CoBrandPageUrl() {
    return address(DWELLSTAR_HELP_SITE "/co-brand.html");
}

void OpenHomePage() {
    platform::openUrl(HomePageUrl());
}
void OpenSoftwaresPage() {
    platform::openUrl(SoftwaresPageUrl());
}
void OpenHelpPage() {
    platform::openUrl(HelpPageUrl());
}
void OpenDownloadPage() {
    platform::openUrl(DownloadPageUrl());
}
void OpenDonatePage() {
    platform::openUrl(DonatePageUrl());
}
void OpenFullBrandPage() {
    platform::openUrl(FullBrandPageUrl());
}
void OpenCoBrandPage() {
    platform::openUrl(CoBrandPageUrl());
}

void UnloadAllAndEnd() {
    const bool outermost = !g_ending;
    if (outermost) {
        g_ending = true;
        // The list is read afresh after each unload: an unload handler may load a window (the
        // input window's shows the exit window), and that one is unloaded as well. A window is
        // unloaded at most once, so a handler that reloads one cannot keep the walk going.
        QStringList walked;
        for (;;) {
            const QStringList current = shell::loadedWindows();
            const auto next =
                std::find_if(current.begin(), current.end(),
                             [&](const QString& name) { return !walked.contains(name); });
            if (next == current.end())
                break;
            walked << *next;
            shell::unload(*next);
        }
    }
    platform::services().process->end();
    // Only a test's process end returns; let a later sequence start afresh.
    if (outermost)
        g_ending = false;
}

} // namespace modHelp
