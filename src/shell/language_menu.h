// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>
#include <QString>

// The reader's choice of language in the windows.

namespace shell {

/// Speaks the language the windows start in: `asked` on the command line (already spoken),
/// else the one the reader chose before, else the desktop's.
void speakChosenLanguage(const QString& asked);

/// Speaks `code` in every open window at once, or the desktop's language again for an empty
/// code, and remembers the choice.
void chooseLanguage(const QString& code);

/// The Language submenu: the desktop's language, then each language named in itself. Its own
/// texts come from retranslateLanguageMenu.
QMenu* createLanguageMenu(QWidget* parent);
/// Its texts in the language spoken now.
void retranslateLanguageMenu(QMenu* menu);

} // namespace shell
