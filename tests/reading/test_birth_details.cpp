// SPDX-License-Identifier: MIT
#include <QTest>

#include <chrono>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "reading/birth_details.h"
#include "support/bytes.h"

using reading::BirthDetails;
using reading::FocusTarget;

namespace {

using testsupport::bytes;

// Written out here, not taken from the engine, so a changed character fails.
constexpr std::string_view kFirstNameMessage = "Please Enter Your First Name";
constexpr std::string_view kLastNameMessage = "Please Enter Your Last Name";
constexpr std::string_view kDateMessage = "Please Specify Your Birth Date";
constexpr std::string_view kMonthMessage = "Please Specify Your Birth Month";
constexpr std::string_view kYearMessage = "Please Specify Your Birth Year";
constexpr std::string_view kFebruaryMessage = "Please Enter Correct Date Or Month!";
constexpr std::string_view kThirtyDayMessage = "Please Enter Correct Date Or Month !";

constexpr std::int16_t kFebruary = 1;

std::u16string decimal(long long value) {
    return QString::number(value).toStdU16String();
}

const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

/// Entries as the input window would form them for day number / month number / year.
BirthDetails entries(int dayNumber, int monthNumber, std::int32_t year) {
    BirthDetails d;
    d.firstName = u"ANNA";
    d.middleName = u"MARIA";
    d.lastName = u"SMITH";
    d.day = static_cast<std::int16_t>(dayNumber - 1);
    d.month = static_cast<std::int16_t>(monthNumber - 1);
    d.year = year;
    d.dayText = decimal(dayNumber);
    d.monthText = (monthNumber >= 1 && monthNumber <= 12)
                      ? QString::fromLatin1(kMonthNames[monthNumber - 1]).toStdU16String()
                      : std::u16string(u"?");
    d.yearText = decimal(year);
    return d;
}

/// Days in a month by the calendar library, independent of the engine's own rule.
int daysInMonth(int monthNumber, int year) {
    const std::chrono::year_month_day_last last{
        std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(monthNumber)} /
        std::chrono::last};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

/// 0 for success, else the rule a date in the list range must break.
int expectedDateRule(int dayPosition, int monthPosition, int year) {
    if (monthPosition < 0 || monthPosition > 11 || dayPosition < 0 || dayPosition > 30)
        return 0;
    if (dayPosition + 1 <= daysInMonth(monthPosition + 1, year))
        return 0;
    return monthPosition == kFebruary ? 6 : 7;
}

int ruleOf(const BirthDetails& d) {
    const auto broken = reading::checkBirthDetails(d);
    return broken ? broken->rule : 0;
}

} // namespace

class TestBirthDetails : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ruleOrder_data();
    void ruleOrder();
    void messagesAndFocus_data();
    void messagesAndFocus();
    void dateMessagesDifferByOneBlank();
    void februaryAndLeapYears_data();
    void februaryAndLeapYears();
    void thirtyFirstOfEveryMonth_data();
    void thirtyFirstOfEveryMonth();
    void everyListDateAgainstCalendar();
    void isLeapYearMatchesGregorianCalendar();
    void yearsOutsideTheList_data();
    void yearsOutsideTheList();
    void fullRangeDayPositions();
    void fullRangeMonthPositions();
    void refusalMessage();
    void focusControlName_data();
    void focusControlName();
};

