// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace app {

/// Speaks the first of `languages` (as QLocale::uiLanguages() names them, most wanted first)
/// that the program has a translation for, in its own texts and Qt's. It keeps its own English,
/// the language it is written in, when English comes first or none is translated, and then
/// loads nothing. Replaces the language spoken before. The language taken ("de", "pt_BR"), or
/// an empty text for English.
QString useLanguage(const QStringList& languages = QLocale::system().uiLanguages());

/// The languages the program is translated into.
QStringList translatedLanguages();

} // namespace app
