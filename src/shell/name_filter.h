// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace shell {

/// Keeps a name box to capital letters and blanks: typed keys go through the shared key
/// filter (with its message), editing keys edit, every paste is refused like Ctrl+V, and text
/// dropped or set by program loses every other character.
void installNameFilter(QLineEdit* box);

} // namespace shell
