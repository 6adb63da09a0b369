// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// The about window.

namespace shell::frmAbout {

void attach(QWidget& window);
void cmdOK_Click();

} // namespace shell::frmAbout
