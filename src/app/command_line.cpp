// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <utility>

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>

#include "app/options.h"
#include "app/startup.h"
#include "forms/units.h"
#include "language/language.h"
#include "people/book.h"
#include "people/contacts_import.h"
#include "people/icalendar.h"
#include "people/telling.h"
#include "platform/services.h"
#include "platform/whole_file.h"
#include "reading/reading.h"
#include "shell/name_rule.h"
#include "shell/people_window.h"
#include "shell/reading_export.h"
#include "site_config.h"

namespace app::commandLine {

namespace {

using options::Id;

struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

/// False when the stream refused it (a full disk, a closed pipe).
bool print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream) ==
               static_cast<std::size_t>(bytes.size()) &&
           std::fflush(stream) == 0;
}

/// What the windows would show in a message box goes to the error stream; nothing is asked.
class TerminalDialogs final : public platform::Dialogs {
public:
    void message(const QString& text, platform::MessageIcon /*icon*/,
                 const QString& /*caption*/) override {
        QString lines = text;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        print(stderr, lines + QLatin1Char('\n'));
    }
    platform::Answer question(const QString& text, const QString& caption) override {
        message(text, platform::MessageIcon::Information, caption);
        return platform::Answer::No;
    }
};

/// Qt's own notes (a runtime folder it did not find, say) are nothing to someone at a terminal;
/// its errors are.
void onlyQtErrors(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        print(stderr, message + QLatin1Char('\n'));
}

void refuse(const QString& message) {
    platform::showMessage(message);
}

QString said(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

QString codes() {
    return language::available().join(QStringLiteral(", "));
}

/// The table's options in a parser, in the language spoken.
class Arguments {
public:
    Arguments() {
        m_parser.setApplicationDescription(
            CommandLine::tr("Home design tips for your sun sign. Without options KV Dwellstar "
                            "opens its windows; given the details of a reading, it prints the "
                            "reading as text, or saves it, and opens no window."));
        for (const options::Option& option : options::kOptions) {
            QStringList names{forms::toQString(option.longName)};
            if (option.shortName != 0)
                names.prepend(QString(QLatin1Char(option.shortName)));
            QString description = said(option.description);
            if (option.id == Id::Language)
                description = description.arg(codes());
            QCommandLineOption parsed(names, description);
            if (option.valueName)
                parsed.setValueName(said(option.valueName));
            m_parser.addOption(parsed);
            m_options.emplace(option.id, parsed);
        }
    }

    bool parse(const QStringList& arguments) { return m_parser.parse(arguments); }
    bool isSet(Id id) const { return m_parser.isSet(m_options.at(id)); }
    QString value(Id id) const { return m_parser.value(m_options.at(id)); }
    const QCommandLineParser& parser() const { return m_parser; }

    bool readingAsked() const { return anySet(options::kReadingOptions); }
    bool bookAsked() const { return anySet(options::kBookOptions); }

private:
    template <std::size_t n>
    bool anySet(const Id (&ids)[n]) const {
        return std::any_of(std::begin(ids), std::end(ids), [this](Id id) { return isSet(id); });
    }

    QCommandLineParser m_parser;
    std::map<Id, QCommandLineOption> m_options;
};

/// The language the arguments ask for; empty for none. Refusals of anything else come once the
/// language is settled.
QString askedLanguage(const QStringList& given) {
    Arguments first;
    first.parse(given);
    return first.isSet(Id::Language) ? first.value(Id::Language) : QString();
}

/// Speaks the language asked for, else the desktop's; false for a language the program does not
/// speak, refused in the desktop's.
bool speak(const QString& asked) {
    if (!asked.isEmpty() && language::use(asked))
        return true;
    language::useFirstOf();
    if (asked.isEmpty())
        return true;
    // To the error stream, as the parser's refusals: the windows may be asked for, too.
    print(stderr, CommandLine::tr("\"%1\" is no language of KV Dwellstar: give one of %2.")
                          .arg(asked, codes()) +
                      QLatin1Char('\n'));
    return false;
}

/// Day, month and year of "YYYY-MM-DD" into the entries as the lists would hold them: a year
/// the list lacks leaves its entry empty. False for text of another form.
bool takeDate(const QString& text, reading::BirthDetails& details) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    const int year = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    const int day = match.captured(3).toInt();
    if (!match.hasMatch() || month < 1 || month > 12 || day < 1 || day > 31)
        return false;
    details.day = static_cast<std::int16_t>(day - 1);
    details.month = static_cast<std::int16_t>(month - 1);
    details.year = year;
    details.dayText = QString::number(day).toStdU16String();
    details.monthText =
        forms::toQString(reading::kMonthNames.at(static_cast<std::size_t>(month - 1)))
            .toStdU16String();
    if (year >= reading::kFirstListYear && year <= reading::kLastListYear)
        details.yearText = QString::number(year).toStdU16String();
    return true;
}

