// SPDX-License-Identifier: MIT
#include <QTest>

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "forms/definition_check.h"
#include "forms/form_model.h"
#include "site_config.h"

using namespace forms;

namespace {

using K = ControlKind;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// A caption as the window shows it: the community site's address in place of "%1".
QString shown(std::string_view caption) {
    return qs(caption).replace(QStringLiteral("%1"), QStringLiteral(DWELLSTAR_MAIN_HOST));
}

const WindowDefinition& window(std::string_view name) {
    for (const WindowDefinition* candidate : allWindows()) {
        if (candidate->name == name) {
            return *candidate;
        }
    }
    qFatal("no window %s", std::string(name).c_str());
}

const ControlDefinition* findControl(const WindowDefinition& definition, std::string_view name,
                                     int index = -1) {
    const auto found = std::find_if(
        definition.controls.begin(), definition.controls.end(),
        [&](const ControlDefinition& c) { return c.name == name && c.index == index; });
    return found == definition.controls.end() ? nullptr : &*found;
}

// Captions that we word ourselves; their content is checked in freeTexts().
constexpr const char* kFreeText = nullptr;

constexpr const char* kCoBrandText =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.";
constexpr const char* kFullBrandText =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.";

struct ControlRow {
    const char* window;
    const char* name;
    int index;
    ControlKind kind;
    const char* parent;
    int left, top, width, height; // x1, y1, x2, y2 for a line
    const char* caption;
};

// clang-format off
constexpr ControlRow kControlRows[] = {
    {"frmMain", "fraName", -1, K::Frame, "", 0, 1440, 7455, 2205, "Please Fill In The Below Details:"},
    {"frmMain", "cmdNext", -1, K::Button, "fraName", 4200, 1440, 3165, 645, "Get My Dwellstar Reading"},
    {"frmMain", "Frame1", -1, K::Frame, "fraName", 120, 240, 7245, 1005, "Name"},
    {"frmMain", "txtFirstName", -1, K::TextBox, "Frame1", 600, 450, 1905, 345, ""},
    {"frmMain", "txtMiddleName", -1, K::TextBox, "Frame1", 2625, 450, 1965, 345, ""},
    {"frmMain", "txtLastName", -1, K::TextBox, "Frame1", 4710, 450, 1935, 345, ""},
    {"frmMain", "Label1", -1, K::Label, "Frame1", 1110, 240, 795, 195, " First Name"},
    {"frmMain", "Label4", -1, K::Label, "Frame1", 3150, 240, 1095, 195, "Middle Name"},
    {"frmMain", "Label5", -1, K::Label, "Frame1", 5310, 240, 810, 195, " Last Name"},
    {"frmMain", "fraBirthDay", -1, K::Frame, "fraName", 120, 1440, 4005, 645, "Date Of Birth"},
    {"frmMain", "cboDate", -1, K::DropDownList, "fraBirthDay", 1800, 240, 855, 315, ""},
    {"frmMain", "cboMonth", -1, K::DropDownList, "fraBirthDay", 120, 240, 1455, 315, ""},
    {"frmMain", "cboYear", -1, K::DropDownList, "fraBirthDay", 2880, 240, 975, 315, ""},
    {"frmMain", "Frame2", -1, K::Frame, "", 0, 0, 7455, 615, ""},
    {"frmMain", "Label61", -1, K::Label, "Frame2", 120, 120, 7200, 465, kFreeText},
    {"frmMain", "cmdExit", -1, K::Button, "", 5040, 5640, 2085, 315, "E&xit"},
    {"frmMain", "Frame5", -1, K::Frame, "", 0, 3600, 7455, 855, ""},
    {"frmMain", "IMGSunsignList", -1, K::ImageList, "Frame5", 0, 0, 0, 0, ""},
    {"frmMain", "IMGColor", -1, K::ImageList, "Frame5", 0, 0, 0, 0, ""},
    {"frmMain", "lblCobrand", -1, K::Label, "Frame5", 240, 160, 6825, 615, kCoBrandText},
    {"frmMain", "lblFullBrand", -1, K::Label, "Frame5", 240, 160, 6825, 615, kFullBrandText},
    {"frmMain", "Label2", -1, K::Label, "", 60, 720, 7335, 735,
     "Know more about the home design preferences of the different zodiac signs. Get tips to know "
     "your dear one's favorite colors and design styles. Gift the perfect home and interiors with "
     "the help of this software."},

    {"frmDisplay", "Frame4", -1, K::Frame, "", 0, 360, 11280, 7935, "KV Dwellstar Result"},
    {"frmDisplay", "txtSunSignColorDesc", -1, K::TextBox, "Frame4", 240, 5280, 9975, 705, ""},
    {"frmDisplay", "txtSunSignRulingPlanetsDesc", -1, K::TextBox, "Frame4", 120, 6480, 11055, 705, ""},
    {"frmDisplay", "Frame1", -1, K::Frame, "Frame4", 120, 280, 7215, 2055, ""},
    {"frmDisplay", "Label11", -1, K::Label, "Frame1", 2880, 1560, 795, 195, "Element"},
    {"frmDisplay", "lblSunSignElement", -1, K::Label, "Frame1", 2760, 1800, 1020, 195, "lblSunSign"},
    {"frmDisplay", "lblSunSignBirthStone", -1, K::Label, "Frame1", 4665, 1440, 1020, 195, "lblSunSign"},
    {"frmDisplay", "Label27", -1, K::Label, "Frame1", 4680, 1080, 1005, 195, "Birthstone"},
    {"frmDisplay", "Label23", -1, K::Label, "Frame1", 4485, 240, 1395, 195, "Lucky Number"},
    {"frmDisplay", "lblSunSignNumber", -1, K::Label, "Frame1", 4680, 600, 1020, 195, "lblSunSign"},
    {"frmDisplay", "Label21", -1, K::Label, "Frame1", 1110, 240, 1005, 195, "Lucky Day"},
    {"frmDisplay", "lblSunSignCompatibility", -1, K::Label, "Frame1", 1080, 1440, 1020, 195, "lblSunSign"},
    {"frmDisplay", "lblSunSignDay", -1, K::Label, "Frame1", 1095, 600, 1020, 195, "lblSunSign"},
    {"frmDisplay", "Label17", -1, K::Label, "Frame1", 960, 1080, 1290, 195, "Compatibility"},
    {"frmDisplay", "txtSunSignNegativeTraits", -1, K::TextBox, "Frame4", 3720, 2640, 3615, 915, ""},
    {"frmDisplay", "txtSunSignPositiveTraits", -1, K::TextBox, "Frame4", 120, 2640, 3495, 915, ""},
    {"frmDisplay", "Frame5", -1, K::Frame, "Frame4", 7440, 240, 3735, 3585, ""},
    {"frmDisplay", "picSunSign", -1, K::PictureBox, "Frame5", 360, 480, 3000, 3000, ""},
    {"frmDisplay", "lblSunSign", -1, K::Label, "Frame5", 1200, 160, 1335, 270, "lblSunSign"},
    {"frmDisplay", "cmdBack", -1, K::Button, "Frame4", 9960, 7320, 1215, 495, "&Back"},
    {"frmDisplay", "txtSunSignDesignStyleDesc", -1, K::TextBox, "Frame4", 240, 4200, 10815, 825, ""},
    {"frmDisplay", "picColor", -1, K::Image, "Frame4", 10320, 5280, 735, 705, ""},
    {"frmDisplay", "Shape1", -1, K::Shape, "Frame4", 120, 3900, 11055, 2295, ""},
    {"frmDisplay", "Label2", -1, K::Label, "Frame4", 240, 5025, 1620, 195, "Preferred Colors"},
    {"frmDisplay", "lblPreferredColors", -1, K::Label, "Frame4", 2040, 5025, 1800, 195, "lblPreferredColors"},
    {"frmDisplay", "lblRulingPlanet", -1, K::Label, "Frame4", 1560, 6240, 1455, 195, "lblRulingPlanet"},
    {"frmDisplay", "Label5", -1, K::Label, "Frame4", 120, 6240, 1275, 195, "Ruling Planet"},
    {"frmDisplay", "Label10", -1, K::Label, "Frame4", 3720, 2400, 1500, 195, "Negative Traits"},
    {"frmDisplay", "Label13", -1, K::Label, "Frame4", 120, 2400, 1410, 195, "Positive Traits"},
    {"frmDisplay", "lblUndesirableColors", -1, K::Label, "Frame4", 3000, 840, 2040, 195, "lblUndesirableColors"},
    {"frmDisplay", "Label3", -1, K::Label, "Frame4", 600, 840, 1845, 195, "Undesirable Colors"},
    {"frmDisplay", "lblCobrand", -1, K::Label, "Frame4", 120, 7320, 9705, 495, kCoBrandText},
    {"frmDisplay", "lblFullBrand", -1, K::Label, "Frame4", 120, 7320, 9705, 495, kFullBrandText},
    {"frmDisplay", "Label1", -1, K::Label, "Frame4", 240, 3960, 1215, 195, "Design Style"},
    {"frmDisplay", "Label4", -1, K::Label, "Frame4", 120, 3700, 2610, 210, "Home Astrology Attributes"},
    {"frmDisplay", "Frame2", -1, K::Frame, "", 0, 0, 11415, 375, ""},
    {"frmDisplay", "Label61", -1, K::Label, "Frame2", 0, 120, 11160, 465, kFreeText},

    {"frmAbout", "Picture1", -1, K::PictureBox, "", 120, 120, 480, 480, ""},
    {"frmAbout", "cmdOK", -1, K::Button, "", 5400, 3360, 1260, 345, "OK"},
    {"frmAbout", "Line1", 2, K::Line, "", -60, 3240, 6840, 3240, ""},
    {"frmAbout", "Label1", -1, K::Label, "", 360, 840, 6375, 795,
     "KV Dwellstar tells you about the home design preferences of the different zodiac signs. Get "
     "tips to know your dear one's favorite colors and design styles. Gift the perfect home and "
     "interiors with the help of this software."},
    {"frmAbout", "Label2", -1, K::Label, "", 840, 240, 2490, 240, "KV Dwellstar v1.0"},
    {"frmAbout", "lblCoBrand", -1, K::Label, "", 4320, 2880, 2355, 195, "Click here for more details."},
    {"frmAbout", "Label3", -1, K::Label, "", 360, 2280, 6255, 615,
     "Home Business Opportunity. Start your own Internet business and make money online. Get this "
     "software fully branded for your website."},
    {"frmAbout", "lblHomePage", -1, K::Label, "", 2640, 1920, 4050, 195,
     "Click here to visit " DWELLSTAR_MAIN_HOST},

    {"frmNagScreen2", "Frame6", -1, K::Frame, "", 7320, 120, 3735, 4575, "Download Velmora Softwares"},
    {"frmNagScreen2", "lblGoToHome", -1, K::Label, "Frame6", 75, 4250, 3585, 210, "Click Here To Visit Velmora Softwares"},
    {"frmNagScreen2", "Label3", -1, K::Label, "Frame6", 120, 360, 3495, 3855, kFreeText},
    {"frmNagScreen2", "Frame2", -1, K::Frame, "", 120, 3240, 7065, 1455, "Refer A Friend"},
    {"frmNagScreen2", "txtMessage", -1, K::TextBox, "Frame2", 4800, 3600, 1815, 495, "Your Message\r\n"},
    {"frmNagScreen2", "txtFriendName", -1, K::TextBox, "Frame2", 85, 720, 3375, 285, "Friend's Name"},
    {"frmNagScreen2", "txtFriendEmail", -1, K::TextBox, "Frame2", 3600, 720, 3375, 285, "Friend's Email Address"},
    {"frmNagScreen2", "txtEmail", -1, K::TextBox, "Frame2", 3600, 360, 3375, 285, "Your Email Address"},
    {"frmNagScreen2", "cmdSubmit", -1, K::Button, "Frame2", 1920, 1080, 3375, 285, "Refer A Friend &Now"},
    {"frmNagScreen2", "txtName", -1, K::TextBox, "Frame2", 85, 360, 3375, 285, "Your Name"},
    {"frmNagScreen2", "cmdClose", -1, K::Button, "", 6000, 2760, 1245, 375, "E&xit"},
    {"frmNagScreen2", "cmdExit", 1, K::Button, "", 2955, 6540, 1335, 315, "Exit"},
    {"frmNagScreen2", "Check1", -1, K::CheckBox, "", 30, 2040, 7185, 555,
     "Click Here To Visit " DWELLSTAR_MAIN_HOST " Now"},
    {"frmNagScreen2", "cmdExit", 2, K::Button, "", 5880, 6540, 1335, 315, "Exit"},
    {"frmNagScreen2", "cmdExit", 0, K::Button, "", 30, 6540, 1335, 315, "Exit"},
    {"frmNagScreen2", "Picture1", -1, K::PictureBox, "", 360, 120, 540, 540, ""},
    {"frmNagScreen2", "Label2", -1, K::Label, "", 120, 840, 6975, 1095, kFreeText},
    {"frmNagScreen2", "Label1", -1, K::Label, "", 1080, 240, 3675, 435, "KV Dwellstar v1.0"},
};

// Fonts, colours and kind settings, written the way look() spells them.
struct LookRow {
    const char* window;
    const char* name;
    int index;
    const char* look;
};

constexpr const char* kNameCaption = "MS Sans Serif 8.25, fore #3E0001, transparent, auto-size";
constexpr const char* kHeading = "Verdana 8.25 bold underline, fore #FFFFFF, transparent, auto-size";
constexpr const char* kCentredValue = "Verdana 8.25 bold, fore face, transparent, centred, auto-size";
constexpr const char* kLeftValue = "Verdana 8.25 bold, fore face, transparent, auto-size";
constexpr const char* kDescription = "fore face, back #000000, multi-line, v-scroll, read-only";
constexpr const char* kAboutLink = "Verdana 8.25 underline, fore #C0C000, transparent, auto-size, hand 16";
constexpr const char* kNavyFrame = "Verdana 9.75 bold, fore #FFFFFF, back #000080";

constexpr LookRow kLookRows[] = {
    {"frmMain", "fraName", -1, "Verdana 8.25 bold, fore #FFFFFF, back #000000"},
    {"frmMain", "cmdNext", -1, "Verdana 8.25 bold, back face, graphical"},
    {"frmMain", "Frame1", -1, "Verdana 8.25 bold, fore #3E0001"},
    {"frmMain", "txtFirstName", -1, "fore #FFFFFF, back #000000"},
    {"frmMain", "txtMiddleName", -1, "fore #FFFFFF, back #000000"},
    {"frmMain", "txtLastName", -1, "fore #FFFFFF, back #000000"},
    {"frmMain", "Label1", -1, kNameCaption},
    {"frmMain", "Label4", -1, kNameCaption},
    {"frmMain", "Label5", -1, kNameCaption},
    {"frmMain", "fraBirthDay", -1, "Verdana 8.25 bold, fore #3E0001"},
    {"frmMain", "cboDate", -1, "fore face, back #000000"},
    {"frmMain", "cboMonth", -1, "fore face, back #000000"},
    {"frmMain", "cboYear", -1, "fore face, back #000000"},
    {"frmMain", "Frame2", -1, "fore window text"},
    {"frmMain", "Label61", -1, "Verdana 9 bold underline, fore #400040, transparent, centred, hand 2"},
    {"frmMain", "cmdExit", -1, "back #7CA5E7, graphical"},
    {"frmMain", "Frame5", -1, "fore #FFFFFF"},
    {"frmMain", "IMGSunsignList", -1, "picture signs"},
    {"frmMain", "IMGColor", -1, "picture colors"},
    {"frmMain", "lblCobrand", -1, "Verdana 8.25 bold underline, fore #400040, centred, hand 2"},
    {"frmMain", "lblFullBrand", -1, "Verdana 8.25 bold underline, fore #400040, centred, hand 16"},
    {"frmMain", "Label2", -1, "Verdana 8.25 bold, fore #400000, centred"},

    {"frmDisplay", "Frame4", -1, "Verdana 11.25 bold, fore #FF8000, back #000000"},
    {"frmDisplay", "txtSunSignColorDesc", -1, kDescription},
    {"frmDisplay", "txtSunSignRulingPlanetsDesc", -1, kDescription},
    {"frmDisplay", "Frame1", -1, "back #000000"},
    {"frmDisplay", "Label11", -1, kHeading},
    {"frmDisplay", "lblSunSignElement", -1, kCentredValue},
    {"frmDisplay", "lblSunSignBirthStone", -1, kCentredValue},
    {"frmDisplay", "Label27", -1, kHeading},
    {"frmDisplay", "Label23", -1, kHeading},
    {"frmDisplay", "lblSunSignNumber", -1, kCentredValue},
    {"frmDisplay", "Label21", -1, kHeading},
    {"frmDisplay", "lblSunSignCompatibility", -1, kCentredValue},
    {"frmDisplay", "lblSunSignDay", -1, kCentredValue},
    {"frmDisplay", "Label17", -1, kHeading},
    {"frmDisplay", "txtSunSignNegativeTraits", -1, kDescription},
    {"frmDisplay", "txtSunSignPositiveTraits", -1, kDescription},
    {"frmDisplay", "Frame5", -1, "back #000000"},
    {"frmDisplay", "picSunSign", -1, "back window, auto-size, no tab stop, picture signs 11"},
    {"frmDisplay", "lblSunSign", -1, "Verdana 12 bold, fore #FF8000, transparent, centred, auto-size"},
    {"frmDisplay", "cmdBack", -1, "Verdana 8.25 bold, back face, graphical"},
    {"frmDisplay", "txtSunSignDesignStyleDesc", -1, kDescription},
    {"frmDisplay", "picColor", -1, "picture colors 15, stretch"},
    {"frmDisplay", "Shape1", -1, "fore #FF8000"},
    {"frmDisplay", "Label2", -1, kHeading},
    {"frmDisplay", "lblPreferredColors", -1, kLeftValue},
    {"frmDisplay", "lblRulingPlanet", -1, kLeftValue},
    {"frmDisplay", "Label5", -1, kHeading},
    {"frmDisplay", "Label10", -1, kHeading},
    {"frmDisplay", "Label13", -1, kHeading},
    {"frmDisplay", "lblUndesirableColors", -1, "Verdana 8.25 bold, fore #FFFFFF, transparent, auto-size, hidden"},
    {"frmDisplay", "Label3", -1, "Verdana 8.25 bold underline, fore #FFFFFF, transparent, auto-size, hidden"},
    {"frmDisplay", "lblCobrand", -1, "Verdana 8.25 bold underline, fore #400040, hand 2"},
    {"frmDisplay", "lblFullBrand", -1, "Verdana 8.25 bold underline, fore #400040, hand 16"},
    {"frmDisplay", "Label1", -1, kHeading},
    {"frmDisplay", "Label4", -1, "Verdana 9 bold, fore #FF8000, transparent, auto-size"},
    {"frmDisplay", "Frame2", -1, "fore window text"},
    {"frmDisplay", "Label61", -1, "Verdana 8.25 underline, fore #400040, transparent, centred, hand 2"},

    {"frmAbout", "Picture1", -1, "back window, auto-size, no tab stop, picture :/pictures/app_icon.png"},
    {"frmAbout", "cmdOK", -1, "MS Sans Serif 8.25 bold, back face, default, cancel, graphical"},
    {"frmAbout", "Line1", 2, "fore face, width 2"},
    {"frmAbout", "Label1", -1, "Verdana 8.25, fore face, transparent"},
    {"frmAbout", "Label2", -1, "Verdana 9.75 bold, fore face, transparent, auto-size"},
    {"frmAbout", "lblCoBrand", -1, kAboutLink},
    {"frmAbout", "Label3", -1, "Verdana 8.25 bold, fore face, transparent"},
    {"frmAbout", "lblHomePage", -1, kAboutLink},

    {"frmNagScreen2", "Frame6", -1, kNavyFrame},
    {"frmNagScreen2", "lblGoToHome", -1, "Verdana 9 bold underline, fore #FFFF00, transparent, auto-size, hand 16"},
    {"frmNagScreen2", "Label3", -1, "Verdana 9, fore #FFFFFF, transparent"},
    {"frmNagScreen2", "Frame2", -1, kNavyFrame},
    {"frmNagScreen2", "txtMessage", -1, "multi-line, v-scroll"},
    {"frmNagScreen2", "txtFriendName", -1, ""},
    {"frmNagScreen2", "txtFriendEmail", -1, ""},
    {"frmNagScreen2", "txtEmail", -1, ""},
    {"frmNagScreen2", "cmdSubmit", -1, "Verdana 8.25 bold"},
    {"frmNagScreen2", "txtName", -1, ""},
    {"frmNagScreen2", "cmdClose", -1, ""},
    {"frmNagScreen2", "cmdExit", 1, "hidden"},
    {"frmNagScreen2", "Check1", -1, "Verdana 14.25, fore #0000C0, hand 16, graphical"},
    {"frmNagScreen2", "cmdExit", 2, "hidden"},
    {"frmNagScreen2", "cmdExit", 0, "hidden"},
    {"frmNagScreen2", "Picture1", -1, "back window, no tab stop, picture :/pictures/app_icon.png"},
    {"frmNagScreen2", "Label2", -1, "Verdana 9.75 bold, transparent"},
    {"frmNagScreen2", "Label1", -1, "MS Sans Serif 18, transparent, auto-size"},
};

struct AccessibleRow {
    const char* window;
    const char* name;
    const char* accessibleName;
    const char* accessibleDescription;
};

constexpr AccessibleRow kAccessibleRows[] = {
    {"frmMain", "txtFirstName", "First Name", ""},
    {"frmMain", "txtMiddleName", "Middle Name", ""},
    {"frmMain", "txtLastName", "Last Name", ""},
    {"frmMain", "Frame1", "Name", ""},
    {"frmMain", "fraBirthDay", "Date Of Birth", ""},
    {"frmMain", "cboMonth", "Date Of Birth: Month", "Date Of Birth: Month"},
    {"frmMain", "cboDate", "Date Of Birth: Day", "Date Of Birth: Day"},
    {"frmMain", "cboYear", "Date Of Birth: Year", "Date Of Birth: Year"},
    {"frmDisplay", "txtSunSignPositiveTraits", "Positive Traits", ""},
    {"frmDisplay", "txtSunSignNegativeTraits", "Negative Traits", ""},
    {"frmDisplay", "txtSunSignDesignStyleDesc", "Design Style", ""},
    {"frmDisplay", "txtSunSignColorDesc", "Preferred Colors", ""},
    {"frmDisplay", "txtSunSignRulingPlanetsDesc", "Ruling Planet", ""},
    {"frmDisplay", "lblSunSignDay", "", "Lucky Day"},
    {"frmDisplay", "lblSunSignNumber", "", "Lucky Number"},
    {"frmDisplay", "lblSunSignCompatibility", "", "Compatibility"},
    {"frmDisplay", "lblSunSignBirthStone", "", "Birthstone"},
    {"frmDisplay", "lblSunSignElement", "", "Element"},
    {"frmDisplay", "lblPreferredColors", "", "Preferred Colors"},
    {"frmDisplay", "lblRulingPlanet", "", "Ruling Planet"},
    {"frmDisplay", "lblSunSign", "", "Sun Sign"},
    {"frmDisplay", "picSunSign", "Sun sign emblem", ""},
    {"frmDisplay", "picColor", "Color swatch", ""},
    {"frmNagScreen2", "txtName", "Your Name", ""},
    {"frmNagScreen2", "txtEmail", "Your Email Address", ""},
    {"frmNagScreen2", "txtMessage", "Your Message", ""},
    {"frmNagScreen2", "txtFriendName", "Friend's Name", ""},
    {"frmNagScreen2", "txtFriendEmail", "Friend's Email Address", ""},
};
// clang-format on

QString colorText(const ColorSpec& color) {
    switch (color.kind) {
    case ColorSpec::Kind::Default:
        return {};
    case ColorSpec::Kind::Rgb:
        return QStringLiteral("#%1").arg(color.rgb, 6, 16, QLatin1Char('0')).toUpper();
    case ColorSpec::Kind::System:
        switch (color.system) {
        case SystemColor::ButtonFace:
            return QStringLiteral("face");
        case SystemColor::ButtonText:
            return QStringLiteral("button text");
        case SystemColor::Window:
            return QStringLiteral("window");
        case SystemColor::WindowText:
            return QStringLiteral("window text");
        }
    }
    return QStringLiteral("?");
}

QString fontText(const std::optional<FontSpec>& font) {
    if (!font) {
        return {};
    }
    QString text = qs(font->face) + QLatin1Char(' ') + QString::number(font->pointSize);
    if (font->bold) {
        text += QStringLiteral(" bold");
    }
    if (font->italic) {
        text += QStringLiteral(" italic");
    }
    if (font->underline) {
        text += QStringLiteral(" underline");
    }
    return text;
}

// Everything about a control's look and kind settings, as one comparable line.
QString lookOf(const ControlDefinition& c) {
    QStringList parts;
    const auto add = [&](bool on, const QString& part) {
        if (on) {
            parts << part;
        }
    };
    add(c.font.has_value(), fontText(c.font));
    add(c.foreColor.kind != ColorSpec::Kind::Default,
        QStringLiteral("fore ") + colorText(c.foreColor));
    add(c.backColor.kind != ColorSpec::Kind::Default,
        QStringLiteral("back ") + colorText(c.backColor));
    add(c.transparent, QStringLiteral("transparent"));
    add(c.alignment == Alignment::Center, QStringLiteral("centred"));
    add(c.autoSize, QStringLiteral("auto-size"));
    add(!c.visible, QStringLiteral("hidden"));
    add(c.pointer == Pointer::HandTwoColor, QStringLiteral("hand 2"));
    add(c.pointer == Pointer::HandSixteenColor, QStringLiteral("hand 16"));
    add(c.multiLine, QStringLiteral("multi-line"));
    add(c.verticalScrollBar, QStringLiteral("v-scroll"));
    add(c.readOnly, QStringLiteral("read-only"));
    add(c.defaultButton, QStringLiteral("default"));
    add(c.cancelButton, QStringLiteral("cancel"));
    add(c.style == ButtonStyle::Graphical, QStringLiteral("graphical"));
    add(!c.tabStop, QStringLiteral("no tab stop"));
    add(!c.picture.empty(),
        QStringLiteral("picture ") + qs(c.picture) +
            (c.pictureIndex > 0 ? QStringLiteral(" %1").arg(c.pictureIndex) : QString()));
    add(c.stretch, QStringLiteral("stretch"));
    add(c.lineWidth != 1, QStringLiteral("width %1").arg(c.lineWidth));
    return parts.join(QStringLiteral(", "));
}

QStringList flattenMenu(std::span<const MenuItemDefinition> items, const QString& indent = {}) {
    QStringList lines;
    for (const MenuItemDefinition& item : items) {
        lines << indent + qs(item.name) + QLatin1Char(' ') + qs(item.caption);
        lines << flattenMenu(item.children, indent + QStringLiteral("  "));
    }
    return lines;
}

QStringList disabledMenuItems(std::span<const MenuItemDefinition> items) {
    QStringList names;
    for (const MenuItemDefinition& item : items) {
        if (!item.enabled) {
            names << qs(item.name);
        }
        names << disabledMenuItems(item.children);
    }
    return names;
}

bool takesFocus(const ControlDefinition& c) {
    return c.kind == K::TextBox || c.kind == K::DropDownList || c.kind == K::Button ||
           c.kind == K::CheckBox;
}

QString rowTag(const char* windowName, const char* name, int index) {
    QString tag = QString::fromUtf8(windowName) + QLatin1Char('.') + QString::fromUtf8(name);
    if (index >= 0) {
        tag += QStringLiteral("(%1)").arg(index);
    }
    return tag;
}

// Small broken definitions, each with one fault.
constexpr ControlDefinition kMissingParent[] = {
    {.name = "Frame1", .kind = K::Frame, .tabIndex = 0},
    {.name = "Label1", .parent = "Frame9", .tabIndex = 1},
};
constexpr ControlDefinition kParentNotFrame[] = {
    {.name = "Label1", .tabIndex = 0},
    {.name = "Label2", .parent = "Label1", .tabIndex = 1},
};
constexpr ControlDefinition kChildBeforeParent[] = {
    {.name = "Label1", .parent = "Frame1", .tabIndex = 0},
    {.name = "Frame1", .kind = K::Frame, .tabIndex = 1},
};
constexpr ControlDefinition kRepeatedName[] = {
    {.name = "Label1", .tabIndex = 0},
    {.name = "Label1", .tabIndex = 1},
};
constexpr ControlDefinition kRepeatedArrayIndex[] = {
    {.name = "cmdExit", .index = 0, .kind = K::Button, .tabIndex = 0},
    {.name = "cmdExit", .index = 0, .kind = K::Button, .tabIndex = 1},
};
constexpr ControlDefinition kArrayAndSingle[] = {
    {.name = "cmdExit", .index = 0, .kind = K::Button, .tabIndex = 0},
    {.name = "cmdExit", .kind = K::Button, .tabIndex = 1},
};
constexpr ControlDefinition kRepeatedTabIndex[] = {
    {.name = "txtName", .kind = K::TextBox, .tabIndex = 3},
    {.name = "txtEmail", .kind = K::TextBox, .tabIndex = 3},
};
constexpr ControlDefinition kLooseImageList[] = {
    {.name = "IMGColor", .kind = K::ImageList, .picture = "colors"},
};
constexpr ControlDefinition kUnknownPictureList[] = {
    {.name = "picSunSign", .kind = K::PictureBox, .picture = "planets", .pictureIndex = 1},
};
constexpr ControlDefinition kPictureOutsideList[] = {
    {.name = "picColor", .kind = K::Image, .picture = "colors", .pictureIndex = 16},
};
constexpr MenuItemDefinition kFileItems[] = {{.name = "mnuExit", .caption = "E&xit"}};
constexpr MenuItemDefinition kRepeatedMenuName[] = {
    {.name = "mnuExit", .caption = "E&xit"},
    {.name = "mnuFile", .caption = "&File", .children = kFileItems},
};
constexpr ControlDefinition kSoundArrays[] = {
    {.name = "Frame1", .kind = K::Frame, .tabIndex = 0},
    {.name = "cmdExit", .index = 1, .kind = K::Button, .parent = "Frame1", .tabIndex = 1},
    {.name = "cmdExit", .index = 0, .kind = K::Button, .parent = "Frame1", .tabIndex = 2},
    {.name = "Line1", .index = 2, .kind = K::Line},
    {.name = "IMGSunsignList", .kind = K::ImageList, .parent = "Frame1", .picture = "signs"},
    {.name = "Picture1", .kind = K::PictureBox, .picture = ":/pictures/app_icon.png"},
    {.name = "picSunSign", .kind = K::PictureBox, .picture = "signs", .pictureIndex = 12},
};

} // namespace

