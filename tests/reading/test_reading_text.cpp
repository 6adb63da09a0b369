// SPDX-License-Identifier: MIT
#include <QTest>

#include "reading/reading_text.h"
#include "support/bytes.h"

using reading::BirthDetails;
using reading::Reading;
using testsupport::bytes;
using namespace Qt::StringLiterals;

namespace {

constexpr std::string_view kSignature = "KV Dwellstar v1.0";

BirthDetails details(const QString& first, const QString& middle, const QString& last, int day,
                     int month, int year) {
    BirthDetails d;
    d.firstName = first.toStdU16String();
    d.middleName = middle.toStdU16String();
    d.lastName = last.toStdU16String();
    d.day = static_cast<std::int16_t>(day);
    d.month = static_cast<std::int16_t>(month);
    d.year = year;
    return d;
}

constexpr std::string_view kVirgoText =
    "ANNA MARIA SMITH\n"
    "Born 1 September 1985\n"
    "\n"
    "Sun Sign: Virgo\n"
    "\n"
    "Lucky Day: Wednesday\n"
    "Lucky Number: 3 and 5\n"
    "Compatibility: Capricorn and Taurus\n"
    "Birthstone: Sapphire\n"
    "Element: Earth\n"
    "Preferred Colors: Brown\n"
    "Ruling Planet: Mercury\n"
    "\n"
    "Positive Traits\n"
    "You are modest, practical and hard-working. You have a sharp, analytical mind. "
    "You pay great attention to detail and rarely miss a thing. You are reliable and "
    "always do what you promise. You are neat, methodical and well organized. You "
    "are kind and love to be of service to others. You are intelligent and express "
    "yourself clearly. You take good care of your health and keep yourself fit. You "
    "are honest and conscientious in all that you do. Your quiet efficiency makes "
    "you an invaluable friend and colleague.\n"
    "\n"
    "Negative Traits\n"
    "You can be fussy and overly critical of others. You are sometimes a "
    "perfectionist who is never satisfied. You may worry too much about small "
    "things. You can be harsh in your judgments. You tend to be a little too "
    "conservative. You often neglect your own needs while caring for others. You can "
    "be shy and reluctant to show your feelings.\n"
    "\n"
    "Design Style\n"
    "You will love a clean, bright, uncluttered home where everything has its proper "
    "place.\n"
    "You prefer simple, functional furniture with clean lines, plenty of built-in "
    "storage and drawers that keep everything tidy.\n"
    "You will like natural materials such as wood, cotton and wicker, in calm shades "
    "of brown, beige and soft green, which give your rooms a restful, orderly feel.\n"
    "A well-equipped study or home office, with neatly labeled files and a good desk "
    "lamp, is important to you.\n"
    "You will enjoy a little herb garden on a sunny windowsill.\n"
    "\n"
    "Preferred Colors\n"
    "Brown is the color of the earth, of soil, wood and stone, and it speaks of the "
    "solid ground beneath our feet. It stands for stability, reliability and a "
    "down-to-earth approach to life that others find reassuring. Brown brings a "
    "sense of comfort and security, like a warm blanket or a cozy cabin in the "
    "woods. People who favor it value honesty, hard work and the simple pleasures of "
    "home and family.\n"
    "\n"
    "Ruling Planet\n"
    "Mercury rules the way that a person thinks, speaks and shares ideas.\n"
    "\n"
    "KV Dwellstar v1.0\n";

} // namespace

class TestReadingText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeReading() {
        const Reading virgo{"Virgo", reading::lookUpProfile("Virgo")};
        const BirthDetails anna = details(u"ANNA"_s, u"MARIA"_s, u"SMITH"_s, 0, 8, 1985);
        QCOMPARE(bytes(reading::readingText(virgo, anna, kSignature)), bytes(kVirgoText));
    }

    void birthDate_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("first of each list") << 0 << 0 << 1900 << QByteArray("1 January 1900");
        QTest::newRow("last of each list") << 30 << 11 << 2050 << QByteArray("31 December 2050");
        QTest::newRow("not checked against the calendar")
            << 30 << 1 << 2001 << QByteArray("31 February 2001");
        QTest::newRow("day before the first") << -1 << 0 << 1990 << QByteArray();
        QTest::newRow("day after the 31st") << 31 << 0 << 1990 << QByteArray();
        QTest::newRow("month before January") << 0 << -1 << 1990 << QByteArray();
        QTest::newRow("month after December") << 0 << 12 << 1990 << QByteArray();
        QTest::newRow("year 0") << 0 << 0 << 0 << QByteArray();
        QTest::newRow("int16 extremes") << -32768 << 32767 << 1990 << QByteArray();
    }

    // The date, on its own line, or no such line; a reading without a sign shows only who.
    void birthDate() {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QByteArray, expected);

        QCOMPARE(bytes(reading::birthDateText(day, month, year)), expected);
        const BirthDetails anna = details(u"ANNA"_s, {}, u"SMITH"_s, day, month, year);
        const QByteArray born = expected.isEmpty() ? QByteArray() : "Born " + expected + "\n";
        QCOMPARE(bytes(reading::readingText({}, anna, kSignature)),
                 "ANNA SMITH\n" + born + "\nKV Dwellstar v1.0\n");
    }

    void name_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("no middle name")
            << u"ANN MAE"_s << QString() << u"LEE"_s << QByteArray("ANN MAE LEE");
        QTest::newRow("outer blanks, a middle of blanks")
            << u" ANN "_s << u"   "_s << u" LEE "_s << QByteArray("ANN LEE");
        QTest::newRow("beyond ASCII") << u"\u00C9LI"_s << u"\u660E"_s << u"\U0001D504"_s
                                      << QByteArray("\xC3\x89LI \xE6\x98\x8E \xF0\x9D\x94\x84");
        QTest::newRow("half a pair")
            << QString(QChar(0xD800)) << QString() << u"X"_s << QByteArray("\xEF\xBF\xBD X");
    }

    void name() {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QTEST(bytes(reading::fullName(details(first, middle, last, 0, 0, 1990))), "expected");
    }
};

QTEST_APPLESS_MAIN(TestReadingText)
#include "test_reading_text.moc"
