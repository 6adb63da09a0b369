// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "forms/form_model.h"

namespace forms {

/// Programming errors in a definition (missing parent, repeated name or tab index, ...);
/// empty when the definition is sound.
std::vector<std::string> definitionProblems(const WindowDefinition& definition);

} // namespace forms
