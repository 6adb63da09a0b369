// SPDX-License-Identifier: MIT
#include "shell/reading_words.h"

#include <QDate>

#include "forms/language.h"
#include "reading/translatable.h"

namespace shell {

QString readingWord(std::string_view text) {
    return forms::translated(reading::kTranslationContext, text);
}

reading::Wording userWording() {
    reading::Wording wording;
    if (!forms::translationLocale())
        return wording;
    wording.text = [](std::string_view text) { return readingWord(text).toStdString(); };
    wording.date = [](int dayPosition, int monthPosition, int year) {
        return forms::longDate(QDate(year, monthPosition + 1, dayPosition + 1)).toStdString();
    };
    return wording;
}

} // namespace shell
