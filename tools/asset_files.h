// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Writing the generator's pictures: pinned headers, and files that stay as they are when the
// drawing has not changed.

namespace assetgen {

/// Reports and ends the generator.
[[noreturn]] void fail(const QString& message);

/// "name.ext" at scale 1, "name@2x.ext" at 2: the names Qt looks for.
QString scaledName(const char* name, int scale, const char* extension);

QImage blankImage(int width, int height, QImage::Format format, QRgb fill);

/// Keeps a committed file that already holds the drawing, so that a rerun leaves git clean.
void writeBytes(const QString& path, const QByteArray& bytes);

QByteArray encode(const QImage& image, const char* format, int quality = -1);

/// A palette of exactly the colours used keeps thin lines crisp where a dithering quantizer
/// would smear them; only when there are too many are the low bits dropped.
QImage toIndexed(const QImage& source, int maxColors);

} // namespace assetgen
