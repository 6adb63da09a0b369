// SPDX-License-Identifier: MIT
#include <QTest>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "reading/sign_catalogue.h"
#include "reading/sun_sign.h"
#include "support/bytes.h"

using reading::SharedText;
using reading::SignProfile;
using reading::SunSign;

namespace {

using testsupport::bytes;

const SignProfile& profileAt(int index) {
    return reading::catalogue()[static_cast<std::size_t>(index)];
}

int indexOf(const char* name) {
    for (int i = 0; i < 12; ++i) {
        if (profileAt(i).name == name)
            return i;
    }
    return -1;
}

int countSeparators(std::string_view text) {
    int count = 0;
    for (auto at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2))
        ++count;
    return count;
}

/// Signs sharing one text, as the tables group them.
struct Group {
    const char* subject;
    std::vector<const char*> signs;
};

const std::vector<Group> kColorGroups = {
    {"red", {"Aries"}},
    {"green", {"Taurus", "Libra", "Capricorn"}},
    {"yellow", {"Gemini"}},
    {"white", {"Cancer", "Scorpio", "Aquarius"}},
    {"orange", {"Leo"}},
    {"brown", {"Virgo"}},
    {"violet", {"Sagittarius", "Pisces"}},
};

const std::vector<Group> kPlanetGroups = {
    {"Mars", {"Aries", "Scorpio"}},
    {"Venus", {"Taurus", "Libra"}},
    {"Mercury", {"Gemini", "Virgo"}},
    {"Moon", {"Cancer"}},
    {"Sun", {"Leo"}},
    {"Jupiter", {"Sagittarius", "Pisces"}},
    {"Saturn", {"Capricorn", "Aquarius"}},
};

void addGroupRows(const std::vector<Group>& groups) {
    QTest::addColumn<QByteArray>("subject");
    QTest::addColumn<QList<QByteArray>>("signs");
    QTest::addColumn<QList<QByteArray>>("others");

    for (const Group& group : groups) {
        QList<QByteArray> members;
        for (const char* sign : group.signs)
            members << QByteArray(sign);
        QList<QByteArray> others;
        for (const SignProfile& profile : reading::catalogue()) {
            if (!members.contains(bytes(profile.name)))
                others << bytes(profile.name);
        }
        QTest::newRow(group.subject) << QByteArray(group.subject) << members << others;
    }
}

} // namespace

class TestSignCatalogue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void catalogueOrder();
    void shortAttributes_data();
    void shortAttributes();
    void unevenPairings();
    void unusedSwatchPositions();
    void sharedColorTexts_data();
    void sharedColorTexts();
    void sharedPlanetTexts_data();
    void sharedPlanetTexts();
    void sharedTextListsHoldSevenDistinct();
    void lookUpEachName_data();
    void lookUpEachName();
    void lookUpMisses_data();
    void lookUpMisses();
    void designStyleSeparators_data();
    void designStyleSeparators();
    void designStyleJoin_data();
    void designStyleJoin();
};

void TestSignCatalogue::catalogueOrder() {
    QCOMPARE(reading::catalogue().size(), std::size_t{12});
    for (int i = 0; i < 12; ++i) {
        const SunSign sign = reading::kAllSigns[static_cast<std::size_t>(i)];
        QVERIFY2(profileAt(i).name == reading::signName(sign),
                 qPrintable(QStringLiteral("position %1").arg(i)));
        QVERIFY2(profileAt(i).signPicture == reading::ordinal(sign),
                 qPrintable(QStringLiteral("position %1").arg(i)));
    }
}

