// SPDX-License-Identifier: MIT
#include <random>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>

#include "outreach/update_reminder.h"
#include "shell/mod_help.h"
#include "support/fakes.h"

using namespace Qt::StringLiterals;
using outreach::ReminderStep;
using platform::Answer;

Q_DECLARE_METATYPE(ReminderStep)

namespace {

const QDate kToday(2026, 12, 8);
const QString kQuestion =
    u"There maybe an update to this software available\rDo you want to check for an update?"_s;
// "Duration" and "2026-12-08" with every character 85 higher.
const QString kStoredKey = u"\u0099\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"_s;
const QString kStoredToday = u"\u0087\u0085\u0087\u008B\u0082\u0086\u0087\u0082\u0085\u008D"_s;

QString iso(QDate date) {
    return date.toString(u"yyyy-MM-dd"_s);
}

QString junk(int length, unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> unit(0, 0xFFFF);
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(static_cast<char16_t>(unit(engine)));
    return text;
}

} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

    QString application() const {
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    }
    void store(const QString& raw) {
        m_fakes.settings.values[{application(), u"Settings"_s, kStoredKey}] = raw;
    }
    QString stored() { return m_fakes.settings.value(application(), u"Settings"_s, kStoredKey); }

private Q_SLOTS:
    void init() {
        m_fakes.settings.values.clear();
        m_fakes.settings.writes = 0;
        m_fakes.dialogs.clear();
        m_fakes.dialogs.answers.clear();
        m_fakes.urls.opened.clear();
        m_fakes.clock.date = kToday;
    }

    void decides_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<ReminderStep>("step");
        const QDate jan3(2027, 1, 3);
        QTest::newRow("nothing stored") << QString() << kToday << ReminderStep::StoreFirstDate;
        QTest::newRow("same day") << iso(kToday) << kToday << ReminderStep::Silent;
        QTest::newRow("14 days ago") << iso(kToday.addDays(-14)) << kToday << ReminderStep::Silent;
        QTest::newRow("14 days ahead") << iso(kToday.addDays(14)) << kToday << ReminderStep::Silent;
        QTest::newRow("15 days ago") << iso(kToday.addDays(-15)) << kToday << ReminderStep::Ask;
        QTest::newRow("15 days ahead") << iso(kToday.addDays(15)) << kToday << ReminderStep::Ask;
        QTest::newRow("across new year, 14") << u"2026-12-20"_s << jan3 << ReminderStep::Silent;
        QTest::newRow("across new year, 15") << u"2026-12-19"_s << jan3 << ReminderStep::Ask;
        QTest::newRow("leap day, 14")
            << u"2028-02-29"_s << QDate(2028, 3, 14) << ReminderStep::Silent;
        QTest::newRow("years ago") << u"1999-01-01"_s << kToday << ReminderStep::Ask;
        QTest::newRow("letters") << u"abc"_s << kToday << ReminderStep::ReplaceInvalid;
        QTest::newRow("no such day") << u"2026-02-30"_s << kToday << ReminderStep::ReplaceInvalid;
        QTest::newRow("short fields") << u"2026-1-5"_s << kToday << ReminderStep::ReplaceInvalid;
        QTest::newRow("ten chars, short day")
            << u"2026-12-8 "_s << kToday << ReminderStep::ReplaceInvalid;
        QTest::newRow("blank") << u" "_s << kToday << ReminderStep::ReplaceInvalid;
        QTest::newRow("slashes") << u"2026/12/08"_s << kToday << ReminderStep::ReplaceInvalid;
        QTest::newRow("with time")
            << u"2026-12-08T10:00"_s << kToday << ReminderStep::ReplaceInvalid;
        QTest::newRow("local format") << u"12/8/2026"_s << kToday << ReminderStep::ReplaceInvalid;
        QTest::newRow("wide digits")
            << u"\uFF12\uFF10\uFF12\uFF16-12-08"_s << kToday << ReminderStep::ReplaceInvalid;
    }
    void decides() {
        QFETCH(QString, stored);
        QFETCH(QDate, today);
        QFETCH(ReminderStep, step);
        QCOMPARE(outreach::decideReminder(stored, today), step);
    }

    void runs_data() {
        QTest::addColumn<int>("daysAway"); // of the stored date; 999 stores nothing
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("rewrites");
        QTest::addColumn<bool>("opensDownloadPage");
        QTest::newRow("first start") << 999 << Answer::Yes << false << true << false;
        QTest::newRow("same day") << 0 << Answer::Yes << false << false << false;
        QTest::newRow("14 days ago") << -14 << Answer::Yes << false << false << false;
        QTest::newRow("14 days ahead") << 14 << Answer::Yes << false << false << false;
        QTest::newRow("15 days ago, no") << -15 << Answer::No << true << true << false;
        QTest::newRow("15 days ago, yes") << -15 << Answer::Yes << true << true << true;
        QTest::newRow("15 days ahead, no") << 15 << Answer::No << true << true << false;
        QTest::newRow("15 days ahead, yes") << 15 << Answer::Yes << true << true << true;
    }
    void runs() {
        QFETCH(int, daysAway);
        QFETCH(Answer, answer);
        QFETCH(bool, asks);
        QFETCH(bool, rewrites);
        QFETCH(bool, opensDownloadPage);
        if (daysAway != 999)
            store(outreach::encodeSetting(iso(kToday.addDays(daysAway))));
        const QString before = stored();
        m_fakes.dialogs.answers = {answer};

        modHelp::RunUpdateReminder();

        QCOMPARE(m_fakes.dialogs.shown.size(), asks ? 1u : 0u);
        if (asks) {
            const testsupport::ShownMessage& shown = m_fakes.dialogs.shown.front();
            QVERIFY(shown.question);
            QCOMPARE(shown.text, kQuestion);
            QCOMPARE(shown.caption, u"KV Dwellstar"_s);
        }
        QCOMPARE(m_fakes.settings.writes, rewrites ? 1 : 0);
        QCOMPARE(stored(), rewrites ? kStoredToday : before);
        QCOMPARE(m_fakes.settings.values.size(), 1u);
        QCOMPARE(m_fakes.urls.opened,
                 opensDownloadPage ? std::vector{modHelp::pageAddress(modHelp::Page::Download)}
                                   : std::vector<QUrl>{});
    }

    void noPostponesTheNextQuestion() {
        store(outreach::encodeSetting(iso(kToday.addDays(-40))));
        m_fakes.dialogs.answers = {Answer::No};
        modHelp::RunUpdateReminder();
        QCOMPARE(m_fakes.dialogs.shown.size(), 1u);
        for (int day = 1; day <= 14; ++day) {
            m_fakes.clock.date = kToday.addDays(day);
            modHelp::RunUpdateReminder();
        }
        QCOMPARE(m_fakes.dialogs.shown.size(), 1u);
        QCOMPARE(m_fakes.settings.writes, 1);
        m_fakes.clock.date = kToday.addDays(15);
        modHelp::RunUpdateReminder();
        QCOMPARE(m_fakes.dialogs.shown.size(), 2u);
    }

    void storedForm() {
        modHelp::RunUpdateReminder();
        QCOMPARE(application(), u"test_update_reminder"_s);
        QCOMPARE(platform::settingsApplicationName(), application());
        QCOMPARE(m_fakes.settings.values.size(), 1u);
        const auto& [where, value] = *m_fakes.settings.values.begin();
        QCOMPARE(std::get<0>(where), application());
        QCOMPARE(std::get<1>(where), u"Settings"_s);
        QCOMPARE(std::get<2>(where), kStoredKey);
        QCOMPARE(value, kStoredToday);
        QCOMPARE(outreach::decodeSetting(value), u"2026-12-08"_s);
    }

    void transformRoundTrip() {
        QString every;
        for (char16_t code = 0; code <= 170; ++code)
            every += QChar(code);
        const QString encoded = outreach::encodeSetting(every);
        for (qsizetype i = 0; i < encoded.size(); ++i)
            QCOMPARE(encoded[i].unicode(), every[i].unicode() + 85);
        QCOMPARE(outreach::decodeSetting(encoded), every);
        QCOMPARE(outreach::encodeSetting(QString()), QString());
        QCOMPARE(outreach::decodeSetting(QString()), QString());
        for (const QDate date : {QDate(1900, 1, 1), kToday, QDate(2050, 12, 31)})
            QCOMPARE(outreach::parseDateText(outreach::decodeSetting(
                         outreach::encodeSetting(outreach::dateText(date)))),
                     std::optional(date));
    }

    void garbageIsReplacedByToday_data() {
        QTest::addColumn<QString>("raw"); // as it stands in the store
        QTest::newRow("empty") << QString();
        QTest::newRow("abc") << outreach::encodeSetting(u"abc"_s);
        QTest::newRow("no such day") << outreach::encodeSetting(u"2026-02-30"_s);
        QTest::newRow("short fields") << outreach::encodeSetting(u"2026-1-5"_s);
        QTest::newRow("not transformed") << iso(kToday.addDays(-30));
        QTest::newRow("below 85") << u"\u0001\u0010 @T"_s;
        QTest::newRow("beyond one byte")
            << u"\u4E00\u4E01\uFFFF\U00010000\u0200\u0155"_s + QChar(char16_t(0xDC00));
        QTest::newRow("date and more")
            << outreach::encodeSetting(iso(kToday.addDays(-30)) + u"x"_s);
        QTest::newRow("10 kB of junk") << junk(10 * 1024, 7);
        QTest::newRow("10 kB of transformed junk") << outreach::encodeSetting(junk(10 * 1024, 11));
    }
    void garbageIsReplacedByToday() {
        QFETCH(QString, raw);
        store(raw);
        m_fakes.dialogs.answers = {Answer::Yes};
        modHelp::RunUpdateReminder();
        QVERIFY(m_fakes.dialogs.shown.empty());
        QVERIFY(m_fakes.urls.opened.empty());
        QCOMPARE(stored(), kStoredToday);
        QCOMPARE(m_fakes.settings.writes, 1);
    }
};

QTEST_GUILESS_MAIN(TestUpdateReminder)
#include "test_update_reminder.moc"
