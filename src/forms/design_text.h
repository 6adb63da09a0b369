// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <QString>

namespace forms {

/// The context under which the designs' texts are translated.
inline constexpr char kDesignContext[] = "Design";

/// A text of a design as the user reads it, in the language spoken. A design names the
/// community site, whose address is fixed at build time, as "%1", so translators never touch it.
QString designText(std::string_view text);

} // namespace forms
