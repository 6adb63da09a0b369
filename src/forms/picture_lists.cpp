// SPDX-License-Identifier: MIT
#include "forms/picture_lists.h"

#include <array>

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmapCache>
#include <QResource>

#include "forms/raw_picture.h"
#include "forms/units.h"

static void initDwellstarAssets() {
    // Resources in a static library are only registered by this call.
    Q_INIT_RESOURCE(dwellstar_assets);
    Q_INIT_RESOURCE(dwellstar_packed_pictures);
}

namespace forms {

namespace {

constexpr std::array<PictureItem, 12> kSunSigns = {{
    {"Aries.jpg", ":/pictures/signs/Aries.jpg"},
    {"Taurus.jpg", ":/pictures/signs/Taurus.jpg"},
    {"Gemini.jpg", ":/pictures/signs/Gemini.jpg"},
    {"Cancer.jpg", ":/pictures/signs/Cancer.jpg"},
    {"Leo.jpg", ":/pictures/signs/Leo.jpg"},
    {"Virgo.jpg", ":/pictures/signs/Virgo.jpg"},
    {"Libra.jpg", ":/pictures/signs/Libra.jpg"},
    {"Scorpio.jpg", ":/pictures/signs/Scorpio.jpg"},
    {"Sagittarius.jpg", ":/pictures/signs/Sagittarius.jpg"},
    {"Capricorn.jpg", ":/pictures/signs/Capricorn.jpg"},
    {"Aquarius.jpg", ":/pictures/signs/Aquarius.jpg"},
    {"Pisces.jpg", ":/pictures/signs/Pisces.jpg"},
}};

constexpr std::array<PictureItem, 15> kColors = {{
    {"blue.jpg", ":/pictures/colors/blue.jpg"},
    {"coral.jpg", ":/pictures/colors/coral.jpg"},
    {"gold.jpg", ":/pictures/colors/gold.jpg"},
    {"green.jpg", ":/pictures/colors/green.jpg"},
    {"indigo.jpg", ":/pictures/colors/indigo.jpg"},
    {"magenta.jpg", ":/pictures/colors/magenta.jpg"},
    {"olive.jpg", ":/pictures/colors/olive.jpg"},
    {"orange.jpg", ":/pictures/colors/orange.jpg"},
    {"red.jpg", ":/pictures/colors/red.jpg"},
    {"turquoise.jpg", ":/pictures/colors/turquoise.jpg"},
    {"violet.jpg", ":/pictures/colors/violet.jpg"},
    {"yellow.jpg", ":/pictures/colors/yellow.jpg"},
    {"", ":/pictures/colors/pink.jpg"},
    {"white.jpg", ":/pictures/colors/white.jpg"},
    {"brown", ":/pictures/colors/brown.jpg"},
}};

QImage readPicture(const QString& resource) {
    const qsizetype dot = resource.lastIndexOf(u'.');
    if (const QResource packed(resource.left(dot) + QStringLiteral(".argb32")); packed.isValid())
        return unpackPicture(packed.uncompressedData());
    // By the format its name ends with: guessing from the contents would load every image
    // plugin first.
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

std::span<const PictureItem> sunSignPictures() {
    return kSunSigns;
}

std::span<const PictureItem> colorPictures() {
    return kColors;
}

std::span<const PictureItem> picturesNamed(std::string_view name) {
    if (name == "signs")
        return kSunSigns;
    if (name == "colors")
        return kColors;
    return {};
}

void initResources() {
    static const bool done = [] {
        initDwellstarAssets();
        return true;
    }();
    (void)done;
}

QPixmap loadPicture(const QString& resource) {
    // A screen scaled above 1 gets the picture drawn at twice the size, brought to the screen's
    // own scale so that it is drawn pixel for pixel; at 1 the designed picture, as always.
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    // Shared through the pixmap cache: every result window shows the same placeholders.
    QString key = QStringLiteral("dwellstar:") + resource;
    if (ratio > 1)
        key += u'@' + QString::number(ratio);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    initResources();
    QImage image;
    if (ratio > 1) {
        const qsizetype dot = resource.lastIndexOf(u'.');
        image = readPicture(resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot));
        // Qt 6.4 crashes smooth-scaling a palette picture whose pixel ratio is 2, as an "@2x"
        // file reads; in true colour it does not, and blends better.
        if (!image.isNull() && ratio != 2)
            image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                        .scaled((QSizeF(image.size()) * ratio / 2).toSize(), Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
    }
    if (image.isNull())
        image = readPicture(resource);
    picture = QPixmap::fromImage(image);
    QPixmapCache::insert(key, picture);
    return picture;
}

PictureList::PictureList(std::span<const PictureItem> items, QWidget* parent)
    : QWidget(parent), m_items(items) {
    initResources();
    hide();
}

int PictureList::count() const {
    return static_cast<int>(m_items.size());
}

QString PictureList::key(int position) const {
    if (position < 1 || position > count())
        return {};
    const std::string_view key = m_items[static_cast<std::size_t>(position - 1)].key;
    return toQString(key);
}

QPixmap pictureAt(std::span<const PictureItem> items, int position) {
    if (position < 1 || position > static_cast<int>(items.size()))
        return {};
    return loadPicture(toQString(items[static_cast<std::size_t>(position - 1)].resource));
}

QPixmap PictureList::picture(int position) const {
    return pictureAt(m_items, position);
}

} // namespace forms