Q_DECLARE_METATYPE(const forms::WindowDefinition*)
Q_DECLARE_METATYPE(forms::Border)

class TestDefinitions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowIsSound_data() {
        QTest::addColumn<const WindowDefinition*>("definition");
        for (const WindowDefinition* definition : allWindows()) {
            QTest::newRow(std::string(definition->name).c_str()) << definition;
        }
    }
    void windowIsSound() {
        QFETCH(const WindowDefinition*, definition);
        const std::vector<std::string> problems = definitionProblems(*definition);
        for (const std::string& problem : problems) {
            qWarning("%s", problem.c_str());
        }
        QVERIFY2(problems.empty(), "see the warnings above");
    }

    void brokenDefinitionIsReported_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("offender");
        QTest::newRow("missing parent") << 0 << QStringLiteral("'Frame9'");
        QTest::newRow("parent not a frame") << 1 << QStringLiteral("'Label1'");
        QTest::newRow("child before parent") << 2 << QStringLiteral("'Frame1'");
        QTest::newRow("repeated name") << 3 << QStringLiteral("'Label1'");
        QTest::newRow("repeated array index") << 4 << QStringLiteral("'cmdExit'");
        QTest::newRow("array and single control") << 5 << QStringLiteral("'cmdExit'");
        QTest::newRow("repeated tab index") << 6 << QStringLiteral("'txtEmail'");
        QTest::newRow("image list outside a frame") << 7 << QStringLiteral("'IMGColor'");
        QTest::newRow("unknown picture list") << 8 << QStringLiteral("'planets'");
        QTest::newRow("picture outside its list") << 9 << QStringLiteral("'picColor'");
        QTest::newRow("repeated menu item name") << 10 << QStringLiteral("'mnuExit'");
    }
    void brokenDefinitionIsReported() {
        QFETCH(int, which);
        QFETCH(QString, offender);
        const std::span<const ControlDefinition> cases[] = {
            kMissingParent,      kParentNotFrame,    kChildBeforeParent, kRepeatedName,
            kRepeatedArrayIndex, kArrayAndSingle,    kRepeatedTabIndex,  kLooseImageList,
            kUnknownPictureList, kPictureOutsideList};
        WindowDefinition broken{.name = "frmBroken"};
        if (which < static_cast<int>(std::size(cases))) {
            broken.controls = cases[which];
        } else {
            broken.menu = kRepeatedMenuName;
        }
        const std::vector<std::string> problems = definitionProblems(broken);
        QCOMPARE(problems.size(), std::size_t{1});
        const QString problem = QString::fromStdString(problems.front());
        QVERIFY2(problem.startsWith(QStringLiteral("frmBroken: ")), qPrintable(problem));
        QVERIFY2(problem.contains(offender), qPrintable(problem));
    }

    void arraysAndPicturesThatFitAreSound() {
        const WindowDefinition sound{.name = "frmSound", .controls = kSoundArrays};
        const std::vector<std::string> problems = definitionProblems(sound);
        QVERIFY2(problems.empty(), problems.empty() ? "" : problems.front().c_str());
    }

    void control_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < static_cast<int>(std::size(kControlRows)); ++i) {
            const ControlRow& row = kControlRows[i];
            QTest::newRow(qPrintable(rowTag(row.window, row.name, row.index))) << i;
        }
    }
    void control() {
        QFETCH(int, row);
        const ControlRow& expected = kControlRows[row];
        const ControlDefinition* actual =
            findControl(window(expected.window), expected.name, expected.index);
        QVERIFY(actual != nullptr);
        QCOMPARE(actual->kind, expected.kind);
        QCOMPARE(qs(actual->parent), QString::fromUtf8(expected.parent));
        QCOMPARE(actual->geometry.left, expected.left);
        QCOMPARE(actual->geometry.top, expected.top);
        QCOMPARE(actual->geometry.width, expected.width);
        QCOMPARE(actual->geometry.height, expected.height);
        if (expected.caption == kFreeText) {
            QVERIFY(!actual->caption.empty());
        } else {
            QCOMPARE(shown(actual->caption), QString::fromUtf8(expected.caption));
        }
    }

    // The tables list every control in stacking order, and nothing else.
    void stackingOrder_data() {
        QTest::addColumn<QString>("name");
        for (const WindowDefinition* definition : allWindows()) {
            QTest::newRow(std::string(definition->name).c_str()) << qs(definition->name);
        }
    }
    void stackingOrder() {
        QFETCH(QString, name);
        QStringList expected;
        for (const ControlRow& row : kControlRows) {
            if (name == QString::fromUtf8(row.window)) {
                expected << rowTag(row.window, row.name, row.index);
            }
        }
        const WindowDefinition& definition = window(name.toStdString());
        QStringList actual;
        for (const ControlDefinition& c : definition.controls) {
            actual << rowTag(std::string(definition.name).c_str(), std::string(c.name).c_str(),
                             c.index);
        }
        QCOMPARE(actual, expected);
    }

    void look_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < static_cast<int>(std::size(kLookRows)); ++i) {
            const LookRow& row = kLookRows[i];
            QTest::newRow(qPrintable(rowTag(row.window, row.name, row.index))) << i;
        }
    }
    void look() {
        QFETCH(int, row);
        const LookRow& expected = kLookRows[row];
        const ControlDefinition* actual =
            findControl(window(expected.window), expected.name, expected.index);
        QVERIFY(actual != nullptr);
        QCOMPARE(lookOf(*actual), QString::fromUtf8(expected.look));
    }

    void everyControlHasALookRow() {
        QCOMPARE(std::size(kLookRows), std::size(kControlRows));
        for (std::size_t i = 0; i < std::size(kLookRows); ++i) {
            QCOMPARE(rowTag(kLookRows[i].window, kLookRows[i].name, kLookRows[i].index),
                     rowTag(kControlRows[i].window, kControlRows[i].name, kControlRows[i].index));
        }
    }

    void tabIndexes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("tabIndexes"); // in stacking order; -1 for none
        QTest::newRow("frmMain") << QStringLiteral("frmMain")
                                 << QList<int>{10, 6, 13, 0, 1, 2,  16, 15, 14, 11, 4,
                                               3,  5, 8,  9, 7, 12, -1, -1, 17, 18, 19};
        QTest::newRow("frmDisplay")
            << QStringLiteral("frmDisplay")
            << QList<int>{2, 30, 26, 15, 33, 32, 23, 22, 21, 20, 19, 18, 17, 16, 12, 11, 8, 9, 10,
                          5, 24, -1, -1, 31, 29, 28, 27, 14, 13, 4,  3,  7,  6,  25, 34, 0, 1};
        QTest::newRow("frmAbout") << QStringLiteral("frmAbout")
                                  << QList<int>{6, 0, -1, 5, 4, 3, 2, 1};
        QTest::newRow("frmNagScreen2")
            << QStringLiteral("frmNagScreen2")
            << QList<int>{15, 17, 16, 8, 14, 13, 12, 11, 10, 9, 0, 4, 1, 5, 3, 2, 7, 6};
    }
    void tabIndexes() {
        QFETCH(QString, name);
        QFETCH(QList<int>, tabIndexes);
        QList<int> actual;
        for (const ControlDefinition& c : window(name.toStdString()).controls) {
            actual << c.tabIndex;
        }
        QCOMPARE(actual, tabIndexes);
    }

    void focusChain_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("frmMain")
            << QStringLiteral("frmMain")
            << QStringList{QStringLiteral("txtFirstName"), QStringLiteral("txtMiddleName"),
                           QStringLiteral("txtLastName"),  QStringLiteral("cboMonth"),
                           QStringLiteral("cboDate"),      QStringLiteral("cboYear"),
                           QStringLiteral("cmdNext"),      QStringLiteral("cmdExit")};
        QTest::newRow("frmDisplay") << QStringLiteral("frmDisplay")
                                    << QStringList{QStringLiteral("cmdBack"),
                                                   QStringLiteral("txtSunSignPositiveTraits"),
                                                   QStringLiteral("txtSunSignNegativeTraits"),
                                                   QStringLiteral("txtSunSignDesignStyleDesc"),
                                                   QStringLiteral("txtSunSignRulingPlanetsDesc"),
                                                   QStringLiteral("txtSunSignColorDesc")};
        QTest::newRow("frmAbout") << QStringLiteral("frmAbout")
                                  << QStringList{QStringLiteral("cmdOK")};
        QTest::newRow("frmNagScreen2")
            << QStringLiteral("frmNagScreen2")
            << QStringList{QStringLiteral("cmdClose"),      QStringLiteral("Check1"),
                           QStringLiteral("txtName"),       QStringLiteral("cmdSubmit"),
                           QStringLiteral("txtEmail"),      QStringLiteral("txtFriendEmail"),
                           QStringLiteral("txtFriendName"), QStringLiteral("txtMessage")};
    }
    void focusChain() {
        QFETCH(QString, name);
        QFETCH(QStringList, chain);
        std::vector<const ControlDefinition*> focusable;
        for (const ControlDefinition& c : window(name.toStdString()).controls) {
            if (takesFocus(c) && c.visible && c.tabStop) {
                focusable.push_back(&c);
            }
        }
        std::sort(focusable.begin(), focusable.end(),
                  [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
        QStringList actual;
        for (const ControlDefinition* c : focusable) {
            actual << qs(c->name);
        }
        QCOMPARE(actual, chain);
    }

    void menu_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items"); // name and caption, children indented
        const auto menuLines = [](const QString& file, const QStringList& fileItems,
                                  const QString& separator, const QString& update) {
            return QStringList{file + QStringLiteral(" &File")}
                   << fileItems
                   << QStringList{QStringLiteral("mnuHelp &Help"),
                                  QStringLiteral("  mnuOnline &Online Help"),
                                  QStringLiteral("  mnuVisit &Visit Us Online"),
                                  QStringLiteral("  ") + separator + QStringLiteral("1 -"),
                                  QStringLiteral("  mnuUpdate ") + update,
                                  QStringLiteral("  ") + separator + QStringLiteral("2 -"),
                                  QStringLiteral("  mnuAbout &About Software"),
                                  QStringLiteral("mnuDonate &Donate"),
                                  QStringLiteral("mnumakemoney Make Money &Online")};
        };
        QTest::newRow("frmMain") << QStringLiteral("frmMain")
                                 << menuLines(QStringLiteral("nuFile"),
                                              {QStringLiteral("  mnuNext Get My Dwellstar Reading"),
                                               QStringLiteral("  mnuExit E&xit")},
                                              QStringLiteral("mnuFileSep"),
                                              QStringLiteral("&Check for Software Update"));
        QTest::newRow("frmDisplay")
            << QStringLiteral("frmDisplay")
            << menuLines(QStringLiteral("mnuFile"),
                         {QStringLiteral("  mnuBack Back"), QStringLiteral("  mnuExit E&xit")},
                         QStringLiteral("mnuSep"), QStringLiteral("Check for Software &Update"));
        QTest::newRow("frmAbout") << QStringLiteral("frmAbout") << QStringList{};
        QTest::newRow("frmNagScreen2") << QStringLiteral("frmNagScreen2") << QStringList{};
    }
    void menu() {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        const WindowDefinition& definition = window(name.toStdString());
        QCOMPARE(flattenMenu(definition.menu), items);
        const QStringList disabled = disabledMenuItems(definition.menu);
        QCOMPARE(disabled, definition.menu.empty() ? QStringList{}
                                                   : QStringList{QStringLiteral("mnumakemoney")});
    }

    void windowSettings_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<Border>("border");
        QTest::addColumn<bool>("taskbar");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("fore");
        QTest::addColumn<QString>("font");
        QTest::newRow("frmMain") << QStringLiteral("frmMain") << 7455 << 4455 << Border::FixedSingle
                                 << true << QStringLiteral("#000000") << QStringLiteral("#FFFFFF")
                                 << QStringLiteral("Verdana 8.25");
        QTest::newRow("frmDisplay") << QStringLiteral("frmDisplay") << 11265 << 8325
                                    << Border::FixedDialog << true << QStringLiteral("#000000")
                                    << QStringLiteral("#000000") << QStringLiteral("Verdana 8.25");
        QTest::newRow("frmAbout") << QStringLiteral("frmAbout") << 6825 << 3870
                                  << Border::FixedSingle << false << QStringLiteral("#000000")
                                  << QString() << QString();
        QTest::newRow("frmNagScreen2")
            << QStringLiteral("frmNagScreen2") << 11115 << 4725 << Border::FixedSingle << true
            << QStringLiteral("#FFFFFF") << QString() << QString();
    }
    void windowSettings() {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(Border, border);
        QFETCH(bool, taskbar);
        QFETCH(QString, back);
        QFETCH(QString, fore);
        QFETCH(QString, font);
        const WindowDefinition& definition = window(name.toStdString());
        QCOMPARE(qs(definition.caption), QStringLiteral("KV Dwellstar v1.0"));
        QCOMPARE(definition.clientWidth, width);
        QCOMPARE(definition.clientHeight, height);
        QCOMPARE(definition.border, border);
        QCOMPARE(definition.showInTaskbar, taskbar);
        QCOMPARE(colorText(definition.backColor), back);
        QCOMPARE(colorText(definition.foreColor), fore);
        QCOMPARE(fontText(definition.font), font);
    }

    void accessibility_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < static_cast<int>(std::size(kAccessibleRows)); ++i) {
            const AccessibleRow& row = kAccessibleRows[i];
            QTest::newRow(qPrintable(rowTag(row.window, row.name, -1))) << i;
        }
    }
    void accessibility() {
        QFETCH(int, row);
        const AccessibleRow& expected = kAccessibleRows[row];
        const ControlDefinition* actual = findControl(window(expected.window), expected.name);
        QVERIFY(actual != nullptr);
        QCOMPARE(qs(actual->accessibleName), QString::fromUtf8(expected.accessibleName));
        QCOMPARE(qs(actual->accessibleDescription),
                 QString::fromUtf8(expected.accessibleDescription));
    }

    void noOtherAccessibleTexts() {
        for (const WindowDefinition* definition : allWindows()) {
            for (const ControlDefinition& c : definition->controls) {
                const bool listed =
                    std::any_of(std::begin(kAccessibleRows), std::end(kAccessibleRows),
                                [&](const AccessibleRow& row) {
                                    return definition->name == row.window && c.name == row.name;
                                });
                if (!listed) {
                    QVERIFY2(c.accessibleName.empty() && c.accessibleDescription.empty(),
                             std::string(c.name).c_str());
                }
            }
        }
    }

    void freeTexts() {
        const QString host = QStringLiteral(DWELLSTAR_MAIN_HOST);
        const ControlDefinition* mainBanner = findControl(window("frmMain"), "Label61");
        const ControlDefinition* displayBanner = findControl(window("frmDisplay"), "Label61");
        QVERIFY(mainBanner && displayBanner);
        QVERIFY(shown(mainBanner->caption).contains(host));
        QVERIFY(qs(mainBanner->caption).contains(QStringLiteral("Velmora")));
        QVERIFY(!qs(mainBanner->caption).contains(QStringLiteral("https://")));
        QCOMPARE(qs(displayBanner->caption), qs(mainBanner->caption));

        const ControlDefinition* advert = findControl(window("frmNagScreen2"), "Label3");
        QVERIFY(advert != nullptr);
        const QString advertText = qs(advert->caption);
        const QString interests = QStringLiteral(
            "Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields "
            "thus giving our users a wide choice depending on their interests.");
        const QString closing = QStringLiteral(
            "They are not only fun to use but also very informative. Try them out today and share "
            "your experience with your friends and family.");
        QVERIFY(advertText.contains(interests));
        QVERIFY(advertText.endsWith(closing));
        const qsizetype blanks = advertText.indexOf(QString(40, QLatin1Char(' ')));
        QVERIFY(blanks > advertText.indexOf(interests));
        QVERIFY(blanks < advertText.indexOf(closing));

        const ControlDefinition* appeal = findControl(window("frmNagScreen2"), "Label2");
        QVERIFY(appeal != nullptr);
        QVERIFY(shown(appeal->caption).contains(host));
        QVERIFY(qs(appeal->caption).contains(QStringLiteral("supported and maintained")));
    }
};

QTEST_GUILESS_MAIN(TestDefinitions)
#include "test_definitions.moc"
