// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "people/person.h"

// The book of the reader's dear ones: one JSON file, with its format's name and version, in the
// user's data folder. Every change takes the book's lock, reads the file afresh and writes it
// whole or not at all, so that the windows and a terminal can change it side by side and a kill
// or a full disk leaves the last good book. A file that cannot be read is set aside, never taken
// for an empty book nor written over.

namespace people {

/// What reading the book found besides its people.
struct Found {
    QString setAsideAs; ///< a file that could not be read, now under this name
    enum class Why { Nothing, Damaged, Newer } why = Why::Nothing;
    QString error; ///< the book could not be read at all, nor set aside: no change is made
};

/// What became of a change.
struct Change {
    int added = 0;
    int alreadyThere = 0;
    int removed = 0;
    QString error; ///< why the change could not be kept; empty when it was (or none was needed)
};

class Book {
public:
    explicit Book(QString folder = defaultFolder());

    /// Where this user's book lives.
    static QString defaultFolder();
    QString filePath() const;

    /// Reads the book afresh.
    Found read();
    /// The people as last read or changed.
    const std::vector<Person>& people() const { return m_people; }

    /// Adds those the book does not hold yet: not the same name and birthday twice.
    Change add(const std::vector<Person>& newcomers, Found& found);
    /// Forgets the person.
    Change forget(const Person& person, Found& found);

private:
    Change change(const std::function<void(std::vector<Person>&, Change&)>& edit, Found& found);

    QString m_folder;
    std::vector<Person> m_people;
};

} // namespace people
