// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "platform/services.h"

namespace platform {

/// The implementations that talk to the real desktop.
Services realServices();

/// Runs before the real process end (releases the instance lock, for one).
void addEndHook(std::function<void()> hook);

} // namespace platform
