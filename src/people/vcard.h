// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

#include "people/person.h"

// Contacts from the .vcf files that address books, phones and mail programs export: the name
// and the birthday of each, nothing else.

namespace people {

enum class SkipReason { NoName, NoBirthday, NotADate };

/// A contact left out of the book, with the name it gives (perhaps none) and why.
struct SkippedContact {
    QString name;
    SkipReason reason;
};

struct ContactsRead {
    bool isVCard = false;                ///< false: no vCard at all in the bytes (another file)
    std::vector<Person> people;          ///< each contact with a usable birthday, in file order
    std::vector<SkippedContact> skipped; ///< the others, in file order
};

/// Every contact of a .vcf file's bytes.
ContactsRead readContacts(const QByteArray& bytes);

} // namespace people
