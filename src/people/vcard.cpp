// SPDX-License-Identifier: MIT
#include "people/vcard.h"

#include <array>
#include <optional>

#include <QByteArrayView>
#include <QRegularExpression>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringList>

namespace people {

namespace {

/// One content line: its name without group, upper case, the two parameters that change how
/// the value reads, and the value as written.
struct Property {
    QByteArray name;
    QByteArray charset;
    bool quotedPrintable = false;
    QByteArrayView value;
};

/// What a card says of the three things the book keeps; the first of each counts.
struct Card {
    std::optional<QString> name;
    std::optional<QString> formattedName;
    std::optional<QString> birthday;
};

/// The bytes as UTF-8 where a byte-order mark tells another Unicode form, without the mark.
QByteArray asUtf8(const QByteArray& bytes) {
    const auto encoding = QStringConverter::encodingForData(bytes);
    if (!encoding)
        return bytes;
    if (*encoding == QStringConverter::Utf8)
        return bytes.sliced(3);
    QStringDecoder decoder(*encoding);
    return QString(decoder.decode(bytes)).toUtf8();
}

/// The line at `pos` without its end; `pos` moves past that end (CRLF, LF or CR).
QByteArrayView physicalLine(QByteArrayView data, qsizetype& pos) {
    const qsizetype start = pos;
    qsizetype end = start;
    while (end < data.size() && data[end] != '\n' && data[end] != '\r')
        ++end;
    pos = end < data.size() ? end + 1 : end;
    if (end < data.size() && data[end] == '\r' && pos < data.size() && data[pos] == '\n')
        ++pos;
    return data.sliced(start, end - start);
}

/// Where the value starts: the first ':' outside quotes, or the first at all when a quote is
/// left open; -1 for a line without one.
qsizetype separatorIn(QByteArrayView line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return line.indexOf(':');
}

QByteArrayView unquoted(QByteArrayView text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"'))
        return text.sliced(1, text.size() - 2);
    return text;
}

void applyParameter(Property& property, QByteArrayView parameter) {
    const qsizetype equals = parameter.indexOf('=');
    const QByteArrayView key = equals < 0 ? QByteArrayView() : parameter.first(equals).trimmed();
    const QByteArrayView value = unquoted(parameter.sliced(equals + 1));
    // vCard 2.1 also names the encoding bare, without ENCODING=.
    if ((key.isEmpty() || key.compare("ENCODING", Qt::CaseInsensitive) == 0) &&
        value.compare("QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0)
        property.quotedPrintable = true;
    else if (key.compare("CHARSET", Qt::CaseInsensitive) == 0)
        property.charset = value.toByteArray();
}

std::optional<Property> propertyOf(QByteArrayView line) {
    const qsizetype colon = separatorIn(line);
    if (colon < 0)
        return std::nullopt;
    const QByteArrayView head = line.first(colon);
    Property property;
    property.value = line.sliced(colon + 1);

    qsizetype end = head.indexOf(';');
    if (end < 0)
        end = head.size();
    const QByteArray name = head.first(end).trimmed().toByteArray().toUpper();
    property.name = name.sliced(name.lastIndexOf('.') + 1);

    bool quoted = false;
    qsizetype start = end + 1;
    for (qsizetype i = start; i <= head.size(); ++i) {
        if (i < head.size() && head[i] == '"')
            quoted = !quoted;
        if (i == head.size() || (head[i] == ';' && !quoted)) {
            applyParameter(property, head.sliced(start, i - start));
            start = i + 1;
        }
    }
    return property;
}

/// Whether a content line is BEGIN:VCARD or END:VCARD, as `name` asks.
bool isBoundary(const std::optional<Property>& property, const char* name) {
    return property && property->name == name &&
           property->value.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0;
}

/// The content line at `pos` with its folds undone and, in a quoted-printable value, its soft
/// line breaks joined.
QByteArray logicalLine(QByteArrayView data, qsizetype& pos) {
    QByteArray line = physicalLine(data, pos).toByteArray();
    const std::optional<Property> first = propertyOf(line);
    const bool quotedPrintable = first && first->quotedPrintable;
    while (pos < data.size()) {
        qsizetype after = pos;
        const QByteArrayView next = physicalLine(data, after);
        const bool folded = next.startsWith(' ') || next.startsWith('\t');
        // A stray '=' at the end of the card's last value must not swallow the card's end.
        const bool softBreak =
            quotedPrintable && line.endsWith('=') && !isBoundary(propertyOf(next), "END");
        if (!folded && !softBreak)
            break;
        if (softBreak)
            line.chop(1);
        line += folded ? next.sliced(1) : next;
        pos = after;
    }
    return line;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray fromQuotedPrintable(QByteArrayView value) {
    QByteArray raw;
    raw.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const int high = i + 2 < value.size() ? hexDigit(value[i + 1]) : -1;
        const int low = i + 2 < value.size() ? hexDigit(value[i + 2]) : -1;
        if (value[i] == '=' && high >= 0 && low >= 0) {
            raw += static_cast<char>(high * 16 + low);
            i += 2;
        } else if (value[i] != '=' || i + 1 < value.size()) {
            raw += value[i]; // a stray '=' stays; one at the very end was a soft break
        }
    }
    return raw;
}

/// Windows-1252, which Windows programs write under the Latin-1 name too: Latin-1 but for
/// 0x80 to 0x9F.
QString fromWindows1252(QByteArrayView raw) {
    static constexpr std::array<char16_t, 32> kC1 = {
        u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
        u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};
    QString text = QString::fromLatin1(raw);
    for (QChar& c : text) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(kC1.at(c.unicode() - 0x80));
    }
    return text;
}

QString textOf(const Property& property) {
    const QByteArray raw = property.quotedPrintable ? fromQuotedPrintable(property.value)
                                                    : property.value.toByteArray();
    if (property.charset.isEmpty())
        return raw.isValidUtf8() ? QString::fromUtf8(raw) : fromWindows1252(raw);
    // Only Qt's built-in encodings, so that every Qt build reads a file alike.
    const auto encoding = QStringConverter::encodingForName(property.charset.constData());
    if (!encoding || *encoding == QStringConverter::Latin1 || *encoding == QStringConverter::System)
        return fromWindows1252(raw);
    QStringDecoder decoder(*encoding);
    return decoder.decode(raw);
}

/// The text split on a separator not escaped by a backslash; the parts keep their escapes.
QStringList splitUnescaped(const QString& text, QChar separator) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == separator) {
            parts << text.sliced(start, i - start);
            start = i + 1;
        }
    }
    parts << text.sliced(start);
    return parts;
}

