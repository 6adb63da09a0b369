// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reading/birth_details.h"
#include "reading/reading.h"
#include "reading/translatable.h"

namespace reading {

/// "15 August 1990" for 0-based day and month positions; empty when the day, the month or the
/// year cannot be named. The calendar is not checked: that is the entry check's job.
std::string birthDateText(int dayPosition, int monthPosition, int year);

/// How the engine's texts reach the reader: as written, in the program's own English, unless a
/// translation is given.
struct Wording {
    /// A text the engine marks (see translatable.h), in the reader's language, as UTF-8.
    Translate text;
    /// The birth date written out; empty when it cannot be named.
    std::function<std::string(int dayPosition, int monthPosition, int year)> date = birthDateText;
};

/// First, middle and last name in UTF-8, each without outer blanks, empty ones left out.
std::string fullName(const BirthDetails& details);

/// Who a reading is for: the full name and "Born <date>", each left out when it is empty.
std::vector<std::string> personLines(const BirthDetails& details, const Wording& wording = {});

/// One value of a reading under the result window's heading for it.
struct Headed {
    std::string_view source; ///< the heading as the engine writes it, untranslated
    std::string heading;
    std::string text;
};

/// The seven attributes, in the result window's order.
std::vector<Headed> attributes(const SignProfile& profile, const Wording& wording = {});

/// The five texts, in the result window's order; the design lines joined by "\n". A text the
/// profile lacks is left out.
std::vector<Headed> texts(const SignProfile& profile, const Wording& wording = {});

/// The reading as plain UTF-8 text to copy or save, every line ending in "\n": who it is for,
/// the sign, its attributes and texts under the result window's headings, and `signature`.
std::string readingText(const Reading& reading, const BirthDetails& details,
                        std::string_view signature, const Wording& wording = {});

} // namespace reading
