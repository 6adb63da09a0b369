// SPDX-License-Identifier: MIT
#include "forms/raw_picture.h"

#include <QtEndian>

namespace forms {

namespace {

constexpr qsizetype kHeaderSize = 2 * sizeof(quint32);

} // namespace

QByteArray packPicture(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray packed(kHeaderSize + 4 * qsizetype(pixels.width()) * pixels.height(), '\0');
    char* out = packed.data();
    qToLittleEndian(quint32(pixels.width()), out);
    qToLittleEndian(quint32(pixels.height()), out + 4);
    out += kHeaderSize;
    for (int row = 0; row < pixels.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(row));
        for (int column = 0; column < pixels.width(); ++column, out += 4)
            qToLittleEndian(quint32(line[column]), out);
    }
    return packed;
}

QImage unpackPicture(QByteArrayView packed) {
    if (packed.size() < kHeaderSize)
        return {};
    const char* in = packed.data();
    const auto width = qFromLittleEndian<quint32>(in);
    const auto height = qFromLittleEndian<quint32>(in + 4);
    // Within QImage's own limits, so that the size below cannot overflow, and the size a
    // picture of them takes.
    if (width > 32767 || height > 32767 ||
        packed.size() != kHeaderSize + 4 * qsizetype(width) * height)
        return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    in += kHeaderSize;
    for (int row = 0; row < image.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < image.width(); ++column, in += 4)
            line[column] = qFromLittleEndian<quint32>(in);
    }
    return image;
}

} // namespace forms
