// SPDX-License-Identifier: MIT
#include "people/icalendar.h"

#include <initializer_list>

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <QUuid>

#include "people/gift_tips.h"
#include "site_config.h"

namespace people {

namespace {

struct Calendar {
    Q_DECLARE_TR_FUNCTIONS(Calendar)
};

// Ours alone, so that no other program's UIDs can meet ours.
constexpr QUuid kUidNamespace(0xaafe9d84, 0xe4f9, 0x43b9, 0x8a, 0xfe, 0x09, 0x33, 0x35, 0x4f, 0x6a,
                              0x42);

// A year that has 29 February, for birthdays without their year.
constexpr int kLeapYear = 2000;

constexpr qsizetype kLineOctets = 75;

bool continuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

/// A content line with its CRLF, folded where it would pass 75 octets; a fold never splits a
/// character's UTF-8 bytes, which some importers would turn into garbage.
QByteArray folded(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    QByteArray out;
    qsizetype start = 0;
    qsizetype room = kLineOctets;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        while (continuesCharacter(bytes.at(cut)))
            --cut;
        out += bytes.mid(start, cut - start) + "\r\n ";
        start = cut;
        room = kLineOctets - 1; // the blank that opens a continued line counts
    }
    return out + bytes.mid(start) + "\r\n";
}

QByteArray contentLines(std::initializer_list<QString> lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += folded(line);
    return out;
}

/// A TEXT value: backslash, semicolon and comma escaped, line breaks written as \n.
QString escaped(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char(';'), QStringLiteral("\\;"));
    text.replace(QLatin1Char(','), QStringLiteral("\\,"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return text;
}

QString dateValue(QDate date) {
    return date.toString(QStringLiteral("yyyyMMdd"));
}

QByteArray event(const Person& person, const QString& stamp) {
    const GiftTips tips = giftTips(signOf(person));
    const QDate start(person.year == 0 ? kLeapYear : person.year, person.month, person.day);
    // Without BYMONTHDAY=-1 a yearly rule skips 29 February in common years.
    const QString rule = person.month == 2 && person.day == 29
                             ? QStringLiteral("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1")
                             : QStringLiteral("FREQ=YEARLY");
    const QStringList description{
        Calendar::tr("Colors: %1").arg(tips.colors),
        Calendar::tr("Birthstone: %1").arg(tips.birthstone),
        Calendar::tr("Home style: %1").arg(tips.style.value(0)),
    };
    return contentLines({
        QStringLiteral("BEGIN:VEVENT"),
        QStringLiteral("UID:") + birthdayUid(person),
        QStringLiteral("DTSTAMP:") + stamp,
        QStringLiteral("DTSTART;VALUE=DATE:") + dateValue(start),
        QStringLiteral("DTEND;VALUE=DATE:") + dateValue(start.addDays(1)),
        QStringLiteral("RRULE:") + rule,
        // One call with both arguments: a name holding "%2" stays as it is.
        QStringLiteral("SUMMARY:") +
            escaped(Calendar::tr("%1's birthday (%2)").arg(fullName(person), tips.sign)),
        QStringLiteral("DESCRIPTION:") + escaped(description.join(QLatin1Char('\n'))),
        QStringLiteral("TRANSP:TRANSPARENT"),
        QStringLiteral("END:VEVENT"),
    });
}

} // namespace

QByteArray birthdayCalendar(const std::vector<Person>& people, const QDateTime& stamp) {
    const QString stampValue = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray out = contentLines({
        QStringLiteral("BEGIN:VCALENDAR"),
        QStringLiteral("VERSION:2.0"),
        QStringLiteral("PRODID:-//Velmora Softwares//KV Dwellstar " DWELLSTAR_VERSION "//EN"),
        QStringLiteral("CALSCALE:GREGORIAN"),
        QStringLiteral("METHOD:PUBLISH"),
        QStringLiteral("X-WR-CALNAME:") + escaped(Calendar::tr("Birthdays")),
    });
    for (const Person& person : people)
        out += event(person, stampValue);
    return out + folded(QStringLiteral("END:VCALENDAR"));
}

QString birthdayUid(const Person& person) {
    // Case-folded as samePerson compares names, so that one person keeps one UID.
    const QString key = fullName(person).toCaseFolded() + QLatin1Char(' ') + birthDateText(person);
    return QUuid::createUuidV5(kUidNamespace, key).toString(QUuid::WithoutBraces) +
           QStringLiteral("@" DWELLSTAR_PRODUCT_HOST);
}

} // namespace people