void TestSignCatalogue::shortAttributes_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QByteArray>("luckyNumbers");
    QTest::addColumn<QByteArray>("luckyDay");
    QTest::addColumn<QByteArray>("compatibility");
    QTest::addColumn<QByteArray>("birthstone");
    QTest::addColumn<QByteArray>("preferredColors");
    QTest::addColumn<QByteArray>("rulingPlanet");
    QTest::addColumn<int>("signPicture");
    QTest::addColumn<int>("colorSwatch");

    struct Row {
        const char* name;
        const char* element;
        const char* numbers;
        const char* day;
        const char* compatibility;
        const char* stone;
        const char* colors;
        const char* planet;
        int picture;
        int swatch;
    };
    const Row rows[] = {
        {"Aries", "Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond", "Red", "Mars", 1, 9},
        {"Taurus", "Earth", "6", "Friday", "Capricorn and Virgo", "Emerald", "Color Green", "Venus",
         2, 4},
        {"Gemini", "Air", "5", "Wednesday", "Aquarius and Libra", "Agate", "Yellow", "Mercury", 3,
         12},
        {"Cancer", "Water", "2", "Monday", "Pisces and Scorpio", "Pearl", "White", "The Moon", 4,
         14},
        {"Leo", "Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby", "Red", "The Sun", 5,
         9},
        {"Virgo", "Earth", "3 and 5", "Wednesday", "Capricorn and Taurus", "Sapphire", "Brown",
         "Mercury", 6, 15},
        {"Libra", "Air", "6 and 9", "Friday", "Aquarius and Gemini", "Opal", "Olive Green", "Venus",
         7, 7},
        {"Scorpio", "Water", "2 and 4", "Tuesday", "Cancer and Pisces", "Topaz", "White",
         "Pluto and Mars", 8, 14},
        {"Sagittarius", "Fire", "5 and 7", "Thursday", "Aries and Leo", "Turquoise", "Violet",
         "Jupiter", 9, 11},
        {"Capricorn", "Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet", "Blue",
         "Saturn", 10, 1},
        {"Aquarius", "Air", "1 and 7", "Wednesday", "Taurus and Virgo", "Amethyst", "Blue",
         "Uranus and Saturn", 11, 1},
        {"Pisces", "Water", "2 and 6", "Friday", "Taurus and Virgo", "Aquamarine", "Blue",
         "Neptune and Jupiter", 12, 1},
    };
    for (const Row& r : rows) {
        QTest::newRow(r.name) << indexOf(r.name) << QByteArray(r.element) << QByteArray(r.numbers)
                              << QByteArray(r.day) << QByteArray(r.compatibility)
                              << QByteArray(r.stone) << QByteArray(r.colors) << QByteArray(r.planet)
                              << r.picture << r.swatch;
    }
}

void TestSignCatalogue::shortAttributes() {
    QFETCH(int, index);
    QFETCH(QByteArray, element);
    QFETCH(QByteArray, luckyNumbers);
    QFETCH(QByteArray, luckyDay);
    QFETCH(QByteArray, compatibility);
    QFETCH(QByteArray, birthstone);
    QFETCH(QByteArray, preferredColors);
    QFETCH(QByteArray, rulingPlanet);
    QFETCH(int, signPicture);
    QFETCH(int, colorSwatch);

    QVERIFY2(index >= 0, "sign missing from the catalogue");
    const SignProfile& p = profileAt(index);
    QCOMPARE(bytes(p.element), element);
    QCOMPARE(bytes(p.luckyNumbers), luckyNumbers);
    QCOMPARE(bytes(p.luckyDay), luckyDay);
    QCOMPARE(bytes(p.compatibility), compatibility);
    QCOMPARE(bytes(p.birthstone), birthstone);
    QCOMPARE(bytes(p.preferredColors), preferredColors);
    QCOMPARE(bytes(p.rulingPlanet), rulingPlanet);
    QCOMPARE(p.signPicture, signPicture);
    QCOMPARE(p.colorSwatch, colorSwatch);
    QVERIFY(p.colorText != nullptr);
    QVERIFY(p.planetText != nullptr);
}

void TestSignCatalogue::unevenPairings() {
    // Each sign shows its own row, even where colour name, swatch and text disagree.
    const SignProfile* leo = reading::lookUpProfile("Leo");
    const SignProfile* aries = reading::lookUpProfile("Aries");
    QVERIFY(leo && aries);
    QCOMPARE(bytes(leo->preferredColors), QByteArray("Red"));
    QCOMPARE(leo->colorSwatch, aries->colorSwatch);
    QVERIFY(leo->colorText != aries->colorText);
    QCOMPARE(bytes(leo->colorText->subject), QByteArray("orange"));

    const SignProfile* capricorn = reading::lookUpProfile("Capricorn");
    const SignProfile* aquarius = reading::lookUpProfile("Aquarius");
    const SignProfile* pisces = reading::lookUpProfile("Pisces");
    QVERIFY(capricorn && aquarius && pisces);
    for (const SignProfile* p : {capricorn, aquarius, pisces}) {
        QCOMPARE(bytes(p->preferredColors), QByteArray("Blue"));
        QCOMPARE(p->colorSwatch, 1);
        QCOMPARE(bytes(p->compatibility), QByteArray("Taurus and Virgo"));
    }
    QCOMPARE(bytes(capricorn->colorText->subject), QByteArray("green"));
    QCOMPARE(bytes(aquarius->colorText->subject), QByteArray("white"));
    QCOMPARE(bytes(pisces->colorText->subject), QByteArray("violet"));
    QCOMPARE(bytes(capricorn->luckyNumbers), QByteArray("8 and 2"));

    int colorPrefixed = 0;
    for (const SignProfile& p : reading::catalogue()) {
        if (p.preferredColors.starts_with("Color "))
            ++colorPrefixed;
    }
    QCOMPARE(colorPrefixed, 1);
    QCOMPARE(bytes(reading::lookUpProfile("Taurus")->preferredColors), QByteArray("Color Green"));
}

