#include "reading/sign_catalogue.h"

// Every text a reading shows. Short attributes are exact; the prose is ours.

namespace reading {

namespace {

using namespace std::string_view_literals;

// ---- shared colour texts ----
constexpr SharedText kRed{"red", "TODO"};
constexpr SharedText kGreen{"green", "TODO"};
constexpr SharedText kYellow{"yellow", "TODO"};
constexpr SharedText kWhite{"white", "TODO"};
constexpr SharedText kOrange{"orange", "TODO"};
constexpr SharedText kBrown{"brown", "TODO"};
constexpr SharedText kViolet{"violet", "TODO"};

// ---- shared planet texts ----
constexpr SharedText kMars{"Mars", "TODO"};
constexpr SharedText kVenus{"Venus", "TODO"};
constexpr SharedText kMercury{"Mercury", "TODO"};
constexpr SharedText kMoon{"Moon", "TODO"};
constexpr SharedText kSun{"Sun", "TODO"};
constexpr SharedText kJupiter{"Jupiter", "TODO"};
constexpr SharedText kSaturn{"Saturn", "TODO"};

constexpr std::array<const SharedText*, 7> kColorTexts = {&kRed,    &kGreen, &kYellow, &kWhite,
                                                          &kOrange, &kBrown, &kViolet};
constexpr std::array<const SharedText*, 7> kPlanetTexts = {&kMars, &kVenus,   &kMercury, &kMoon,
                                                           &kSun,  &kJupiter, &kSaturn};

// ---- design lines ----
constexpr std::array kAriesDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kTaurusDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kGeminiDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kCancerDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kLeoDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kVirgoDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kLibraDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kScorpioDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kSagittariusDesign = {"TODO"sv, "TODO"sv, "TODO"sv,
                                           "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kCapricornDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv,
                                         "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kAquariusDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv};
constexpr std::array kPiscesDesign = {"TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv, "TODO"sv};

// clang-format off
const std::array<SignProfile, 12> kCatalogue = {{
    {.name = "Aries", .element = "Fire", .luckyNumbers = "9", .luckyDay = "Tuesday",
     .compatibility = "Leo and Sagittarius", .birthstone = "Diamond",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 1, .preferredColors = "Red", .colorSwatch = 9, .colorText = &kRed,
     .rulingPlanet = "Mars", .planetText = &kMars, .designLines = kAriesDesign},
    {.name = "Taurus", .element = "Earth", .luckyNumbers = "6", .luckyDay = "Friday",
     .compatibility = "Capricorn and Virgo", .birthstone = "Emerald",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 2, .preferredColors = "Color Green", .colorSwatch = 4, .colorText = &kGreen,
     .rulingPlanet = "Venus", .planetText = &kVenus, .designLines = kTaurusDesign},
    {.name = "Gemini", .element = "Air", .luckyNumbers = "5", .luckyDay = "Wednesday",
     .compatibility = "Aquarius and Libra", .birthstone = "Agate",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 3, .preferredColors = "Yellow", .colorSwatch = 12, .colorText = &kYellow,
     .rulingPlanet = "Mercury", .planetText = &kMercury, .designLines = kGeminiDesign},
    {.name = "Cancer", .element = "Water", .luckyNumbers = "2", .luckyDay = "Monday",
     .compatibility = "Pisces and Scorpio", .birthstone = "Pearl",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 4, .preferredColors = "White", .colorSwatch = 14, .colorText = &kWhite,
     .rulingPlanet = "The Moon", .planetText = &kMoon, .designLines = kCancerDesign},
    {.name = "Leo", .element = "Fire", .luckyNumbers = "8 and 9", .luckyDay = "Sunday",
     .compatibility = "Aries and Sagittarius", .birthstone = "Ruby",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 5, .preferredColors = "Red", .colorSwatch = 9, .colorText = &kOrange,
     .rulingPlanet = "The Sun", .planetText = &kSun, .designLines = kLeoDesign},
    {.name = "Virgo", .element = "Earth", .luckyNumbers = "3 and 5", .luckyDay = "Wednesday",
     .compatibility = "Capricorn and Taurus", .birthstone = "Sapphire",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 6, .preferredColors = "Brown", .colorSwatch = 15, .colorText = &kBrown,
     .rulingPlanet = "Mercury", .planetText = &kMercury, .designLines = kVirgoDesign},
    {.name = "Libra", .element = "Air", .luckyNumbers = "6 and 9", .luckyDay = "Friday",
     .compatibility = "Aquarius and Gemini", .birthstone = "Opal",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 7, .preferredColors = "Olive Green", .colorSwatch = 7, .colorText = &kGreen,
     .rulingPlanet = "Venus", .planetText = &kVenus, .designLines = kLibraDesign},
    {.name = "Scorpio", .element = "Water", .luckyNumbers = "2 and 4", .luckyDay = "Tuesday",
     .compatibility = "Cancer and Pisces", .birthstone = "Topaz",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 8, .preferredColors = "White", .colorSwatch = 14, .colorText = &kWhite,
     .rulingPlanet = "Pluto and Mars", .planetText = &kMars, .designLines = kScorpioDesign},
    {.name = "Sagittarius", .element = "Fire", .luckyNumbers = "5 and 7", .luckyDay = "Thursday",
     .compatibility = "Aries and Leo", .birthstone = "Turquoise",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 9, .preferredColors = "Violet", .colorSwatch = 11, .colorText = &kViolet,
     .rulingPlanet = "Jupiter", .planetText = &kJupiter, .designLines = kSagittariusDesign},
    {.name = "Capricorn", .element = "Earth", .luckyNumbers = "8 and 2", .luckyDay = "Saturday",
     .compatibility = "Taurus and Virgo", .birthstone = "Garnet",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 10, .preferredColors = "Blue", .colorSwatch = 1, .colorText = &kGreen,
     .rulingPlanet = "Saturn", .planetText = &kSaturn, .designLines = kCapricornDesign},
    {.name = "Aquarius", .element = "Air", .luckyNumbers = "1 and 7", .luckyDay = "Wednesday",
     .compatibility = "Taurus and Virgo", .birthstone = "Amethyst",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 11, .preferredColors = "Blue", .colorSwatch = 1, .colorText = &kWhite,
     .rulingPlanet = "Uranus and Saturn", .planetText = &kSaturn, .designLines = kAquariusDesign},
    {.name = "Pisces", .element = "Water", .luckyNumbers = "2 and 6", .luckyDay = "Friday",
     .compatibility = "Taurus and Virgo", .birthstone = "Aquamarine",
     .positiveTraits = "TODO",
     .negativeTraits = "TODO",
     .signPicture = 12, .preferredColors = "Blue", .colorSwatch = 1, .colorText = &kViolet,
     .rulingPlanet = "Neptune and Jupiter", .planetText = &kJupiter, .designLines = kPiscesDesign},
}};
// clang-format on

} // namespace

std::span<const SignProfile> catalogue() {
    return kCatalogue;
}

std::span<const SharedText* const> colorTexts() {
    return kColorTexts;
}

std::span<const SharedText* const> planetTexts() {
    return kPlanetTexts;
}

} // namespace reading
