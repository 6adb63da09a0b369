#pragma once

namespace shell {

/// Makes the input, result and about windows known with their behaviour, and the exit window
/// with a minimal one (its close ends the program) until a fuller one is registered.
void registerShellWindows();

} // namespace shell
