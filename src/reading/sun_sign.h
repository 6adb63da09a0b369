// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace reading {

/// The twelve signs in catalogue order; the value is the ordinal (1 to 12).
enum class SunSign {
    Aries = 1,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};

inline constexpr std::array<SunSign, 12> kAllSigns = {
    SunSign::Aries,       SunSign::Taurus,    SunSign::Gemini,   SunSign::Cancer,
    SunSign::Leo,         SunSign::Virgo,     SunSign::Libra,    SunSign::Scorpio,
    SunSign::Sagittarius, SunSign::Capricorn, SunSign::Aquarius, SunSign::Pisces};

std::string_view signName(SunSign sign);
int ordinal(SunSign sign);

/// The sign of a day and month given as list positions; nothing when either is out of range.
std::optional<SunSign> signForPositions(int monthPosition, int dayPosition);

/// Name of the most recently determined sign; empty until the first determination.
std::string_view currentSign();

/// Sets the current sign when the positions determine one, else leaves it as it was.
void determineSunSign(int monthPosition, int dayPosition);

/// Empties the current sign, as at start (tests only: the program never clears it).
void resetCurrentSign();

} // namespace reading
