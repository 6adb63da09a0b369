// SPDX-License-Identifier: MIT
#include <QtGlobal>

#include "forms/design_style.h"
#include "forms/form_model.h"

#include "site_config.h"

namespace forms {

namespace {

using namespace design;

constexpr ColorSpec kOlive = rgb(0xC0C000);

// Both links of this window share one look.
constexpr ControlDefinition aboutLink(ControlDefinition control) {
    control.kind = ControlKind::Label;
    control.font = kVerdanaUnderlined;
    control.foreColor = kOlive;
    control.transparent = true;
    control.autoSize = true;
    control.pointer = Pointer::HandSixteenColor;
    return control;
}

// clang-format off
constexpr ControlDefinition kControls[] = {
    {.name = "Picture1", .kind = ControlKind::PictureBox, .geometry = {120, 120, 480, 480},
     .backColor = systemColor(SystemColor::Window), .autoSize = true, .tabIndex = 6,
     .picture = ":/pictures/app_icon.png", .tabStop = false},
    {.name = "cmdOK", .kind = ControlKind::Button, .geometry = {5400, 3360, 1260, 345},
     .caption = QT_TRANSLATE_NOOP("Design", "OK"), .font = FontSpec{.face = kMsSansSerif, .bold = true},
     .backColor = kFace, .tabIndex = 0, .defaultButton = true, .cancelButton = true,
     .style = ButtonStyle::Graphical},
    {.name = "Line1", .index = 2, .kind = ControlKind::Line, .geometry = {-60, 3240, 6840, 3240},
     .foreColor = kFace, .lineWidth = 2},
    {.name = "Label1", .kind = ControlKind::Label, .geometry = {360, 840, 6375, 795},
     .caption = QT_TRANSLATE_NOOP("Design", "KV Dwellstar tells you about the home design preferences of the different "
                "zodiac signs. Get tips to know your dear one's favorite colors and design "
                "styles. Gift the perfect home and interiors with the help of this software."),
     .font = kVerdanaPlain, .foreColor = kFace, .transparent = true, .tabIndex = 5},
    {.name = "Label2", .kind = ControlKind::Label, .geometry = {840, 240, 2490, 240},
     .caption = DWELLSTAR_CAPTION,
     .font = FontSpec{.face = kVerdana, .pointSize = 9.75, .bold = true}, .foreColor = kFace,
     .transparent = true, .autoSize = true, .tabIndex = 4},
    aboutLink({.name = "lblCoBrand", .geometry = {4320, 2880, 2355, 195},
               .caption = QT_TRANSLATE_NOOP("Design", "Click here for more details."), .tabIndex = 3}),
    {.name = "Label3", .kind = ControlKind::Label, .geometry = {360, 2280, 6255, 615},
     .caption = QT_TRANSLATE_NOOP("Design", "Home Business Opportunity. Start your own Internet business and make money "
                "online. Get this software fully branded for your website."),
     .font = kVerdanaBold, .foreColor = kFace, .transparent = true, .tabIndex = 2},
    aboutLink({.name = "lblHomePage", .geometry = {2640, 1920, 4050, 195},
               .caption = QT_TRANSLATE_NOOP("Design", "Click here to visit %1"), .tabIndex = 1}),
};
// clang-format on

} // namespace

const WindowDefinition& frmAbout() {
    static const WindowDefinition window{
        .name = kAboutWindowName,
        .caption = DWELLSTAR_CAPTION,
        .clientWidth = 6825,
        .clientHeight = 3870,
        .border = Border::FixedSingle,
        .showInTaskbar = false,
        .backColor = kBlack,
        .controls = kControls,
    };
    return window;
}

} // namespace forms
