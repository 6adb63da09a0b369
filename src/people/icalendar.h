// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "people/person.h"

// The people's birthdays written as iCalendar (RFC 5545), for calendar programs to import.

namespace people {

/// The people's birthdays as a calendar: one yearly all-day event each, its texts in the
/// language spoken. `stamp` is the moment of the export (DTSTAMP, written in UTC).
QByteArray birthdayCalendar(const std::vector<Person>& people, const QDateTime& stamp);

/// The event's UID: the same for the same person (name, letter case aside, and birthday) from one
/// export to the next.
QString birthdayUid(const Person& person);

} // namespace people
