// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The pointing-hand mouse pointers, drawn pixel by pixel; hot spot at (7, 0) of the designed
// size, the top of the index finger.

namespace assetgen {

/// The hand at 32 pixels times `scale`; shaded, its fill turns grey towards the lower right.
QImage drawHand(bool shaded, int scale);

} // namespace assetgen
