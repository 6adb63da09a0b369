#include "reading/sign_catalogue.h"

namespace reading {

const SignProfile* lookUpProfile(std::string_view name) {
    for (const SignProfile& profile : catalogue()) {
        if (profile.name == name)
            return &profile;
    }
    return nullptr;
}

std::string designStyleText(const SignProfile& profile) {
    std::string text;
    for (const std::string_view line : profile.designLines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return text;
}

} // namespace reading
