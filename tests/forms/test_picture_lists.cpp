// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstdlib>

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QImageReader>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QTest>

#include "forms/picture_lists.h"
#include "forms/raw_picture.h"
#include "forms/shared_pictures.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList kSignNames = {u"Aries"_s,       u"Taurus"_s,    u"Gemini"_s,   u"Cancer"_s,
                                u"Leo"_s,         u"Virgo"_s,     u"Libra"_s,    u"Scorpio"_s,
                                u"Sagittarius"_s, u"Capricorn"_s, u"Aquarius"_s, u"Pisces"_s};

// Where the pointer's click lands: the top of the index finger.
constexpr QPoint kHandHotSpot(7, 0);

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Marker codes of the segments ahead of the image data; entropy-coded bytes are never scanned.
QList<int> jpegHeaderMarkers(const QByteArray& bytes) {
    QList<int> markers;
    qsizetype at = 2; // past SOI
    while (at + 4 <= bytes.size() && static_cast<uchar>(bytes[at]) == 0xFF) {
        const int marker = static_cast<uchar>(bytes[at + 1]);
        markers.append(marker);
        if (marker == 0xDA)
            break;
        const int length =
            static_cast<uchar>(bytes[at + 2]) << 8 | static_cast<uchar>(bytes[at + 3]);
        at += 2 + length;
    }
    return markers;
}

struct ColorCount {
    int opaque = 0; ///< distinct colours among pixels that are not fully transparent
    bool transparent = false;
    bool partialAlpha = false;
};

ColorCount countColors(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colors;
    ColorCount count;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                count.transparent = true;
                continue;
            }
            if (qAlpha(pixel) != 255)
                count.partialAlpha = true;
            colors.insert(pixel);
        }
    }
    count.opaque = static_cast<int>(colors.size());
    return count;
}

/// Where a picture is lit gold inside its disc: the emblem, without the rim and the glow.
QImage emblemMask(const QImage& picture) {
    QImage mask(picture.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    const QPointF centre(picture.width() / 2.0, picture.height() / 2.0);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            const bool inside = QLineF(centre, QPointF(x, y)).length() < 66;
            if (inside && c.red() > 200 && c.green() > 120)
                mask.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    return mask;
}

/// A sign's glyph as DejaVu Sans draws it, filled and centred in a picture of the given size.
QImage glyphMask(char32_t glyph, const QFont& font, QSize size) {
    QPainterPath path;
    path.addText(0, 0, font, QString::fromUcs4(&glyph, 1));
    path.translate(QPointF(size.width() / 2.0, size.height() / 2.0) - path.boundingRect().center());
    QImage mask(size, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Qt::white);
    painter.drawPath(path);
    return mask;
}

/// Shared lit area over the area lit in either: 1 for the same shape.
double overlap(const QImage& a, const QImage& b) {
    int both = 0;
    int either = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const bool inA = qGray(a.pixel(x, y)) > 127;
            const bool inB = qGray(b.pixel(x, y)) > 127;
            both += inA && inB ? 1 : 0;
            either += inA || inB ? 1 : 0;
        }
    }
    return either == 0 ? 0.0 : double(both) / either;
}

/// Qt's name for a picture drawn at twice the size: "name@2x.ext".
QString doubleSizeName(const QString& resource) {
    const qsizetype dot = resource.lastIndexOf(u'.');
    return resource.left(dot) + u"@2x"_s + resource.mid(dot);
}

/// Every picture a window shows, by its designed size.
QList<std::pair<QString, int>> designedPictures() {
    QList<std::pair<QString, int>> pictures;
    for (const forms::PictureItem& item : forms::sunSignPictures())
        pictures.append({toQString(item.resource), 200});
    for (const forms::PictureItem& item : forms::colorPictures())
        pictures.append({toQString(item.resource), 25});
    for (const QString& png : {u":/pictures/app_icon.png"_s, u":/pictures/hand_2color.png"_s,
                               u":/pictures/hand_16color.png"_s})
        pictures.append({png, 32});
    return pictures;
}

QImage premultiplied(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(1);
    return out;
}

/// Smoothly to another size.
QImage resized(const QImage& image, QSize size) {
    return premultiplied(image).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

/// Mean difference over every channel of every pixel, premultiplied, on a scale of 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = premultiplied(a);
    const QImage y = premultiplied(b);
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return total / (4.0 * x.width() * x.height());
}

