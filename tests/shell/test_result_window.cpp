// SPDX-License-Identifier: MIT
#include <QPointer>
#include <QTest>

#include "reading/sign_catalogue.h"
#include "shell/frm_main.h"
#include "shell/window_manager.h"
#include "shell_steps.h"
#include "support/fakes.h"
#include "support/program.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;
using shell::WindowState;
using namespace shelltest;

namespace {

void goBack(QWidget* result, bool viaMenu) {
    if (viaMenu)
        trigger(result, u"mnuBack"_s);
    else
        testsupport::click(result, u"cmdBack"_s);
    testsupport::settle();
    shell::collectUnloaded();
}

} // namespace

class TestResultWindow : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

private Q_SLOTS:
    void initTestCase() { testsupport::prepareProgram(); }
    void init() { testsupport::resetProgram(m_fakes); }

    void back_data() {
        QTest::addColumn<bool>("viaMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }

    void back() {
        QFETCH(bool, viaMenu);
        QWidget* input = openInputWindow();
        m_fakes.random.values = {0.5};
        shell::frmMain::CoBrand_Randomize();
        const QString front = frontBrandLabel(input);
        const Entries entries{.first = u"ANN MARIE"_s,
                              .middle = QString(),
                              .last = u"LEE"_s,
                              .day = 17,
                              .month = 11,
                              .year = 2050};
        QPointer<QWidget> result = readingFor(entries);
        QVERIFY(result);
        QCOMPARE(visibleWindows(), QStringList{kResult});

        goBack(result, viaMenu);

        QVERIFY(result.isNull());
        QCOMPARE(shell::state(kResult), WindowState::NotLoaded);
        QCOMPARE(shell::state(kInput), WindowState::Shown);
        QCOMPARE(shell::state(kExit), WindowState::Hidden);
        QCOMPARE(shell::loadedWindows(), (QStringList{kInput, kExit}));
        QCOMPARE(visibleWindows(), QStringList{kInput});
        QCOMPARE(shell::loadedWindow(kInput), input);

        QCOMPARE(box(input, u"txtFirstName"_s)->text(), entries.first);
        QCOMPARE(box(input, u"txtMiddleName"_s)->text(), entries.middle);
        QCOMPARE(box(input, u"txtLastName"_s)->text(), entries.last);
        const std::tuple<QString, int, int> lists[] = {
            {u"cboDate"_s, 16, 31}, {u"cboMonth"_s, 10, 12}, {u"cboYear"_s, 150, 151}};
        for (const auto& [name, selected, count] : lists) {
            QCOMPARE(list(input, name)->currentIndex(), selected);
            QCOMPARE(list(input, name)->count(), count);
        }
        QCOMPARE(frontBrandLabel(input), front);
        QCOMPARE(m_fakes.process.ends, 0);
        QCOMPARE(m_fakes.dialogs.texts(), QStringList());
    }

    void nextReadingStartsFresh() {
        QPointer<QWidget> first = readingFor({.day = 5, .month = 4, .year = 1990});
        QVERIFY(first);
        expectReading(first, *reading::lookUpProfile("Aries"));
        goBack(first, false);
        QVERIFY(first.isNull());

        QWidget* second = readingFor({.day = 21, .month = 7, .year = 1990});
        QVERIFY(second);
        expectReading(second, *reading::lookUpProfile("Leo"));
        QCOMPARE(visibleWindows(), QStringList{kResult});
        QCOMPARE(shell::state(kInput), WindowState::Hidden);
        QCOMPARE(shell::state(kExit), WindowState::Hidden);

        // Back again, then a reading for the same sign as before.
        goBack(second, true);
        QWidget* third = readingFor({.day = 5, .month = 4, .year = 1990});
        QVERIFY(third);
        expectReading(third, *reading::lookUpProfile("Aries"));
    }

    void exitPaths_data() {
        QTest::addColumn<bool>("viaMenu");
        QTest::newRow("File > Exit") << true;
        QTest::newRow("close box") << false;
    }

    void exitPaths() {
        QFETCH(bool, viaMenu);
        QPointer<QWidget> result = readingFor({.day = 5, .month = 4, .year = 1990});
        QVERIFY(result);

        if (viaMenu)
            trigger(result, u"mnuExit"_s);
        else
            result->close();
        testsupport::settle();
        shell::collectUnloaded();

        QVERIFY(result.isNull());
        QCOMPARE(shell::state(kResult), WindowState::NotLoaded);
        QCOMPARE(shell::state(kInput), WindowState::Hidden);
        QCOMPARE(shell::state(kExit), WindowState::Shown);
        QCOMPARE(visibleWindows(), QStringList{kExit});
        // Nothing brings the input window back later either.
        QCoreApplication::processEvents();
        testsupport::settle();
        QCOMPARE(visibleWindows(), QStringList{kExit});
        QCOMPARE(m_fakes.process.ends, 0);
    }
};

QTEST_MAIN(TestResultWindow)
#include "test_result_window.moc"
