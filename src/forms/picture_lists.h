// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace forms {

struct PictureItem {
    std::string_view key; ///< empty: the item has no key
    std::string_view resource;
};

/// The 12 sign emblems, Aries first (200 x 200).
std::span<const PictureItem> sunSignPictures();
/// The 15 colour swatches (25 x 25).
std::span<const PictureItem> colorPictures();
/// The list a design names: "signs" or "colors"; empty for any other name.
std::span<const PictureItem> picturesNamed(std::string_view name);

/// Makes the embedded pictures available; safe to call more than once.
void initResources();

/// Decodes an embedded picture by the format its name ends with (guessing from the contents
/// would load every image plugin first), or reads it from the raw pixels packed beside it (see
/// raw_picture.h), shared through the pixmap cache. On a screen scaled
/// above 1 it is the picture drawn at twice the size ("@2x"), at the screen's scale; its
/// device-independent size stays the designed one.
QPixmap loadPicture(const QString& resource);

/// The picture at a 1-based position of a list; a null pixmap for one the list does not hold.
QPixmap pictureAt(std::span<const PictureItem> items, int position);

/// An invisible holder of pictures addressed by 1-based position.
/// Pictures are decoded on first use (see loadPicture), so a window that never shows one never
/// pays for it.
class PictureList final : public QWidget {
public:
    PictureList(std::span<const PictureItem> items, QWidget* parent);

    int count() const;
    /// Empty for a position the list does not hold, or an item without key.
    QString key(int position) const;
    /// A null pixmap for a position the list does not hold.
    QPixmap picture(int position) const;

private:
    std::span<const PictureItem> m_items;
};

} // namespace forms
