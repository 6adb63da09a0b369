// SPDX-License-Identifier: MIT
#include <QTest>

#include "reading/sign_catalogue.h"

#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The product's stated targets for every text a reading shows.
struct SignTarget {
    const char* name;
    int positiveLength, positiveSentences;
    int negativeLength, negativeSentences;
    std::vector<int> lineLengths;
};

const std::vector<SignTarget> kSignTargets = {
    {"Aries", 727, 14, 604, 12, {164, 94, 63, 75, 120}},
    {"Taurus", 755, 14, 405, 9, {184, 131, 156, 128}},
    {"Gemini", 745, 14, 526, 11, {171, 82, 47, 93, 65}},
    {"Cancer", 866, 19, 609, 12, {74, 125, 95, 62, 81, 56}},
    {"Leo", 998, 18, 646, 14, {61, 100, 81, 98, 137, 82}},
    {"Virgo", 513, 10, 331, 7, {86, 121, 161, 109, 57}},
    {"Libra", 717, 14, 366, 6, {85, 105, 66, 46, 50}},
    {"Scorpio", 702, 9, 536, 9, {57, 84, 82, 82, 61, 43}},
    {"Sagittarius", 874, 13, 378, 7, {74, 62, 71, 41, 75, 45}},
    {"Capricorn", 732, 13, 550, 10, {67, 70, 74, 45, 85, 47, 81}},
    {"Aquarius", 754, 11, 655, 10, {73, 92, 64, 49, 89, 79}},
    {"Pisces", 681, 11, 415, 7, {54, 81, 72, 44, 45, 57}},
};

struct SharedTarget {
    const char* subject;
    int length, sentences;
};

const std::vector<SharedTarget> kColorTargets = {
    {"red", 398, 4},    {"green", 423, 2}, {"yellow", 420, 5}, {"white", 299, 4},
    {"orange", 356, 4}, {"brown", 400, 4}, {"violet", 390, 4},
};

const std::vector<SharedTarget> kPlanetTargets = {
    {"Mars", 167, 2}, {"Venus", 93, 1},    {"Mercury", 67, 1}, {"Moon", 223, 2},
    {"Sun", 758, 8},  {"Jupiter", 113, 1}, {"Saturn", 111, 2},
};

const char* const kBritishSpellings[] = {
    "colour",   "favourite", "centre",    "jewellery", "organise",  "realise",   "behaviour",
    "humour",   "honour",    "neighbour", "flavour",   "theatre",   "grey",      "cosy",
    "labelled", "travelled", "moulded",   "criticise", "recognise", "patronise", "harmonise",
};

QByteArray bytes(std::string_view text) {
    return {text.data(), static_cast<qsizetype>(text.size())};
}

std::string_view view(const QByteArray& text) {
    return {text.constData(), static_cast<std::size_t>(text.size())};
}

// A sentence ends at . ! or ? followed by a blank or the end of the text.
std::vector<std::string_view> sentences(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool stop = text[i] == '.' || text[i] == '!' || text[i] == '?';
        if (stop && (i + 1 == text.size() || text[i + 1] == ' ')) {
            result.push_back(text.substr(start, i + 1 - start));
            start = i + 2;
        }
    }
    if (start < text.size())
        result.push_back(text.substr(start));
    return result;
}

bool withinPercent(qsizetype actual, int target, int percent) {
    return std::abs(actual - target) * 100 <= qsizetype{target} * percent;
}

const reading::SharedText* sharedText(std::span<const reading::SharedText* const> texts,
                                      std::string_view subject) {
    for (const reading::SharedText* text : texts) {
        if (text->subject == subject)
            return text;
    }
    return nullptr;
}

struct ProseField {
    QByteArray label;
    std::string_view text;
};

// Every prose field once; shared texts are listed once, not once per sign.
std::vector<ProseField> allProse() {
    std::vector<ProseField> fields;
    for (const reading::SignProfile& profile : reading::catalogue()) {
        fields.push_back({bytes(profile.name) + " positive", profile.positiveTraits});
        fields.push_back({bytes(profile.name) + " negative", profile.negativeTraits});
        for (std::size_t i = 0; i < profile.designLines.size(); ++i)
            fields.push_back({bytes(profile.name) + " line " + QByteArray::number(i + 1),
                              profile.designLines[i]});
    }
    for (const reading::SharedText* text : reading::colorTexts())
        fields.push_back({"colour " + bytes(text->subject), text->text});
    for (const reading::SharedText* text : reading::planetTexts())
        fields.push_back({"planet " + bytes(text->subject), text->text});
    return fields;
}

} // namespace

