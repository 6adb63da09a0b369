// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// The program's icon: a white house with a red roof.

namespace assetgen {

/// The house drawn into a square of `size` pixels.
QImage drawHouse(int size);

/// The same house as an SVG document, for desktops that draw icons at any size.
QByteArray houseSvg();

} // namespace assetgen
