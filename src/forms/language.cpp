// SPDX-License-Identifier: MIT
#include "forms/language.h"

#include <QCoreApplication>

#include "forms/units.h"
#include "site_config.h"

namespace forms {

namespace {

std::optional<QLocale>& current() {
    static std::optional<QLocale> locale;
    return locale;
}

} // namespace

const std::optional<QLocale>& translationLocale() {
    return current();
}

void setTranslationLocale(std::optional<QLocale> locale) {
    current() = std::move(locale);
}

QString translated(const char* context, std::string_view text) {
    if (text.empty())
        return {};
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(context, source.constData());
}

QString designText(std::string_view text) {
    static const QString host = QStringLiteral(DWELLSTAR_MAIN_HOST);
    QString source = toQString(text);
    if (!source.contains(host))
        return translated(kDesignContext, text);
    source.replace(host, QStringLiteral("%1"));
    return QCoreApplication::translate(kDesignContext, source.toUtf8().constData()).arg(host);
}

QString longDate(QDate date) {
    return current() && date.isValid() ? current()->toString(date, QLocale::LongFormat) : QString();
}

} // namespace forms
