// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QWidget>

namespace forms {

/// Return and Enter that no control of the window takes press its default button; Esc presses
/// its cancel button. Either may be null.
void attachButtonKeys(QWidget& window, QAbstractButton* defaultButton,
                      QAbstractButton* cancelButton);

} // namespace forms
