// SPDX-License-Identifier: MIT
#include "reading/birth_details.h"

#include "reading/translatable.h"

namespace reading {

namespace {

constexpr std::int16_t kFebruary = 1;

bool breaksFebruaryRule(const BirthDetails& d) {
    if (d.month != kFebruary)
        return false;
    const std::int16_t firstBadDay = isLeapYear(d.year) ? 29 : 28;
    return d.day >= firstBadDay && d.day <= 30;
}

bool breaksThirtyDayRule(const BirthDetails& d) {
    const bool thirtyDayMonth = d.month == 3 || d.month == 5 || d.month == 8 || d.month == 10;
    return thirtyDayMonth && d.day == 30;
}

} // namespace

std::string_view focusControlName(FocusTarget target) {
    switch (target) {
    case FocusTarget::FirstName:
        return "txtFirstName";
    case FocusTarget::LastName:
        return "txtLastName";
    case FocusTarget::Date:
        return "cboDate";
    case FocusTarget::Month:
        return "cboMonth";
    case FocusTarget::Year:
        return "cboYear";
    case FocusTarget::None:
        break;
    }
    return {};
}

bool isLeapYear(std::int32_t year) {
    // Gregorian rule: 1900 was no leap year, 2000 was.
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::optional<RuleBreak> checkBirthDetails(const BirthDetails& d) {
    if (d.firstName.empty())
        return RuleBreak{1, READING_TR_NOOP("Reading", "Please Enter Your First Name"),
                         FocusTarget::FirstName};
    if (d.lastName.empty())
        return RuleBreak{2, READING_TR_NOOP("Reading", "Please Enter Your Last Name"),
                         FocusTarget::LastName};
    if (d.dayText.empty())
        return RuleBreak{3, READING_TR_NOOP("Reading", "Please Specify Your Birth Date"),
                         FocusTarget::Date};
    if (d.monthText.empty())
        return RuleBreak{4, READING_TR_NOOP("Reading", "Please Specify Your Birth Month"),
                         FocusTarget::Month};
    if (d.yearText.empty())
        return RuleBreak{5, READING_TR_NOOP("Reading", "Please Specify Your Birth Year"),
                         FocusTarget::Year};
    if (breaksFebruaryRule(d))
        return RuleBreak{6, READING_TR_NOOP("Reading", "Please Enter Correct Date Or Month!"),
                         FocusTarget::None};
    if (breaksThirtyDayRule(d))
        return RuleBreak{7, READING_TR_NOOP("Reading", "Please Enter Correct Date Or Month !"),
                         FocusTarget::None};
    return std::nullopt;
}

} // namespace reading
