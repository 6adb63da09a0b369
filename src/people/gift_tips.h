// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include "reading/sun_sign.h"

namespace people {

/// What a sign's reading says to give, in the language spoken.
struct GiftTips {
    QString sign;
    QString colors;
    int swatch = 0; ///< 1-based position in the colour swatch list
    QString birthstone;
    QStringList style; ///< the home design style, a sentence a line
};

GiftTips giftTips(reading::SunSign sign);

} // namespace people
