// SPDX-License-Identifier: MIT
#include <cmath>

#include <QApplication>
#include <QTest>

#include "app/startup.h"
#include "outreach/update_reminder.h"
#include "shell/mod_help.h"
#include "shell/window_manager.h"
#include "support/program.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;
using platform::Answer;
using shell::WindowState;

Q_DECLARE_METATYPE(Answer)

namespace {

const QDate kToday(2026, 12, 8);
constexpr int kNothingStored = 9999;

/// Records seeding and drawing in the order they happen.
class LoggingRandom final : public platform::RandomSource {
public:
    void seed(quint64 from) override { log << u"seed %1"_s.arg(from); }
    double next() override {
        log << u"next"_s;
        return number;
    }
    QStringList log;
    double number = 0.0;
};

QStringList visibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    return names;
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;
    LoggingRandom m_random;

    void storeReminderDate(int daysAway) {
        m_fakes.settings.values.clear();
        if (daysAway != kNothingStored)
            m_fakes.settings.values[{platform::settingsApplicationName(), u"Settings"_s,
                                     outreach::encodeSetting(u"Duration"_s)}] =
                outreach::encodeSetting(kToday.addDays(daysAway).toString(Qt::ISODate));
        m_fakes.settings.writes = 0;
    }

private Q_SLOTS:
    void initTestCase() { platform::install({.random = &m_random}); }

    void init() {
        testsupport::resetProgram(m_fakes);
        m_fakes.instanceLock.heldElsewhere = false;
        m_fakes.dialogs.answers.clear();
        m_fakes.dialogs.onShow = nullptr;
        m_fakes.clock.date = kToday;
        m_fakes.clock.seeds = 100;
        m_random.log.clear();
        QVERIFY(shell::loadedWindows().isEmpty());
    }

    void secondInstanceOnlySaysSo_data() {
        QTest::addColumn<int>("storedDaysAway");
        QTest::newRow("reminder due") << -30;
        QTest::newRow("first start") << kNothingStored;
    }
    void secondInstanceOnlySaysSo() {
        QFETCH(int, storedDaysAway);
        storeReminderDate(storedDaysAway);
        m_fakes.instanceLock.heldElsewhere = true;
        m_fakes.dialogs.answers = {Answer::Yes};
        int endsWhileShown = -1;
        QStringList loadedWhileShown{u"not asked"_s};
        m_fakes.dialogs.onShow = [&](const testsupport::ShownMessage&) {
            endsWhileShown = m_fakes.process.ends;
            loadedWhileShown = shell::loadedWindows();
        };

        QVERIFY(!app::startUp());

        QCOMPARE(m_fakes.dialogs.shown.size(), 1u);
        const testsupport::ShownMessage& shown = m_fakes.dialogs.shown.front();
        QCOMPARE(shown.text, u"Application is already running"_s);
        QCOMPARE(shown.icon, platform::MessageIcon::Information);
        QCOMPARE(shown.caption, u"KV Dwellstar"_s);
        QVERIFY(!shown.question);
        QCOMPARE(endsWhileShown, 0); // the end comes after the user has read it
        QCOMPARE(loadedWhileShown, QStringList());
        QVERIFY(m_fakes.process.ends >= 1);
        QCOMPARE(shell::loadedWindows(), QStringList());
        testsupport::settle();
        QCOMPARE(visibleWindows(), QStringList());
        QCOMPARE(m_fakes.settings.writes, 0);
        QVERIFY(m_fakes.urls.opened.empty());
        QCOMPARE(m_random.log, QStringList());
    }

    void normalStart_data() {
        QTest::addColumn<int>("storedDaysAway");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<double>("random");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<QString>("inFront");
        const double belowOne = std::nextafter(1.0, 0.0);
        QTest::newRow("first start")
            << kNothingStored << Answer::Yes << 0.0 << false << u"lblCobrand"_s;
        QTest::newRow("reminder not due")
            << -14 << Answer::Yes << 0.2 << false << u"lblFullBrand"_s;
        QTest::newRow("reminder due, no") << -15 << Answer::No << 0.34 << true << u"lblCobrand"_s;
        QTest::newRow("reminder due, yes")
            << 15 << Answer::Yes << belowOne << true << u"lblFullBrand"_s;
    }
    void normalStart() {
        QFETCH(int, storedDaysAway);
        QFETCH(Answer, answer);
        QFETCH(double, random);
        QFETCH(bool, asks);
        QFETCH(QString, inFront);
        storeReminderDate(storedDaysAway);
        m_fakes.dialogs.answers = {answer};
        m_random.number = random;
        WindowState mainWhileAsked = WindowState::Shown;
        QStringList visibleWhileAsked{u"not asked"_s};
        QStringList randomWhileAsked;
        m_fakes.dialogs.onShow = [&](const testsupport::ShownMessage&) {
            mainWhileAsked = shell::state(u"frmMain"_s);
            visibleWhileAsked = visibleWindows();
            randomWhileAsked = m_random.log;
        };

        QVERIFY(app::startUp());

        QCOMPARE(m_fakes.dialogs.shown.size(), asks ? 1u : 0u);
        if (asks) {
            QVERIFY(m_fakes.dialogs.shown.front().question);
            QCOMPARE(mainWhileAsked, WindowState::NotLoaded);
            QCOMPARE(visibleWhileAsked, QStringList());
            QCOMPARE(randomWhileAsked, QStringList{u"seed 101"_s});
        }
        QCOMPARE(m_fakes.urls.opened,
                 asks && answer == Answer::Yes
                     ? std::vector{modHelp::pageAddress(modHelp::Page::Download)}
                     : std::vector<QUrl>{});
        // Seeded from the clock once, before the one number the promotional labels draw.
        QCOMPARE(m_random.log, (QStringList{u"seed 101"_s, u"next"_s}));
        QCOMPARE(shell::loadedWindows(), QStringList{u"frmMain"_s});
        QCOMPARE(shell::state(u"frmMain"_s), WindowState::Shown);
        testsupport::settle();
        QWidget* main = shell::loadedWindow(u"frmMain"_s);
        QVERIFY(main && main->isVisible());
        QCOMPARE(visibleWindows(), QStringList{u"frmMain"_s});

        QWidget* front = testsupport::child(main, inFront);
        QWidget* behind = testsupport::child(main, inFront == u"lblCobrand"_s ? u"lblFullBrand"_s
                                                                              : u"lblCobrand"_s);
        QVERIFY(front && behind);
        QCOMPARE(front->parentWidget(), behind->parentWidget());
        const QObjectList siblings = front->parentWidget()->children();
        QVERIFY(siblings.indexOf(front) > siblings.indexOf(behind));
        QVERIFY(m_fakes.process.ends == 0);
    }

    // Buttons in the graphical style show a plain face in their design colour, and only the
    // exit window ends the program.
    void startUpLeavesTheProgramsOwnLook() {
        QVERIFY(app::startUp());
        testsupport::settle();
        QWidget* exit = testsupport::child(shell::loadedWindow(u"frmMain"_s), u"cmdExit"_s);
        const QImage face = exit->grab().toImage();
        QCOMPARE(face.pixelColor(4, 4), QColor(0x7CA5E7));
        QCOMPARE(face.pixelColor(face.width() - 5, face.height() - 5), QColor(0x7CA5E7));
        QVERIFY(!QApplication::quitOnLastWindowClosed());
    }
};

QTEST_MAIN(TestStartUp)
#include "test_startup.moc"
