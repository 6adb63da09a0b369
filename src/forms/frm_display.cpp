// SPDX-License-Identifier: MIT
#include <QtGlobal>

#include "forms/design_style.h"
#include "forms/form_model.h"
#include "forms/shared_captions.h"

#include "site_config.h"

namespace forms {

namespace {

using namespace design;

constexpr ColorSpec kOrange = rgb(0xFF8000);

constexpr ControlDefinition headingLabel(ControlDefinition control) {
    control.kind = ControlKind::Label;
    control.font = kVerdanaBoldUnderlined;
    control.foreColor = kWhite;
    control.transparent = true;
    control.autoSize = true;
    return control;
}

constexpr ControlDefinition valueLabel(ControlDefinition control) {
    control.kind = ControlKind::Label;
    control.font = kVerdanaBold;
    control.foreColor = kFace;
    control.transparent = true;
    control.autoSize = true;
    return control;
}

constexpr ControlDefinition descriptionBox(ControlDefinition control) {
    control.kind = ControlKind::TextBox;
    control.foreColor = kFace;
    control.backColor = kBlack;
    control.multiLine = true;
    control.verticalScrollBar = true;
    control.readOnly = true;
    return control;
}

// Same offers as on the input window, left aligned here.
constexpr ControlDefinition brandingLink(ControlDefinition control) {
    control.kind = ControlKind::Label;
    control.font = kVerdanaBoldUnderlined;
    control.foreColor = kPlum;
    return control;
}

// clang-format off
constexpr ControlDefinition kControls[] = {
    {.name = "Frame4", .kind = ControlKind::Frame, .geometry = {0, 360, 11280, 7935},
     .caption = QT_TRANSLATE_NOOP("Design", "KV Dwellstar Result"),
     .font = FontSpec{.face = kVerdana, .pointSize = 11.25, .bold = true},
     .foreColor = kOrange, .backColor = kBlack, .tabIndex = 2},
    descriptionBox({.name = "txtSunSignColorDesc", .parent = "Frame4",
                    .geometry = {240, 5280, 9975, 705}, .tabIndex = 30,
                    .accessibleName = QT_TRANSLATE_NOOP("Design", "Preferred Colors")}),
    descriptionBox({.name = "txtSunSignRulingPlanetsDesc", .parent = "Frame4",
                    .geometry = {120, 6480, 11055, 705}, .tabIndex = 26,
                    .accessibleName = QT_TRANSLATE_NOOP("Design", "Ruling Planet")}),
    {.name = "Frame1", .kind = ControlKind::Frame, .parent = "Frame4",
     .geometry = {120, 280, 7215, 2055}, .backColor = kBlack, .tabIndex = 15},
    headingLabel({.name = "Label11", .parent = "Frame1", .geometry = {2880, 1560, 795, 195},
                  .caption = QT_TRANSLATE_NOOP("Design", "Element"), .tabIndex = 33}),
    valueLabel({.name = "lblSunSignElement", .parent = "Frame1",
                .geometry = {2760, 1800, 1020, 195}, .caption = "lblSunSign",
                .alignment = Alignment::Center, .tabIndex = 32,
                .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Element")}),
    valueLabel({.name = "lblSunSignBirthStone", .parent = "Frame1",
                .geometry = {4665, 1440, 1020, 195}, .caption = "lblSunSign",
                .alignment = Alignment::Center, .tabIndex = 23,
                .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Birthstone")}),
    headingLabel({.name = "Label27", .parent = "Frame1", .geometry = {4680, 1080, 1005, 195},
                  .caption = QT_TRANSLATE_NOOP("Design", "Birthstone"), .tabIndex = 22}),
    headingLabel({.name = "Label23", .parent = "Frame1", .geometry = {4485, 240, 1395, 195},
                  .caption = QT_TRANSLATE_NOOP("Design", "Lucky Number"), .tabIndex = 21}),
    valueLabel({.name = "lblSunSignNumber", .parent = "Frame1",
                .geometry = {4680, 600, 1020, 195}, .caption = "lblSunSign",
                .alignment = Alignment::Center, .tabIndex = 20,
                .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Lucky Number")}),
    headingLabel({.name = "Label21", .parent = "Frame1", .geometry = {1110, 240, 1005, 195},
                  .caption = QT_TRANSLATE_NOOP("Design", "Lucky Day"), .tabIndex = 19}),
    valueLabel({.name = "lblSunSignCompatibility", .parent = "Frame1",
                .geometry = {1080, 1440, 1020, 195}, .caption = "lblSunSign",
                .alignment = Alignment::Center, .tabIndex = 18,
                .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Compatibility")}),
    valueLabel({.name = "lblSunSignDay", .parent = "Frame1",
                .geometry = {1095, 600, 1020, 195}, .caption = "lblSunSign",
                .alignment = Alignment::Center, .tabIndex = 17,
                .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Lucky Day")}),
    headingLabel({.name = "Label17", .parent = "Frame1", .geometry = {960, 1080, 1290, 195},
                  .caption = QT_TRANSLATE_NOOP("Design", "Compatibility"), .tabIndex = 16}),
    descriptionBox({.name = "txtSunSignNegativeTraits", .parent = "Frame4",
                    .geometry = {3720, 2640, 3615, 915}, .tabIndex = 12,
                    .accessibleName = QT_TRANSLATE_NOOP("Design", "Negative Traits")}),
    descriptionBox({.name = "txtSunSignPositiveTraits", .parent = "Frame4",
                    .geometry = {120, 2640, 3495, 915}, .tabIndex = 11,
                    .accessibleName = QT_TRANSLATE_NOOP("Design", "Positive Traits")}),
    {.name = "Frame5", .kind = ControlKind::Frame, .parent = "Frame4",
     .geometry = {7440, 240, 3735, 3585}, .backColor = kBlack, .tabIndex = 8},
    // Aquarius until a reading replaces it.
    {.name = "picSunSign", .kind = ControlKind::PictureBox, .parent = "Frame5",
     .geometry = {360, 480, 3000, 3000}, .backColor = systemColor(SystemColor::Window),
     .autoSize = true, .tabIndex = 9, .picture = "signs", .pictureIndex = 11, .tabStop = false,
     .accessibleName = QT_TRANSLATE_NOOP("Design", "Sun sign emblem")},
    {.name = "lblSunSign", .kind = ControlKind::Label, .parent = "Frame5",
     .geometry = {1200, 160, 1335, 270}, .caption = "lblSunSign",
     .font = FontSpec{.face = kVerdana, .pointSize = 12, .bold = true}, .foreColor = kOrange,
     .transparent = true, .alignment = Alignment::Center, .autoSize = true, .tabIndex = 10,
     .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Sun Sign")},
    {.name = "cmdBack", .kind = ControlKind::Button, .parent = "Frame4",
     .geometry = {9960, 7320, 1215, 495}, .caption = QT_TRANSLATE_NOOP("Design", "&Back"), .font = kVerdanaBold,
     .backColor = kFace, .tabIndex = 5, .style = ButtonStyle::Graphical},
    descriptionBox({.name = "txtSunSignDesignStyleDesc", .parent = "Frame4",
                    .geometry = {240, 4200, 10815, 825}, .tabIndex = 24,
                    .accessibleName = QT_TRANSLATE_NOOP("Design", "Design Style")}),
    // The brown swatch until a reading replaces it.
    {.name = "picColor", .kind = ControlKind::Image, .parent = "Frame4",
     .geometry = {10320, 5280, 735, 705}, .picture = "colors", .pictureIndex = 15,
     .stretch = true, .accessibleName = QT_TRANSLATE_NOOP("Design", "Color swatch")},
    {.name = "Shape1", .kind = ControlKind::Shape, .parent = "Frame4",
     .geometry = {120, 3900, 11055, 2295}, .foreColor = kOrange, .lineWidth = 1},
    headingLabel({.name = "Label2", .parent = "Frame4", .geometry = {240, 5025, 1620, 195},
                  .caption = QT_TRANSLATE_NOOP("Design", "Preferred Colors"), .tabIndex = 31}),
    valueLabel({.name = "lblPreferredColors", .parent = "Frame4",
                .geometry = {2040, 5025, 1800, 195}, .caption = "lblPreferredColors",
                .tabIndex = 29, .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Preferred Colors")}),
    valueLabel({.name = "lblRulingPlanet", .parent = "Frame4",
                .geometry = {1560, 6240, 1455, 195}, .caption = "lblRulingPlanet",
                .tabIndex = 28, .accessibleDescription = QT_TRANSLATE_NOOP("Design", "Ruling Planet")}),
    headingLabel({.name = "Label5", .parent = "Frame4", .geometry = {120, 6240, 1275, 195},
                  .caption = QT_TRANSLATE_NOOP("Design", "Ruling Planet"), .tabIndex = 27}),
    headingLabel({.name = "Label10", .parent = "Frame4", .geometry = {3720, 2400, 1500, 195},
                  .caption = QT_TRANSLATE_NOOP("Design", "Negative Traits"), .tabIndex = 14}),
    headingLabel({.name = "Label13", .parent = "Frame4", .geometry = {120, 2400, 1410, 195},
                  .caption = QT_TRANSLATE_NOOP("Design", "Positive Traits"), .tabIndex = 13}),
    // The window never shows undesirable colours.
    {.name = "lblUndesirableColors", .kind = ControlKind::Label, .parent = "Frame4",
     .geometry = {3000, 840, 2040, 195}, .caption = "lblUndesirableColors",
     .font = kVerdanaBold, .foreColor = kWhite, .transparent = true, .autoSize = true,
     .visible = false, .tabIndex = 4},
    headingLabel({.name = "Label3", .parent = "Frame4", .geometry = {600, 840, 1845, 195},
                  .caption = "Undesirable Colors", .visible = false, .tabIndex = 3}),
    brandingLink({.name = "lblCobrand", .parent = "Frame4", .geometry = {120, 7320, 9705, 495},
                  .caption = kCoBrandCaption,
                  .tabIndex = 7, .pointer = Pointer::HandTwoColor}),
    brandingLink({.name = "lblFullBrand", .parent = "Frame4",
                  .geometry = {120, 7320, 9705, 495},
                  .caption = kFullBrandCaption,
                  .tabIndex = 6, .pointer = Pointer::HandSixteenColor}),
    headingLabel({.name = "Label1", .parent = "Frame4", .geometry = {240, 3960, 1215, 195},
                  .caption = QT_TRANSLATE_NOOP("Design", "Design Style"), .tabIndex = 25}),
    {.name = "Label4", .kind = ControlKind::Label, .parent = "Frame4",
     .geometry = {120, 3700, 2610, 210}, .caption = QT_TRANSLATE_NOOP("Design", "Home Astrology Attributes"),
     .font = FontSpec{.face = kVerdana, .pointSize = 9, .bold = true}, .foreColor = kOrange,
     .transparent = true, .autoSize = true, .tabIndex = 34},
    {.name = "Frame2", .kind = ControlKind::Frame, .geometry = {0, 0, 11415, 375},
     .foreColor = systemColor(SystemColor::WindowText), .tabIndex = 0},
    // Taller than its frame: the lower part of the banner is clipped.
    {.name = "Label61", .kind = ControlKind::Label, .parent = "Frame2",
     .geometry = {0, 120, 11160, 465},
     .caption = kBannerCaption,
     .font = kVerdanaUnderlined,
     .foreColor = kPlum, .transparent = true, .alignment = Alignment::Center,
     .tabIndex = 1, .pointer = Pointer::HandTwoColor},
};

constexpr MenuItemDefinition kFileMenu[] = {
    {.name = "mnuBack", .caption = QT_TRANSLATE_NOOP("Design", "Back")},
    {.name = "mnuExit", .caption = QT_TRANSLATE_NOOP("Design", "E&xit")},
};

constexpr MenuItemDefinition kHelpMenu[] = {
    {.name = "mnuOnline", .caption = QT_TRANSLATE_NOOP("Design", "&Online Help")},
    {.name = "mnuVisit", .caption = QT_TRANSLATE_NOOP("Design", "&Visit Us Online")},
    {.name = "mnuSep1", .caption = "-"},
    {.name = "mnuUpdate", .caption = QT_TRANSLATE_NOOP("Design", "Check for Software &Update")},
    {.name = "mnuSep2", .caption = "-"},
    {.name = "mnuAbout", .caption = QT_TRANSLATE_NOOP("Design", "&About Software")},
};

constexpr MenuItemDefinition kMenu[] = {
    {.name = "mnuFile", .caption = QT_TRANSLATE_NOOP("Design", "&File"), .children = kFileMenu},
    {.name = "mnuHelp", .caption = QT_TRANSLATE_NOOP("Design", "&Help"), .children = kHelpMenu},
    {.name = "mnuDonate", .caption = QT_TRANSLATE_NOOP("Design", "&Donate")},
    {.name = "mnumakemoney", .caption = QT_TRANSLATE_NOOP("Design", "Make Money &Online"), .enabled = false},
};
// clang-format on

} // namespace

const WindowDefinition& frmDisplay() {
    static const WindowDefinition window{
        .name = kResultWindowName,
        .caption = DWELLSTAR_CAPTION,
        .clientWidth = 11265,
        .clientHeight = 8325,
        .border = Border::FixedDialog,
        .backColor = kBlack,
        .foreColor = kBlack,
        .font = kVerdanaPlain,
        .controls = kControls,
        .menu = kMenu,
    };
    return window;
}

} // namespace forms
