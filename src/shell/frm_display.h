// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// The result window.

namespace shell::frmDisplay {

void attach(QWidget& window);
void Form_Unload(QWidget& window);

void cmdBack_Click();
void mnuExit_Click();

} // namespace shell::frmDisplay
