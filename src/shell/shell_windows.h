// SPDX-License-Identifier: MIT
#pragma once

namespace shell {

/// Makes the input, result and about windows known with their behaviour; the exit window is
/// registered by its own library.
void registerShellWindows();

} // namespace shell
