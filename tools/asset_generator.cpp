// SPDX-License-Identifier: MIT
// Draws every picture the program embeds or installs. Run it after changing a drawing and commit
// its output:
//   QT_QPA_PLATFORM=offscreen dwellstar_assetgen <repository root>
// With the same Qt, libjpeg and FreeType the output is byte-for-byte the same on every run, so a
// rerun without changes leaves git clean. Every picture is drawn twice: at its designed size, and
// at twice that ("@2x") for screens scaled above 1.

#include <array>
#include <cstdio>
#include <optional>

#include <QDir>
#include <QGuiApplication>

#include "asset_emblems.h"
#include "asset_files.h"
#include "asset_hands.h"
#include "asset_house.h"

using namespace Qt::StringLiterals;
using namespace assetgen;

namespace {

constexpr int kSwatchSize = 25;
constexpr int kSwatchQuality = 75;

struct Swatch {
    const char* file;
    QRgb color;
};

constexpr std::array<Swatch, 15> kSwatches = {{
    {"blue", 0xFF1E4FD8},
    {"coral", 0xFFFF7F50},
    {"gold", 0xFFFFD700},
    {"green", 0xFF1FA33A},
    {"indigo", 0xFF4B0082},
    {"magenta", 0xFFFF00FF},
    {"olive", 0xFF808000},
    {"orange", 0xFFFF8C00},
    {"red", 0xFFE01414},
    {"turquoise", 0xFF40E0D0},
    {"violet", 0xFF8F00FF},
    {"yellow", 0xFFFFEB00},
    {"pink", 0xFFFF2E93},
    {"white", 0xFFFFFFFF},
    {"brown", 0xFF8B4513},
}};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <repository root or output folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString pictures = root.filePath(u"src/forms/assets/pictures"_s);

    const QFont loaded = glyphFont();
    const std::optional<QFont> font =
        loaded.family().isEmpty() ? std::nullopt : std::optional<QFont>(loaded);
    if (!font)
        std::fprintf(stderr, "warning: %s not loaded, drawing sign names instead\n",
                     kGlyphFontFile);

    for (const int scale : {1, 2}) {
        for (std::size_t i = 0; i < kSigns.size(); ++i) {
            const Sign& sign = kSigns[i];
            int quality = 0;
            const QByteArray bytes = encodeSign(
                drawSign(sign, static_cast<std::uint32_t>(i + 1), font, scale), sign.name, quality);
            const QString file = u"signs/"_s + scaledName(sign.name, scale, "jpg");
            writeBytes(pictures + u'/' + file, bytes);
            std::printf("%s  quality %d  %lld bytes\n", qPrintable(file), quality,
                        static_cast<long long>(bytes.size()));
        }

        for (const Swatch& swatch : kSwatches) {
            const int side = kSwatchSize * scale;
            const QImage image = blankImage(side, side, QImage::Format_RGB32, swatch.color);
            const QByteArray bytes = encode(image, "jpeg", kSwatchQuality);
            const QString file = u"colors/"_s + scaledName(swatch.file, scale, "jpg");
            writeBytes(pictures + u'/' + file, bytes);
            std::printf("%s  %lld bytes\n", qPrintable(file), static_cast<long long>(bytes.size()));
        }

        const auto png = [&](const char* name, const QImage& image, int colors) {
            writeBytes(pictures + u'/' + scaledName(name, scale, "png"),
                       encode(toIndexed(image, colors), "png"));
        };
        png("app_icon", drawHouse(32 * scale), 256);
        png("hand_2color", drawHand(false, scale), 3);
        png("hand_16color", drawHand(true, scale), 17);
    }

    const QString icons = root.filePath(u"packaging/icons/hicolor"_s);
    for (const int size : {32, 48, 64, 128, 256}) {
        writeBytes(u"%1/%2x%2/apps/example.velmora.KVDwellstar.png"_s.arg(icons).arg(size),
                   encode(drawHouse(size).convertToFormat(QImage::Format_ARGB32), "png"));
    }
    writeBytes(icons + u"/scalable/apps/example.velmora.KVDwellstar.svg"_s, houseSvg());
    std::printf("done\n");
    return 0;
}
