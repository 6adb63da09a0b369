// SPDX-License-Identifier: MIT
#pragma once

namespace forms {

/// Registers the nearest installed faces for the fonts the designs name; once per process.
void registerFontSubstitutes();

} // namespace forms
