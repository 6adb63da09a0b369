// SPDX-License-Identifier: MIT
#include "reading/sun_sign.h"

namespace reading {

namespace {

struct Cusp {
    SunSign first;
    int boundary; ///< first day position that belongs to the second sign
    SunSign second;
};

// One row per month position; only January and February change sign before the 21st.
constexpr std::array<Cusp, 12> kCusps = {{
    {SunSign::Capricorn, 19, SunSign::Aquarius},
    {SunSign::Aquarius, 18, SunSign::Pisces},
    {SunSign::Pisces, 20, SunSign::Aries},
    {SunSign::Aries, 20, SunSign::Taurus},
    {SunSign::Taurus, 20, SunSign::Gemini},
    {SunSign::Gemini, 20, SunSign::Cancer},
    {SunSign::Cancer, 20, SunSign::Leo},
    {SunSign::Leo, 20, SunSign::Virgo},
    {SunSign::Virgo, 20, SunSign::Libra},
    {SunSign::Libra, 20, SunSign::Scorpio},
    {SunSign::Scorpio, 20, SunSign::Sagittarius},
    {SunSign::Sagittarius, 20, SunSign::Capricorn},
}};

constexpr std::array<std::string_view, 12> kNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

std::string_view g_currentSign;

} // namespace

std::string_view signName(SunSign sign) {
    return kNames.at(static_cast<std::size_t>(ordinal(sign) - 1));
}

int ordinal(SunSign sign) {
    return static_cast<int>(sign);
}

std::optional<SunSign> signForPositions(int monthPosition, int dayPosition) {
    if (monthPosition < 0 || monthPosition > 11 || dayPosition < 0 || dayPosition > 30)
        return std::nullopt;
    const Cusp& cusp = kCusps[static_cast<std::size_t>(monthPosition)];
    return dayPosition < cusp.boundary ? cusp.first : cusp.second;
}

std::string_view currentSign() {
    return g_currentSign;
}

void determineSunSign(int monthPosition, int dayPosition) {
    if (const auto sign = signForPositions(monthPosition, dayPosition))
        g_currentSign = signName(*sign);
}

void resetCurrentSign() {
    g_currentSign = {};
}

} // namespace reading
