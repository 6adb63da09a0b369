// SPDX-License-Identifier: MIT
#include "forms/form_model.h"

#include <array>

namespace forms {

std::span<const WindowDefinition* const> allWindows() {
    static const std::array<const WindowDefinition*, 4> windows = {&frmMain(), &frmDisplay(),
                                                                   &frmAbout(), &frmNagScreen2()};
    return windows;
}

} // namespace forms
