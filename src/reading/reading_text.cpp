// SPDX-License-Identifier: MIT
#include "reading/reading_text.h"

#include <array>

namespace reading {

namespace {

void appendUtf8(std::string& out, char32_t code) {
    static constexpr std::array<unsigned char, 4> kLead = {0x00, 0xC0, 0xE0, 0xF0};
    const int more = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    out += static_cast<char>(kLead[more] | (code >> (6 * more)));
    for (int shift = 6 * (more - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
}

/// A lone half of a surrogate pair, which UTF-8 cannot hold, becomes U+FFFD.
std::string toUtf8(std::u16string_view text) {
    const auto within = [](char32_t unit, char32_t low, char32_t high) {
        return unit >= low && unit <= high;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (within(code, 0xD800, 0xDBFF) && i + 1 < text.size() &&
            within(text[i + 1], 0xDC00, 0xDFFF))
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00U);
        else if (within(code, 0xD800, 0xDFFF))
            code = 0xFFFD;
        appendUtf8(out, code);
    }
    return out;
}

std::u16string_view trimmed(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

void addLine(std::string& text, std::string_view line) {
    text += line;
    text += '\n';
}

void addProfile(std::string& text, const SignProfile& profile) {
    text += '\n';
    for (const auto& [heading, value] : attributes(profile)) {
        text += heading;
        text += ": ";
        addLine(text, value);
    }
    for (const auto& [heading, body] : texts(profile)) {
        text += '\n';
        addLine(text, heading);
        addLine(text, body);
    }
}

} // namespace

std::string birthDateText(int dayPosition, int monthPosition, int year) {
    constexpr int kDays = 31;
    const bool named = dayPosition >= 0 && dayPosition < kDays && monthPosition >= 0 &&
                       monthPosition < static_cast<int>(kMonthNames.size()) && year > 0;
    if (!named)
        return {};
    std::string text = std::to_string(dayPosition + 1);
    text += ' ';
    text += kMonthNames[static_cast<std::size_t>(monthPosition)];
    text += ' ';
    text += std::to_string(year);
    return text;
}

std::string fullName(const BirthDetails& details) {
    std::string name;
    for (const std::u16string_view part :
         {trimmed(details.firstName), trimmed(details.middleName), trimmed(details.lastName)}) {
        if (part.empty())
            continue;
        if (!name.empty())
            name += ' ';
        name += toUtf8(part);
    }
    return name;
}

std::vector<std::string> personLines(const BirthDetails& details) {
    std::vector<std::string> lines;
    if (std::string name = fullName(details); !name.empty())
        lines.push_back(std::move(name));
    if (const std::string born = birthDateText(details.day, details.month, details.year);
        !born.empty())
        lines.push_back("Born " + born);
    return lines;
}

std::vector<Headed> attributes(const SignProfile& profile) {
    return {{"Lucky Day", std::string(profile.luckyDay)},
            {"Lucky Number", std::string(profile.luckyNumbers)},
            {"Compatibility", std::string(profile.compatibility)},
            {"Birthstone", std::string(profile.birthstone)},
            {"Element", std::string(profile.element)},
            {"Preferred Colors", std::string(profile.preferredColors)},
            {"Ruling Planet", std::string(profile.rulingPlanet)}};
}

std::vector<Headed> texts(const SignProfile& profile) {
    std::vector<Headed> result = {{"Positive Traits", std::string(profile.positiveTraits)},
                                  {"Negative Traits", std::string(profile.negativeTraits)},
                                  {"Design Style", designStyleText(profile, "\n")}};
    if (profile.colorText)
        result.push_back({"Preferred Colors", std::string(profile.colorText->text)});
    if (profile.planetText)
        result.push_back({"Ruling Planet", std::string(profile.planetText->text)});
    return result;
}

std::string readingText(const Reading& reading, const BirthDetails& details,
                        std::string_view signature) {
    std::string text;
    for (const std::string& line : personLines(details))
        addLine(text, line);
    if (!reading.signName.empty()) {
        text += "\nSun Sign: ";
        addLine(text, reading.signName);
    }
    if (reading.profile)
        addProfile(text, *reading.profile);
    text += '\n';
    addLine(text, signature);
    return text;
}

} // namespace reading
