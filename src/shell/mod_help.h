// SPDX-License-Identifier: MIT
#pragma once

#include <QUrl>

// Openers of the maker's web pages, and the end of the program.

namespace modHelp {

QUrl HomePageUrl();
QUrl SoftwaresPageUrl();
QUrl HelpPageUrl();
QUrl DownloadPageUrl();
QUrl DonatePageUrl();
QUrl FullBrandPageUrl();
QUrl CoBrandPageUrl();

/// Each opens its page in the default browser, returns at once and never reports a failure.
void OpenHomePage();
void OpenSoftwaresPage();
void OpenHelpPage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();

/// Unloads every loaded window in load order, then ends the process. A nested call (from an
/// unload handler) ends the process at once.
void UnloadAllAndEnd();

/// Asks, at most once in 15 days, whether to look for an update.
void RunUpdateReminder();

} // namespace modHelp
