// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "people/person.h"
#include "reading/birth_details.h"

// The People window: the reader's dear ones, soonest birthday first, with the gift tips of each,
// and what keeps the book from the other windows.

namespace shell {

inline const QString kPeopleWindow = QStringLiteral("frmPeople");

/// Makes the window known to the window manager.
void registerPeopleWindow();

/// Shows the window, loading it with the book if it is not loaded.
void openPeople();

/// Keeps the person a reading was made for in the book, and tells the reader how it went. False
/// when the book could not keep them.
bool rememberPerson(const reading::BirthDetails& details);

/// The person's reading, as if typed into the input window: a name's other characters become
/// blanks, and a birth year the year list lacks is asked for.
void openReadingOf(const people::Person& person);

/// The person whom a reading's entries name, or nothing without a name.
std::optional<people::Person> personOf(const reading::BirthDetails& details);

} // namespace shell
