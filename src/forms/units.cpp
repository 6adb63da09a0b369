// SPDX-License-Identifier: MIT
#include "forms/units.h"

#include <cmath>

namespace forms {

int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace forms
