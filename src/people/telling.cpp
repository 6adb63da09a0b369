// SPDX-License-Identifier: MIT
#include "people/telling.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace people {

namespace {

struct PeopleText {
    Q_DECLARE_TR_FUNCTIONS(PeopleText)
};

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QString toldOfRead(const Found& found) {
    if (!found.error.isEmpty())
        return PeopleText::tr("Your book of people could not be read, and nothing in it was "
                              "changed.\n\n%1")
            .arg(found.error);
    switch (found.why) {
    case Found::Why::Damaged:
        return PeopleText::tr("Your book of people could not be read: it is damaged. It has been "
                              "set aside, unchanged, as \"%1\", and a new book begun.")
            .arg(shown(found.setAsideAs));
    case Found::Why::Newer:
        return PeopleText::tr("Your book of people was written by a newer KV Dwellstar, which "
                              "this one cannot read. It has been set aside, unchanged, as \"%1\", "
                              "and a new book begun.")
            .arg(shown(found.setAsideAs));
    case Found::Why::Nothing:
        break;
    }
    return {};
}

QString toldOfFailure(const Change& change) {
    return PeopleText::tr("The change could not be kept in your book of people, which is as it "
                          "was.\n\n%1")
        .arg(change.error);
}

QString toldOfImport(const QString& file, const Change& change, const ImportCounts& skipped) {
    QStringList lines{PeopleText::tr("Contacts read from \"%1\":").arg(shown(file)),
                      PeopleText::tr("added to your people: %1").arg(change.added),
                      PeopleText::tr("already among them: %1").arg(change.alreadyThere)};
    const std::pair<int, QString> skips[] = {
        {skipped.noBirthday, PeopleText::tr("skipped, without a birthday: %1")},
        {skipped.notADate, PeopleText::tr("skipped, with a birthday that is no date: %1")},
        {skipped.noName, PeopleText::tr("skipped, without a name: %1")}};
    for (const auto& [count, line] : skips) {
        if (count > 0)
            lines << line.arg(count);
    }
    return lines.join(QLatin1Char('\n'));
}

QString toldOfExportFailure(const QString& file, const QString& reason) {
    return PeopleText::tr("The birthdays could not be exported to \"%1\".\n\n%2")
        .arg(shown(file), reason);
}

QString toldOfUnreadable(const QString& file, const QString& reason) {
    return PeopleText::tr("\"%1\" could not be read; your people are as they were.\n\n%2")
        .arg(shown(file), reason);
}

QString toldOfNoContacts(const QString& file) {
    return PeopleText::tr("\"%1\" holds no contacts in vCard form; your people are as they were.")
        .arg(shown(file));
}

} // namespace people
