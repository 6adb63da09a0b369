// SPDX-License-Identifier: MIT
#include <QtGlobal>

#include "forms/design_style.h"
#include "forms/form_model.h"
#include "forms/shared_captions.h"

#include "site_config.h"

namespace forms {

namespace {

using namespace design;

constexpr FontSpec kBannerFont{.face = kVerdana, .pointSize = 9, .bold = true, .underline = true};

constexpr ColorSpec kMaroon = rgb(0x3E0001);

constexpr ControlDefinition nameBox(ControlDefinition control) {
    control.kind = ControlKind::TextBox;
    control.foreColor = kWhite;
    control.backColor = kBlack;
    return control;
}

constexpr ControlDefinition nameCaption(ControlDefinition control) {
    control.kind = ControlKind::Label;
    control.font = kDefaultFont;
    control.foreColor = kMaroon;
    control.transparent = true;
    control.autoSize = true;
    return control;
}

constexpr ControlDefinition dateList(ControlDefinition control) {
    control.kind = ControlKind::DropDownList;
    control.foreColor = systemColor(SystemColor::ButtonFace);
    control.backColor = kBlack;
    return control;
}

// The two offers share one rectangle; only their texts and pointers differ.
constexpr ControlDefinition brandingLink(ControlDefinition control) {
    control.kind = ControlKind::Label;
    control.font = kVerdanaBoldUnderlined;
    control.foreColor = kPlum;
    control.alignment = Alignment::Center;
    return control;
}

// clang-format off
constexpr ControlDefinition kControls[] = {
    {.name = "fraName", .kind = ControlKind::Frame, .geometry = {0, 1440, 7455, 2205},
     .caption = QT_TRANSLATE_NOOP("Design", "Please Fill In The Below Details:"), .font = kVerdanaBold, .foreColor = kWhite,
     .backColor = kBlack, .tabIndex = 10},
    {.name = "cmdNext", .kind = ControlKind::Button, .parent = "fraName",
     .geometry = {4200, 1440, 3165, 645}, .caption = QT_TRANSLATE_NOOP("Design", "Get My Dwellstar Reading"),
     .font = kVerdanaBold, .backColor = systemColor(SystemColor::ButtonFace), .tabIndex = 6,
     .style = ButtonStyle::Graphical},
    // Named for a screen reader: a nested frame would otherwise read as the frame around it.
    {.name = "Frame1", .kind = ControlKind::Frame, .parent = "fraName",
     .geometry = {120, 240, 7245, 1005}, .caption = QT_TRANSLATE_NOOP("Design", "Name"), .font = kVerdanaBold,
     .foreColor = kMaroon, .tabIndex = 13, .accessibleName = QT_TRANSLATE_NOOP("Design", "Name")},
    nameBox({.name = "txtFirstName", .parent = "Frame1", .geometry = {600, 450, 1905, 345},
             .tabIndex = 0, .accessibleName = QT_TRANSLATE_NOOP("Design", "First Name")}),
    nameBox({.name = "txtMiddleName", .parent = "Frame1", .geometry = {2625, 450, 1965, 345},
             .tabIndex = 1, .accessibleName = QT_TRANSLATE_NOOP("Design", "Middle Name")}),
    nameBox({.name = "txtLastName", .parent = "Frame1", .geometry = {4710, 450, 1935, 345},
             .tabIndex = 2, .accessibleName = QT_TRANSLATE_NOOP("Design", "Last Name")}),
    nameCaption({.name = "Label1", .parent = "Frame1", .geometry = {1110, 240, 795, 195},
                 .caption = QT_TRANSLATE_NOOP("Design", " First Name"), .tabIndex = 16}),
    nameCaption({.name = "Label4", .parent = "Frame1", .geometry = {3150, 240, 1095, 195},
                 .caption = QT_TRANSLATE_NOOP("Design", "Middle Name"), .tabIndex = 15}),
    nameCaption({.name = "Label5", .parent = "Frame1", .geometry = {5310, 240, 810, 195},
                 .caption = QT_TRANSLATE_NOOP("Design", " Last Name"), .tabIndex = 14}),
    {.name = "fraBirthDay", .kind = ControlKind::Frame, .parent = "fraName",
     .geometry = {120, 1440, 4005, 645}, .caption = QT_TRANSLATE_NOOP("Design", "Date Of Birth"), .font = kVerdanaBold,
     .foreColor = kMaroon, .tabIndex = 11, .accessibleName = QT_TRANSLATE_NOOP("Design", "Date Of Birth")},
    // Qt on Linux reads a list's current entry as its name and leaves the list's meaning to
    // its frame and description, so the lists say what they hold there too.
    dateList({.name = "cboDate", .parent = "fraBirthDay", .geometry = {1800, 240, 855, 315},
              .tabIndex = 4, .accessibleName = QT_TRANSLATE_NOOP("Design", "Date Of Birth: Day"),
              .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Date Of Birth: Day")}),
    dateList({.name = "cboMonth", .parent = "fraBirthDay", .geometry = {120, 240, 1455, 315},
              .tabIndex = 3, .accessibleName = QT_TRANSLATE_NOOP("Design", "Date Of Birth: Month"),
              .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Date Of Birth: Month")}),
    dateList({.name = "cboYear", .parent = "fraBirthDay", .geometry = {2880, 240, 975, 315},
              .tabIndex = 5, .accessibleName = QT_TRANSLATE_NOOP("Design", "Date Of Birth: Year"),
              .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Date Of Birth: Year")}),
    {.name = "Frame2", .kind = ControlKind::Frame, .geometry = {0, 0, 7455, 615},
     .foreColor = systemColor(SystemColor::WindowText), .tabIndex = 8},
    {.name = "Label61", .kind = ControlKind::Label, .parent = "Frame2",
     .geometry = {120, 120, 7200, 465},
     .caption = kBannerCaption,
     .font = kBannerFont, .foreColor = kPlum, .transparent = true,
     .alignment = Alignment::Center, .tabIndex = 9, .pointer = Pointer::HandTwoColor},
    // Placed below the client area on purpose: reachable by Alt+X and Tab only.
    {.name = "cmdExit", .kind = ControlKind::Button, .geometry = {5040, 5640, 2085, 315},
     .caption = QT_TRANSLATE_NOOP("Design", "E&xit"), .backColor = rgb(0x7CA5E7), .tabIndex = 7,
     .style = ButtonStyle::Graphical},
    {.name = "Frame5", .kind = ControlKind::Frame, .geometry = {0, 3600, 7455, 855},
     .foreColor = kWhite, .tabIndex = 12},
    {.name = "IMGSunsignList", .kind = ControlKind::ImageList, .parent = "Frame5",
     .picture = "signs"},
    {.name = "IMGColor", .kind = ControlKind::ImageList, .parent = "Frame5",
     .picture = "colors"},
    brandingLink({.name = "lblCobrand", .parent = "Frame5", .geometry = {240, 160, 6825, 615},
                  .caption = kCoBrandCaption,
                  .tabIndex = 17, .pointer = Pointer::HandTwoColor}),
    brandingLink({.name = "lblFullBrand", .parent = "Frame5", .geometry = {240, 160, 6825, 615},
                  .caption = kFullBrandCaption,
                  .tabIndex = 18, .pointer = Pointer::HandSixteenColor}),
    {.name = "Label2", .kind = ControlKind::Label, .geometry = {60, 720, 7335, 735},
     .caption = QT_TRANSLATE_NOOP("Design", "Know more about the home design preferences of the different zodiac signs. "
                "Get tips to know your dear one's favorite colors and design styles. "
                "Gift the perfect home and interiors with the help of this software."),
     .font = kVerdanaBold, .foreColor = rgb(0x400000), .alignment = Alignment::Center,
     .tabIndex = 19},
};

constexpr MenuItemDefinition kFileMenu[] = {
    {.name = "mnuNext", .caption = QT_TRANSLATE_NOOP("Design", "Get My Dwellstar Reading")},
    {.name = "mnuExit", .caption = QT_TRANSLATE_NOOP("Design", "E&xit")},
};

constexpr MenuItemDefinition kHelpMenu[] = {
    {.name = "mnuOnline", .caption = QT_TRANSLATE_NOOP("Design", "&Online Help")},
    {.name = "mnuVisit", .caption = QT_TRANSLATE_NOOP("Design", "&Visit Us Online")},
    {.name = "mnuFileSep1", .caption = "-"},
    {.name = "mnuUpdate", .caption = QT_TRANSLATE_NOOP("Design", "&Check for Software Update")},
    {.name = "mnuFileSep2", .caption = "-"},
    {.name = "mnuAbout", .caption = QT_TRANSLATE_NOOP("Design", "&About Software")},
};

constexpr MenuItemDefinition kMenu[] = {
    {.name = "nuFile", .caption = QT_TRANSLATE_NOOP("Design", "&File"), .children = kFileMenu},
    {.name = "mnuHelp", .caption = QT_TRANSLATE_NOOP("Design", "&Help"), .children = kHelpMenu},
    {.name = "mnuDonate", .caption = QT_TRANSLATE_NOOP("Design", "&Donate")},
    {.name = "mnumakemoney", .caption = QT_TRANSLATE_NOOP("Design", "Make Money &Online"), .enabled = false},
};
// clang-format on

} // namespace

const WindowDefinition& frmMain() {
    static const WindowDefinition window{
        .name = kInputWindowName,
        .caption = DWELLSTAR_CAPTION,
        .clientWidth = 7455,
        .clientHeight = 4455,
        .border = Border::FixedSingle,
        .backColor = kBlack,
        .foreColor = kWhite,
        .font = kVerdanaPlain,
        .controls = kControls,
        .menu = kMenu,
    };
    return window;
}

} // namespace forms
