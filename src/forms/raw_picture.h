// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace forms {

/// A picture as its pixels, premultiplied, after its width and height: read without a decoder,
/// and so without Qt looking through every image plugin installed first, as it does for the
/// first PNG file read.
QByteArray packPicture(const QImage& image);

/// The picture packPicture() packed; a null image for anything else.
QImage unpackPicture(QByteArrayView packed);

} // namespace forms
