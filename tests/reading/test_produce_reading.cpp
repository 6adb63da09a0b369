// SPDX-License-Identifier: MIT
#include <QTest>

#include <cstdint>
#include <string_view>
#include <variant>

#include "reading/reading.h"
#include "reading/sun_sign.h"
#include "support/bytes.h"

using reading::BirthDetails;
using reading::Reading;
using reading::RuleBreak;

namespace {

using testsupport::bytes;

/// Entries for a day number and month number as the input window forms them.
BirthDetails entries(int dayNumber, int monthNumber, std::int32_t year = 1990) {
    BirthDetails d;
    d.firstName = u"ANNA";
    d.middleName = u"";
    d.lastName = u"SMITH";
    d.day = static_cast<std::int16_t>(dayNumber - 1);
    d.month = static_cast<std::int16_t>(monthNumber - 1);
    d.year = year;
    d.dayText = QString::number(dayNumber).toStdU16String();
    d.monthText = u"Month";
    d.yearText = QString::number(year).toStdU16String();
    return d;
}

/// Entries carrying raw list positions, which need not be in the lists' range.
BirthDetails positions(int dayPosition, int monthPosition) {
    BirthDetails d = entries(1, 1);
    d.day = static_cast<std::int16_t>(dayPosition);
    d.month = static_cast<std::int16_t>(monthPosition);
    return d;
}

} // namespace

class TestProduceReading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each function starts as the program does: no sign determined yet.
    void init() { reading::resetCurrentSign(); }
    void beforeAnyReadingOutOfRangeGivesEmptyReading_data();
    void beforeAnyReadingOutOfRangeGivesEmptyReading();
    void fifthOfAprilIsAries();
    void twentyFirstOfJulyIsLeo();
    void brokenRuleLeavesCurrentSign_data();
    void brokenRuleLeavesCurrentSign();
    void outOfRangeKeepsPreviousSign_data();
    void outOfRangeKeepsPreviousSign();
    void namesAndYearDoNotMatter();
    void everyValidDateHasItsProfile();
};

void TestProduceReading::beforeAnyReadingOutOfRangeGivesEmptyReading_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");

    QTest::newRow("month 12, day 5") << 4 << 12;
    QTest::newRow("month -1") << 0 << -1;
    QTest::newRow("day 31 of January") << 31 << 0;
    QTest::newRow("day -1 of March") << -1 << 2;
    QTest::newRow("int16 extremes") << -32768 << 32767;
}

void TestProduceReading::beforeAnyReadingOutOfRangeGivesEmptyReading() {
    QFETCH(int, day);
    QFETCH(int, month);

    const auto outcome = reading::produceReading(positions(day, month));
    const Reading* result = std::get_if<Reading>(&outcome);
    QVERIFY2(result != nullptr, "the check must pass for these positions");
    QCOMPARE(bytes(result->signName), QByteArray());
    QCOMPARE(result->profile, static_cast<const reading::SignProfile*>(nullptr));
    QVERIFY(reading::currentSign().empty());
}

void TestProduceReading::fifthOfAprilIsAries() {
    const auto outcome = reading::produceReading(entries(5, 4, 1990));
    const Reading* result = std::get_if<Reading>(&outcome);
    QVERIFY(result != nullptr);
    QCOMPARE(bytes(result->signName), QByteArray("Aries"));
    QVERIFY(result->profile != nullptr);
    QCOMPARE(result->profile, reading::lookUpProfile("Aries"));
    QCOMPARE(bytes(result->profile->element), QByteArray("Fire"));
    QCOMPARE(bytes(result->profile->luckyNumbers), QByteArray("9"));
    QCOMPARE(bytes(result->profile->luckyDay), QByteArray("Tuesday"));
    QCOMPARE(bytes(result->profile->compatibility), QByteArray("Leo and Sagittarius"));
    QCOMPARE(bytes(result->profile->birthstone), QByteArray("Diamond"));
    QCOMPARE(result->profile->signPicture, 1);
    QCOMPARE(bytes(result->profile->preferredColors), QByteArray("Red"));
    QCOMPARE(result->profile->colorSwatch, 9);
    QCOMPARE(bytes(result->profile->colorText->subject), QByteArray("red"));
    QCOMPARE(bytes(result->profile->rulingPlanet), QByteArray("Mars"));
    QCOMPARE(bytes(result->profile->planetText->subject), QByteArray("Mars"));
    QCOMPARE(result->profile->designLines.size(), std::size_t{5});
    QCOMPARE(bytes(reading::currentSign()), QByteArray("Aries"));
}

void TestProduceReading::twentyFirstOfJulyIsLeo() {
    const auto outcome = reading::produceReading(entries(21, 7, 1975));
    const Reading* result = std::get_if<Reading>(&outcome);
    QVERIFY(result != nullptr);
    QCOMPARE(bytes(result->signName), QByteArray("Leo"));
    QVERIFY(result->profile != nullptr);
    QCOMPARE(result->profile, reading::lookUpProfile("Leo"));
    QCOMPARE(bytes(result->profile->luckyNumbers), QByteArray("8 and 9"));
    QCOMPARE(result->profile->colorSwatch, 9);
    QCOMPARE(bytes(result->profile->colorText->subject), QByteArray("orange"));
}

