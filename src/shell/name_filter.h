// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace shell {

/// Keeps a name box to capital letters and blanks: typed keys go through the shared key
/// filter (with its message); pasted or dropped text loses every other character.
void installNameFilter(QLineEdit* box);

} // namespace shell
