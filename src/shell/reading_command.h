// SPDX-License-Identifier: MIT
#pragma once

#include "reading/reading.h"

namespace shell {

/// The entries of the input window as they stand now.
reading::BirthDetails readBirthDetails();

/// Writes a reading into the result window, loading it hidden if needed. Each value stands
/// alone: one that cannot be set is skipped.
void applyReading(const reading::Reading& result);

/// Checks the entries and either reports the first broken rule or shows the reading.
void runReadingCommand();

} // namespace shell
