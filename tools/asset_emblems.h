// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QFont>
#include <QImage>

// The twelve sign emblems: the sign's glyph in gold on a glowing disc among stars.

namespace assetgen {

inline constexpr int kSignSize = 200;

// A file path rather than a family name: fontconfig may substitute a look-alike face.
inline constexpr auto kGlyphFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

struct Sign {
    const char* name;
    char32_t glyph;
};

inline constexpr std::array<Sign, 12> kSigns = {{
    {"Aries", U'\u2648'},
    {"Taurus", U'\u2649'},
    {"Gemini", U'\u264A'},
    {"Cancer", U'\u264B'},
    {"Leo", U'\u264C'},
    {"Virgo", U'\u264D'},
    {"Libra", U'\u264E'},
    {"Scorpio", U'\u264F'},
    {"Sagittarius", U'\u2650'},
    {"Capricorn", U'\u2651'},
    {"Aquarius", U'\u2652'},
    {"Pisces", U'\u2653'},
}};

/// The face the glyphs come from; a font without a family when it cannot be loaded.
QFont glyphFont();

/// The emblem at its designed size times `scale`; without a font the sign's name stands in.
QImage drawSign(const Sign& sign, std::uint32_t seed, const std::optional<QFont>& font, int scale);

/// The designed size at the highest quality whose file fits the size window; twice the size at
/// one quality for all.
QByteArray encodeSign(const QImage& image, const char* name, int& chosenQuality);

} // namespace assetgen
