// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QEvent>
#include <QWidget>

namespace shell {

/// Runs the handler for each event of the type the widget receives; a true result consumes
/// the event. The hook lives as long as the widget. Null widgets are ignored.
void onEvent(QWidget* widget, QEvent::Type type, std::function<bool(QEvent*)> handler);

/// A left click released over the widget.
void onClick(QWidget* widget, std::function<void()> handler);

/// The same, for controls of a built window found by design name; a name the window lacks stops
/// the program (see missingControl).
void onClick(QWidget& window, const QString& control, std::function<void()> handler);
/// A button's click (mouse, space or access key).
void onButton(QWidget& window, const QString& control, std::function<void()> handler);
/// A menu item picked.
void onMenu(QWidget& window, const QString& item, std::function<void()> handler);

} // namespace shell
