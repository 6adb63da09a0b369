// SPDX-License-Identifier: MIT
#include "reading/sun_sign.h"

#include "reading/translatable.h"

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

// Also the catalogue's keys, so always looked up in English.
constexpr std::array<std::string_view, 12> kNames = {
    READING_TR_NOOP("Reading", "Aries"),       READING_TR_NOOP("Reading", "Taurus"),
    READING_TR_NOOP("Reading", "Gemini"),      READING_TR_NOOP("Reading", "Cancer"),
    READING_TR_NOOP("Reading", "Leo"),         READING_TR_NOOP("Reading", "Virgo"),
    READING_TR_NOOP("Reading", "Libra"),       READING_TR_NOOP("Reading", "Scorpio"),
    READING_TR_NOOP("Reading", "Sagittarius"), READING_TR_NOOP("Reading", "Capricorn"),
    READING_TR_NOOP("Reading", "Aquarius"),    READING_TR_NOOP("Reading", "Pisces")};

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
