// SPDX-License-Identifier: MIT
#include <QTest>

#include "people/person.h"

using namespace Qt::StringLiterals;

// Days to the next birthday, across the year's end and 29 February in common and leap years.

class TestBirthdays : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void daysToNext_data() {
        QTest::addColumn<QString>("born");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("days"); // -1: no birthday

        QTest::newRow("today") << u"1990-08-15"_s << QDate(2026, 8, 15) << 0;
        QTest::newRow("tomorrow") << u"1990-08-15"_s << QDate(2026, 8, 14) << 1;
        QTest::newRow("just past") << u"1990-08-15"_s << QDate(2026, 8, 16) << 364;
        QTest::newRow("31 December to 1 January") << u"1990-01-01"_s << QDate(2026, 12, 31) << 1;
        QTest::newRow("1 January to 31 December") << u"1990-12-31"_s << QDate(2027, 1, 1) << 364;
        QTest::newRow("through a leap day") << u"1990-03-01"_s << QDate(2028, 2, 1) << 29;
        QTest::newRow("29 February, common year") << u"2000-02-29"_s << QDate(2027, 2, 27) << 1;
        QTest::newRow("29 February on the 28th") << u"2000-02-29"_s << QDate(2027, 2, 28) << 0;
        QTest::newRow("29 February, leap year") << u"2000-02-29"_s << QDate(2028, 2, 28) << 1;
        QTest::newRow("29 February, from 1 March") << u"2000-02-29"_s << QDate(2027, 3, 1) << 365;
        QTest::newRow("no year") << u"--02-29"_s << QDate(2026, 12, 31) << 59;
        QTest::newRow("30 February") << u"--02-30"_s << QDate(2026, 12, 31) << -1;
        QTest::newRow("29 February of a common year") << u"1999-02-29"_s << QDate(2026, 1, 1) << -1;
    }

    void daysToNext() {
        QFETCH(QString, born);
        QFETCH(QDate, today);
        QFETCH(int, days);
        const std::optional<people::Person> person =
            people::withBirthDate({u"Anna"_s, {}, {}}, born);
        QCOMPARE(person ? people::daysToNextBirthday(*person, today) : -1, days);
        if (person)
            QCOMPARE(people::birthDateText(*person), born);
    }
};

QTEST_GUILESS_MAIN(TestBirthdays)
#include "test_birthdays.moc"
