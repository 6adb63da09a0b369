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

} // namespace forms
