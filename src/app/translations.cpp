// SPDX-License-Identifier: MIT
#include "app/translations.h"

#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "forms/language.h"

static void initDwellstarTranslations() {
    // Resources in a static library are only registered by this call.
    Q_INIT_RESOURCE(dwellstar_app_translations);
}

namespace app {

namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("dwellstar_");

struct Installed {
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qts;
};

Installed& installed() {
    static Installed translators;
    return translators;
}

void removeInstalled() {
    for (auto* translator : {&installed().ours, &installed().qts}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    forms::setTranslationLocale(std::nullopt);
}

} // namespace

QStringList translatedLanguages() {
    initDwellstarTranslations();
    QStringList languages;
    for (const QString& file : QDir(kFolder).entryList({kPrefix + QStringLiteral("*.qm")}))
        languages << file.mid(kPrefix.size()).chopped(3);
    return languages;
}

QString useLanguage(const QStringList& languages) {
    removeInstalled();
    for (const QString& name : languages) {
        const QLocale locale(name);
        // Our own language, or none that Qt knows ("C", "POSIX"): the source texts.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        initDwellstarTranslations();
        auto ours = std::make_unique<QTranslator>();
        // Tries "de_CH", then "de", as the locale names them.
        if (!ours->load(locale, QStringLiteral("dwellstar"), QStringLiteral("_"), kFolder))
            continue;
        QCoreApplication::installTranslator(ours.get());
        installed().ours = std::move(ours);
        auto qts = std::make_unique<QTranslator>();
        if (qts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qts.get());
            installed().qts = std::move(qts);
        }
        forms::setTranslationLocale(locale);
        return installed().ours->language();
    }
    return {};
}

} // namespace app
