// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "reading/reading_text.h"

// The one owner of the language the program speaks: its own English, in which every text is
// written, or one of its translations, with Qt's own words and the dates to match.

namespace language {

/// The code of the program's own language.
inline const QString kEnglish = QStringLiteral("en");

/// The languages the program speaks, as codes: English first, then each translation built in
/// ("de", "pt_BR").
QStringList available();

/// A language named in itself ("Deutsch", "Português (Brasil)").
QString nativeName(const QString& code);

/// Speaks the language of `code`, replacing the one spoken before. False, and nothing changes,
/// for a code the program does not speak.
bool use(const QString& code);

/// The first of `preferred` (most wanted first, as QLocale::uiLanguages() names them) that the
/// program speaks; English when it comes first or none is spoken.
QString firstOf(const QStringList& preferred = QLocale::system().uiLanguages());

/// Speaks firstOf(preferred); the code taken.
QString useFirstOf(const QStringList& preferred = QLocale::system().uiLanguages());

/// Speaks a translation that is not built in (translators' previews). False when the file
/// cannot be read.
bool useFile(const QString& qmFile);

/// The language spoken now.
QString current();

/// The locale that dates and month names follow; nothing while the program speaks English,
/// whose dates are its own.
const std::optional<QLocale>& translationLocale();

/// A text marked under `context`, in the language spoken.
QString translated(const char* context, std::string_view text);

/// A text the reading engine marks, in the language spoken.
QString readingWord(std::string_view text);

/// The engine's texts in the language spoken, and the birth date as that language writes it
/// (the engine's own form in English).
reading::Wording wording();

/// A month's name (1 for January) as the month list shows it.
QString monthName(int month);

} // namespace language
