// SPDX-License-Identifier: MIT
#include "reading/sign_catalogue.h"

namespace reading {

const SignProfile* lookUpProfile(std::string_view name) {
    for (const SignProfile& profile : catalogue()) {
        if (profile.name == name)
            return &profile;
    }
    return nullptr;
}

std::string designStyleText(const SignProfile& profile, std::string_view separator,
                            const Translate& translate) {
    std::string text;
    // Keyed on position, not on text so far, so an empty first line keeps its separator.
    bool first = true;
    for (const std::string_view line : profile.designLines) {
        if (!first)
            text += separator;
        text += translate ? translate(line) : std::string(line);
        first = false;
    }
    return text;
}

} // namespace reading
