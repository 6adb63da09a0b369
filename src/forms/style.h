// SPDX-License-Identifier: MIT
#pragma once

#include <QStyle>

namespace forms {

/// A button with this property set draws a plain face in its palette's button colour.
inline constexpr char kGraphicalButtonProperty[] = "graphicalButton";

/// The program's widget style: Fusion, tuned for windows that are built and discarded often
/// and for a quick first window. The caller owns it (QApplication::setStyle takes it).
QStyle* createStyle();

} // namespace forms