void TestBirthDetails::ruleOrder_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("dayText");
    QTest::addColumn<QString>("monthText");
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<int>("dayNumber");
    QTest::addColumn<int>("monthNumber");
    QTest::addColumn<int>("expectedRule");

    const QString a = QStringLiteral("ANNA");
    const QString s = QStringLiteral("SMITH");
    const QString d = QStringLiteral("5");
    const QString m = QStringLiteral("April");
    const QString y = QStringLiteral("1990");
    const QString none;

    QTest::newRow("all valid") << a << none << s << d << m << y << 5 << 4 << 0;
    QTest::newRow("everything empty, 30 Feb")
        << none << none << none << none << none << none << 30 << 2 << 1;
    QTest::newRow("both names empty") << none << none << none << d << m << y << 5 << 4 << 1;
    QTest::newRow("first empty, middle given") << none << a << s << d << m << y << 5 << 4 << 1;
    QTest::newRow("middle and last empty") << a << none << none << d << m << y << 5 << 4 << 2;
    QTest::newRow("last empty, 31 April") << a << a << none << d << m << y << 31 << 4 << 2;
    QTest::newRow("first of blanks")
        << QStringLiteral("   ") << none << s << d << m << y << 5 << 4 << 0;
    QTest::newRow("last of one blank")
        << a << none << QStringLiteral(" ") << d << m << y << 5 << 4 << 0;
    QTest::newRow("middle of blanks")
        << a << QStringLiteral("  ") << s << d << m << y << 5 << 4 << 0;
    QTest::newRow("day text empty") << a << none << s << none << m << y << 5 << 4 << 3;
    QTest::newRow("day and month texts empty")
        << a << none << s << none << none << y << 5 << 4 << 3;
    QTest::newRow("all texts empty, 30 Feb")
        << a << none << s << none << none << none << 30 << 2 << 3;
    QTest::newRow("month text empty") << a << none << s << d << none << y << 5 << 4 << 4;
    QTest::newRow("month and year texts empty")
        << a << none << s << d << none << none << 5 << 4 << 4;
    QTest::newRow("year text empty") << a << none << s << d << m << none << 5 << 4 << 5;
    QTest::newRow("year text empty, 31 Feb") << a << none << s << d << m << none << 31 << 2 << 5;
    QTest::newRow("30 Feb") << a << none << s << d << m << y << 30 << 2 << 6;
    QTest::newRow("31 April") << a << none << s << d << m << y << 31 << 4 << 7;
}

void TestBirthDetails::ruleOrder() {
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(QString, dayText);
    QFETCH(QString, monthText);
    QFETCH(QString, yearText);
    QFETCH(int, dayNumber);
    QFETCH(int, monthNumber);
    QFETCH(int, expectedRule);

    BirthDetails d = entries(dayNumber, monthNumber, 1990);
    d.firstName = first.toStdU16String();
    d.middleName = middle.toStdU16String();
    d.lastName = last.toStdU16String();
    d.dayText = dayText.toStdU16String();
    d.monthText = monthText.toStdU16String();
    d.yearText = yearText.toStdU16String();
    QCOMPARE(ruleOf(d), expectedRule);
}

void TestBirthDetails::messagesAndFocus_data() {
    QTest::addColumn<int>("rule");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("focus");

    QTest::newRow("1 first name") << 1 << bytes(kFirstNameMessage) << int(FocusTarget::FirstName);
    QTest::newRow("2 last name") << 2 << bytes(kLastNameMessage) << int(FocusTarget::LastName);
    QTest::newRow("3 day") << 3 << bytes(kDateMessage) << int(FocusTarget::Date);
    QTest::newRow("4 month") << 4 << bytes(kMonthMessage) << int(FocusTarget::Month);
    QTest::newRow("5 year") << 5 << bytes(kYearMessage) << int(FocusTarget::Year);
    QTest::newRow("6 February") << 6 << bytes(kFebruaryMessage) << int(FocusTarget::None);
    QTest::newRow("7 thirty-day month") << 7 << bytes(kThirtyDayMessage) << int(FocusTarget::None);
}

void TestBirthDetails::messagesAndFocus() {
    QFETCH(int, rule);
    QFETCH(QByteArray, message);
    QFETCH(int, focus);

    BirthDetails d = entries(1, 1, 2000);
    switch (rule) {
    case 1:
        d.firstName.clear();
        break;
    case 2:
        d.lastName.clear();
        break;
    case 3:
        d.dayText.clear();
        break;
    case 4:
        d.monthText.clear();
        break;
    case 5:
        d.yearText.clear();
        break;
    case 6:
        d = entries(30, 2, 2000);
        break;
    case 7:
        d = entries(31, 11, 2000);
        break;
    }
    const auto broken = reading::checkBirthDetails(d);
    QVERIFY(broken.has_value());
    QCOMPARE(broken->rule, rule);
    QCOMPARE(bytes(broken->message), message);
    QCOMPARE(int(broken->focus), focus);
}

void TestBirthDetails::dateMessagesDifferByOneBlank() {
    const auto february = reading::checkBirthDetails(entries(31, 2, 2001));
    const auto thirtyDay = reading::checkBirthDetails(entries(31, 6, 2001));
    QVERIFY(february && thirtyDay);
    QByteArray withBlank = bytes(february->message);
    withBlank.insert(withBlank.size() - 1, ' ');
    QCOMPARE(withBlank, bytes(thirtyDay->message));
    QVERIFY(bytes(february->message).endsWith("h!"));
}

