// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace shell {

/// Keeps a name box to what a name holds (see name_rule.h): a typed key that it refuses shows
/// the refusal and adds nothing; pasted, dropped or composed text loses what it refuses, and
/// the refusal follows.
void installNameFilter(QLineEdit* box);

} // namespace shell
