// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include <QString>
#include <QWidget>

// The exit window: an appeal, two links, the refer-a-friend form and the end of the program.

namespace outreach::frmNagScreen2 {

/// The four appeals, one of which the window shows, in the user's language.
std::array<QString, 4> appealTexts();

/// Which appeal a generator value picks: 0 to 3, even for values that round up to 1.
int appealIndex(double r);

void attach(QWidget& window);
void Form_Load(QWidget& window);
/// The appeal shown, and the placeholders of the boxes not written in, in the language spoken.
void retranslate(QWidget& window);
void Form_Unload(QWidget& window);

void Check1_Click();
void lblGoToHome_Click();
void cmdSubmit_Click();
void cmdClose_Click();

} // namespace outreach::frmNagScreen2

namespace outreach {

/// Makes the exit window known with its behaviour.
void registerExitWindow();

} // namespace outreach
