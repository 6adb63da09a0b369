// SPDX-License-Identifier: MIT
#include "people/contacts_import.h"

#include <QFile>
#include <QStringList>

#include "people/vcard.h"

namespace people {

Import importContacts(Book& book, const QString& path) {
    Import done;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        done.unreadable = file.errorString();
        return done;
    }
    const ContactsRead read = readContacts(file.readAll());
    done.isVCard = read.isVCard;
    if (!read.isVCard)
        return done;
    for (const SkippedContact& contact : read.skipped) {
        ++(contact.reason == SkipReason::NoBirthday ? done.skipped.noBirthday
           : contact.reason == SkipReason::NotADate ? done.skipped.notADate
                                                    : done.skipped.noName);
    }
    done.change = book.add(read.people, done.found);
    return done;
}

QString toldOf(const Import& import, const QString& path) {
    if (!import.unreadable.isEmpty())
        return toldOfUnreadable(path, import.unreadable);
    if (!import.isVCard)
        return toldOfNoContacts(path);
    QStringList told;
    if (const QString read = toldOfRead(import.found); !read.isEmpty())
        told << read;
    told << (import.change.error.isEmpty() ? toldOfImport(path, import.change, import.skipped)
                                           : toldOfFailure(import.change));
    return told.join(QStringLiteral("\n\n"));
}

} // namespace people
