// SPDX-License-Identifier: MIT
#include "people/gift_tips.h"

#include "language/language.h"
#include "reading/sign_catalogue.h"

namespace people {

GiftTips giftTips(reading::SunSign sign) {
    const reading::SignProfile* profile = reading::lookUpProfile(reading::signName(sign));
    GiftTips tips;
    tips.sign = language::readingWord(reading::signName(sign));
    if (!profile)
        return tips;
    tips.colors = language::readingWord(profile->preferredColors);
    tips.swatch = profile->colorSwatch;
    tips.birthstone = language::readingWord(profile->birthstone);
    for (const std::string_view line : profile->designLines)
        tips.style << language::readingWord(line);
    return tips;
}

} // namespace people
