// SPDX-License-Identifier: MIT
#include <QtGlobal>

#include "forms/design_style.h"
#include "forms/form_model.h"

#include "site_config.h"

namespace forms {

namespace {

using namespace design;

constexpr ColorSpec kNavy = rgb(0x000080);

constexpr FontSpec kLargeBold{.face = kVerdana, .pointSize = 9.75, .bold = true};

constexpr ControlDefinition navyFrame(ControlDefinition control) {
    control.kind = ControlKind::Frame;
    control.font = kLargeBold;
    control.foreColor = kWhite;
    control.backColor = kNavy;
    return control;
}

constexpr ControlDefinition referralBox(ControlDefinition control) {
    control.kind = ControlKind::TextBox;
    control.parent = "Frame2";
    return control;
}

// Never shown and without action; kept for code that addresses the array.
constexpr ControlDefinition hiddenExit(ControlDefinition control) {
    control.kind = ControlKind::Button;
    control.caption = "Exit";
    control.visible = false;
    return control;
}

// clang-format off
constexpr ControlDefinition kControls[] = {
    navyFrame({.name = "Frame6", .geometry = {7320, 120, 3735, 4575},
               .caption = QT_TRANSLATE_NOOP("Design", "Download Velmora Softwares"), .tabIndex = 15}),
    {.name = "lblGoToHome", .kind = ControlKind::Label, .parent = "Frame6",
     .geometry = {75, 4250, 3585, 210}, .caption = QT_TRANSLATE_NOOP("Design", "Click Here To Visit Velmora Softwares"),
     .font = FontSpec{.face = kVerdana, .pointSize = 9, .bold = true, .underline = true},
     .foreColor = rgb(0xFFFF00), .transparent = true, .autoSize = true, .tabIndex = 17,
     .pointer = Pointer::HandSixteenColor},
    {.name = "Label3", .kind = ControlKind::Label, .parent = "Frame6",
     .geometry = {120, 360, 3495, 3855},
     // The run of blanks pushes the closing sentences onto a line of their own.
     .caption = QT_TRANSLATE_NOOP("Design", "Enjoyed KV Dwellstar? Then you will surely be interested in the other programs "
                "of Velmora Softwares. What started as a single program has grown into a large "
                "collection of them. Be it astrology, psychic, tarot, numerology or occult, we "
                "have programs in all fields thus giving our users a wide choice depending on "
                "their interests."
                "                                                                "
                "All Velmora Softwares programs are simple and easy to use. They are not only "
                "fun to use but also very informative. Try them out today and share your "
                "experience with your friends and family."),
     .font = FontSpec{.face = kVerdana, .pointSize = 9}, .foreColor = kWhite,
     .transparent = true, .tabIndex = 16},
    navyFrame({.name = "Frame2", .geometry = {120, 3240, 7065, 1455},
               .caption = QT_TRANSLATE_NOOP("Design", "Refer A Friend"), .tabIndex = 8}),
    // Outside the frame's client area: never seen, yet reached by Tab.
    referralBox({.name = "txtMessage", .geometry = {4800, 3600, 1815, 495},
                 .caption = QT_TRANSLATE_NOOP("Design", "Your Message\r\n"), .tabIndex = 14, .multiLine = true,
                 .verticalScrollBar = true, .accessibleName = QT_TRANSLATE_NOOP("Design", "Your Message")}),
    referralBox({.name = "txtFriendName", .geometry = {85, 720, 3375, 285},
                 .caption = QT_TRANSLATE_NOOP("Design", "Friend's Name"), .tabIndex = 13, .accessibleName = QT_TRANSLATE_NOOP("Design", "Friend's Name")}),
    referralBox({.name = "txtFriendEmail", .geometry = {3600, 720, 3375, 285},
                 .caption = QT_TRANSLATE_NOOP("Design", "Friend's Email Address"), .tabIndex = 12,
                 .accessibleName = QT_TRANSLATE_NOOP("Design", "Friend's Email Address")}),
    referralBox({.name = "txtEmail", .geometry = {3600, 360, 3375, 285},
                 .caption = QT_TRANSLATE_NOOP("Design", "Your Email Address"), .tabIndex = 11,
                 .accessibleName = QT_TRANSLATE_NOOP("Design", "Your Email Address")}),
    {.name = "cmdSubmit", .kind = ControlKind::Button, .parent = "Frame2",
     .geometry = {1920, 1080, 3375, 285}, .caption = QT_TRANSLATE_NOOP("Design", "Refer A Friend &Now"),
     .font = kVerdanaBold, .tabIndex = 10},
    referralBox({.name = "txtName", .geometry = {85, 360, 3375, 285}, .caption = QT_TRANSLATE_NOOP("Design", "Your Name"),
                 .tabIndex = 9, .accessibleName = QT_TRANSLATE_NOOP("Design", "Your Name")}),
    {.name = "cmdClose", .kind = ControlKind::Button, .geometry = {6000, 2760, 1245, 375},
     .caption = QT_TRANSLATE_NOOP("Design", "E&xit"), .tabIndex = 0},
    hiddenExit({.name = "cmdExit", .index = 1, .geometry = {2955, 6540, 1335, 315},
                .tabIndex = 4}),
    {.name = "Check1", .kind = ControlKind::CheckBox, .geometry = {30, 2040, 7185, 555},
     .caption = QT_TRANSLATE_NOOP("Design", "Click Here To Visit %1 Now"),
     .font = FontSpec{.face = kVerdana, .pointSize = 14.25}, .foreColor = rgb(0x0000C0),
     .tabIndex = 1, .pointer = Pointer::HandSixteenColor, .style = ButtonStyle::Graphical},
    hiddenExit({.name = "cmdExit", .index = 2, .geometry = {5880, 6540, 1335, 315},
                .tabIndex = 5}),
    hiddenExit({.name = "cmdExit", .index = 0, .geometry = {30, 6540, 1335, 315},
                .tabIndex = 3}),
    {.name = "Picture1", .kind = ControlKind::PictureBox, .geometry = {360, 120, 540, 540},
     .backColor = systemColor(SystemColor::Window), .tabIndex = 2,
     .picture = ":/pictures/app_icon.png", .tabStop = false},
    // Replaced by one of the appeals each time the window loads.
    {.name = "Label2", .kind = ControlKind::Label, .geometry = {120, 840, 6975, 1095},
     .caption = QT_TRANSLATE_NOOP("Design", "Please visit Velmora at %1 regularly and support it by "
                "taking part in its discussions and other activities. These programs cannot "
                "be supported and maintained without you regularly visiting %1."),
     .font = kLargeBold, .transparent = true, .tabIndex = 7},
    {.name = "Label1", .kind = ControlKind::Label, .geometry = {1080, 240, 3675, 435},
     .caption = DWELLSTAR_CAPTION, .font = FontSpec{.face = kMsSansSerif, .pointSize = 18},
     .transparent = true, .autoSize = true, .tabIndex = 6},
};
// clang-format on

} // namespace

const WindowDefinition& frmNagScreen2() {
    static const WindowDefinition window{
        .name = kExitWindowName,
        .caption = DWELLSTAR_CAPTION,
        .clientWidth = 11115,
        .clientHeight = 4725,
        .border = Border::FixedSingle,
        .backColor = kWhite,
        .controls = kControls,
    };
    return window;
}

} // namespace forms
