// SPDX-License-Identifier: MIT
#include "asset_files.h"

#include <cstdio>
#include <cstdlib>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageWriter>

using namespace Qt::StringLiterals;

namespace assetgen {

namespace {

// Pinned so JFIF and pHYs headers never follow the machine's screen.
constexpr int kDotsPerMeter = 3780; // 96 dpi

/// PNG stores colours unpremultiplied, and Qt rounds faint edge pixels differently on different
/// processors: two files that decode to the same premultiplied pixels hold the same drawing.
bool samePremultiplied(const QByteArray& a, const QByteArray& b) {
    const QImage x = QImage::fromData(a).convertToFormat(QImage::Format_ARGB32);
    const QImage y = QImage::fromData(b).convertToFormat(QImage::Format_ARGB32);
    if (x.isNull() || x.size() != y.size())
        return false;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            if (qPremultiply(x.pixel(column, row)) != qPremultiply(y.pixel(column, row)))
                return false;
        }
    }
    return true;
}

} // namespace

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "dwellstar_assetgen: %s\n", qPrintable(message));
    std::exit(1);
}

QString scaledName(const char* name, int scale, const char* extension) {
    const QString base = QString::fromLatin1(name);
    const QString suffix = scale == 1 ? QString() : u"@%1x"_s.arg(scale);
    return base + suffix + u'.' + QString::fromLatin1(extension);
}

QImage blankImage(int width, int height, QImage::Format format, QRgb fill) {
    QImage image(width, height, format);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(fill);
    return image;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    if (QFile existing(path); existing.open(QIODevice::ReadOnly)) {
        const QByteArray old = existing.readAll();
        if (old == bytes || (path.endsWith(u".png"_s) && samePremultiplied(old, bytes)))
            return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(u"cannot write %1"_s.arg(path));
}

QByteArray encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    // The picture lists promise baseline JPEGs, and Huffman tables stay the standard ones.
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image))
        fail(u"cannot encode %1: %2"_s.arg(QString::fromLatin1(format), writer.errorString()));
    return bytes;
}

QImage toIndexed(const QImage& source, int maxColors) {
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    for (int dropBits = 0; dropBits <= 5; ++dropBits) {
        const QRgb channel = (0xFFu << dropBits) & 0xFFu;
        const QRgb mask = channel << 24 | channel << 16 | channel << 8 | channel;
        QImage out = blankImage(argb.width(), argb.height(), QImage::Format_Indexed8, 0);
        QList<QRgb> table;
        QHash<QRgb, int> slots;
        bool fits = true;
        for (int y = 0; y < argb.height() && fits; ++y) {
            for (int x = 0; x < argb.width(); ++x) {
                QRgb color = argb.pixel(x, y) & mask;
                if (qAlpha(color) == 0)
                    color = 0;
                auto it = slots.constFind(color);
                if (it == slots.constEnd()) {
                    if (table.size() == maxColors) {
                        fits = false;
                        break;
                    }
                    it = slots.insert(color, static_cast<int>(table.size()));
                    table.append(color);
                }
                out.scanLine(y)[x] = static_cast<uchar>(it.value());
            }
        }
        if (fits) {
            out.setColorTable(table);
            return out;
        }
    }
    fail(u"cannot reduce a picture to %1 colours"_s.arg(maxColors));
}

} // namespace assetgen
