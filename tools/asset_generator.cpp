// SPDX-License-Identifier: MIT
// Draws every picture the program embeds or installs. Run it after changing a drawing and commit
// its output:
//   QT_QPA_PLATFORM=offscreen dwellstar_assetgen <repository root>
// With the same Qt, libjpeg and FreeType the output is byte-for-byte the same on every run, so a
// rerun without changes leaves git clean.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRawFont>

using namespace Qt::StringLiterals;

namespace {

// Pinned so JFIF and pHYs headers never follow the machine's screen.
constexpr int kDotsPerMeter = 3780; // 96 dpi

// A file path rather than a family name: fontconfig may substitute a look-alike face.
constexpr auto kGlyphFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

constexpr int kSignSize = 200;
// 4.5 to 5.9 kB whether a kB is read as 1000 or 1024 bytes, with a little room to spare.
constexpr qsizetype kSignMinBytes = 4700;
constexpr qsizetype kSignMaxBytes = 5800;
constexpr int kSwatchSize = 25;
constexpr int kSwatchQuality = 75;

struct Sign {
    const char* name;
    char32_t glyph;
};

constexpr std::array<Sign, 12> kSigns = {{
    {"Aries", U'\u2648'},
    {"Taurus", U'\u2649'},
    {"Gemini", U'\u264A'},
    {"Cancer", U'\u264B'},
    {"Leo", U'\u264C'},
    {"Virgo", U'\u264D'},
    {"Libra", U'\u264E'},
    {"Scorpio", U'\u264F'},
    {"Sagittarius", U'\u2650'},
    {"Capricorn", U'\u2651'},
    {"Aquarius", U'\u2652'},
    {"Pisces", U'\u2653'},
}};

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

// The pointer hand, one character a pixel: '.' transparent, 'K' outline, 'W' fill.
// Hot spot: (7, 0), the top of the index finger.
// clang-format off
constexpr std::array<std::string_view, 32> kHand = {{
    "......KKK.......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWKKKK...................",
    ".....KWWWKWWWKKKK...............",
    ".....KWWWKWWWKWWWKKK............",
    ".....KWWWKWWWKWWWKWWK...........",
    ".....KWWWKWWWKWWWKWWK...........",
    ".KKKKKWWWKWWWKWWWKWWK...........",
    ".KWWWKWWWKWWWKWWWKWWK...........",
    ".KWWWKWWWWWWWWWWWWWWK...........",
    ".KWWWWWWWWWWWWWWWWWWK...........",
    "..KWWWWWWWWWWWWWWWWWK...........",
    "..KWWWWWWWWWWWWWWWWWK...........",
    "...KWWWWWWWWWWWWWWWWK...........",
    "...KWWWWWWWWWWWWWWWK............",
    "....KWWWWWWWWWWWWWWK............",
    "....KWWWWWWWWWWWWWWK............",
    ".....KWWWWWWWWWWWWK.............",
    ".....KKKKKKKKKKKKKK.............",
    ".....KWWWWWWWWWWWWK.............",
    ".....KWWWWWWWWWWWWK.............",
    ".....KKKKKKKKKKKKKK.............",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
}};
// clang-format on

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "dwellstar_assetgen: %s\n", qPrintable(message));
    std::exit(1);
}

QImage blankImage(int width, int height, QImage::Format format, QRgb fill) {
    QImage image(width, height, format);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(fill);
    return image;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(u"cannot write %1"_s.arg(path));
}

QByteArray encode(const QImage& image, const char* format, int quality = -1) {
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

// A palette of exactly the colours used keeps thin lines crisp where a dithering quantizer
// would smear them; only when there are too many are the low bits dropped.
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

// Small linear congruential generator: std::rand and friends differ between libraries.
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : m_state(seed * 2654435761u + 12345u) {}
    double next() {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 24);
    }

private:
    std::uint32_t m_state;
};

void drawStars(QPainter& p, std::uint32_t seed, QPointF centre, double keepOut) {
    Lcg rng(seed);
    int placed = 0;
    for (int attempt = 0; attempt < 400 && placed < 11; ++attempt) {
        const QPointF at(6 + rng.next() * (kSignSize - 12), 6 + rng.next() * (kSignSize - 12));
        const double brightness = rng.next();
        const bool sparkle = rng.next() < 0.3;
        if (std::hypot(at.x() - centre.x(), at.y() - centre.y()) < keepOut)
            continue;
        ++placed;
        const int alpha = 140 + static_cast<int>(brightness * 115);
        const QColor tint =
            brightness > 0.6 ? QColor(255, 244, 214, alpha) : QColor(220, 228, 255, alpha);
        p.setPen(Qt::NoPen);
        if (sparkle) {
            QColor ray = tint;
            ray.setAlpha(alpha / 2);
            p.setBrush(ray);
            p.drawRect(QRectF(at.x() - 3.5, at.y() - 0.5, 7, 1));
            p.drawRect(QRectF(at.x() - 0.5, at.y() - 3.5, 1, 7));
        }
        p.setBrush(tint);
        const double r = sparkle ? 1.2 : 0.6 + brightness * 0.6;
        p.drawEllipse(at, r, r);
    }
}