void TestProduceReading::brokenRuleLeavesCurrentSign_data() {
    QTest::addColumn<int>("dayNumber");
    QTest::addColumn<int>("monthNumber");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("emptyField"); // 0 none, 1 first name, 2 last name, 5 year text
    QTest::addColumn<int>("rule");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("focus");

    QTest::newRow("30 February") << 30 << 2 << 2000 << 0 << 6
                                 << QByteArray("Please Enter Correct Date Or Month!")
                                 << int(reading::FocusTarget::None);
    QTest::newRow("29 February 1900")
        << 29 << 2 << 1900 << 0 << 6 << QByteArray("Please Enter Correct Date Or Month!")
        << int(reading::FocusTarget::None);
    QTest::newRow("31 April") << 31 << 4 << 1990 << 0 << 7
                              << QByteArray("Please Enter Correct Date Or Month !")
                              << int(reading::FocusTarget::None);
    QTest::newRow("no first name, 21 July")
        << 21 << 7 << 1990 << 1 << 1 << QByteArray("Please Enter Your First Name")
        << int(reading::FocusTarget::FirstName);
    QTest::newRow("no last name, 1 January")
        << 1 << 1 << 1990 << 2 << 2 << QByteArray("Please Enter Your Last Name")
        << int(reading::FocusTarget::LastName);
    QTest::newRow("no year text, 10 October")
        << 10 << 10 << 1990 << 5 << 5 << QByteArray("Please Specify Your Birth Year")
        << int(reading::FocusTarget::Year);
}

void TestProduceReading::brokenRuleLeavesCurrentSign() {
    QFETCH(int, dayNumber);
    QFETCH(int, monthNumber);
    QFETCH(int, year);
    QFETCH(int, emptyField);
    QFETCH(int, rule);
    QFETCH(QByteArray, message);
    QFETCH(int, focus);

    QVERIFY(std::holds_alternative<Reading>(reading::produceReading(entries(5, 4))));
    QCOMPARE(bytes(reading::currentSign()), QByteArray("Aries"));

    BirthDetails d = entries(dayNumber, monthNumber, year);
    if (emptyField == 1)
        d.firstName.clear();
    else if (emptyField == 2)
        d.lastName.clear();
    else if (emptyField == 5)
        d.yearText.clear();

    const auto outcome = reading::produceReading(d);
    const RuleBreak* broken = std::get_if<RuleBreak>(&outcome);
    QVERIFY(broken != nullptr);
    QCOMPARE(broken->rule, rule);
    QCOMPARE(bytes(broken->message), message);
    QCOMPARE(int(broken->focus), focus);
    QCOMPARE(bytes(reading::currentSign()), QByteArray("Aries"));
}

void TestProduceReading::outOfRangeKeepsPreviousSign_data() {
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");

    QTest::newRow("month 12, day 5") << 4 << 12;
    QTest::newRow("month -1") << 10 << -1;
    QTest::newRow("day 31 of January") << 31 << 0;
    QTest::newRow("day -1 of December") << -1 << 11;
    QTest::newRow("int16 extremes") << 32767 << -32768;
}

void TestProduceReading::outOfRangeKeepsPreviousSign() {
    QFETCH(int, day);
    QFETCH(int, month);

    QVERIFY(std::holds_alternative<Reading>(reading::produceReading(entries(21, 7))));
    const auto outcome = reading::produceReading(positions(day, month));
    const Reading* result = std::get_if<Reading>(&outcome);
    QVERIFY(result != nullptr);
    QCOMPARE(bytes(result->signName), QByteArray("Leo"));
    QCOMPARE(result->profile, reading::lookUpProfile("Leo"));
}

void TestProduceReading::namesAndYearDoNotMatter() {
    const auto reference = reading::produceReading(entries(22, 9, 1990));
    const Reading* expected = std::get_if<Reading>(&reference);
    QVERIFY(expected != nullptr);
    QCOMPARE(bytes(expected->signName), QByteArray("Libra"));

    BirthDetails other = entries(22, 9, 2050);
    other.firstName = u"   ";
    other.middleName = u"Q";
    other.lastName = u"ZED ZED";
    const auto outcome = reading::produceReading(other);
    const Reading* result = std::get_if<Reading>(&outcome);
    QVERIFY(result != nullptr);
    QCOMPARE(bytes(result->signName), bytes(expected->signName));
    QCOMPARE(result->profile, expected->profile);
}

void TestProduceReading::everyValidDateHasItsProfile() {
    for (int month = 0; month < 12; ++month) {
        for (int day = 0; day <= 30; ++day) {
            const auto outcome = reading::produceReading(entries(day + 1, month + 1, 2000));
            const auto sign = reading::signForPositions(month, day);
            QVERIFY(sign.has_value());
            const Reading* result = std::get_if<Reading>(&outcome);
            if (result == nullptr)
                continue; // an impossible date, refused by the check
            const QByteArray where =
                "day " + QByteArray::number(day + 1) + " month " + QByteArray::number(month + 1);
            QVERIFY2(bytes(result->signName) == bytes(reading::signName(*sign)), where.constData());
            QVERIFY2(result->profile != nullptr, where.constData());
            QVERIFY2(result->profile->name == result->signName, where.constData());
            QVERIFY2(result->profile->signPicture == reading::ordinal(*sign), where.constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestProduceReading)
#include "test_produce_reading.moc"
