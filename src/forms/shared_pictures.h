// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>
#include <QIcon>

#include "forms/form_model.h"

namespace forms {

/// The program's icon, one instance shared by every window and the application.
const QIcon& programIcon();

/// The mouse pointer a design names, one instance shared by every window.
const QCursor& handCursor(Pointer pointer);

} // namespace forms
