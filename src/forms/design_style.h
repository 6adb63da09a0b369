// SPDX-License-Identifier: MIT
#pragma once

#include "forms/form_model.h"

// The colours and fonts that more than one design uses.

namespace forms::design {

inline constexpr ColorSpec kBlack = rgb(0x000000);
inline constexpr ColorSpec kWhite = rgb(0xFFFFFF);
inline constexpr ColorSpec kPlum = rgb(0x400040);
inline constexpr ColorSpec kFace = systemColor(SystemColor::ButtonFace);

inline constexpr FontSpec kVerdanaPlain{.face = kVerdana};
inline constexpr FontSpec kVerdanaBold{.face = kVerdana, .bold = true};
inline constexpr FontSpec kVerdanaUnderlined{.face = kVerdana, .underline = true};
inline constexpr FontSpec kVerdanaBoldUnderlined{.face = kVerdana, .bold = true, .underline = true};

} // namespace forms::design
