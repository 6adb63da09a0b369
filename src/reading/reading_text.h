// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reading/birth_details.h"
#include "reading/reading.h"

namespace reading {

/// "15 August 1990" for 0-based day and month positions; empty when the day, the month or the
/// year cannot be named. The calendar is not checked: that is the entry check's job.
std::string birthDateText(int dayPosition, int monthPosition, int year);

/// First, middle and last name in UTF-8, each without outer blanks, empty ones left out.
std::string fullName(const BirthDetails& details);

/// Who a reading is for: the full name and "Born <date>", each left out when it is empty.
std::vector<std::string> personLines(const BirthDetails& details);

/// One value of a reading under the result window's heading for it.
struct Headed {
    std::string_view heading;
    std::string text;
};

/// The seven attributes, in the result window's order.
std::vector<Headed> attributes(const SignProfile& profile);

/// The five texts, in the result window's order; the design lines joined by "\n". A text the
/// profile lacks is left out.
std::vector<Headed> texts(const SignProfile& profile);

/// The reading as plain UTF-8 text to copy or save, every line ending in "\n": who it is for,
/// the sign, its attributes and texts under the result window's headings, and `signature`.
std::string readingText(const Reading& reading, const BirthDetails& details,
                        std::string_view signature);

} // namespace reading
