// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "reading/translatable.h"

namespace reading {

/// The entries of the input window, read afresh for every reading.
struct BirthDetails {
    std::u16string firstName;
    std::u16string middleName;
    std::u16string lastName;
    std::int16_t day = 0;   ///< 0-based position in the day list (0 = the 1st)
    std::int16_t month = 0; ///< 0-based position in the month list (0 = January)
    std::int32_t year = 0;
    std::u16string dayText;
    std::u16string monthText;
    std::u16string yearText;
};

/// The first and last entries of the year list.
inline constexpr std::int32_t kFirstListYear = 1900;
inline constexpr std::int32_t kLastListYear = 2050;

/// The month list's entries, January first.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

/// The input control that takes the focus after a broken rule.
enum class FocusTarget { None, FirstName, LastName, Date, Month, Year };

/// The design name of the control behind a focus target; empty for None.
std::string_view focusControlName(FocusTarget target);

struct RuleBreak {
    int rule = 0;
    std::string_view message;
    FocusTarget focus = FocusTarget::None;
};

/// The first broken rule, or nothing when the details pass.
std::optional<RuleBreak> checkBirthDetails(const BirthDetails& details);

bool isLeapYear(std::int32_t year);

//: Shown when a name box refuses a character: say which ones it takes (letters of any
//: alphabet, with their accents; small ones become capitals; and blanks).
inline constexpr std::string_view kOnlyAlphabetMessage =
    READING_TR_NOOP("Reading", "Please Enter Only Alphabet");

} // namespace reading
