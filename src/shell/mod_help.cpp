// SPDX-License-Identifier: MIT
#include "shell/mod_help.h"

#include <algorithm>
#include <iterator>

#include "platform/services.h"
#include "shell/window_manager.h"
#include "site_config.h"

namespace modHelp {

namespace {

struct PageAddress {
    Page page;
    const char* address;
};

constexpr PageAddress kPages[] = {
    {Page::Home, DWELLSTAR_MAIN_SITE "/"},
    {Page::Softwares, DWELLSTAR_MAIN_SITE "/velmorasoftwares"},
    {Page::Help, DWELLSTAR_PRODUCT_SITE "/kv-free-dwellstar-help.html"},
    {Page::Download, DWELLSTAR_PRODUCT_SITE "/download-kv-free-dwellstar.html"},
    {Page::Donate, DWELLSTAR_HELP_SITE "/donate.html"},
    {Page::FullBrand, DWELLSTAR_HELP_SITE "/fully-branded.html"},
    {Page::CoBrand, DWELLSTAR_HELP_SITE "/co-brand.html"},
};

bool g_ending = false;

} // namespace

QUrl pageAddress(Page page) {
    const auto* entry = std::find_if(std::begin(kPages), std::end(kPages),
                                     [page](const PageAddress& e) { return e.page == page; });
    return entry == std::end(kPages) ? QUrl()
                                     : QUrl(QString::fromLatin1(entry->address), QUrl::StrictMode);
}

void openPage(Page page) {
    platform::openUrl(pageAddress(page));
}

void OpenHomePage() {
    openPage(Page::Home);
}
void OpenSoftwaresPage() {
    openPage(Page::Softwares);
}
void OpenHelpPage() {
    openPage(Page::Help);
}
void OpenDownloadPage() {
    openPage(Page::Download);
}
void OpenDonatePage() {
    openPage(Page::Donate);
}
void OpenFullBrandPage() {
    openPage(Page::FullBrand);
}
void OpenCoBrandPage() {
    openPage(Page::CoBrand);
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
        shell::discardBuiltAhead();
    }
    platform::services().process->end();
    // Only a test's process end returns; let a later sequence start afresh.
    if (outermost)
        g_ending = false;
}

} // namespace modHelp
