// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace forms {

/// Registers the nearest installed faces for the fonts the designs name; once per process.
void registerFontSubstitutes();

/// The face to ask for: the one named when it is installed, else its first installed
/// substitute (registering them first), else the name itself.
QString installedFace(const QString& face);

} // namespace forms
