// SPDX-License-Identifier: MIT
#include "forms/fonts.h"

#include <algorithm>

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include "forms/form_model.h"
#include "forms/units.h"

namespace forms {

namespace {

/// Registers the nearest installed faces for the fonts the designs name; once per process.
void registerFontSubstitutes() {
    static const bool done = [] {
        // DejaVu Sans descends from the same wide, open design as Verdana; Liberation Sans
        // is the closest free face to the Windows dialog sans serif.
        const QStringList verdana = {QStringLiteral("DejaVu Sans"),
                                     QStringLiteral("Bitstream Vera Sans")};
        const QStringList msSansSerif = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                         QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(toQString(kVerdana), verdana);
        QFont::insertSubstitutions(toQString(kMsSansSerif), msSansSerif);
        return true;
    }();
    (void)done;
}

} // namespace

QString installedFace(const QString& face) {
    // Asked for a face that is missing, Qt first has fontconfig sort every font on the system
    // for fallbacks, for each style; the substitutes would be found only after that.
    registerFontSubstitutes(); // an answer given before would stay in the cache below
    static QHash<QString, QString> chosen;
    if (const auto known = chosen.constFind(face); known != chosen.cend())
        return *known;
    static const QStringList installed = [] {
        QStringList names = QFontDatabase::families();
        // A family several foundries make is listed as "Family [Foundry]".
        for (QString& name : names)
            name = name.section(QLatin1String(" ["), 0, 0);
        return names;
    }();
    QString choice = face;
    if (!installed.contains(face, Qt::CaseInsensitive)) {
        for (const QString& substitute : QFont::substitutes(face)) {
            // Substitutes are kept in lower case; the face keeps its own spelling.
            const auto at =
                std::find_if(installed.cbegin(), installed.cend(), [&](const QString& name) {
                    return name.compare(substitute, Qt::CaseInsensitive) == 0;
                });
            if (at != installed.cend()) {
                choice = *at;
                break;
            }
        }
    }
    chosen.insert(face, choice);
    return choice;
}

} // namespace forms