QFont glyphFont() {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kGlyphFontFile));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return {};
    QFont font(families.first());
    font.setPixelSize(112);
    // A missing glyph must show up as missing, not be borrowed from another face.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
    return font;
}

QPainterPath emblemPath(const Sign& sign, const std::optional<QFont>& font) {
    QPainterPath path;
    const QString glyph = QString::fromUcs4(&sign.glyph, 1);
    if (font && QRawFont::fromFont(*font).supportsCharacter(sign.glyph)) {
        path.addText(0, 0, *font, glyph);
    } else {
        QFont fallback(u"Sans Serif"_s);
        fallback.setBold(true);
        fallback.setPixelSize(30);
        path.addText(0, 0, fallback, QString::fromLatin1(sign.name));
        const double widest = 140;
        if (path.boundingRect().width() > widest) {
            const double scale = widest / path.boundingRect().width();
            path = QTransform::fromScale(scale, scale).map(path);
        }
    }
    const QRectF bounds = path.boundingRect();
    return path.translated(QPointF(kSignSize / 2.0, kSignSize / 2.0) - bounds.center());
}

QImage drawSign(const Sign& sign, std::uint32_t seed, const std::optional<QFont>& font) {
    QImage image = blankImage(kSignSize, kSignSize, QImage::Format_RGB32, 0xFF000000);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kSignSize / 2.0, kSignSize / 2.0);
    constexpr double disc = 76;
    constexpr double glow = 20;

    drawStars(p, seed, centre, disc + glow + 2);

    QRadialGradient halo(centre, disc + glow);
    const double rim = disc / (disc + glow);
    halo.setColorAt(0, QColor(255, 120, 0, 0));
    halo.setColorAt(rim - 0.02, QColor(255, 150, 20, 0));
    halo.setColorAt(rim, QColor(255, 176, 48, 235));
    halo.setColorAt(rim + (1 - rim) * 0.35, QColor(255, 110, 0, 110));
    halo.setColorAt(1, QColor(200, 40, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, disc + glow, disc + glow);

    QRadialGradient body(centre, disc, centre - QPointF(22, 26));
    body.setColorAt(0, QColor(0x9C, 0x16, 0x12));
    body.setColorAt(0.55, QColor(0x6A, 0x08, 0x08));
    body.setColorAt(1, QColor(0x38, 0x00, 0x02));
    p.setBrush(body);
    p.drawEllipse(centre, disc, disc);

    p.setBrush(Qt::NoBrush);
    QLinearGradient rimGold(centre - QPointF(disc, disc), centre + QPointF(disc, disc));
    rimGold.setColorAt(0, QColor(0xFF, 0xE0, 0x80));
    rimGold.setColorAt(0.5, QColor(0xFF, 0xA0, 0x20));
    rimGold.setColorAt(1, QColor(0xE0, 0x60, 0x00));
    p.setPen(QPen(QBrush(rimGold), 3));
    p.drawEllipse(centre, disc - 1.5, disc - 1.5);
    p.setPen(QPen(QColor(255, 140, 30, 90), 1.2));
    p.drawEllipse(centre, disc - 7, disc - 7);

    const QPainterPath emblem = emblemPath(sign, font);
    p.setBrush(Qt::NoBrush);
    for (const auto& [width, alpha] : {std::pair{14.0, 28}, {9.0, 45}, {5.0, 70}}) {
        p.setPen(
            QPen(QColor(255, 120, 0, alpha), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(emblem);
    }
    const QRectF bounds = emblem.boundingRect();
    QLinearGradient gold(bounds.topLeft(), bounds.bottomLeft());
    gold.setColorAt(0, QColor(0xFF, 0xF0, 0xA8));
    gold.setColorAt(0.45, QColor(0xFF, 0xCC, 0x30));
    gold.setColorAt(1, QColor(0xE8, 0x8C, 0x00));
    p.setBrush(gold);
    p.setPen(QPen(QColor(0xFF, 0x78, 0x00), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(emblem);
    p.end();
    return image;
}

// Highest quality whose file fits the size window; the window keeps every emblem's weight alike.
QByteArray encodeSign(const QImage& image, const char* name, int& chosenQuality) {
    for (int quality = 100; quality >= 5; --quality) {
        QByteArray bytes = encode(image, "jpeg", quality);
        if (bytes.size() > kSignMaxBytes)
            continue;
        if (bytes.size() < kSignMinBytes)
            break;
        chosenQuality = quality;
        return bytes;
    }
    fail(u"no JPEG quality puts %1 between %2 and %3 bytes"_s.arg(QString::fromLatin1(name))
             .arg(kSignMinBytes)
             .arg(kSignMaxBytes));
}

// Designed on a 32-unit grid so that at 32 x 32 the straight edges fall on whole pixels.
QImage drawHouse(int size) {
    QImage image = blankImage(size, size, QImage::Format_ARGB32_Premultiplied, 0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    const QColor outline(0x4A, 0x2A, 0x2A);
    p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), 1));
    p.setBrush(QColor(0x5C, 0xB8, 0x4A));
    p.drawRect(QRectF(2.5, 28.5, 27, 2));

    p.setPen(QPen(outline, 1));
    p.setBrush(QColor(0xA8, 0x1C, 0x1C));
    p.drawRect(QRectF(21.5, 4.5, 3, 8));

    QLinearGradient wall(QPointF(0, 14), QPointF(0, 29));
    wall.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    wall.setColorAt(1, QColor(0xEC, 0xEC, 0xEC));
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    p.setBrush(wall);
    p.drawRect(QRectF(5.5, 14.5, 21, 14));

    const QColor frame(0x55, 0x55, 0x55);
    p.setPen(QPen(frame, 1));
    p.setBrush(QColor(0x8E, 0xC8, 0xF0));
    for (const double left : {7.5, 20.5}) {
        p.drawRect(QRectF(left, 18.5, 4, 4));
        p.drawLine(QPointF(left + 2, 18.5), QPointF(left + 2, 22.5));
        p.drawLine(QPointF(left, 20.5), QPointF(left + 4, 20.5));
    }

    p.setPen(QPen(QColor(0x4A, 0x24, 0x10), 1));
    p.setBrush(QColor(0x9A, 0x55, 0x25));
    p.drawRect(QRectF(13.5, 20.5, 5, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xD0, 0x40));
    p.drawRect(QRectF(16, 24, 1, 1));

    QPolygonF roof;
    roof << QPointF(1, 16.5) << QPointF(16, 2) << QPointF(31, 16.5);
    QLinearGradient red(QPointF(0, 2), QPointF(0, 17));
    red.setColorAt(0, QColor(0xF0, 0x3A, 0x2E));
    red.setColorAt(1, QColor(0xC0, 0x14, 0x14));
    p.setPen(QPen(QColor(0x7A, 0x0A, 0x0A), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(red);
    p.drawPolygon(roof);
    p.end();
    return image;
}

QImage drawHand(bool shaded) {
    QImage image = blankImage(32, 32, QImage::Format_ARGB32, 0);
    const auto at = [](int x, int y) {
        if (x < 0 || y < 0 || x >= 32 || y >= 32)
            return '.';
        return kHand[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    };
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const char c = at(x, y);
            if (c == 'K') {
                image.setPixel(x, y, 0xFF000000);
            } else if (c == 'W') {
                QRgb fill = 0xFFFFFFFF;
                // Light from the upper left: edges facing right and down fall into shade.
                if (shaded) {
                    const bool right = at(x + 1, y) == 'K';
                    const bool below = at(x, y + 1) == 'K';
                    if (right && below)
                        fill = 0xFF909090;
                    else if (right || below)
                        fill = 0xFFC8C8C8;
                    else if (at(x + 2, y) == 'K' || at(x, y + 2) == 'K')
                        fill = 0xFFE6E6E6;
                }
                image.setPixel(x, y, fill);
            }
        }
    }
    return image;
}

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

    for (std::size_t i = 0; i < kSigns.size(); ++i) {
        const Sign& sign = kSigns[i];
        int quality = 0;
        const QByteArray bytes =
            encodeSign(drawSign(sign, static_cast<std::uint32_t>(i + 1), font), sign.name, quality);
        writeBytes(u"%1/signs/%2.jpg"_s.arg(pictures, QString::fromLatin1(sign.name)), bytes);
        std::printf("signs/%s.jpg  quality %d  %lld bytes\n", sign.name, quality,
                    static_cast<long long>(bytes.size()));
    }

    for (const Swatch& swatch : kSwatches) {
        const QImage image =
            blankImage(kSwatchSize, kSwatchSize, QImage::Format_RGB32, swatch.color);
        const QByteArray bytes = encode(image, "jpeg", kSwatchQuality);
        writeBytes(u"%1/colors/%2.jpg"_s.arg(pictures, QString::fromLatin1(swatch.file)), bytes);
        std::printf("colors/%s.jpg  %lld bytes\n", swatch.file,
                    static_cast<long long>(bytes.size()));
    }

    writeBytes(pictures + u"/app_icon.png"_s, encode(toIndexed(drawHouse(32), 256), "png"));
    writeBytes(pictures + u"/hand_2color.png"_s, encode(toIndexed(drawHand(false), 3), "png"));
    writeBytes(pictures + u"/hand_16color.png"_s, encode(toIndexed(drawHand(true), 17), "png"));

    for (const int size : {32, 48, 64, 128, 256}) {
        const QString path = root.filePath(
            u"packaging/icons/hicolor/%1x%1/apps/example.velmora.KVDwellstar.png"_s.arg(size));
        writeBytes(path, encode(drawHouse(size).convertToFormat(QImage::Format_ARGB32), "png"));
    }
    std::printf("done\n");
    return 0;
}
