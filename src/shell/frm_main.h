// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "forms/picture_lists.h"

// The input window.

namespace shell::frmMain {

/// The controls the input window's behaviour and the reading command use.
struct Controls {
    QLineEdit* txtFirstName = nullptr;
    QLineEdit* txtMiddleName = nullptr;
    QLineEdit* txtLastName = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QLabel* lblCobrand = nullptr;
    QLabel* lblFullBrand = nullptr;
    forms::PictureList* IMGSunsignList = nullptr;
    forms::PictureList* IMGColor = nullptr;
};

/// Those of the loaded input window, which is loaded first if it is not.
const Controls& controls();

void attach(QWidget& window);
/// The window's own texts in the language spoken now: the month list and its own menus.
void retranslate(QWidget& window);
void Form_Load(QWidget& window);
void Form_Unload(QWidget& window);

/// Brings one of the two promotional labels to the front at random.
void CoBrand_Randomize();

void cmdNext_Click();
void cmdExit_Click();

} // namespace shell::frmMain