void TestBirthDetails::februaryAndLeapYears_data() {
    QTest::addColumn<int>("dayNumber");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("passes");

    // 1900 was no leap year: the century rule holds here on purpose.
    QTest::newRow("29 Feb 1900") << 29 << 1900 << false;
    QTest::newRow("28 Feb 1900") << 28 << 1900 << true;
    QTest::newRow("30 Feb 1900") << 30 << 1900 << false;
    QTest::newRow("31 Feb 1900") << 31 << 1900 << false;
    QTest::newRow("29 Feb 1901") << 29 << 1901 << false;
    QTest::newRow("28 Feb 1901") << 28 << 1901 << true;
    QTest::newRow("29 Feb 1904") << 29 << 1904 << true;
    QTest::newRow("29 Feb 1996") << 29 << 1996 << true;
    QTest::newRow("29 Feb 1999") << 29 << 1999 << false;
    QTest::newRow("29 Feb 2000") << 29 << 2000 << true;
    QTest::newRow("30 Feb 2000") << 30 << 2000 << false;
    QTest::newRow("31 Feb 2000") << 31 << 2000 << false;
    QTest::newRow("29 Feb 2001") << 29 << 2001 << false;
    QTest::newRow("28 Feb 2001") << 28 << 2001 << true;
    QTest::newRow("1 Feb 2001") << 1 << 2001 << true;
    QTest::newRow("29 Feb 2048") << 29 << 2048 << true;
    QTest::newRow("29 Feb 2050") << 29 << 2050 << false;
    QTest::newRow("29 Feb 2100") << 29 << 2100 << false;
    QTest::newRow("29 Feb 2400") << 29 << 2400 << true;
}

void TestBirthDetails::februaryAndLeapYears() {
    QFETCH(int, dayNumber);
    QFETCH(int, year);
    QFETCH(bool, passes);

    const auto broken = reading::checkBirthDetails(entries(dayNumber, 2, year));
    QCOMPARE(!broken.has_value(), passes);
    if (!passes) {
        QCOMPARE(broken->rule, 6);
        QCOMPARE(bytes(broken->message), bytes(kFebruaryMessage));
        QCOMPARE(int(broken->focus), int(FocusTarget::None));
    }
}

void TestBirthDetails::thirtyFirstOfEveryMonth_data() {
    QTest::addColumn<int>("monthNumber");
    QTest::addColumn<int>("rule31");
    QTest::addColumn<int>("rule30");

    QTest::newRow("January") << 1 << 0 << 0;
    QTest::newRow("February") << 2 << 6 << 6;
    QTest::newRow("March") << 3 << 0 << 0;
    QTest::newRow("April") << 4 << 7 << 0;
    QTest::newRow("May") << 5 << 0 << 0;
    QTest::newRow("June") << 6 << 7 << 0;
    QTest::newRow("July") << 7 << 0 << 0;
    QTest::newRow("August") << 8 << 0 << 0;
    QTest::newRow("September") << 9 << 7 << 0;
    QTest::newRow("October") << 10 << 0 << 0;
    QTest::newRow("November") << 11 << 7 << 0;
    QTest::newRow("December") << 12 << 0 << 0;
}

void TestBirthDetails::thirtyFirstOfEveryMonth() {
    QFETCH(int, monthNumber);
    QFETCH(int, rule31);
    QFETCH(int, rule30);

    for (const int year : {1900, 2000, 2001, 2050}) {
        const QByteArray where = "year " + QByteArray::number(year);
        QVERIFY2(ruleOf(entries(31, monthNumber, year)) == rule31, where.constData());
        QVERIFY2(ruleOf(entries(30, monthNumber, year)) == rule30, where.constData());
        QVERIFY2(ruleOf(entries(28, monthNumber, year)) == 0, where.constData());
        QVERIFY2(ruleOf(entries(1, monthNumber, year)) == 0, where.constData());
    }
}

void TestBirthDetails::everyListDateAgainstCalendar() {
    for (int year = 1900; year <= 2050; ++year) {
        for (int month = 0; month < 12; ++month) {
            for (int day = 0; day <= 30; ++day) {
                BirthDetails d = entries(day + 1, month + 1, year);
                const int actual = ruleOf(d);
                const int expected = expectedDateRule(day, month, year);
                if (actual != expected)
                    QFAIL(qPrintable(QStringLiteral("day %1 month %2 year %3: rule %4, expected %5")
                                         .arg(day + 1)
                                         .arg(month + 1)
                                         .arg(year)
                                         .arg(actual)
                                         .arg(expected)));
            }
        }
    }
}

