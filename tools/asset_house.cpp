// SPDX-License-Identifier: MIT
#include "asset_house.h"

#include <array>

#include <QLinearGradient>
#include <QPainter>

#include "asset_files.h"

using namespace Qt::StringLiterals;

namespace assetgen {

namespace {

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

QString svgColor(QRgb color) {
    return QColor::fromRgba(color).name(QColor::HexRgb);
}

QString svgNumber(double value) {
    return QString::number(value, 'g', 6);
}

} // namespace

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

} // namespace assetgen
