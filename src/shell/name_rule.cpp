// SPDX-License-Identifier: MIT
#include "shell/name_rule.h"

#include "language/language.h"
#include "reading/birth_details.h"

namespace shell {

namespace {

constexpr char32_t kBlank = U' ';

/// The character that starts at `at`, which moves past it; a lone surrogate reads as U+FFFD.
char32_t next(QStringView text, qsizetype& at) {
    const QChar first = text[at++];
    if (first.isHighSurrogate() && at < text.size() && text[at].isLowSurrogate())
        return QChar::surrogateToUcs4(first, text[at++]);
    return first.isSurrogate() ? 0xFFFD : first.unicode();
}

/// The last whole character of `text`; 0 when there is none.
char32_t lastCharacter(QStringView text) {
    if (text.isEmpty())
        return 0;
    qsizetype at = text.size() - 1;
    if (at > 0 && text[at].isLowSurrogate() && text[at - 1].isHighSurrogate())
        --at;
    return next(text, at);
}

/// `replacement` stands for every refused character; 0 leaves it out.
QString filtered(QStringView text, QStringView before, char32_t replacement, bool& refused) {
    refused = false;
    QString taken;
    taken.reserve(text.size());
    char32_t previous = lastCharacter(before);
    for (qsizetype at = 0; at < text.size();) {
        const char32_t c = next(text, at);
        // An accent belongs to the letter it follows, however many are stacked on it.
        const bool mark =
            QChar::isMark(c) && (QChar::isLetter(previous) || QChar::isMark(previous));
        if (QChar::isLetter(c) || mark || c == kBlank) {
            const char32_t capital = QChar::toUpper(c);
            taken += QStringView(QChar::fromUcs4(capital));
            previous = c;
            continue;
        }
        refused = true;
        previous = replacement;
        if (replacement != 0)
            taken += QChar(static_cast<char16_t>(replacement));
    }
    return taken;
}

} // namespace

QString nameRefusal() {
    return language::readingWord(reading::kOnlyAlphabetMessage);
}

std::optional<QString> typedName(QStringView text) {
    bool refused = false;
    QString name = filtered(text, {}, 0, refused);
    if (refused)
        return std::nullopt;
    return name;
}

QString readingName(QStringView text) {
    bool refused = false;
    return filtered(text, {}, kBlank, refused);
}

QString takenName(QStringView text, QStringView before, bool& refused) {
    return filtered(text, before, 0, refused);
}

} // namespace shell
