// SPDX-License-Identifier: MIT
// Draws every picture the program embeds or installs. Run it after changing a drawing and commit
// its output:
//   QT_QPA_PLATFORM=offscreen dwellstar_assetgen <repository root>
// With the same Qt, libjpeg and FreeType the output is byte-for-byte the same on every run, so a
// rerun without changes leaves git clean. Every picture is drawn twice: at its designed size, and
// at twice that ("@2x") for screens scaled above 1.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
// The emblems at twice the size keep the edges of the glyph as crisp as text beside them.
constexpr int kSign2xQuality = 85;

/// "name.ext" at scale 1, "name@2x.ext" at 2: the names Qt looks for.
QString scaledName(const char* name, int scale, const char* extension) {
    const QString base = QString::fromLatin1(name);
    const QString suffix = scale == 1 ? QString() : u"@%1x"_s.arg(scale);
    return base + suffix + u'.' + QString::fromLatin1(extension);
}

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

/// Keeps a committed file that already holds the drawing, so that a rerun leaves git clean.
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

QImage drawSign(const Sign& sign, std::uint32_t seed, const std::optional<QFont>& font, int scale) {
    QImage image =
        blankImage(kSignSize * scale, kSignSize * scale, QImage::Format_RGB32, 0xFF000000);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn, not enlarged: the outlines, stars and glow are rasterised at the finer grid. At 1
    // the painter stays untransformed, as it always was.
    if (scale != 1)
        p.scale(scale, scale);
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
// At twice the size one quality for all: the window was chosen for the designed size.
QByteArray encodeSign(const QImage& image, const char* name, int& chosenQuality) {
    if (image.width() != kSignSize) {
        chosenQuality = kSign2xQuality;
        return encode(image, "jpeg", kSign2xQuality);
    }
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

// The house, on a 32-unit grid so that at 32 x 32 the straight edges fall on whole pixels. One
// list of shapes feeds both the painter and the scalable icon, so the two cannot drift apart.
struct Fill {
    QRgb top = 0; ///< fully transparent: no fill
    QRgb bottom = 0;
    double from = 0; ///< where a vertical gradient starts and ends; top == bottom: solid
    double to = 0;
};

struct HouseShape {
    enum class Kind { Rect, Line, Polygon };
    Kind kind;
    std::array<QPointF, 3> at; ///< rectangle: corner and size; line: ends; polygon: corners
    QRgb stroke;               ///< one unit wide; fully transparent: none
    Fill fill;
    bool mitred = false; ///< else bevelled, as a QPen is by default
};

using enum HouseShape::Kind;
constexpr QRgb kFrameGrey = 0xFF555555;
constexpr Fill kPane = {0xFF8EC8F0, 0xFF8EC8F0};

// clang-format off
constexpr std::array<HouseShape, 12> kHouse = {{
    {Rect, {{{2.5, 28.5}, {27, 2}}}, 0xFF2E7D32, {0xFF5CB84A, 0xFF5CB84A}},
    {Rect, {{{21.5, 4.5}, {3, 8}}}, 0xFF4A2A2A, {0xFFA81C1C, 0xFFA81C1C}},
    {Rect, {{{5.5, 14.5}, {21, 14}}}, kFrameGrey, {0xFFFFFFFF, 0xFFECECEC, 14, 29}},
    {Rect, {{{7.5, 18.5}, {4, 4}}}, kFrameGrey, kPane},
    {Line, {{{9.5, 18.5}, {9.5, 22.5}}}, kFrameGrey, {}},
    {Line, {{{7.5, 20.5}, {11.5, 20.5}}}, kFrameGrey, {}},
    {Rect, {{{20.5, 18.5}, {4, 4}}}, kFrameGrey, kPane},
    {Line, {{{22.5, 18.5}, {22.5, 22.5}}}, kFrameGrey, {}},
    {Line, {{{20.5, 20.5}, {24.5, 20.5}}}, kFrameGrey, {}},
    {Rect, {{{13.5, 20.5}, {5, 8}}}, 0xFF4A2410, {0xFF9A5525, 0xFF9A5525}},
    {Rect, {{{16, 24}, {1, 1}}}, 0, {0xFFFFD040, 0xFFFFD040}},
    {Polygon, {{{1, 16.5}, {16, 2}, {31, 16.5}}}, 0xFF7A0A0A, {0xFFF03A2E, 0xFFC01414, 2, 17},
     true},
}};
// clang-format on

QBrush houseBrush(const Fill& fill) {
    if (qAlpha(fill.top) == 0)
        return Qt::NoBrush;
    if (fill.top == fill.bottom)
        return QColor::fromRgba(fill.top);
    QLinearGradient gradient(QPointF(0, fill.from), QPointF(0, fill.to));
    gradient.setColorAt(0, QColor::fromRgba(fill.top));
    gradient.setColorAt(1, QColor::fromRgba(fill.bottom));
    return gradient;
}

QImage drawHouse(int size) {
    QImage image = blankImage(size, size, QImage::Format_ARGB32_Premultiplied, 0);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    for (const HouseShape& shape : kHouse) {
        if (qAlpha(shape.stroke) == 0)
            p.setPen(Qt::NoPen);
        else
            p.setPen(QPen(QColor::fromRgba(shape.stroke), 1, Qt::SolidLine, Qt::SquareCap,
                          shape.mitred ? Qt::MiterJoin : Qt::BevelJoin));
        p.setBrush(houseBrush(shape.fill));
        switch (shape.kind) {
        case Rect:
            p.drawRect(QRectF(shape.at[0], QSizeF(shape.at[1].x(), shape.at[1].y())));
            break;
        case Line:
            p.drawLine(shape.at[0], shape.at[1]);
            break;
        case Polygon:
            p.drawPolygon(shape.at.data(), static_cast<int>(shape.at.size()));
            break;
        }
    }
    p.end();
    return image;
}

QString svgColor(QRgb color) {
    return QColor::fromRgba(color).name(QColor::HexRgb);
}

QString svgNumber(double value) {
    return QString::number(value, 'g', 6);
}

/// The same house as an SVG document, for desktops that draw icons at any size.
QByteArray houseSvg() {
    QString defs;
    QString body;
    int gradients = 0;
    for (const HouseShape& shape : kHouse) {
        const QPointF* at = shape.at.data();
        QString element;
        switch (shape.kind) {
        case Rect:
            element = u"<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\""_s.arg(
                svgNumber(at[0].x()), svgNumber(at[0].y()), svgNumber(at[1].x()),
                svgNumber(at[1].y()));
            break;
        case Line:
            element = u"<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\""_s.arg(
                svgNumber(at[0].x()), svgNumber(at[0].y()), svgNumber(at[1].x()),
                svgNumber(at[1].y()));
            break;
        case Polygon: {
            QStringList points;
            for (const QPointF& point : shape.at)
                points << svgNumber(point.x()) + u',' + svgNumber(point.y());
            element = u"<polygon points=\"%1\""_s.arg(points.join(u' '));
            break;
        }
        }
        QString fill = u"none"_s;
        if (qAlpha(shape.fill.top) != 0 && shape.fill.top == shape.fill.bottom) {
            fill = svgColor(shape.fill.top);
        } else if (qAlpha(shape.fill.top) != 0) {
            const QString id = u"g%1"_s.arg(++gradients);
            defs += u"    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" "
                    u"y1=\"%2\" x2=\"0\" y2=\"%3\">\n"
                    u"      <stop offset=\"0\" stop-color=\"%4\"/>\n"
                    u"      <stop offset=\"1\" stop-color=\"%5\"/>\n"
                    u"    </linearGradient>\n"_s.arg(
                        id, svgNumber(shape.fill.from), svgNumber(shape.fill.to),
                        svgColor(shape.fill.top), svgColor(shape.fill.bottom));
            fill = u"url(#%1)"_s.arg(id);
        }
        element += u" fill=\"%1\""_s.arg(fill);
        if (qAlpha(shape.stroke) != 0)
            element += u" stroke=\"%1\" stroke-width=\"1\" stroke-linecap=\"square\" "
                       u"stroke-linejoin=\"%2\""_s.arg(svgColor(shape.stroke),
                                                       shape.mitred ? u"miter"_s : u"bevel"_s);
        body += u"  "_s + element + u"/>\n"_s;
    }
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            u"<!-- SPDX-License-Identifier: MIT -->\n"
            u"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
            u"viewBox=\"0 0 32 32\">\n"
            u"  <defs>\n"_s +
            defs + u"  </defs>\n"_s + body + u"</svg>\n"_s)
        .toUtf8();
}

/// The pointer's cells at a scale: at 2 each cell splits in four, and where the outline steps
/// diagonally the split follows the diagonal (the Scale2x rule), so the steps come out finer.
std::vector<std::string> handCells(int scale) {
    std::vector<std::string> cells(kHand.begin(), kHand.end());
    if (scale == 1)
        return cells;
    const auto at = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= 32 || y >= 32)
            return '.';
        return kHand[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    };
    std::vector<std::string> fine(64, std::string(64, '.'));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const char e = at(x, y);
            const char b = at(x, y - 1);
            const char d = at(x - 1, y);
            const char f = at(x + 1, y);
            const char h = at(x, y + 1);
            const auto put = [&](int dx, int dy, char c) {
                const int row = 2 * y + dy;
                const int column = 2 * x + dx;
                fine[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = c;
            };
            put(0, 0, d == b && b != f && d != h ? d : e);
            put(1, 0, b == f && b != d && f != h ? f : e);
            put(0, 1, d == h && d != b && h != f ? d : e);
            put(1, 1, h == f && d != h && b != f ? f : e);
        }
    }
    return fine;
}

