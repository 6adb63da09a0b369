// SPDX-License-Identifier: MIT
#include "forms/fonts.h"

#include <QFont>
#include <QStringList>

namespace forms {

void registerFontSubstitutes() {
    static const bool done = [] {
        // DejaVu Sans descends from the same wide, open design as Verdana; Liberation Sans
        // is the closest free face to the Windows dialog sans serif.
        const QStringList verdana = {QStringLiteral("DejaVu Sans"),
                                     QStringLiteral("Bitstream Vera Sans")};
        const QStringList msSansSerif = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                         QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(QStringLiteral("Verdana"), verdana);
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), msSansSerif);
        return true;
    }();
    (void)done;
}

} // namespace forms