/// Mean squared step between neighbouring pixels: an edge drawn across one pixel gives twice
/// the energy of the same edge spread across two.
double edgeEnergy(const QImage& image) {
    const QImage source = premultiplied(image);
    double total = 0;
    for (int y = 0; y + 1 < source.height(); ++y) {
        for (int x = 0; x + 1 < source.width(); ++x) {
            const int here = qGray(source.pixel(x, y));
            const int right = qGray(source.pixel(x + 1, y)) - here;
            const int below = qGray(source.pixel(x, y + 1)) - here;
            total += right * right + below * below;
        }
    }
    return total / (double(source.width() - 1) * (source.height() - 1));
}

/// Share of the 2 x 2 blocks whose pixels differ clearly: none where each pixel of a smaller
/// picture was repeated into a block.
double mixedBlocks(const QImage& image) {
    const QImage source = premultiplied(image);
    int mixed = 0;
    for (int y = 0; y + 1 < source.height(); y += 2) {
        for (int x = 0; x + 1 < source.width(); x += 2) {
            int lo = 255;
            int hi = 0;
            for (const QPoint at : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const int grey = qGray(source.pixel(x + at.x(), y + at.y()));
                lo = std::min(lo, grey);
                hi = std::max(hi, grey);
            }
            mixed += hi - lo > 32 ? 1 : 0;
        }
    }
    return mixed * 4.0 / (double(source.width()) * source.height());
}

QImage loadImage(const QString& path, QByteArray* format = nullptr) {
    QImageReader reader(path);
    if (format)
        *format = reader.format();
    return reader.read();
}

} // namespace

class TestPictureLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        forms::initResources();
        forms::initResources(); // a second call must be harmless
    }

    void counts() {
        QCOMPARE(forms::sunSignPictures().size(), std::size_t{12});
        QCOMPARE(forms::colorPictures().size(), std::size_t{15});
        const forms::PictureList signs(forms::sunSignPictures(), nullptr);
        const forms::PictureList colors(forms::colorPictures(), nullptr);
        QCOMPARE(signs.count(), 12);
        QCOMPARE(colors.count(), 15);
    }

    void signKeys() {
        const forms::PictureList signs(forms::sunSignPictures(), nullptr);
        for (int position = 1; position <= 12; ++position)
            QCOMPARE(signs.key(position), kSignNames[position - 1] + u".jpg"_s);
        QVERIFY(signs.key(0).isEmpty());
        QVERIFY(signs.key(13).isEmpty());
    }

    void colorKeys() {
        const QStringList expected = {
            u"blue.jpg"_s,    u"coral.jpg"_s,  u"gold.jpg"_s,   u"green.jpg"_s, u"indigo.jpg"_s,
            u"magenta.jpg"_s, u"olive.jpg"_s,  u"orange.jpg"_s, u"red.jpg"_s,   u"turquoise.jpg"_s,
            u"violet.jpg"_s,  u"yellow.jpg"_s, QString(),       u"white.jpg"_s, u"brown"_s};
        const forms::PictureList colors(forms::colorPictures(), nullptr);
        for (int position = 1; position <= 15; ++position)
            QCOMPARE(colors.key(position), expected[position - 1]);
        QVERIFY(colors.key(13).isEmpty());
        QCOMPARE(colors.key(15), u"brown"_s);
        QVERIFY(colors.key(16).isEmpty());
        QVERIFY(colors.key(-1).isEmpty());
    }

    void jpegFiles_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("minBytes");
        QTest::addColumn<int>("maxBytes");
        for (const forms::PictureItem& item : forms::sunSignPictures()) {
            const QString path = toQString(item.resource);
            QTest::newRow(qPrintable(path)) << path << 200 << 4500 << 5900;
            // Sharp enough to stand beside text, yet the twelve add little to the program.
            QTest::newRow(qPrintable(doubleSizeName(path)))
                << doubleSizeName(path) << 400 << 12000 << 32000;
        }
        for (const forms::PictureItem& item : forms::colorPictures()) {
            const QString path = toQString(item.resource);
            QTest::newRow(qPrintable(path)) << path << 25 << 400 << 1000;
            QTest::newRow(qPrintable(doubleSizeName(path)))
                << doubleSizeName(path) << 50 << 400 << 1000;
        }
    }

    void jpegFiles() {
        QFETCH(QString, resource);
        QFETCH(int, side);
        QFETCH(int, minBytes);
        QFETCH(int, maxBytes);
        QVERIFY(QFile::exists(resource));
        const QByteArray bytes = readResource(resource);
        QVERIFY2(bytes.size() >= minBytes && bytes.size() <= maxBytes,
                 qPrintable(u"%1 bytes"_s.arg(bytes.size())));

        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(side, side));
        QCOMPARE(reader.read().size(), QSize(side, side));

        const QList<int> markers = jpegHeaderMarkers(bytes);
        QVERIFY(markers.contains(0xC0));  // baseline frame
        QVERIFY(!markers.contains(0xC2)); // progressive frame
        QCOMPARE(markers.last(), 0xDA);
    }

    void swatchColors_data() {
        // Hue range in degrees (lo > hi wraps through 0); hueLo < 0 means no hue: a grey or white.
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("hueLo");
        QTest::addColumn<int>("hueHi");
        QTest::addColumn<double>("lightLo");
        QTest::addColumn<double>("lightHi");
        QTest::newRow("blue") << 1 << 205 << 245 << 0.30 << 0.65;
        QTest::newRow("coral") << 2 << 5 << 25 << 0.55 << 0.80;
        QTest::newRow("gold") << 3 << 44 << 53 << 0.40 << 0.60;
        QTest::newRow("green") << 4 << 95 << 150 << 0.20 << 0.55;
        QTest::newRow("indigo") << 5 << 255 << 290 << 0.10 << 0.35;
        QTest::newRow("magenta") << 6 << 290 << 310 << 0.40 << 0.60;
        QTest::newRow("olive") << 7 << 52 << 68 << 0.15 << 0.35;
        QTest::newRow("orange") << 8 << 26 << 40 << 0.40 << 0.60;
        QTest::newRow("red") << 9 << 350 << 10 << 0.35 << 0.60;
        QTest::newRow("turquoise") << 10 << 165 << 185 << 0.45 << 0.70;
        QTest::newRow("violet") << 11 << 262 << 290 << 0.40 << 0.65;
        QTest::newRow("yellow") << 12 << 54 << 64 << 0.40 << 0.60;
        QTest::newRow("bright pink") << 13 << 315 << 345 << 0.50 << 0.75;
        QTest::newRow("white") << 14 << -1 << -1 << 0.95 << 1.00;
        QTest::newRow("brown") << 15 << 15 << 35 << 0.15 << 0.40;
    }

    void swatchColors() {
        QFETCH(int, position);
        QFETCH(int, hueLo);
        QFETCH(int, hueHi);
        QFETCH(double, lightLo);
        QFETCH(double, lightHi);
        const forms::PictureList colors(forms::colorPictures(), nullptr);
        const QImage image = colors.picture(position).toImage();
        QCOMPARE(image.size(), QSize(25, 25));
        const QColor centre = image.pixelColor(12, 12);
        const QString seen = centre.name();

        QVERIFY2(centre.lightnessF() >= lightLo && centre.lightnessF() <= lightHi,
                 qPrintable(seen));
        if (hueLo < 0) {
            QVERIFY2(centre.hslSaturationF() < 0.15, qPrintable(seen));
            return;
        }
        QVERIFY2(centre.hslSaturationF() >= 0.5, qPrintable(seen));
        const int hue = centre.hslHue();
        const bool inRange =
            hueLo <= hueHi ? hue >= hueLo && hue <= hueHi : hue >= hueLo || hue <= hueHi;
        QVERIFY2(inRange, qPrintable(u"%1 hue %2"_s.arg(seen).arg(hue)));
    }

    void redIsRed() {
        const forms::PictureList colors(forms::colorPictures(), nullptr);
        const QColor red = colors.picture(9).toImage().pixelColor(12, 12);
        QVERIFY(red.red() > 180);
        QVERIFY(red.green() < 70);
        QVERIFY(red.blue() < 70);
    }

    void picturesDecode() {
        const forms::PictureList signs(forms::sunSignPictures(), nullptr);
        for (int position = 1; position <= 12; ++position) {
            const QPixmap picture = signs.picture(position);
            QVERIFY(!picture.isNull());
            QCOMPARE(picture.size(), QSize(200, 200));
            QCOMPARE(signs.picture(position).cacheKey(), picture.cacheKey()); // decoded once
        }
    }

    // Each item shows its own sign's glyph, told apart from the other eleven by its shape.
    void signEmblems_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<uint>("glyph");
        const std::pair<const char*, char32_t> signs[] = {
            {"Aries", U'\u2648'},     {"Taurus", U'\u2649'},   {"Gemini", U'\u264A'},
            {"Cancer", U'\u264B'},    {"Leo", U'\u264C'},      {"Virgo", U'\u264D'},
            {"Libra", U'\u264E'},     {"Scorpio", U'\u264F'},  {"Sagittarius", U'\u2650'},
            {"Capricorn", U'\u2651'}, {"Aquarius", U'\u2652'}, {"Pisces", U'\u2653'}};
        int position = 0;
        for (const auto& [name, glyph] : signs)
            QTest::newRow(name) << ++position << uint(glyph);
    }

    void signEmblems() {
        QFETCH(int, position);
        QFETCH(uint, glyph);
        const int id =
            QFontDatabase::addApplicationFont(u"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"_s);
        QVERIFY2(id >= 0, "DejaVu Sans (fonts-dejavu-core) is needed to tell the signs apart");
        QFont font(QFontDatabase::applicationFontFamilies(id).first());
        font.setPixelSize(112);

        const forms::PictureList signs(forms::sunSignPictures(), nullptr);
        const QImage shown = emblemMask(signs.picture(position).toImage());
        char32_t best = 0;
        double bestOverlap = 0;
        for (char32_t candidate = U'\u2648'; candidate <= U'\u2653'; ++candidate) {
            const double o = overlap(shown, glyphMask(candidate, font, shown.size()));
            if (o > bestOverlap) {
                bestOverlap = o;
                best = candidate;
            }
        }
        QCOMPARE(uint(best), glyph);
        QVERIFY2(bestOverlap > 0.6, qPrintable(QString::number(bestOverlap)));
    }

    void picturesOutOfRange() {
        const forms::PictureList signs(forms::sunSignPictures(), nullptr);
        const forms::PictureList colors(forms::colorPictures(), nullptr);
        for (const int position : {0, 13, 16, -1}) {
            QVERIFY(signs.picture(position).isNull());
        }
        for (const int position : {0, 16, -1}) {
            QVERIFY(colors.picture(position).isNull());
        }
        QVERIFY(!colors.picture(15).isNull());
    }

    void appIcon() {
        QByteArray format;
        const QImage icon = loadImage(u":/pictures/app_icon.png"_s, &format);
        QCOMPARE(format, QByteArray("png"));
        QCOMPARE(icon.size(), QSize(32, 32));
        const ColorCount count = countColors(icon);
        QVERIFY2(count.opaque + (count.transparent ? 1 : 0) <= 256,
                 qPrintable(u"%1 colours"_s.arg(count.opaque)));

        // A white house under a red roof: both must be there.
        bool white = false;
        bool red = false;
        const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QColor c = argb.pixelColor(x, y);
                if (c.alpha() < 255)
                    continue;
                white = white || (c.red() > 240 && c.green() > 240 && c.blue() > 240);
                red = red || (c.red() > 170 && c.green() < 80 && c.blue() < 80);
            }
        }
        QVERIFY(white);
        QVERIFY(red);
    }

    void handPointers_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("maxColors");
        QTest::addColumn<int>("side");
        QTest::addColumn<QPoint>("hotSpot");
        for (const int scale : {1, 2}) {
            const QString suffix = scale == 1 ? QString() : u"@2x"_s;
            QTest::addRow("two colours%s", qPrintable(suffix))
                << u":/pictures/hand_2color%1.png"_s.arg(suffix) << 2 << 32 * scale
                << kHandHotSpot * scale;
            QTest::addRow("sixteen colours%s", qPrintable(suffix))
                << u":/pictures/hand_16color%1.png"_s.arg(suffix) << 16 << 32 * scale
                << kHandHotSpot * scale;
        }
    }

    void handPointers() {
        QFETCH(QString, resource);
        QFETCH(int, maxColors);
        QFETCH(int, side);
        QFETCH(QPoint, hotSpot);
        QByteArray format;
        const QImage hand = loadImage(resource, &format);
        QCOMPARE(format, QByteArray("png"));
        QCOMPARE(hand.size(), QSize(side, side));
        const ColorCount count = countColors(hand);
        QVERIFY2(count.opaque <= maxColors, qPrintable(u"%1 colours"_s.arg(count.opaque)));
        QVERIFY(count.opaque >= 2);
        QVERIFY(count.transparent);
        QVERIFY(!count.partialAlpha);

        // Nothing sits above the hot spot, and the hot spot itself is part of the hand.
        QCOMPARE(qAlpha(hand.pixel(hotSpot)), 255);
        for (int y = 0; y < hotSpot.y(); ++y)
            QCOMPARE(qAlpha(hand.pixel(hotSpot.x(), y)), 0);
    }

    void handPointersShareShape() {
        const QImage two =
            loadImage(u":/pictures/hand_2color.png"_s).convertToFormat(QImage::Format_ARGB32);
        const QImage sixteen =
            loadImage(u":/pictures/hand_16color.png"_s).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(two.size(), sixteen.size());
        for (int y = 0; y < two.height(); ++y) {
            for (int x = 0; x < two.width(); ++x)
                QCOMPARE(qAlpha(two.pixel(x, y)), qAlpha(sixteen.pixel(x, y)));
        }
    }

    // Screens scaled above 1 show a picture drawn at twice the size: the same picture, drawn.
    void doubleSize_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("flat");
        for (const auto& [resource, side] : designedPictures())
            QTest::newRow(qPrintable(resource))
                << resource << side << resource.startsWith(u":/pictures/colors/"_s);
    }

    void doubleSize() {
        QFETCH(QString, resource);
        QFETCH(int, side);
        QFETCH(bool, flat);
        QByteArray format;
        QByteArray doubleFormat;
        const QImage one = loadImage(resource, &format);
        const QImage two = loadImage(doubleSizeName(resource), &doubleFormat);
        QCOMPARE(doubleFormat, format);
        QCOMPARE(two.size(), QSize(2 * side, 2 * side));

        // Reduced to the designed size it is the designed picture, up to the finer edges. A
        // different emblem or hand shading differs by 4 to 10.
        const double reduced = meanDifference(resized(two, one.size()), one);
        QVERIFY2(reduced < 3.5, qPrintable(u"differs by %1"_s.arg(reduced)));
        if (flat)
            return; // a colour swatch has no edge to draw finer

        // Not the designed picture enlarged: pixels repeated into blocks leave every block
        // plain, and a smooth enlargement spreads each edge over two pixels.
        const double mixed = mixedBlocks(two);
        QVERIFY2(mixed > 0.01, qPrintable(u"%1 of the blocks mixed"_s.arg(mixed)));
        const double sharpness = edgeEnergy(two) / edgeEnergy(resized(one, two.size()));
        QVERIFY2(sharpness > 1.6, qPrintable(u"edges %1 times as sharp"_s.arg(sharpness)));
    }

    // Each window shows a picture at its designed size in device-independent pixels; on a
    // screen scaled above 1 (QT_SCALE_FACTOR) it is drawn from the picture at twice the size.
    void picturesAtScreenScale_data() { doubleSize_data(); }

    void picturesAtScreenScale() {
        QFETCH(QString, resource);
        QFETCH(int, side);
        QFETCH(bool, flat);
        const qreal ratio = qApp->devicePixelRatio();
        const QPixmap shown = forms::loadPicture(resource);
        QCOMPARE(shown.devicePixelRatio(), ratio);
        QCOMPARE(shown.deviceIndependentSize().toSize(), QSize(side, side));
        const QImage designed = premultiplied(loadImage(resource));
        if (ratio == 1) {
            QCOMPARE(premultiplied(shown.toImage()), designed);
            return;
        }
        const QImage drawn = premultiplied(shown.toImage());
        QCOMPARE(drawn.size(), (QSizeF(side, side) * ratio).toSize());
        if (flat)
            return;
        // Nearer the picture at twice the size than the designed one, both brought to its size.
        const auto from = [&](const QImage& source) {
            return meanDifference(drawn, resized(source, drawn.size()));
        };
        const double larger = from(loadImage(doubleSizeName(resource)));
        QVERIFY2(larger < from(designed) / 2, qPrintable(u"%1 from the larger"_s.arg(larger)));
    }

    // Packed pixels come back as they went in; anything cut short or sized wrong, as nothing.
    void packedPictures() {
        QImage picture(3, 2, QImage::Format_ARGB32);
        picture.fill(QColor(200, 40, 10, 128));
        picture.setPixel(2, 1, qRgba(0, 0, 255, 255));
        const QByteArray packed = forms::packPicture(picture);
        QCOMPARE(forms::unpackPicture(packed),
                 picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        const QByteArray huge(8, '\xff');
        for (const QByteArray& damaged :
             {QByteArray(), packed.left(8), packed.chopped(1), packed + 'x', huge})
            QVERIFY(forms::unpackPicture(damaged).isNull());
    }

    void cursorsAtScreenScale() {
        const qreal ratio = qApp->devicePixelRatio();
        for (const forms::Pointer pointer :
             {forms::Pointer::HandTwoColor, forms::Pointer::HandSixteenColor}) {
            const QCursor& cursor = forms::handCursor(pointer);
            QCOMPARE(cursor.pixmap().devicePixelRatio(), ratio);
            QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
            QCOMPARE(cursor.hotSpot(), kHandHotSpot); // device-independent, off X11
        }
        const QPixmap icon = forms::programIcon().pixmap(QSize(32, 32), ratio);
        QCOMPARE(icon.toImage(), forms::loadPicture(u":/pictures/app_icon.png"_s).toImage());
    }
};

QTEST_MAIN(TestPictureLists)
#include "test_picture_lists.moc"
