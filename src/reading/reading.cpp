// SPDX-License-Identifier: MIT
#include "reading/reading.h"

#include "reading/sun_sign.h"

namespace reading {

ReadingOutcome produceReading(const BirthDetails& details) {
    if (auto broken = checkBirthDetails(details))
        return *broken;
    determineSunSign(details.month, details.day);
    Reading result;
    result.signName = std::string(currentSign());
    result.profile = lookUpProfile(result.signName);
    return result;
}

} // namespace reading
