// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QWidget>

#include "forms/form_model.h"

namespace forms {

/// Turns a definition into a live, hidden top-level window holding no behaviour. Every control,
/// menu and menu action carries its design name as objectName; array members also carry the
/// property "index".
std::unique_ptr<QWidget> buildWindow(const WindowDefinition& definition);

/// Gives a window built from `definition` its design's captions, menus and spoken names again,
/// in the language spoken now. Texts the program or the user put in are left to their owners.
void retranslateWindow(QWidget& window, const WindowDefinition& definition);

} // namespace forms
