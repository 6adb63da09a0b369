// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace forms {

/// The face to ask for: the one named when it is installed, else the first installed face of
/// those registered as nearest to it, else the name itself.
QString installedFace(const QString& face);

} // namespace forms
