// SPDX-License-Identifier: MIT
#include "forms/fonts.h"

#include <QFont>
#include <QStringList>

#include "forms/form_model.h"
#include "forms/units.h"

namespace forms {

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

} // namespace forms
