// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Window designs as plain constant data. Geometry is in twips (15 twips = 1 pixel at 96 dpi);
// texts are UTF-8.

namespace forms {

enum class ControlKind {
    Label,
    TextBox,
    DropDownList,
    Button,
    CheckBox,
    Frame,
    PictureBox,
    Image,
    Shape,
    Line,
    ImageList
};

/// Colours taken from the platform theme, named by role.
enum class SystemColor { ButtonFace, ButtonText, Window, WindowText };

struct ColorSpec {
    enum class Kind : std::uint8_t { Default, Rgb, System };
    Kind kind = Kind::Default;
    std::uint32_t rgb = 0; ///< 0xRRGGBB when kind is Rgb
    SystemColor system = SystemColor::ButtonFace;
};

constexpr ColorSpec rgb(std::uint32_t value) {
    return {ColorSpec::Kind::Rgb, value, SystemColor::ButtonFace};
}
constexpr ColorSpec systemColor(SystemColor role) {
    return {ColorSpec::Kind::System, 0, role};
}

/// The two faces the designs name.
inline constexpr std::string_view kVerdana = "Verdana";
inline constexpr std::string_view kMsSansSerif = "MS Sans Serif";

struct FontSpec {
    std::string_view face{};
    double pointSize = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

/// left, top, width, height; for a line: x1, y1, x2, y2.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class Alignment { Left, Center };
enum class Pointer { Default, HandTwoColor, HandSixteenColor };
enum class ButtonStyle { Standard, Graphical };
enum class Border { FixedSingle, FixedDialog };

struct ControlDefinition {
    std::string_view name{};
    int index = -1; ///< member of a control array when >= 0
    ControlKind kind = ControlKind::Label;
    std::string_view parent{}; ///< empty: the window itself
    Geometry geometry{};
    std::string_view caption{}; ///< caption, or initial text of a text box
    std::optional<FontSpec> font{};
    ColorSpec foreColor{};
    ColorSpec backColor{};
    bool transparent = false;
    Alignment alignment = Alignment::Left;
    bool autoSize = false;
    bool visible = true;
    int tabIndex = -1; ///< -1: the kind has no place in the numbering
    Pointer pointer = Pointer::Default;
    // text boxes
    bool multiLine = false;
    bool verticalScrollBar = false;
    bool readOnly = false;
    // buttons
    bool defaultButton = false;
    bool cancelButton = false;
    ButtonStyle style = ButtonStyle::Standard;
    // pictures, images, image lists: a resource path, or the name of a picture list
    std::string_view picture{};
    int pictureIndex = 0; ///< 1-based item of the picture list named in `picture`
    bool stretch = false;
    bool tabStop = true;
    int lineWidth = 1; ///< lines and shapes, in pixels
    // what a screen reader says for controls whose own text does not say it
    std::string_view accessibleName{};
    std::string_view accessibleDescription{};
};

struct MenuItemDefinition {
    std::string_view name{};
    std::string_view caption{}; ///< "-" is a separator
    std::span<const MenuItemDefinition> children{};
    bool enabled = true;
};

/// The font of a window whose design gives none.
inline constexpr FontSpec kDefaultFont{.face = kMsSansSerif};

struct WindowDefinition {
    std::string_view name{};
    std::string_view caption{};
    int clientWidth = 0; ///< twips
    int clientHeight = 0;
    Border border = Border::FixedSingle;
    bool showInTaskbar = true;
    ColorSpec backColor{};
    ColorSpec foreColor{};
    std::optional<FontSpec> font{}; ///< absent: kDefaultFont
    std::span<const ControlDefinition> controls{};
    std::span<const MenuItemDefinition> menu{};
};

/// The four windows of the program, each with its design name: the one place it is written.
inline constexpr std::string_view kInputWindowName = "frmMain";
const WindowDefinition& frmMain();
inline constexpr std::string_view kResultWindowName = "frmDisplay";
const WindowDefinition& frmDisplay();
inline constexpr std::string_view kAboutWindowName = "frmAbout";
const WindowDefinition& frmAbout();
inline constexpr std::string_view kExitWindowName = "frmNagScreen2";
const WindowDefinition& frmNagScreen2();

/// All four, for tools and tests.
std::span<const WindowDefinition* const> allWindows();

} // namespace forms