void TestBirthDetails::isLeapYearMatchesGregorianCalendar() {
    for (int y = -32767; y <= 32767; ++y) {
        const bool expected = std::chrono::year{y}.is_leap();
        if (reading::isLeapYear(y) != expected)
            QFAIL(qPrintable(QStringLiteral("year %1").arg(y)));
    }
    QVERIFY(!reading::isLeapYear(std::numeric_limits<std::int32_t>::max())); // odd
    QVERIFY(reading::isLeapYear(
        std::numeric_limits<std::int32_t>::min())); // divisible by 4, not by 100
    QVERIFY(reading::isLeapYear(2'000'000'000));
    QVERIFY(!reading::isLeapYear(2'000'000'100));
}

void TestBirthDetails::yearsOutsideTheList_data() {
    QTest::addColumn<int>("year");

    QTest::newRow("int32 min") << std::numeric_limits<std::int32_t>::min();
    QTest::newRow("-400") << -400;
    QTest::newRow("-1") << -1;
    QTest::newRow("0") << 0;
    QTest::newRow("1899") << 1899;
    QTest::newRow("2051") << 2051;
    QTest::newRow("1000000") << 1000000;
    QTest::newRow("int32 max") << std::numeric_limits<std::int32_t>::max();
}

void TestBirthDetails::yearsOutsideTheList() {
    QFETCH(int, year);

    QCOMPARE(ruleOf(entries(1, 1, year)), 0);
    QCOMPARE(ruleOf(entries(28, 2, year)), 0);
    QCOMPARE(ruleOf(entries(30, 2, year)), 6);
    QCOMPARE(ruleOf(entries(31, 2, year)), 6);
    QCOMPARE(ruleOf(entries(31, 9, year)), 7);
    QCOMPARE(ruleOf(entries(31, 12, year)), 0);
    QCOMPARE(ruleOf(entries(29, 2, year)), reading::isLeapYear(year) ? 0 : 6);
}

void TestBirthDetails::fullRangeDayPositions() {
    BirthDetails d = entries(1, 1, 2000);
    for (const int year : {1900, 2000, 2001}) {
        d.year = year;
        for (int month = 0; month < 12; ++month) {
            d.month = static_cast<std::int16_t>(month);
            for (int day = std::numeric_limits<std::int16_t>::min();
                 day <= std::numeric_limits<std::int16_t>::max(); ++day) {
                d.day = static_cast<std::int16_t>(day);
                const int actual = ruleOf(d);
                const int expected = expectedDateRule(day, month, year);
                if (actual != expected)
                    QFAIL(qPrintable(
                        QStringLiteral("day position %1 month position %2 year %3: rule %4, "
                                       "expected %5")
                            .arg(day)
                            .arg(month)
                            .arg(year)
                            .arg(actual)
                            .arg(expected)));
            }
        }
    }
}

void TestBirthDetails::fullRangeMonthPositions() {
    BirthDetails d = entries(1, 1, 2001);
    for (int day = -1; day <= 31; ++day) {
        d.day = static_cast<std::int16_t>(day);
        for (int month = std::numeric_limits<std::int16_t>::min();
             month <= std::numeric_limits<std::int16_t>::max(); ++month) {
            d.month = static_cast<std::int16_t>(month);
            const int actual = ruleOf(d);
            const int expected = expectedDateRule(day, month, d.year);
            if (actual != expected)
                QFAIL(qPrintable(
                    QStringLiteral("day position %1 month position %2: rule %3, expected %4")
                        .arg(day)
                        .arg(month)
                        .arg(actual)
                        .arg(expected)));
        }
    }
}

void TestBirthDetails::refusalMessage() {
    QCOMPARE(bytes(reading::kOnlyAlphabetMessage), QByteArray("Please Enter Only Alphabet"));
}

void TestBirthDetails::focusControlName_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("none") << int(FocusTarget::None) << QByteArray();
    QTest::newRow("first name") << int(FocusTarget::FirstName) << QByteArray("txtFirstName");
    QTest::newRow("last name") << int(FocusTarget::LastName) << QByteArray("txtLastName");
    QTest::newRow("day") << int(FocusTarget::Date) << QByteArray("cboDate");
    QTest::newRow("month") << int(FocusTarget::Month) << QByteArray("cboMonth");
    QTest::newRow("year") << int(FocusTarget::Year) << QByteArray("cboYear");
}

void TestBirthDetails::focusControlName() {
    QFETCH(int, target);
    QFETCH(QByteArray, name);

    QCOMPARE(bytes(reading::focusControlName(static_cast<FocusTarget>(target))), name);
}

QTEST_GUILESS_MAIN(TestBirthDetails)
#include "test_birth_details.moc"