void TestSignCatalogue::unusedSwatchPositions() {
    std::set<int> used;
    for (const SignProfile& p : reading::catalogue()) {
        QVERIFY2(p.colorSwatch >= 1 && p.colorSwatch <= 15, bytes(p.name).constData());
        used.insert(p.colorSwatch);
    }
    QCOMPARE(used, (std::set<int>{1, 4, 7, 9, 11, 12, 14, 15}));
}

void TestSignCatalogue::sharedColorTexts_data() {
    addGroupRows(kColorGroups);
}

void TestSignCatalogue::sharedColorTexts() {
    QFETCH(QByteArray, subject);
    QFETCH(QList<QByteArray>, signs);
    QFETCH(QList<QByteArray>, others);

    const SharedText* shared = reading::lookUpProfile(signs.first().toStdString())->colorText;
    QVERIFY(shared != nullptr);
    QCOMPARE(bytes(shared->subject), subject);
    for (const QByteArray& sign : signs)
        QVERIFY2(reading::lookUpProfile(sign.toStdString())->colorText == shared, sign.constData());
    for (const QByteArray& sign : others)
        QVERIFY2(reading::lookUpProfile(sign.toStdString())->colorText != shared, sign.constData());
    const auto list = reading::colorTexts();
    QVERIFY(std::find(list.begin(), list.end(), shared) != list.end());
}

void TestSignCatalogue::sharedPlanetTexts_data() {
    addGroupRows(kPlanetGroups);
}

void TestSignCatalogue::sharedPlanetTexts() {
    QFETCH(QByteArray, subject);
    QFETCH(QList<QByteArray>, signs);
    QFETCH(QList<QByteArray>, others);

    const SharedText* shared = reading::lookUpProfile(signs.first().toStdString())->planetText;
    QVERIFY(shared != nullptr);
    QCOMPARE(bytes(shared->subject), subject);
    for (const QByteArray& sign : signs)
        QVERIFY2(reading::lookUpProfile(sign.toStdString())->planetText == shared,
                 sign.constData());
    for (const QByteArray& sign : others)
        QVERIFY2(reading::lookUpProfile(sign.toStdString())->planetText != shared,
                 sign.constData());
    const auto list = reading::planetTexts();
    QVERIFY(std::find(list.begin(), list.end(), shared) != list.end());
}

void TestSignCatalogue::sharedTextListsHoldSevenDistinct() {
    for (const auto& [what, list] : {std::pair{"colour", reading::colorTexts()},
                                     std::pair{"planet", reading::planetTexts()}}) {
        QVERIFY2(list.size() == 7, what);
        std::set<const SharedText*> objects(list.begin(), list.end());
        QVERIFY2(objects.size() == 7, what);
        QVERIFY2(!objects.contains(nullptr), what);
        std::set<std::string_view> subjects;
        for (const SharedText* text : list)
            subjects.insert(text->subject);
        QVERIFY2(subjects.size() == 7, what);
    }
    // Every listed text is used by some sign, and the two lists do not overlap.
    std::set<const SharedText*> usedColors;
    std::set<const SharedText*> usedPlanets;
    for (const SignProfile& p : reading::catalogue()) {
        usedColors.insert(p.colorText);
        usedPlanets.insert(p.planetText);
    }
    QCOMPARE(usedColors, (std::set<const SharedText*>(reading::colorTexts().begin(),
                                                      reading::colorTexts().end())));
    QCOMPARE(usedPlanets, (std::set<const SharedText*>(reading::planetTexts().begin(),
                                                       reading::planetTexts().end())));
    for (const SharedText* text : usedColors)
        QVERIFY(!usedPlanets.contains(text));
}

void TestSignCatalogue::lookUpEachName_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("index");

    const char* const names[12] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                   "Leo",         "Virgo",     "Libra",    "Scorpio",
                                   "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int i = 0; i < 12; ++i)
        QTest::newRow(names[i]) << QByteArray(names[i]) << i;
}

void TestSignCatalogue::lookUpEachName() {
    QFETCH(QByteArray, name);
    QFETCH(int, index);

    // A copy in other storage: the look-up must compare text, not addresses.
    const std::string copy = name.toStdString();
    const SignProfile* found = reading::lookUpProfile(copy);
    QVERIFY(found != nullptr);
    QCOMPARE(found, &profileAt(index));
    QCOMPARE(bytes(found->name), name);
}