/// Grey of the fill at a distance from the outline on its right or below, in pixels of the
/// scale. At 2 each band of the designed size splits into two tones that average to it.
QRgb handShade(int scale, int distance) {
    static constexpr std::array<QRgb, 2> kDesigned = {0xFFC8C8C8, 0xFFE6E6E6};
    static constexpr std::array<QRgb, 4> kFine = {0xFFBEBEBE, 0xFFD2D2D2, 0xFFE0E0E0, 0xFFECECEC};
    if (distance < 1 || distance > 2 * scale)
        return 0xFFFFFFFF;
    const auto index = static_cast<std::size_t>(distance - 1);
    return scale == 1 ? kDesigned.at(index) : kFine.at(index);
}

QImage drawHand(bool shaded, int scale) {
    const std::vector<std::string> cells = handCells(scale);
    const int size = 32 * scale;
    QImage image = blankImage(size, size, QImage::Format_ARGB32, 0);
    const auto at = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= size || y >= size)
            return '.';
        return cells[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    };
    // How far the outline lies to the right of, or below, a pixel; beyond the shaded bands: 0.
    const auto outlineAt = [&](int x, int y, int dx, int dy) {
        for (int step = 1; step <= 2 * scale; ++step) {
            if (at(x + step * dx, y + step * dy) == 'K')
                return step;
        }
        return 0;
    };
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const char c = at(x, y);
            if (c == 'K') {
                image.setPixel(x, y, 0xFF000000);
            } else if (c == 'W') {
                QRgb fill = 0xFFFFFFFF;
                // Light from the upper left: edges facing right and down fall into shade.
                if (shaded) {
                    const int right = outlineAt(x, y, 1, 0);
                    const int below = outlineAt(x, y, 0, 1);
                    if (right != 0 && right <= scale && below != 0 && below <= scale)
                        fill = 0xFF909090;
                    else if (right != 0 || below != 0)
                        fill = handShade(
                            scale, right == 0 || (below != 0 && below < right) ? below : right);
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
