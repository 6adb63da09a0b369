// SPDX-License-Identifier: MIT
#include "language/language.h"

#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "reading/birth_details.h"
#include "reading/translatable.h"

static void initTranslations() {
    // Resources in a static library are only registered by this call.
    Q_INIT_RESOURCE(dwellstar_language_translations);
}

namespace language {

namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("dwellstar_");

struct Spoken {
    QString code = kEnglish;
    std::optional<QLocale> locale;
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qts;
};

Spoken& spoken() {
    static Spoken state;
    return state;
}

/// Installs `ours`, which speaks `code`, with Qt's own words in its language, in place of what
/// was spoken before; English without it.
void speak(std::unique_ptr<QTranslator> ours, const QString& code = kEnglish) {
    Spoken& state = spoken();
    for (auto* translator : {&state.ours, &state.qts}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    state.code = kEnglish;
    state.locale.reset();
    if (!ours)
        return;
    const QLocale locale(code);
    QCoreApplication::installTranslator(ours.get());
    auto qts = std::make_unique<QTranslator>();
    if (qts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qts.get());
        state.qts = std::move(qts);
    }
    state.code = code;
    state.locale = locale;
    state.ours = std::move(ours);
}

/// The translation built in for `code`, or nothing.
std::unique_ptr<QTranslator> builtIn(const QString& code) {
    initTranslations();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(kPrefix + code, kFolder))
        return nullptr;
    return translator;
}

/// The language spoken for the locale: "de_CH" finds "de", "pt_BR" itself; empty for none.
QString spokenFor(const QLocale& locale, const QStringList& codes) {
    for (QString name : locale.uiLanguages()) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (qsizetype cut = name.size(); cut > 0; cut = name.lastIndexOf(QLatin1Char('_'))) {
            name.truncate(cut);
            if (codes.contains(name))
                return name;
        }
    }
    return {};
}

} // namespace

QStringList available() {
    // Asked for several times at start-up; the resources never change. No name filter: its
    // pattern would load the regular-expression engine for nothing.
    static const QStringList codes = [] {
        initTranslations();
        QStringList found{kEnglish};
        for (const QString& file : QDir(kFolder).entryList(QDir::Files, QDir::Name)) {
            if (file.startsWith(kPrefix) && file.endsWith(QLatin1String(".qm")))
                found << file.mid(kPrefix.size()).chopped(3);
        }
        return found;
    }();
    return codes;
}

QString nativeName(const QString& code) {
    // Written out: Qt's locale data names some of them by their country's variety ("español de
    // España"), and differently from one release to the next.
    static const std::pair<const char*, const char*> kNames[] = {
        {"en", "English"},  {"de", "Deutsch"},  {"es", "Español"},
        {"fr", "Français"}, {"it", "Italiano"}, {"pt_BR", "Português (Brasil)"},
        {"ru", "Русский"}};
    for (const auto& [known, name] : kNames) {
        if (code == QLatin1String(known))
            return QString::fromUtf8(name);
    }
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    if (code.contains(QLatin1Char('_')))
        name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    return name;
}

bool use(const QString& code) {
    if (!available().contains(code))
        return false;
    speak(code == kEnglish ? nullptr : builtIn(code), code);
    return true;
}

QString firstOf(const QStringList& preferred) {
    const QStringList codes = available();
    for (const QString& name : preferred) {
        const QLocale locale(name);
        // "C" and "POSIX" name no language: the source texts.
        if (locale.language() == QLocale::C)
            break;
        // English among them: the program's own.
        if (QString code = spokenFor(locale, codes); !code.isEmpty())
            return code;
    }
    return kEnglish;
}

QString useFirstOf(const QStringList& preferred) {
    use(firstOf(preferred));
    return current();
}

bool useFile(const QString& qmFile) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(qmFile))
        return false;
    const QString code = translator->language();
    speak(std::move(translator), code);
    return true;
}

QString current() {
    return spoken().code;
}

const std::optional<QLocale>& translationLocale() {
    return spoken().locale;
}

QString translated(const char* context, std::string_view text) {
    if (text.empty())
        return {};
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(context, source.constData());
}

QString readingWord(std::string_view text) {
    return translated(reading::kTranslationContext, text);
}

reading::Wording wording() {
    reading::Wording words;
    if (!translationLocale())
        return words;
    words.text = [](std::string_view text) { return readingWord(text).toStdString(); };
    words.date = [](int dayPosition, int monthPosition, int year) {
        const QDate date(year, monthPosition + 1, dayPosition + 1);
        const std::optional<QLocale>& locale = translationLocale();
        return locale && date.isValid() ? locale->toString(date, QLocale::LongFormat).toStdString()
                                        : std::string();
    };
    return words;
}

QString monthName(int month) {
    if (const std::optional<QLocale>& locale = translationLocale())
        return locale->standaloneMonthName(month);
    const std::string_view name = reading::kMonthNames.at(static_cast<std::size_t>(month - 1));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace language
