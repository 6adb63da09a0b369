// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// The input window.

namespace shell::frmMain {

void attach(QWidget& window);
void Form_Load(QWidget& window);
void Form_Unload(QWidget& window);

/// Brings one of the two promotional labels to the front at random.
void CoBrand_Randomize();

void cmdNext_Click();
void cmdExit_Click();

} // namespace shell::frmMain