QString unescaped(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            ++i;
            plain += text[i] == u'n' || text[i] == u'N' ? QChar(u'\n') : text[i];
        } else {
            plain += text[i];
        }
    }
    return plain;
}

/// One component of N, its comma-separated values joined by blanks.
QString namePart(const QString& component) {
    QStringList values;
    for (const QString& value : splitUnescaped(component, u',')) {
        if (const QString plain = unescaped(value).trimmed(); !plain.isEmpty())
            values << plain;
    }
    return values.join(u' ');
}

/// The name from N (Family;Given;Additional;Prefix;Suffix), or from the words of the formatted
/// name where N gives none.
Person personNamed(const QString& name, const QString& formattedName) {
    const QStringList parts = splitUnescaped(name, u';');
    Person person;
    person.last = namePart(parts.value(0));
    person.first = namePart(parts.value(1));
    person.middle = namePart(parts.value(2));
    if (!fullName(person).isEmpty())
        return person;
    const QStringList words = formattedName.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return person;
    person.first = words.first();
    if (words.size() > 1) {
        person.middle = words.mid(1, words.size() - 2).join(u' ');
        person.last = words.last();
    }
    return person;
}

/// The person with the birthday of a BDAY value; nothing for text that names no day.
std::optional<Person> withBirthday(const Person& person, const QString& value) {
    // A time or zone after the date never moves the day: the day is what the user typed.
    static const QRegularExpression form(
        QStringLiteral("^(?:([0-9]{4})-?|--)([0-9]{2})-?([0-9]{2})"
                       "(?:T[0-9:.,]*(?:Z|[+-][0-9]{2}(?::?[0-9]{2})?)?)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(value);
    if (!match.hasMatch())
        return std::nullopt;
    QString year = match.captured(1);
    // Address books that keep a birthday without its year write it in 1604, with or without
    // X-APPLE-OMIT-YEAR to say so.
    if (year.isEmpty() || year == u"1604")
        year = QStringLiteral("-");
    return withBirthDate(person, year + u'-' + match.captured(2) + u'-' + match.captured(3));
}

void finishCard(const Card& card, ContactsRead& read) {
    const QString formatted = unescaped(card.formattedName.value_or(QString())).trimmed();
    const Person named = personNamed(card.name.value_or(QString()), formatted);
    const QString birthday = card.birthday.value_or(QString()).trimmed();
    const std::optional<Person> dated = withBirthday(named, birthday);

    std::optional<SkipReason> reason;
    if (birthday.isEmpty())
        reason = SkipReason::NoBirthday;
    else if (!dated)
        reason = SkipReason::NotADate;
    else if (fullName(named).isEmpty())
        reason = SkipReason::NoName;
    if (reason)
        read.skipped.push_back({formatted.isEmpty() ? fullName(named) : formatted, *reason});
    else
        read.people.push_back(*dated);
}

void remember(Card& card, const Property& property) {
    std::optional<QString>* slot = nullptr;
    if (property.name == "N")
        slot = &card.name;
    else if (property.name == "FN")
        slot = &card.formattedName;
    else if (property.name == "BDAY")
        slot = &card.birthday;
    if (slot && !*slot)
        *slot = textOf(property);
}

} // namespace

ContactsRead readContacts(const QByteArray& bytes) {
    const QByteArray text = asUtf8(bytes);
    ContactsRead read;
    std::optional<Card> card;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QByteArray line = logicalLine(text, pos);
        const std::optional<Property> property = propertyOf(line);
        const bool begins = isBoundary(property, "BEGIN");
        if (begins || isBoundary(property, "END")) {
            // A card left open ends where the next one begins.
            if (card)
                finishCard(*card, read);
            card.reset();
            if (begins) {
                card.emplace();
                read.isVCard = true;
            }
        } else if (card && property) {
            remember(*card, *property);
        }
    }
    if (card)
        finishCard(*card, read);
    return read;
}

} // namespace people
