// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include <QDate>
#include <QLocale>
#include <QString>

// The language the windows speak: the program's own English, in which every text is written,
// or a translation.

namespace forms {

/// The context under which the designs' texts are translated.
inline constexpr char kDesignContext[] = "Design";

/// The locale of the translation in use; nothing while the program speaks its own English.
const std::optional<QLocale>& translationLocale();
/// Set by whoever installs (or removes) the translation.
void setTranslationLocale(std::optional<QLocale> locale);

/// A text of a design in the user's language. Translators see the community site's address,
/// which is fixed at build time, as "%1".
QString designText(std::string_view text);
/// A text marked under `context`, in the user's language.
QString translated(const char* context, std::string_view text);

/// A date written out in full, as the translation's language writes it, weekday included; null
/// while the program speaks its own English.
QString longDate(QDate date);

} // namespace forms
