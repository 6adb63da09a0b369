// SPDX-License-Identifier: MIT
#include "forms/design_text.h"

#include "language/language.h"
#include "site_config.h"

namespace forms {

QString designText(std::string_view text) {
    const QString shown = language::translated(kDesignContext, text);
    return text.find("%1") == std::string_view::npos
               ? shown
               : shown.arg(QStringLiteral(DWELLSTAR_MAIN_HOST));
}

} // namespace forms
