// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "people/book.h"

// What the reader is told of the book, in the windows and at a terminal alike.

namespace people {

/// Of a book read: a file set aside, or one that could not be read. Empty when all was well.
QString toldOfRead(const Found& found);

/// Of a change that could not be kept.
QString toldOfFailure(const Change& change);

/// What one import did.
struct ImportCounts {
    int noBirthday = 0;
    int notADate = 0;
    int noName = 0;
};
QString toldOfImport(const QString& file, const Change& change, const ImportCounts& skipped);

/// A file that holds no vCard.
QString toldOfNoContacts(const QString& file);
/// A calendar that could not be written, and why.
QString toldOfExportFailure(const QString& file, const QString& reason);

/// A file that could not be read, and why.
QString toldOfUnreadable(const QString& file, const QString& reason);

} // namespace people
