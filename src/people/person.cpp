// SPDX-License-Identifier: MIT
#include "people/person.h"

#include <QStringList>

namespace people {

namespace {

constexpr int kLeapYear = 2000;

/// The birthday in `year`: 28 February for 29 February in a common year.
QDate birthdayIn(const Person& person, int year) {
    if (person.month == 2 && person.day == 29 && !QDate::isLeapYear(year))
        return {year, 2, 28};
    return {year, person.month, person.day};
}

} // namespace

QString fullName(const Person& person) {
    QStringList parts;
    for (const QString& part : {person.first, person.middle, person.last}) {
        if (const QString trimmed = part.simplified(); !trimmed.isEmpty())
            parts << trimmed;
    }
    return parts.join(QLatin1Char(' '));
}

bool samePerson(const Person& a, const Person& b) {
    return personKey(a) == personKey(b);
}

QString personKey(const Person& person) {
    return fullName(person).toCaseFolded() + QLatin1Char('\n') + birthDateText(person);
}

QString birthDateText(const Person& person) {
    const QString monthDay = QStringLiteral("%1-%2")
                                 .arg(person.month, 2, 10, QLatin1Char('0'))
                                 .arg(person.day, 2, 10, QLatin1Char('0'));
    return person.year == 0
               ? QStringLiteral("--") + monthDay
               : QStringLiteral("%1-").arg(person.year, 4, 10, QLatin1Char('0')) + monthDay;
}

std::optional<Person> withBirthDate(Person person, const QString& text) {
    // "yyyy-mm-dd" or "--mm-dd", read by hand: a book reads tens of thousands of them.
    const qsizetype yearDigits = text.startsWith(QLatin1String("--")) ? 0 : 4;
    const auto number = [&text](qsizetype at, qsizetype digits) {
        int value = 0;
        for (qsizetype i = at; i < at + digits; ++i) {
            if (i >= text.size() || !text[i].isDigit() || text[i].unicode() > u'9')
                return -1;
            value = value * 10 + (text[i].unicode() - u'0');
        }
        return value;
    };
    const qsizetype monthAt = yearDigits == 0 ? 2 : 5;
    if (text.size() != monthAt + 5 || text[monthAt - 1] != QLatin1Char('-') ||
        text[monthAt + 2] != QLatin1Char('-'))
        return std::nullopt;
    person.year = yearDigits == 0 ? 0 : number(0, 4);
    person.month = number(monthAt, 2);
    person.day = number(monthAt + 3, 2);
    if (person.year < 0 || person.month < 0 || person.day < 0)
        return std::nullopt;
    const bool valid = person.year == 0 ? isBirthday(person.month, person.day)
                                        : QDate(person.year, person.month, person.day).isValid();
    if (!valid)
        return std::nullopt;
    return person;
}

bool isBirthday(int month, int day) {
    return QDate(kLeapYear, month, day).isValid();
}

reading::SunSign signOf(const Person& person) {
    return reading::signForPositions(person.month - 1, person.day - 1)
        .value_or(reading::SunSign::Aries);
}

bool comesBefore(int days, const QString& name, int otherDays, const QString& otherName) {
    if (days != otherDays)
        return days < otherDays;
    return name.compare(otherName, Qt::CaseInsensitive) < 0;
}

int daysToNextBirthday(const Person& person, QDate today) {
    QDate next = birthdayIn(person, today.year());
    if (next < today)
        next = birthdayIn(person, today.year() + 1);
    return static_cast<int>(today.daysTo(next));
}

} // namespace people
