// SPDX-License-Identifier: MIT
#include <QTest>

#include <cstdint>
#include <limits>
#include <set>
#include <string_view>

#include "reading/sun_sign.h"
#include "support/bytes.h"

using reading::SunSign;

namespace {

using testsupport::bytes;

/// Out-of-range positions give no sign and leave the current one; false after a failure.
bool determinesNothing(int month, int day, const QByteArray& before) {
    const QString where = QStringLiteral("month position %1 day position %2").arg(month).arg(day);
    if (reading::signForPositions(month, day).has_value()) {
        QTest::qFail(qPrintable(where + QStringLiteral(" gave a sign")), __FILE__, __LINE__);
        return false;
    }
    reading::determineSunSign(month, day);
    if (bytes(reading::currentSign()) != before) {
        QTest::qFail(qPrintable(where + QStringLiteral(" changed the sign")), __FILE__, __LINE__);
        return false;
    }
    return true;
}

QByteArray nameOf(std::optional<SunSign> sign) {
    return sign ? bytes(reading::signName(*sign)) : QByteArray("<none>");
}

// In calendar terms (day numbers from 1), deliberately not in list positions.
struct MonthSplit {
    const char* month;
    const char* firstSign;
    int lastDayOfFirstSign;
    const char* secondSign;
};

constexpr MonthSplit kCalendar[12] = {
    {"January", "Capricorn", 19, "Aquarius"},
    {"February", "Aquarius", 18, "Pisces"},
    {"March", "Pisces", 20, "Aries"},
    {"April", "Aries", 20, "Taurus"},
    {"May", "Taurus", 20, "Gemini"},
    {"June", "Gemini", 20, "Cancer"},
    {"July", "Cancer", 20, "Leo"},
    {"August", "Leo", 20, "Virgo"},
    {"September", "Virgo", 20, "Libra"},
    {"October", "Libra", 20, "Scorpio"},
    {"November", "Scorpio", 20, "Sagittarius"},
    {"December", "Sagittarius", 20, "Capricorn"},
};

} // namespace

class TestSunSign : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each function starts as the program does: no sign determined yet.
    void init() { reading::resetCurrentSign(); }
    void currentSignEmptyBeforeFirstDetermination();
    void namesAndOrdinals_data();
    void namesAndOrdinals();
    void everyDayOfEveryMonth();
    void edgeCases_data();
    void edgeCases();
    void outOfRangeMonthPositions();
    void outOfRangeDayPositions();
    void hugePositions_data();
    void hugePositions();
    void consecutiveDeterminationsOverwrite();
};

void TestSunSign::currentSignEmptyBeforeFirstDetermination() {
    QVERIFY(reading::currentSign().empty());
    // Neither pure look-ups nor failed determinations may set it.
    QVERIFY(reading::signForPositions(0, 0).has_value());
    reading::determineSunSign(-1, 0);
    reading::determineSunSign(12, 0);
    reading::determineSunSign(0, -1);
    reading::determineSunSign(0, 31);
    QVERIFY(reading::currentSign().empty());
}

void TestSunSign::namesAndOrdinals_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<QByteArray>("name");

    const char* const names[12] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                   "Leo",         "Virgo",     "Libra",    "Scorpio",
                                   "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int i = 0; i < 12; ++i)
        QTest::newRow(names[i]) << i << i + 1 << QByteArray(names[i]);
}

void TestSunSign::namesAndOrdinals() {
    QFETCH(int, index);
    QFETCH(int, ordinal);
    QFETCH(QByteArray, name);

    const SunSign sign = reading::kAllSigns[static_cast<std::size_t>(index)];
    QCOMPARE(reading::ordinal(sign), ordinal);
    QCOMPARE(static_cast<int>(sign), ordinal);
    QCOMPARE(bytes(reading::signName(sign)), name);
}

void TestSunSign::everyDayOfEveryMonth() {
    std::set<QByteArray> seen;
    for (int month = 0; month < 12; ++month) {
        const MonthSplit& row = kCalendar[month];
        for (int dayNumber = 1; dayNumber <= 31; ++dayNumber) {
            const QByteArray expected(dayNumber <= row.lastDayOfFirstSign ? row.firstSign
                                                                          : row.secondSign);
            const int day = dayNumber - 1;
            const QByteArray where = QByteArray::number(dayNumber) + ' ' + row.month;

            const QByteArray pure = nameOf(reading::signForPositions(month, day));
            QVERIFY2(pure == expected,
                     (where + ": " + pure + ", expected " + expected).constData());

            reading::determineSunSign(month, day);
            const QByteArray current = bytes(reading::currentSign());
            QVERIFY2(current == expected,
                     (where + ": current " + current + ", expected " + expected).constData());
            seen.insert(current);
        }
    }
    QCOMPARE(seen.size(), std::size_t{12});
}

