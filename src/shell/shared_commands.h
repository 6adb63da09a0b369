// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace shell {

/// The Help and Donate menus and the banner and promotional links that both main windows
/// share.
void attachSharedCommands(QWidget& window);

/// Both main windows leave through the exit window.
void exitSequence(QWidget& window);

} // namespace shell
