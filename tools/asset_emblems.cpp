// SPDX-License-Identifier: MIT
#include "asset_emblems.h"

#include <cmath>

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRawFont>

#include "asset_files.h"

using namespace Qt::StringLiterals;

namespace assetgen {

namespace {

// 4.5 to 5.9 kB whether a kB is read as 1000 or 1024 bytes, with a little room to spare.
constexpr qsizetype kSignMinBytes = 4700;
constexpr qsizetype kSignMaxBytes = 5800;
// The emblems at twice the size keep the edges of the glyph as crisp as text beside them.
constexpr int kSign2xQuality = 85;

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

} // namespace

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

// The size window keeps every emblem's weight alike; it was chosen for the designed size.
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

} // namespace assetgen
