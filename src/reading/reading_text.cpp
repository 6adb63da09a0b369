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

std::string say(const Wording& wording, std::string_view text) {
    return wording.text ? wording.text(text) : std::string(text);
}

/// The pattern with "%1" and "%2" replaced by the values.
std::string filled(std::string pattern, std::string_view first, std::string_view second = {}) {
    for (const auto& [marker, value] : {std::pair{"%1", first}, std::pair{"%2", second}}) {
        // Past each value put in, so that a "%2" inside the first value stays as it is.
        for (auto at = pattern.find(marker); at != std::string::npos;
             at = pattern.find(marker, at + value.size()))
            pattern.replace(at, 2, value);
    }
    return pattern;
}

constexpr std::string_view kPreferredColors = READING_TR_NOOP("Reading", "Preferred Colors");
constexpr std::string_view kRulingPlanet = READING_TR_NOOP("Reading", "Ruling Planet");

//: A heading and its value on one line of a reading kept as text ("Element: Fire").
constexpr std::string_view kHeadedLine = READING_TR_NOOP("Reading", "%1: %2");

void addProfile(std::string& text, const SignProfile& profile, const Wording& wording) {
    text += '\n';
    const std::string headedLine = say(wording, kHeadedLine);
    for (const Headed& attribute : attributes(profile, wording))
        addLine(text, filled(headedLine, attribute.heading, attribute.text));
    for (const Headed& body : texts(profile, wording)) {
        text += '\n';
        addLine(text, body.heading);
        addLine(text, body.text);
    }
}

Headed headed(const Wording& wording, std::string_view heading, std::string text) {
    return {heading, say(wording, heading), std::move(text)};
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

std::vector<std::string> personLines(const BirthDetails& details, const Wording& wording) {
    std::vector<std::string> lines;
    if (std::string name = fullName(details); !name.empty())
        lines.push_back(std::move(name));
    const std::string born = wording.date ? wording.date(details.day, details.month, details.year)
                                          : birthDateText(details.day, details.month, details.year);
    if (!born.empty())
        //: %1 is the birth date as the language writes it out, weekday included.
        lines.push_back(filled(say(wording, READING_TR_NOOP("Reading", "Born %1")), born));
    return lines;
}

std::vector<Headed> attributes(const SignProfile& profile, const Wording& wording) {
    const auto value = [&wording](std::string_view text) { return say(wording, text); };
    return {
        headed(wording, READING_TR_NOOP("Reading", "Lucky Day"), value(profile.luckyDay)),
        headed(wording, READING_TR_NOOP("Reading", "Lucky Number"), value(profile.luckyNumbers)),
        headed(wording, READING_TR_NOOP("Reading", "Compatibility"), value(profile.compatibility)),
        headed(wording, READING_TR_NOOP("Reading", "Birthstone"), value(profile.birthstone)),
        headed(wording, READING_TR_NOOP("Reading", "Element"), value(profile.element)),
        headed(wording, kPreferredColors, value(profile.preferredColors)),
        headed(wording, kRulingPlanet, value(profile.rulingPlanet))};
}

std::vector<Headed> texts(const SignProfile& profile, const Wording& wording) {
    const auto value = [&wording](std::string_view text) { return say(wording, text); };
    std::vector<Headed> result = {headed(wording, READING_TR_NOOP("Reading", "Positive Traits"),
                                         value(profile.positiveTraits)),
                                  headed(wording, READING_TR_NOOP("Reading", "Negative Traits"),
                                         value(profile.negativeTraits)),
                                  headed(wording, READING_TR_NOOP("Reading", "Design Style"),
                                         designStyleText(profile, "\n", wording.text))};
    if (profile.colorText)
        result.push_back(headed(wording, kPreferredColors, value(profile.colorText->text)));
    if (profile.planetText)
        result.push_back(headed(wording, kRulingPlanet, value(profile.planetText->text)));
    return result;
}

std::string readingText(const Reading& reading, const BirthDetails& details,
                        std::string_view signature, const Wording& wording) {
    std::string text;
    for (const std::string& line : personLines(details, wording))
        addLine(text, line);
    if (!reading.signName.empty()) {
        text += '\n';
        addLine(text, filled(say(wording, kHeadedLine),
                             say(wording, READING_TR_NOOP("Reading", "Sun Sign")),
                             say(wording, reading.signName)));
    }
    if (reading.profile)
        addProfile(text, *reading.profile, wording);
    text += '\n';
    addLine(text, signature);
    return text;
}

} // namespace reading
