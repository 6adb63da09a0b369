// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include <QtGlobal>

// Every option of the command line, written once: the parser, the choice between a terminal run
// and the windows, and the bash completion all read this table.

namespace app::options {

enum class Id {
    Help,
    Version,
    Language,
    FirstName,
    MiddleName,
    LastName,
    BirthDate,
    Output,
    Remember,
    People,
    ImportContacts,
    ExportBirthdays
};

/// What an option's value is, for the completion to offer.
enum class Value { None, Text, Language, ReadingFile, Contacts, Calendar };

struct Option {
    Id id;
    char shortName; ///< 0: none
    std::string_view longName;
    const char* description; ///< under the context "CommandLine"; %1 for a language's codes
    const char* valueName = nullptr;
    Value value = Value::None;
    /// Taken by the windows as well: given alone, it opens them.
    bool windows = false;
};

inline constexpr Option kOptions[] = {
    {Id::Help, 'h', "help", QT_TRANSLATE_NOOP("CommandLine", "Show this help.")},
    {Id::Version, 'v', "version", QT_TRANSLATE_NOOP("CommandLine", "Show the version.")},
    {Id::Language, 0, "language",
     QT_TRANSLATE_NOOP("CommandLine", "Speak the language <code>, one of %1, instead of the "
                                      "desktop's; also for the windows."),
     QT_TRANSLATE_NOOP("CommandLine", "code"), Value::Language, true},
    {Id::FirstName, 0, "first-name", QT_TRANSLATE_NOOP("CommandLine", "First name."),
     QT_TRANSLATE_NOOP("CommandLine", "name"), Value::Text},
    {Id::MiddleName, 0, "middle-name", QT_TRANSLATE_NOOP("CommandLine", "Middle name."),
     QT_TRANSLATE_NOOP("CommandLine", "name"), Value::Text},
    {Id::LastName, 0, "last-name", QT_TRANSLATE_NOOP("CommandLine", "Last name."),
     QT_TRANSLATE_NOOP("CommandLine", "name"), Value::Text},
    {Id::BirthDate, 0, "birth-date",
     QT_TRANSLATE_NOOP("CommandLine", "Date of birth, such as 1990-08-15."),
     QT_TRANSLATE_NOOP("CommandLine", "yyyy-mm-dd"), Value::Text},
    {Id::Output, 'o', "output",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Save the reading in <file> instead of printing it: .pdf, .png or .txt by "
                       "its extension; another name gets .pdf. \"-\" prints it."),
     QT_TRANSLATE_NOOP("CommandLine", "file"), Value::ReadingFile},
    {Id::Remember, 0, "remember",
     QT_TRANSLATE_NOOP("CommandLine", "Keep the person of the reading among your people too.")},
    {Id::People, 0, "people",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Print your people, soonest birthday first, one a line: name, date of "
                       "birth (--mm-dd without the year), sign and days to the next birthday, "
                       "separated by tabs.")},
    {Id::ImportContacts, 0, "import-contacts",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Add to your people every contact of the vCard file <file> that has a "
                       "birthday."),
     QT_TRANSLATE_NOOP("CommandLine", "file"), Value::Contacts},
    {Id::ExportBirthdays, 0, "export-birthdays",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Write your people's birthdays to <file> as an iCalendar file, a yearly "
                       "event each with its gift tips. \"-\" prints it."),
     QT_TRANSLATE_NOOP("CommandLine", "file"), Value::Calendar},
};

/// The options that ask for a reading.
inline constexpr Id kReadingOptions[] = {Id::FirstName, Id::MiddleName, Id::LastName,
                                         Id::BirthDate, Id::Output,     Id::Remember};
/// The options that ask something of the book.
inline constexpr Id kBookOptions[] = {Id::People, Id::ImportContacts, Id::ExportBirthdays};

} // namespace app::options
