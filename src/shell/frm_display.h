// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include "reading/reading.h"

// The result window.

namespace shell::frmDisplay {

/// The controls a reading is written into.
struct Controls {
    QLabel* lblSunSign = nullptr;
    QLabel* lblSunSignElement = nullptr;
    QLabel* lblSunSignNumber = nullptr;
    QLabel* lblSunSignDay = nullptr;
    QLabel* lblSunSignCompatibility = nullptr;
    QLabel* lblSunSignBirthStone = nullptr;
    QPlainTextEdit* txtSunSignPositiveTraits = nullptr;
    QPlainTextEdit* txtSunSignNegativeTraits = nullptr;
    QLabel* picSunSign = nullptr;
    QLabel* lblPreferredColors = nullptr;
    QLabel* picColor = nullptr;
    QPlainTextEdit* txtSunSignColorDesc = nullptr;
    QLabel* lblRulingPlanet = nullptr;
    QPlainTextEdit* txtSunSignRulingPlanetsDesc = nullptr;
    QPlainTextEdit* txtSunSignDesignStyleDesc = nullptr;
};

/// Those of a built result window.
Controls lookUp(QWidget& window);
/// Those of the loaded result window, which is loaded (hidden) first if it is not.
const Controls& controls();

/// Keeps what the window shows and the entries it was made from, for copying, saving and
/// printing the reading.
void keepReading(const reading::Reading& shown, const reading::BirthDetails& details);

void attach(QWidget& window);
/// The reading shown, and the window's own commands, in the language spoken now.
void retranslate(QWidget& window);
void Form_Unload(QWidget& window);

void cmdBack_Click();
void mnuExit_Click();

} // namespace shell::frmDisplay