void TestSunSign::edgeCases_data() {
    QTest::addColumn<int>("dayNumber");
    QTest::addColumn<int>("monthNumber");
    QTest::addColumn<QByteArray>("sign");

    QTest::newRow("1 January") << 1 << 1 << QByteArray("Capricorn");
    QTest::newRow("19 January") << 19 << 1 << QByteArray("Capricorn");
    QTest::newRow("20 January") << 20 << 1 << QByteArray("Aquarius");
    QTest::newRow("31 January") << 31 << 1 << QByteArray("Aquarius");
    QTest::newRow("1 February") << 1 << 2 << QByteArray("Aquarius");
    QTest::newRow("18 February") << 18 << 2 << QByteArray("Aquarius");
    QTest::newRow("19 February") << 19 << 2 << QByteArray("Pisces");
    QTest::newRow("29 February") << 29 << 2 << QByteArray("Pisces");
    QTest::newRow("20 March") << 20 << 3 << QByteArray("Pisces");
    QTest::newRow("21 March") << 21 << 3 << QByteArray("Aries");
    QTest::newRow("20 April") << 20 << 4 << QByteArray("Aries");
    QTest::newRow("21 April") << 21 << 4 << QByteArray("Taurus");
    QTest::newRow("20 July") << 20 << 7 << QByteArray("Cancer");
    QTest::newRow("21 July") << 21 << 7 << QByteArray("Leo");
    QTest::newRow("22 July") << 22 << 7 << QByteArray("Leo");
    QTest::newRow("21 August") << 21 << 8 << QByteArray("Virgo");
    QTest::newRow("22 August") << 22 << 8 << QByteArray("Virgo");
    QTest::newRow("22 September") << 22 << 9 << QByteArray("Libra");
    QTest::newRow("22 October") << 22 << 10 << QByteArray("Scorpio");
    QTest::newRow("21 November") << 21 << 11 << QByteArray("Sagittarius");
    QTest::newRow("20 December") << 20 << 12 << QByteArray("Sagittarius");
    QTest::newRow("21 December") << 21 << 12 << QByteArray("Capricorn");
    QTest::newRow("31 December") << 31 << 12 << QByteArray("Capricorn");
}

void TestSunSign::edgeCases() {
    QFETCH(int, dayNumber);
    QFETCH(int, monthNumber);
    QFETCH(QByteArray, sign);

    reading::determineSunSign(monthNumber - 1, dayNumber - 1);
    QCOMPARE(bytes(reading::currentSign()), sign);
}

void TestSunSign::outOfRangeMonthPositions() {
    reading::determineSunSign(3, 4); // 5 April
    const QByteArray before = bytes(reading::currentSign());
    QCOMPARE(before, QByteArray("Aries"));
    for (int month = std::numeric_limits<std::int16_t>::min();
         month <= std::numeric_limits<std::int16_t>::max(); ++month) {
        if (month >= 0 && month <= 11)
            continue;
        for (const int day : {-1, 0, 19, 30, 31}) {
            if (!determinesNothing(month, day, before))
                return;
        }
    }
}

void TestSunSign::outOfRangeDayPositions() {
    reading::determineSunSign(6, 20); // 21 July
    const QByteArray before = bytes(reading::currentSign());
    QCOMPARE(before, QByteArray("Leo"));
    for (int month = 0; month < 12; ++month) {
        for (int day = std::numeric_limits<std::int16_t>::min();
             day <= std::numeric_limits<std::int16_t>::max(); ++day) {
            if (day >= 0 && day <= 30)
                continue;
            if (!determinesNothing(month, day, before))
                return;
        }
    }
}

void TestSunSign::hugePositions_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");

    constexpr int lo = std::numeric_limits<int>::min();
    constexpr int hi = std::numeric_limits<int>::max();
    QTest::newRow("int min month") << lo << 0;
    QTest::newRow("int max month") << hi << 0;
    QTest::newRow("int min day") << 0 << lo;
    QTest::newRow("int max day") << 11 << hi;
    QTest::newRow("both int min") << lo << lo;
    QTest::newRow("both int max") << hi << hi;
    QTest::newRow("month 12") << 12 << 0;
    QTest::newRow("month -1") << -1 << 30;
    QTest::newRow("day 31") << 0 << 31;
    QTest::newRow("day -1") << 11 << -1;
}

void TestSunSign::hugePositions() {
    QFETCH(int, month);
    QFETCH(int, day);

    reading::determineSunSign(9, 0); // 1 October
    QCOMPARE(bytes(reading::currentSign()), QByteArray("Libra"));
    QVERIFY(!reading::signForPositions(month, day).has_value());
    reading::determineSunSign(month, day);
    QCOMPARE(bytes(reading::currentSign()), QByteArray("Libra"));
}

void TestSunSign::consecutiveDeterminationsOverwrite() {
    reading::determineSunSign(6, 20); // 21 July
    QCOMPARE(bytes(reading::currentSign()), QByteArray("Leo"));
    reading::determineSunSign(0, 0); // 1 January
    QCOMPARE(bytes(reading::currentSign()), QByteArray("Capricorn"));
    reading::determineSunSign(8, 21); // 22 September
    QCOMPARE(bytes(reading::currentSign()), QByteArray("Libra"));
    reading::determineSunSign(8, 21);
    QCOMPARE(bytes(reading::currentSign()), QByteArray("Libra"));
}

QTEST_GUILESS_MAIN(TestSunSign)
#include "test_sun_sign.moc"
