// SPDX-License-Identifier: MIT
#pragma once

// What the builder records on the widgets it makes, for the code that reads them back later.

namespace forms::property {

/// The position of a control-array member.
inline constexpr char kIndex[] = "index";
/// A label or picture box whose size follows its caption or picture.
inline constexpr char kAutoSize[] = "autoSize";
/// A label's caption as written, access-key markers included.
inline constexpr char kCaption[] = "caption";
/// The control's rectangle in the design, in its parent's pixels.
inline constexpr char kDesignRect[] = "designRect";

/// The object name of the surface a main window's controls lie on.
inline constexpr char kClientName[] = "client";

} // namespace forms::property
