// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <QString>

namespace forms {

/// Twips in one device-independent pixel: 1,440 twips to the inch at 96 pixels to the inch.
inline constexpr int kTwipsPerPixel = 15;

/// Device-independent pixels for a length in twips, rounded to the nearest.
int pixels(int twips);

/// The designs' UTF-8 texts as Qt text.
QString toQString(std::string_view text);

} // namespace forms
