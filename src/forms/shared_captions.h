// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <QtGlobal>

// Captions that both main windows show.

namespace forms {

// %1 is the community site's address (see designText).
inline constexpr std::string_view kBannerCaption = QT_TRANSLATE_NOOP(
    "Design", "Velmora is the most popular online discussion community of its kind. It is the "
              "best resource on the occult. Visit %1 now!");

inline constexpr std::string_view kCoBrandCaption = QT_TRANSLATE_NOOP(
    "Design",
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");

inline constexpr std::string_view kFullBrandCaption = QT_TRANSLATE_NOOP(
    "Design",
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.");

} // namespace forms
