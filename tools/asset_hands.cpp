// SPDX-License-Identifier: MIT
#include "asset_hands.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "asset_files.h"

namespace assetgen {

namespace {

// The pointer hand, one character a pixel: '.' transparent, 'K' outline, 'W' fill.
// Hot spot: (7, 0), the top of the index finger.
// clang-format off
constexpr std::array<std::string_view, 32> kHand = {{
    "......KKK.......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWKKKK...................",
    ".....KWWWKWWWKKKK...............",
    ".....KWWWKWWWKWWWKKK............",
    ".....KWWWKWWWKWWWKWWK...........",
    ".....KWWWKWWWKWWWKWWK...........",
    ".KKKKKWWWKWWWKWWWKWWK...........",
    ".KWWWKWWWKWWWKWWWKWWK...........",
    ".KWWWKWWWWWWWWWWWWWWK...........",
    ".KWWWWWWWWWWWWWWWWWWK...........",
    "..KWWWWWWWWWWWWWWWWWK...........",
    "..KWWWWWWWWWWWWWWWWWK...........",
    "...KWWWWWWWWWWWWWWWWK...........",
    "...KWWWWWWWWWWWWWWWK............",
    "....KWWWWWWWWWWWWWWK............",
    "....KWWWWWWWWWWWWWWK............",
    ".....KWWWWWWWWWWWWK.............",
    ".....KKKKKKKKKKKKKK.............",
    ".....KWWWWWWWWWWWWK.............",
    ".....KWWWWWWWWWWWWK.............",
    ".....KKKKKKKKKKKKKK.............",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
}};
// clang-format on

/// The pointer's cells at a scale: at 2 each cell splits in four, and where the outline steps
/// diagonally the split follows the diagonal (the Scale2x rule), so the steps come out finer.
std::vector<std::string> handCells(int scale) {
    std::vector<std::string> cells(kHand.begin(), kHand.end());
    if (scale == 1)
        return cells;
    const auto at = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= 32 || y >= 32)
            return '.';
        return kHand[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    };
    std::vector<std::string> fine(64, std::string(64, '.'));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const char e = at(x, y);
            const char b = at(x, y - 1);
            const char d = at(x - 1, y);
            const char f = at(x + 1, y);
            const char h = at(x, y + 1);
            const auto put = [&](int dx, int dy, char c) {
                const int row = 2 * y + dy;
                const int column = 2 * x + dx;
                fine[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = c;
            };
            put(0, 0, d == b && b != f && d != h ? d : e);
            put(1, 0, b == f && b != d && f != h ? f : e);
            put(0, 1, d == h && d != b && h != f ? d : e);
            put(1, 1, h == f && d != h && b != f ? f : e);
        }
    }
    return fine;
}

/// Grey of the fill at a distance from the outline on its right or below, in pixels of the
/// scale. At 2 each band of the designed size splits into two tones that average to it.
QRgb handShade(int scale, int distance) {
    static constexpr std::array<QRgb, 2> kDesigned = {0xFFC8C8C8, 0xFFE6E6E6};
    static constexpr std::array<QRgb, 4> kFine = {0xFFBEBEBE, 0xFFD2D2D2, 0xFFE0E0E0, 0xFFECECEC};
    if (distance < 1 || distance > 2 * scale)
        return 0xFFFFFFFF;
    const auto index = static_cast<std::size_t>(distance - 1);
    return scale == 1 ? kDesigned.at(index) : kFine.at(index);
}

} // namespace

QImage drawHand(bool shaded, int scale) {
    const std::vector<std::string> cells = handCells(scale);
    const int size = 32 * scale;
    QImage image = blankImage(size, size, QImage::Format_ARGB32, 0);
    const auto at = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= size || y >= size)
            return '.';
        return cells[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    };
    // How far the outline lies to the right of, or below, a pixel; beyond the shaded bands: 0.
    const auto outlineAt = [&](int x, int y, int dx, int dy) {
        for (int step = 1; step <= 2 * scale; ++step) {
            if (at(x + step * dx, y + step * dy) == 'K')
                return step;
        }
        return 0;
    };
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const char c = at(x, y);
            if (c == 'K') {
                image.setPixel(x, y, 0xFF000000);
            } else if (c == 'W') {
                QRgb fill = 0xFFFFFFFF;
                // Light from the upper left: edges facing right and down fall into shade.
                if (shaded) {
                    const int right = outlineAt(x, y, 1, 0);
                    const int below = outlineAt(x, y, 0, 1);
                    if (right != 0 && right <= scale && below != 0 && below <= scale)
                        fill = 0xFF909090;
                    else if (right != 0 || below != 0)
                        fill = handShade(
                            scale, right == 0 || (below != 0 && below < right) ? below : right);
                }
                image.setPixel(x, y, fill);
            }
        }
    }
    return image;
}

} // namespace assetgen
