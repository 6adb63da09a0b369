#pragma once

namespace app {

/// Runs the program from start-up to the event loop; returns the exit code.
int run(int& argc, char** argv);

} // namespace app