void TestSignCatalogue::lookUpMisses_data() {
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("small letters") << QByteArray("aries");
    QTest::newRow("capitals") << QByteArray("ARIES");
    QTest::newRow("trailing blank") << QByteArray("Aries ");
    QTest::newRow("leading blank") << QByteArray(" Aries");
    QTest::newRow("trailing NUL") << QByteArray("Leo\0", 4);
    QTest::newRow("inner NUL") << QByteArray("Le\0o", 4);
    QTest::newRow("prefix") << QByteArray("Le");
    QTest::newRow("longer") << QByteArray("Leos");
    QTest::newRow("trailing line break") << QByteArray("Pisces\r\n");
    QTest::newRow("small p") << QByteArray("pisces");
    QTest::newRow("mixed case") << QByteArray("SaGittarius");
    QTest::newRow("blank") << QByteArray(" ");
    QTest::newRow("two names") << QByteArray("Taurus and Virgo");
}

void TestSignCatalogue::lookUpMisses() {
    QFETCH(QByteArray, name);

    const std::string_view view(name.constData(), static_cast<std::size_t>(name.size()));
    QCOMPARE(reading::lookUpProfile(view), static_cast<const SignProfile*>(nullptr));
}

void TestSignCatalogue::designStyleSeparators_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("separators");

    QTest::newRow("Aries") << QByteArray("Aries") << 4;
    QTest::newRow("Taurus") << QByteArray("Taurus") << 3;
    QTest::newRow("Gemini") << QByteArray("Gemini") << 4;
    QTest::newRow("Cancer") << QByteArray("Cancer") << 5;
    QTest::newRow("Leo") << QByteArray("Leo") << 5;
    QTest::newRow("Virgo") << QByteArray("Virgo") << 4;
    QTest::newRow("Libra") << QByteArray("Libra") << 4;
    QTest::newRow("Scorpio") << QByteArray("Scorpio") << 5;
    QTest::newRow("Sagittarius") << QByteArray("Sagittarius") << 5;
    QTest::newRow("Capricorn") << QByteArray("Capricorn") << 6;
    QTest::newRow("Aquarius") << QByteArray("Aquarius") << 5;
    QTest::newRow("Pisces") << QByteArray("Pisces") << 5;
}

void TestSignCatalogue::designStyleSeparators() {
    QFETCH(QByteArray, name);
    QFETCH(int, separators);

    const SignProfile* p = reading::lookUpProfile(name.toStdString());
    QVERIFY(p != nullptr);
    QCOMPARE(static_cast<int>(p->designLines.size()), separators + 1);

    const std::string text = reading::designStyleText(*p);
    QCOMPARE(countSeparators(text), separators);
    QVERIFY(!text.starts_with("\r\n"));
    QVERIFY(!text.ends_with("\r\n"));
    QVERIFY(text.find("\r\n\r\n") == std::string::npos);

    // Splitting at the separators gives back the lines, in order.
    std::size_t from = 0;
    for (const std::string_view line : p->designLines) {
        const std::size_t to = std::min(text.find("\r\n", from), text.size());
        QCOMPARE(bytes(std::string_view(text).substr(from, to - from)), bytes(line));
        from = to + 2;
    }
}

void TestSignCatalogue::designStyleJoin_data() {
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<QByteArray>("joined");

    QTest::newRow("no lines") << QList<QByteArray>{} << QByteArray();
    QTest::newRow("one line") << QList<QByteArray>{"One."} << QByteArray("One.");
    QTest::newRow("two lines") << QList<QByteArray>{"One.", "Two."} << QByteArray("One.\r\nTwo.");
    QTest::newRow("three lines") << QList<QByteArray>{"A", "B", "C"} << QByteArray("A\r\nB\r\nC");
    QTest::newRow("empty first line") << QList<QByteArray>{"", "B"} << QByteArray("\r\nB");
    QTest::newRow("empty last line") << QList<QByteArray>{"A", ""} << QByteArray("A\r\n");
    QTest::newRow("two empty lines") << QList<QByteArray>{"", ""} << QByteArray("\r\n");
}

void TestSignCatalogue::designStyleJoin() {
    QFETCH(QList<QByteArray>, lines);
    QFETCH(QByteArray, joined);

    std::vector<std::string_view> views;
    for (const QByteArray& line : lines)
        views.emplace_back(line.constData(), static_cast<std::size_t>(line.size()));
    SignProfile profile;
    profile.designLines = views;
    QCOMPARE(bytes(reading::designStyleText(profile)), joined);
}

QTEST_GUILESS_MAIN(TestSignCatalogue)
#include "test_sign_catalogue.moc"
