// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QDate>
#include <QString>

#include "reading/sun_sign.h"

// One of the reader's dear ones: a name, as it came, and a birthday, perhaps without its year.

namespace people {

struct Person {
    QString first;
    QString middle;
    QString last;
    int year = 0; ///< 0: not known
    int month = 1;
    int day = 1;

    friend bool operator==(const Person&, const Person&) = default;
};

/// First, middle and last name joined by blanks, empty ones left out.
QString fullName(const Person& person);

/// Whether two entries are the same person: the same name, letter case aside, and the same
/// birthday.
bool samePerson(const Person& a, const Person& b);
/// A text that is the same for the same person, and only for them.
QString personKey(const Person& person);

/// "1990-08-15", or "--08-15" without a year.
QString birthDateText(const Person& person);
/// The reverse; nothing for text of another form or a day the calendar lacks (29 February of a
/// common year, 31 April).
std::optional<Person> withBirthDate(Person person, const QString& text);

/// Whether a month and day can be a birthday: 29 February counts, 30 February does not.
bool isBirthday(int month, int day);

reading::SunSign signOf(const Person& person);

/// The order of the book wherever it is shown: the soonest birthday first, then by name.
bool comesBefore(int days, const QString& name, int otherDays, const QString& otherName);

/// Days from `today` to the next birthday: 0 on the day itself. Someone born on 29 February
/// has it on 28 February in a common year.
int daysToNextBirthday(const Person& person, QDate today);

} // namespace people
