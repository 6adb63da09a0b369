// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <variant>

#include "reading/birth_details.h"
#include "reading/sign_catalogue.h"

namespace reading {

/// What one reading shows: the sign name (possibly empty) and its profile, if any.
struct Reading {
    std::string signName;
    const SignProfile* profile = nullptr;
};

using ReadingOutcome = std::variant<Reading, RuleBreak>;

/// Checks the details, determines the sign (updating the current sign) and looks it up.
ReadingOutcome produceReading(const BirthDetails& details);

} // namespace reading
