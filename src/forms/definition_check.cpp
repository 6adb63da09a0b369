#include "forms/definition_check.h"

namespace forms {

std::vector<std::string> definitionProblems(const WindowDefinition& /*definition*/) {
    return {};
}

} // namespace forms
