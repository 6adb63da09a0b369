// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QWidget>

namespace forms {

/// Centres a window of this client-and-menu size on the screen by its whole frame: at once, by
/// the frame size the window manager gave earlier windows, and again once this one is framed.
void placeCentred(QWidget& window, QSize size);

} // namespace forms
