// SPDX-License-Identifier: MIT
#include <QEventLoop>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

#include "reading/sign_catalogue.h"
#include "shell/window_manager.h"
#include "shell_steps.h"
#include "support/fakes.h"
#include "support/program.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;
using shell::WindowState;
using namespace shelltest;

namespace {

QString sharedText(std::span<const reading::SharedText* const> texts, const QString& subject) {
    for (const reading::SharedText* text : texts) {
        if (forms::toQString(text->subject) == subject)
            return forms::toQString(text->text);
    }
    return u"<no text about %1>"_s.arg(subject);
}

} // namespace

class TestReadingCommand : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

private Q_SLOTS:
    void initTestCase() { testsupport::prepareProgram(); }
    void init() {
        testsupport::resetProgram(m_fakes);
        m_fakes.dialogs.onShow = nullptr;
    }

    void readingFillsEveryTarget_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QStringList>("shortTexts"); // sign, element, numbers, day, ...
        QTest::addColumn<int>("emblem");
        QTest::addColumn<int>("swatch");
        QTest::addColumn<QString>("colorText");
        QTest::addColumn<QString>("planetText");
        QTest::addColumn<int>("designLines");

        const auto row = [](const char* tag, int day, int month, int year, const QStringList& texts,
                            int emblem, int swatch, const QString& color, const QString& planet,
                            int lines) {
            QTest::newRow(tag) << day << month << year << texts << emblem << swatch << color
                               << planet << lines;
        };
        // sign, element, lucky numbers, lucky day, compatibility, birthstone, colours, planet
        row("5 April 1990", 5, 4, 1990,
            {u"Aries"_s, u"Fire"_s, u"9"_s, u"Tuesday"_s, u"Leo and Sagittarius"_s, u"Diamond"_s,
             u"Red"_s, u"Mars"_s},
            1, 9, u"red"_s, u"Mars"_s, 5);
        row("5 May", 5, 5, 1971,
            {u"Taurus"_s, u"Earth"_s, u"6"_s, u"Friday"_s, u"Capricorn and Virgo"_s, u"Emerald"_s,
             u"Color Green"_s, u"Venus"_s},
            2, 4, u"green"_s, u"Venus"_s, 4);
        row("5 June", 5, 6, 2050,
            {u"Gemini"_s, u"Air"_s, u"5"_s, u"Wednesday"_s, u"Aquarius and Libra"_s, u"Agate"_s,
             u"Yellow"_s, u"Mercury"_s},
            3, 12, u"yellow"_s, u"Mercury"_s, 5);
        row("5 July", 5, 7, 1900,
            {u"Cancer"_s, u"Water"_s, u"2"_s, u"Monday"_s, u"Pisces and Scorpio"_s, u"Pearl"_s,
             u"White"_s, u"The Moon"_s},
            4, 14, u"white"_s, u"Moon"_s, 6);
        row("21 July", 21, 7, 1984,
            {u"Leo"_s, u"Fire"_s, u"8 and 9"_s, u"Sunday"_s, u"Aries and Sagittarius"_s, u"Ruby"_s,
             u"Red"_s, u"The Sun"_s},
            5, 9, u"orange"_s, u"Sun"_s, 6);
        row("5 September", 5, 9, 1990,
            {u"Virgo"_s, u"Earth"_s, u"3 and 5"_s, u"Wednesday"_s, u"Capricorn and Taurus"_s,
             u"Sapphire"_s, u"Brown"_s, u"Mercury"_s},
            6, 15, u"brown"_s, u"Mercury"_s, 5);
        row("5 October", 5, 10, 1990,
            {u"Libra"_s, u"Air"_s, u"6 and 9"_s, u"Friday"_s, u"Aquarius and Gemini"_s, u"Opal"_s,
             u"Olive Green"_s, u"Venus"_s},
            7, 7, u"green"_s, u"Venus"_s, 5);
        row("5 November", 5, 11, 1990,
            {u"Scorpio"_s, u"Water"_s, u"2 and 4"_s, u"Tuesday"_s, u"Cancer and Pisces"_s,
             u"Topaz"_s, u"White"_s, u"Pluto and Mars"_s},
            8, 14, u"white"_s, u"Mars"_s, 6);
        row("5 December", 5, 12, 1990,
            {u"Sagittarius"_s, u"Fire"_s, u"5 and 7"_s, u"Thursday"_s, u"Aries and Leo"_s,
             u"Turquoise"_s, u"Violet"_s, u"Jupiter"_s},
            9, 11, u"violet"_s, u"Jupiter"_s, 6);
        row("31 December", 31, 12, 1990,
            {u"Capricorn"_s, u"Earth"_s, u"8 and 2"_s, u"Saturday"_s, u"Taurus and Virgo"_s,
             u"Garnet"_s, u"Blue"_s, u"Saturn"_s},
            10, 1, u"green"_s, u"Saturn"_s, 7);
        row("5 February", 5, 2, 1990,
            {u"Aquarius"_s, u"Air"_s, u"1 and 7"_s, u"Wednesday"_s, u"Taurus and Virgo"_s,
             u"Amethyst"_s, u"Blue"_s, u"Uranus and Saturn"_s},
            11, 1, u"white"_s, u"Saturn"_s, 6);
        row("5 March", 5, 3, 2001,
            {u"Pisces"_s, u"Water"_s, u"2 and 6"_s, u"Friday"_s, u"Taurus and Virgo"_s,
             u"Aquamarine"_s, u"Blue"_s, u"Neptune and Jupiter"_s},
            12, 1, u"violet"_s, u"Jupiter"_s, 6);
    }

    void readingFillsEveryTarget() {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QStringList, shortTexts);
        QFETCH(int, emblem);
        QFETCH(int, swatch);
        QFETCH(QString, colorText);
        QFETCH(QString, planetText);
        QFETCH(int, designLines);

        openInputWindow();
        QWidget* result = readingFor({.day = day, .month = month, .year = year});
        QCOMPARE(m_fakes.dialogs.texts(), QStringList());
        QVERIFY(result);

        const QString shortTargets[] = {
            u"lblSunSign"_s,         u"lblSunSignElement"_s,       u"lblSunSignNumber"_s,
            u"lblSunSignDay"_s,      u"lblSunSignCompatibility"_s, u"lblSunSignBirthStone"_s,
            u"lblPreferredColors"_s, u"lblRulingPlanet"_s};
        for (qsizetype i = 0; i < shortTexts.size(); ++i) {
            QCOMPARE(textOf(result, shortTargets[i]), shortTexts[i]);
            // Drawn whole, in the designed face at its full width.
            const QWidget* label = testsupport::child(result, shortTargets[i]);
            QFont designed(u"Verdana"_s);
            designed.setPointSizeF(i == 0 ? 12 : 8.25);
            designed.setBold(true);
            const int stretch = label->font().stretch();
            QVERIFY2(stretch == QFont::AnyStretch || stretch == QFont::Unstretched,
                     qPrintable(shortTexts[i]));
            QVERIFY2(label->width() >= QFontMetrics(designed).horizontalAdvance(shortTexts[i]) &&
                         label->parentWidget()->rect().contains(label->geometry()),
                     qPrintable(shortTexts[i]));
        }
        QCOMPARE(pictureOf(result, u"picSunSign"_s), listPicture(forms::sunSignPictures(), emblem));
        QCOMPARE(pictureOf(result, u"picColor"_s), listPicture(forms::colorPictures(), swatch));
        QCOMPARE(textOf(result, u"txtSunSignColorDesc"_s),
                 sharedText(reading::colorTexts(), colorText));
        QCOMPARE(textOf(result, u"txtSunSignRulingPlanetsDesc"_s),
                 sharedText(reading::planetTexts(), planetText));
        const QString design = textOf(result, u"txtSunSignDesignStyleDesc"_s);
        QCOMPARE(design.split(u"\r\n"_s).size(), designLines);
        QCOMPARE(design.count(u'\n'), designLines - 1);
        QCOMPARE(design.count(u'\r'), designLines - 1);
        expectReading(result, *reading::lookUpProfile(shortTexts[0].toStdString()));
        const QString clipped = testsupport::clippedCaptions(result);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));

        // Never part of a reading.
        QCOMPARE(textOf(result, u"lblUndesirableColors"_s), u"lblUndesirableColors"_s);
        QVERIFY(!testsupport::child(result, u"lblUndesirableColors"_s)->isVisibleTo(result));

        QCOMPARE(visibleWindows(), QStringList{kResult});
        QCOMPARE(shell::state(kInput), WindowState::Hidden);
        QCOMPARE(shell::state(kExit), WindowState::Hidden);
        QCOMPARE(shell::state(kResult), WindowState::Shown);
        QCOMPARE(m_fakes.process.ends, 0);
    }

    void refusedEntries_data() {
        QTest::addColumn<bool>("viaMenu");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus"); // empty: stays where it was

        for (const bool viaMenu : {false, true}) {
            const auto row = [viaMenu](const char* what) {
                return &(QTest::addRow("%s, %s", viaMenu ? "File menu" : "button", what)
                         << viaMenu);
            };
            *row("no names") << QString() << QString() << 5 << 4 << 1990
                             << u"Please Enter Your First Name"_s << u"txtFirstName"_s;
            *row("no last name") << u"ANNA"_s << QString() << 5 << 4 << 1990
                                 << u"Please Enter Your Last Name"_s << u"txtLastName"_s;
            *row("30 February") << u"ANNA"_s << u"SMITH"_s << 30 << 2 << 2000
                                << u"Please Enter Correct Date Or Month!"_s << QString();
            *row("29 February 1901") << u"ANNA"_s << u"SMITH"_s << 29 << 2 << 1901
                                     << u"Please Enter Correct Date Or Month!"_s << QString();
            *row("31 April") << u"ANNA"_s << u"SMITH"_s << 31 << 4 << 1990
                             << u"Please Enter Correct Date Or Month !"_s << QString();
        }
    }

    void refusedEntries() {
        QFETCH(bool, viaMenu);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, focus);

        QWidget* input = openInputWindow();
        enter(
            input,
            {.first = first, .middle = {}, .last = last, .day = day, .month = month, .year = year});
        box(input, u"txtMiddleName"_s)->setFocus();
        QStringList visibleMeanwhile;
        m_fakes.dialogs.onShow = [&](const testsupport::ShownMessage&) {
            visibleMeanwhile = visibleWindows();
        };

        if (viaMenu) {
            trigger(input, u"mnuNext"_s);
        } else {
            testsupport::click(input, u"cmdNext"_s); // the click takes the focus
        }
        if (focus.isEmpty())
            focus = viaMenu ? u"txtMiddleName"_s : u"cmdNext"_s;
        testsupport::settle();

        QCOMPARE(m_fakes.dialogs.shown.size(), std::size_t{1});
        const testsupport::ShownMessage& shown = m_fakes.dialogs.shown.front();
        QTEST(shown.text, "message");
        QCOMPARE(shown.icon, platform::MessageIcon::Information);
        QCOMPARE(shown.caption, u"KV Dwellstar"_s);
        QCOMPARE(visibleMeanwhile, QStringList{kInput});

        QCOMPARE(input->focusWidget()->objectName(), focus);
        QCOMPARE(shell::loadedWindows(), QStringList{kInput});
        QCOMPARE(shell::state(kInput), WindowState::Shown);
        QCOMPARE(visibleWindows(), QStringList{kInput});
        QCOMPARE(box(input, u"txtFirstName"_s)->text(), first);
        QCOMPARE(box(input, u"txtLastName"_s)->text(), last);
        QCOMPARE(list(input, u"cboDate"_s)->currentIndex(), day - 1);
        QCOMPARE(list(input, u"cboMonth"_s)->currentIndex(), month - 1);
        QCOMPARE(list(input, u"cboYear"_s)->currentIndex(), year - 1900);
    }

    // After a pause the result window is built and filled ahead for the date chosen then.
    void readingAfterAPause_data() {
        QTest::addColumn<int>("pausedOn");
        QTest::addColumn<int>("clickedOn");
        QTest::addColumn<QString>("sign");
        QTest::newRow("the date it was filled with") << 3 << 3 << u"Pisces"_s;
        QTest::newRow("a date chosen after") << 3 << 7 << u"Cancer"_s;
    }

    void readingAfterAPause() {
        QFETCH(int, pausedOn);
        QFETCH(int, clickedOn);
        QFETCH(QString, sign);
        QWidget* input = openInputWindow();
        enter(input, {.day = 15, .month = pausedOn});
        const qsizetype windows = QGuiApplication::topLevelWindows().size();
        QEventLoop idle;
        QTimer::singleShot(50, &idle, &QEventLoop::quit);
        idle.exec();
        QVERIFY(shell::builtAhead(kResult));
        QCOMPARE(QGuiApplication::topLevelWindows().size(), windows);

        QWidget* result = readingFor({.day = 15, .month = clickedOn});
        QVERIFY(result);
        const reading::SignProfile& profile = *reading::lookUpProfile(sign.toStdString());
        expectReading(result, profile);
        QCOMPARE(pictureOf(result, u"picSunSign"_s),
                 listPicture(forms::sunSignPictures(), profile.signPicture));
        QCOMPARE(pictureOf(result, u"picColor"_s),
                 listPicture(forms::colorPictures(), profile.colorSwatch));
    }

    void menuItemReadsLikeTheButton() {
        QWidget* input = openInputWindow();
        enter(input, {.day = 5, .month = 4, .year = 1990});
        trigger(input, u"mnuNext"_s);
        testsupport::settle();
        QWidget* result = shell::loadedWindow(kResult);
        QVERIFY(result);
        expectReading(result, *reading::lookUpProfile("Aries"));
        QCOMPARE(visibleWindows(), QStringList{kResult});
        QCOMPARE(shell::state(kExit), WindowState::Hidden);
    }
};

QTEST_MAIN(TestReadingCommand)
#include "test_reading_command.moc"
