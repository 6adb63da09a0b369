// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <QString>

#include "reading/reading_text.h"

// The reading engine speaks English; these put its texts into the user's language.

namespace shell {

/// A text the engine marks, in the user's language.
QString readingWord(std::string_view text);

/// The engine's texts in the user's language, and the birth date written out as that language
/// writes it (the engine's own form while the program speaks English).
reading::Wording userWording();

} // namespace shell