/// The details as the input window would take them, or nothing when a name or the date is
/// refused (and the user has been told). A missing date is an empty date list.
std::optional<reading::BirthDetails> detailsFrom(const Arguments& arguments) {
    reading::BirthDetails details;
    for (const auto& [option, name] : {std::pair{Id::FirstName, &details.firstName},
                                       std::pair{Id::MiddleName, &details.middleName},
                                       std::pair{Id::LastName, &details.lastName}}) {
        const std::optional<QString> typed = shell::typedName(arguments.value(option));
        if (!typed) {
            refuse(shell::nameRefusal());
            return std::nullopt;
        }
        *name = typed->toStdU16String();
    }
    if (arguments.isSet(Id::BirthDate) && !takeDate(arguments.value(Id::BirthDate), details)) {
        refuse(CommandLine::tr("\"%1\" is no date of birth: give it as yyyy-mm-dd, such as "
                               "1990-08-15.")
                   .arg(arguments.value(Id::BirthDate)));
        return std::nullopt;
    }
    return details;
}

/// Prints the reading, or saves it as Save Reading As does; the exit status.
int keep(const reading::Reading& result, const reading::BirthDetails& details,
         const QString& output) {
    const shell::ReadingSheet sheet = shell::readingSheet(result, details);
    if (output.isEmpty() || output == QLatin1String("-")) {
        if (print(stdout, shell::readingText(sheet)))
            return kDone;
        refuse(CommandLine::tr("The reading could not be printed."));
        return kNotWritten;
    }
    return shell::saveReading(shell::saveTargetFor(output), sheet) ? kDone : kNotWritten;
}

int reading(const Arguments& arguments) {
    const std::optional<reading::BirthDetails> details = detailsFrom(arguments);
    if (!details)
        return kRefused;
    const reading::ReadingOutcome outcome = reading::produceReading(*details);
    if (const auto* broken = std::get_if<reading::RuleBreak>(&outcome)) {
        refuse(language::readingWord(broken->message));
        return kRefused;
    }
    const int kept =
        keep(std::get<reading::Reading>(outcome), *details, arguments.value(Id::Output));
    if (kept != kDone || !arguments.isSet(Id::Remember))
        return kept;
    return shell::rememberPerson(*details) ? kDone : kNotWritten;
}

/// The book as it stands, or nothing when it could not be read (the user has been told).
std::optional<people::Book> readBook() {
    people::Book book;
    const people::Found found = book.read();
    if (const QString told = people::toldOfRead(found); !told.isEmpty())
        refuse(told);
    if (!found.error.isEmpty())
        return std::nullopt;
    return book;
}

int importContacts(const QString& path) {
    people::Book book;
    const people::Import done = people::importContacts(book, path);
    refuse(people::toldOf(done, path));
    if (!done.unreadable.isEmpty() || !done.isVCard)
        return kRefused;
    return done.change.error.isEmpty() ? kDone : kNotWritten;
}

int exportBirthdays(const QString& output) {
    const std::optional<people::Book> book = readBook();
    if (!book)
        return kNotWritten;
    const QByteArray calendar =
        people::birthdayCalendar(book->people(), QDateTime::currentDateTimeUtc());
    if (output == QLatin1String("-")) {
        if (print(stdout, QString::fromUtf8(calendar)))
            return kDone;
        refuse(people::toldOfExportFailure(output, QString::fromLocal8Bit(std::strerror(errno))));
        return kNotWritten;
    }
    const QString error = platform::writeWholeFile(output, calendar);
    if (error.isEmpty())
        return kDone;
    refuse(people::toldOfExportFailure(output, error));
    return kNotWritten;
}

