#pragma once

#include <QStyle>

namespace forms {

/// The program's widget style: Fusion, tuned for windows that are built and discarded often
/// and for a quick first window. The caller owns it (QApplication::setStyle takes it).
QStyle* createStyle();

} // namespace forms
