// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "people/book.h"
#include "people/telling.h"

namespace people {

/// What importing a contacts file did to the book.
struct Import {
    QString unreadable; ///< why the file could not be read; nothing else happened
    bool isVCard = false;
    Found found;
    Change change;
    ImportCounts skipped;
};

/// Adds every contact of a vCard file that has a birthday and is not in the book yet.
Import importContacts(Book& book, const QString& path);

/// What the reader is told of it: the import's count, or why nothing was imported; with what
/// reading the book found.
QString toldOf(const Import& import, const QString& path);

} // namespace people