/// The book, soonest birthday first: name, date of birth, sign, days to go.
int listPeople() {
    const std::optional<people::Book> book = readBook();
    if (!book)
        return kNotWritten;
    const QDate today = platform::services().clock->today();
    struct Line {
        int days;
        QString name;
        const people::Person* person;
    };
    std::vector<Line> soonest;
    for (const people::Person& person : book->people())
        soonest.push_back(
            {people::daysToNextBirthday(person, today), people::fullName(person), &person});
    std::stable_sort(soonest.begin(), soonest.end(), [](const Line& a, const Line& b) {
        return people::comesBefore(a.days, a.name, b.days, b.name);
    });
    QString lines;
    for (const auto& [days, name, person] : soonest) {
        lines += QStringList{name, people::birthDateText(*person),
                             language::readingWord(reading::signName(people::signOf(*person))),
                             QString::number(days)}
                     .join(QLatin1Char('\t')) +
                 QLatin1Char('\n');
    }
    return print(stdout, lines) ? kDone : kNotWritten;
}

/// Each thing asked for, in an order that lets one run import, read, export and list; the first
/// that fails ends the run with its status.
int actions(const Arguments& arguments) {
    if (arguments.isSet(Id::ImportContacts)) {
        if (const int status = importContacts(arguments.value(Id::ImportContacts)); status != kDone)
            return status;
    }
    if (arguments.readingAsked()) {
        if (const int status = reading(arguments); status != kDone)
            return status;
    }
    if (arguments.isSet(Id::ExportBirthdays)) {
        if (const int status = exportBirthdays(arguments.value(Id::ExportBirthdays));
            status != kDone)
            return status;
    }
    return arguments.isSet(Id::People) ? listPeople() : kDone;
}

/// Whether `argument` names the option, as the parser reads it: "--name", "--name=value",
/// "-n", or "-nvalue" for an option that takes one.
bool names(const QByteArray& argument, const options::Option& option) {
    const QByteArray longName(option.longName.data(),
                              static_cast<qsizetype>(option.longName.size()));
    if (argument == "--" + longName || argument.startsWith("--" + longName + '='))
        return true;
    if (option.shortName == 0 || argument.size() < 2 || argument[0] != '-' ||
        argument[1] != option.shortName)
        return false;
    return argument.size() == 2 || option.valueName != nullptr;
}

} // namespace

bool wanted(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        for (const options::Option& option : options::kOptions) {
            if (!names(argument, option))
                continue;
            if (!option.windows)
                return true;
            // A value given apart is no option of ours, even where it reads like one.
            if (option.valueName && !argument.contains('='))
                ++i;
        }
    }
    return false;
}

int run(int& argc, char** argv) {
    const bool terminal = wanted(argc, argv);
    // Drawn offscreen: no window can open, whether there is a display or not.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(onlyQtErrors);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(DWELLSTAR_VERSION));
    TerminalDialogs dialogs;
    platform::install({.dialogs = &dialogs});
    prepareApplication();

    const QStringList given = QCoreApplication::arguments();
    if (!speak(askedLanguage(given)))
        return kRefused;
    Arguments arguments;
    if (!arguments.parse(given)) {
        print(stderr, arguments.parser().errorText() + QLatin1Char('\n'));
        return kRefused;
    }
    if (arguments.isSet(Id::Help))
        return print(stdout, arguments.parser().helpText()) ? kDone : kNotWritten;
    if (arguments.isSet(Id::Version))
        return print(stdout, QStringLiteral("KV Dwellstar " DWELLSTAR_VERSION "\n")) ? kDone
                                                                                     : kNotWritten;
    if (!arguments.parser().positionalArguments().isEmpty() ||
        (terminal && !arguments.readingAsked() && !arguments.bookAsked())) {
        print(stderr, arguments.parser().helpText());
        return kRefused;
    }
    if (!terminal) {
        print(stderr, QCoreApplication::translate("Startup", "KV Dwellstar needs a graphical "
                                                             "desktop, but no display is "
                                                             "available.") +
                          QLatin1Char('\n'));
        return kNotWritten;
    }
    return actions(arguments);
}

std::optional<int> refusedForWindows(const QStringList& given, QString& asked) {
    asked = askedLanguage(given);
    if (Arguments arguments; (asked.isEmpty() || language::available().contains(asked)) &&
                             arguments.parse(given) &&
                             arguments.parser().positionalArguments().isEmpty())
        return std::nullopt; // the windows speak the language they settle on, loaded once
    if (!speak(asked))
        return kRefused;
    // Refused in the language spoken, which the parser's own words follow too.
    Arguments told;
    print(stderr, told.parse(given) ? told.parser().helpText()
                                    : told.parser().errorText() + QLatin1Char('\n'));
    return kRefused;
}

} // namespace app::commandLine
