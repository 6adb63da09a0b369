// SPDX-License-Identifier: MIT
#pragma once

#include <QUrl>

// Openers of the maker's web pages, and the end of the program.

namespace modHelp {

/// The maker's pages, by what they are for.
enum class Page { Home, Softwares, Help, Download, Donate, FullBrand, CoBrand };

/// A page's address, fixed at build time.
QUrl pageAddress(Page page);
/// Opens the page in the default browser, returns at once and never reports a failure.
void openPage(Page page);

/// One opener per page, for the menus and links that name them.
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

} // namespace modHelp
