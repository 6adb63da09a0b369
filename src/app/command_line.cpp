// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <cstdio>
#include <optional>
#include <utility>

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include "app/startup.h"
#include "app/translations.h"
#include "forms/form_builder.h"
#include "forms/picture_lists.h"
#include "forms/units.h"
#include "platform/services.h"
#include "reading/reading.h"
#include "shell/frm_display.h"
#include "shell/reading_command.h"
#include "shell/reading_export.h"
#include "shell/reading_words.h"
#include "site_config.h"

namespace app::commandLine {

namespace {

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

struct Options {
    QCommandLineOption firstName{QStringLiteral("first-name"), CommandLine::tr("First name."),
                                 CommandLine::tr("name")};
    QCommandLineOption middleName{QStringLiteral("middle-name"), CommandLine::tr("Middle name."),
                                  CommandLine::tr("name")};
    QCommandLineOption lastName{QStringLiteral("last-name"), CommandLine::tr("Last name."),
                                CommandLine::tr("name")};
    QCommandLineOption birthDate{QStringLiteral("birth-date"),
                                 CommandLine::tr("Date of birth, such as 1990-08-15."),
                                 CommandLine::tr("yyyy-mm-dd")};
    QCommandLineOption output{
        {QStringLiteral("o"), QStringLiteral("output")},
        CommandLine::tr("Save the reading in <file> instead of printing it: .pdf, .png or .txt "
                        "by its extension; another name gets .pdf. \"-\" prints it."),
        CommandLine::tr("file")};

    bool readingAsked(const QCommandLineParser& parser) const {
        for (const QCommandLineOption* option :
             {&firstName, &middleName, &lastName, &birthDate, &output}) {
            if (parser.isSet(*option))
                return true;
        }
        return false;
    }
};

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
std::optional<reading::BirthDetails> detailsFrom(const QCommandLineParser& parser,
                                                 const Options& options) {
    reading::BirthDetails details;
    for (const auto& [option, name] : {std::pair{&options.firstName, &details.firstName},
                                       std::pair{&options.middleName, &details.middleName},
                                       std::pair{&options.lastName, &details.lastName}}) {
        const auto typed = reading::typedName(parser.value(*option).toStdU16String());
        if (!typed) {
            refuse(shell::readingWord(reading::kOnlyAlphabetMessage));
            return std::nullopt;
        }
        *name = *typed;
    }
    if (parser.isSet(options.birthDate) && !takeDate(parser.value(options.birthDate), details)) {
        refuse(CommandLine::tr("\"%1\" is no date of birth: give it as yyyy-mm-dd, such as "
                               "1990-08-15.")
                   .arg(parser.value(options.birthDate)));
        return std::nullopt;
    }
    return details;
}

/// Prints the reading, or saves it as Save Reading As does; the exit status.
int keep(const reading::Reading& result, const reading::BirthDetails& details,
         const QString& output) {
    shell::ReadingSheet sheet{result, details, {}, {}};
    if (output.isEmpty() || output == QLatin1String("-")) {
        if (print(stdout, shell::readingText(sheet)))
            return kDone;
        refuse(CommandLine::tr("The reading could not be printed."));
        return kNotWritten;
    }
    // The result window as it would show the reading, never shown: its picture is the PNG.
    const std::unique_ptr<QWidget> window = forms::buildWindow(forms::frmDisplay());
    const shell::frmDisplay::Controls shown = shell::frmDisplay::lookUp(*window);
    const forms::PictureList signs(forms::sunSignPictures(), nullptr);
    const forms::PictureList colors(forms::colorPictures(), nullptr);
    shell::applyReading(result, shown, signs, colors);
    sheet.emblem = shown.picSunSign->pixmap().toImage();
    sheet.swatch = shown.picColor->pixmap().toImage();
    return shell::saveReading(shell::saveTargetFor(output), sheet, *window) ? kDone : kNotWritten;
}

} // namespace

bool wanted(int argc, char** argv) {
    // Qt's own options, which the windows take as they always did: those with a value, then the
    // others.
    static const QSet<QByteArray> withValue = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "qwindowgeometry",
                                               "qwindowicon",
                                               "qwindowtitle",
                                               "session",
                                               "style",
                                               "stylesheet",
                                               "display",
                                               "geometry",
                                               "title",
                                               "name",
                                               "visual",
                                               "ncols",
                                               "cmap"};
    static const QSet<QByteArray> flags = {"reverse", "widgetcount", "sync", "nograb", "dograb"};
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        const QByteArray name = argument.mid(argument.startsWith("--") ? 2 : 1);
        if (!argument.startsWith('-') || !(withValue.contains(name) || flags.contains(name)))
            return true;
        if (withValue.contains(name))
            ++i;
    }
    return false;
}

int run(int& argc, char** argv) {
    // Drawn offscreen: no window can open, whether there is a display or not.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(onlyQtErrors);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KV Dwellstar"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DWELLSTAR_VERSION));
    useLanguage();
    TerminalDialogs dialogs;
    platform::install({.dialogs = &dialogs});
    prepareApplication();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Home design tips for your sun sign. Without options KV Dwellstar opens "
                        "its windows; given the details of a reading, it prints the reading as "
                        "text, or saves it, and opens no window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const Options options;
    parser.addOptions({options.firstName, options.middleName, options.lastName, options.birthDate,
                       options.output});
    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, parser.errorText() + QLatin1Char('\n'));
        return kRefused;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return print(stdout, parser.helpText()) ? kDone : kNotWritten;
    if (parser.isSet(version))
        return print(stdout, QStringLiteral("KV Dwellstar " DWELLSTAR_VERSION "\n")) ? kDone
                                                                                     : kNotWritten;
    if (!parser.positionalArguments().isEmpty() || !options.readingAsked(parser)) {
        print(stderr, parser.helpText());
        return kRefused;
    }
    const std::optional<reading::BirthDetails> details = detailsFrom(parser, options);
    if (!details)
        return kRefused;
    const reading::ReadingOutcome outcome = reading::produceReading(*details);
    if (const auto* broken = std::get_if<reading::RuleBreak>(&outcome)) {
        refuse(shell::readingWord(broken->message));
        return kRefused;
    }
    return keep(std::get<reading::Reading>(outcome), *details, parser.value(options.output));
}

} // namespace app::commandLine
