// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace testsupport {

/// The named child, or a test failure that names what is missing.
QWidget* child(QWidget* window, const QString& name, int index = -1);

template <typename T>
T* childAs(QWidget* window, const QString& name, int index = -1) {
    return qobject_cast<T*>(child(window, name, index));
}

void click(QWidget* window, const QString& name, int index = -1);

/// Opens the widget's context menu as a right click does and chooses Paste there when it is
/// enabled; false when the menu has no Paste.
bool pasteFromContextMenu(QWidget* target);

/// Why the caption of a label, button or frame is not drawn whole inside `design` (the
/// control's rectangle in the design, in its parent's pixels) and inside its parent; empty
/// when it is.
QString captionClipping(const QWidget* control, const QRect& design);
/// The same for every shown caption of a window as it stands, captions set by the program
/// included: a label that does not wrap may grow up to its parent's edge.
QString clippedCaptions(const QWidget* window);

} // namespace testsupport