class TestCatalogueProse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void targetsCoverTheCatalogue() {
        const auto profiles = reading::catalogue();
        QCOMPARE(profiles.size(), kSignTargets.size());
        for (std::size_t i = 0; i < profiles.size(); ++i)
            QCOMPARE(profiles[i].name, std::string_view(kSignTargets[i].name));
        QCOMPARE(reading::colorTexts().size(), kColorTargets.size());
        QCOMPARE(reading::planetTexts().size(), kPlanetTargets.size());
    }

    void paragraphLengths_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("sentenceCount");
        for (const SignTarget& target : kSignTargets) {
            const reading::SignProfile* profile = reading::lookUpProfile(target.name);
            QVERIFY(profile);
            QTest::addRow("%s positive", target.name)
                << bytes(profile->positiveTraits) << target.positiveLength
                << target.positiveSentences;
            QTest::addRow("%s negative", target.name)
                << bytes(profile->negativeTraits) << target.negativeLength
                << target.negativeSentences;
        }
        for (const SharedTarget& target : kColorTargets) {
            const reading::SharedText* text = sharedText(reading::colorTexts(), target.subject);
            QVERIFY(text);
            QTest::addRow("colour %s", target.subject)
                << bytes(text->text) << target.length << target.sentences;
        }
        for (const SharedTarget& target : kPlanetTargets) {
            const reading::SharedText* text = sharedText(reading::planetTexts(), target.subject);
            QVERIFY(text);
            QTest::addRow("planet %s", target.subject)
                << bytes(text->text) << target.length << target.sentences;
        }
    }

    void paragraphLengths() {
        QFETCH(QByteArray, text);
        QFETCH(int, length);
        QFETCH(int, sentenceCount);
        QVERIFY2(withinPercent(text.size(), length, 10),
                 "length " + QByteArray::number(text.size()) + ", target " +
                     QByteArray::number(length));
        // Sentence counts are approximate targets, so allow about a fifth either way.
        const int counted = static_cast<int>(sentences(view(text)).size());
        QVERIFY2(std::abs(counted - sentenceCount) <= 1 + sentenceCount / 5,
                 QByteArray::number(counted) + " sentences, target " +
                     QByteArray::number(sentenceCount));
    }

    void designLineLengths_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("length");
        for (const SignTarget& target : kSignTargets) {
            const reading::SignProfile* profile = reading::lookUpProfile(target.name);
            QVERIFY(profile);
            QCOMPARE(profile->designLines.size(), target.lineLengths.size());
            for (std::size_t i = 0; i < target.lineLengths.size(); ++i)
                QTest::addRow("%s line %zu", target.name, i + 1)
                    << bytes(profile->designLines[i]) << target.lineLengths[i];
        }
    }

    void designLineLengths() {
        QFETCH(QByteArray, line);
        QFETCH(int, length);
        QVERIFY2(withinPercent(line.size(), length, 25),
                 "length " + QByteArray::number(line.size()) + ", target " +
                     QByteArray::number(length));
        const std::size_t count = sentences(view(line)).size();
        QVERIFY2(count == 1 || count == 2, "one statement is one or two sentences");
    }

    void designStyleTextJoinsLines_data() {
        QTest::addColumn<QByteArray>("sign");
        for (const SignTarget& target : kSignTargets)
            QTest::newRow(target.name) << QByteArray(target.name);
    }

    void designStyleTextJoinsLines() {
        QFETCH(QByteArray, sign);
        const reading::SignProfile* profile = reading::lookUpProfile(view(sign));
        QVERIFY(profile);
        const std::string text = reading::designStyleText(*profile);
        std::vector<std::string_view> pieces;
        std::string_view rest = text;
        for (std::size_t cut; (cut = rest.find("\r\n")) != std::string_view::npos;
             rest.remove_prefix(cut + 2))
            pieces.push_back(rest.substr(0, cut));
        pieces.push_back(rest);
        QCOMPARE(pieces.size(), profile->designLines.size());
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            QVERIFY(!pieces[i].empty());
            QCOMPARE(pieces[i], profile->designLines[i]);
        }
    }

    void proseIsCleanText_data() {
        QTest::addColumn<QByteArray>("text");
        for (const ProseField& field : allProse())
            QTest::newRow(field.label.constData()) << bytes(field.text);
    }

    void proseIsCleanText() {
        QFETCH(QByteArray, text);
        QVERIFY(!text.isEmpty());
        QVERIFY2(!text.contains('\r') && !text.contains('\n'), "line break inside");
        for (const char c : text)
            QVERIFY2(c >= ' ' && c <= '~', "not plain printable ASCII");
        QVERIFY(!text.contains("TODO"));
        QVERIFY2(!text.contains("  "), "doubled blank");
        QVERIFY2(text.front() >= 'A' && text.front() <= 'Z', "must start with a capital");
        QVERIFY2(text.endsWith('.') || text.endsWith('!') || text.endsWith('?'),
                 "must end with a full stop");
    }

    void usesAmericanSpelling_data() { proseIsCleanText_data(); }

    void usesAmericanSpelling() {
        QFETCH(QByteArray, text);
        const QByteArray lower = text.toLower();
        for (const char* word : kBritishSpellings)
            QVERIFY2(!lower.contains(word), word);
    }

    void noSentenceRepeats() {
        std::map<std::string_view, QByteArray> seen;
        for (const ProseField& field : allProse()) {
            for (const std::string_view sentence : sentences(field.text)) {
                const auto [it, fresh] = seen.emplace(sentence, field.label);
                QVERIFY2(fresh, field.label + " repeats a sentence of " + it->second + ": " +
                                    bytes(sentence));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogueProse)
#include "test_catalogue_prose.moc"
