// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "reading/translatable.h"

namespace reading {

/// One paragraph shared by several signs; signs sharing it point at the same object.
struct SharedText {
    std::string_view subject{};
    std::string_view text{};
};

/// The catalogue record of one sign, in the order a reading applies it.
struct SignProfile {
    std::string_view name{};
    std::string_view element{};
    std::string_view luckyNumbers{};
    std::string_view luckyDay{};
    std::string_view compatibility{};
    std::string_view birthstone{};
    std::string_view positiveTraits{};
    std::string_view negativeTraits{};
    int signPicture = 0; ///< 1-based position in the sign picture list
    std::string_view preferredColors{};
    int colorSwatch = 0; ///< 1-based position in the colour swatch list
    const SharedText* colorText = nullptr;
    std::string_view rulingPlanet{};
    const SharedText* planetText = nullptr;
    std::span<const std::string_view> designLines{};
};

/// The twelve profiles in catalogue order, Aries first.
std::span<const SignProfile> catalogue();

/// Exact, case-sensitive look-up by sign name; nullptr when no name is equal.
const SignProfile* lookUpProfile(std::string_view name);

/// The design lines joined by CR LF, ready for a multi-line text box, or by `separator`; each
/// line translated by `translate`, if given.
std::string designStyleText(const SignProfile& profile, std::string_view separator = "\r\n",
                            const Translate& translate = {});

/// The seven colour texts and seven planet texts (for tests and tools).
std::span<const SharedText* const> colorTexts();
std::span<const SharedText* const> planetTexts();

} // namespace reading
