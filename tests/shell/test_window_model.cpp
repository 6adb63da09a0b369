// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "forms/form_model.h"
#include "shell/event_hooks.h"
#include "shell/mod_help.h"
#include "shell/window_manager.h"
#include "shell_steps.h"
#include "support/fakes.h"
#include "support/program.h"
#include "support/widget_helpers.h"

using namespace Qt::StringLiterals;
using shell::WindowState;
using shelltest::visibleWindows;

namespace {

// Small windows of our own, so that every handler run can be counted.
constexpr forms::ControlDefinition kProbeControls[] = {
    {.name = "txtEntry", .kind = forms::ControlKind::TextBox, .geometry = {120, 120, 2400, 315}},
    {.name = "cmdBack",
     .kind = forms::ControlKind::Button,
     .geometry = {120, 600, 1200, 375},
     .caption = "&Back"},
};

constexpr forms::WindowDefinition probe(std::string_view name) {
    return {.name = name,
            .caption = "Probe",
            .clientWidth = 3000,
            .clientHeight = 1200,
            .controls = kProbeControls};
}

constexpr forms::WindowDefinition kProbes[] = {probe("frmProbeA"), probe("frmProbeB"),
                                               probe("frmProbeC"), probe("frmProbeD"),
                                               probe("frmProbeE")};

const QString kA = u"frmProbeA"_s;
const QString kB = u"frmProbeB"_s;
const QString kC = u"frmProbeC"_s;
const QString kD = u"frmProbeD"_s;
const QString kE = u"frmProbeE"_s; ///< built ahead

struct Record {
    QMap<QString, int> loads;
    QMap<QString, int> unloads;
    QMap<QString, int> screenShows;
    QStringList unloadOrder;
    /// Extra work a test gives one window's unload handler.
    QMap<QString, std::function<void()>> onUnload;
    /// What the Back handler saw after unloading its own window.
    bool backWentOn = false;
    bool backWidgetAlive = false;
    WindowState backStateAfterUnload = WindowState::Shown;
};

Record& record() {
    static Record r;
    return r;
}

void registerProbes() {
    for (const forms::WindowDefinition& definition : kProbes) {
        const QString name = forms::toQString(definition.name);
        shell::registerWindow(definition,
                              {[name](QWidget& window) {
                                   shell::onEvent(&window, QEvent::Show, [name](QEvent*) {
                                       ++record().screenShows[name];
                                       return false;
                                   });
                                   QPointer<QWidget> self = &window;
                                   shell::onButton(window, u"cmdBack"_s, [name, self] {
                                       shell::unload(name);
                                       record().backWidgetAlive = !self.isNull();
                                       record().backStateAfterUnload = shell::state(name);
                                       shell::show(kD);
                                       record().backWentOn = true;
                                   });
                               },
                               [name](QWidget&) { ++record().loads[name]; },
                               [name](QWidget&) {
                                   ++record().unloads[name];
                                   record().unloadOrder << name;
                                   if (const auto extra = record().onUnload.value(name))
                                       extra();
                               },
                               nullptr, name == kE});
    }
}

void runStep(const QString& step, const QString& window) {
    if (step == u"load")
        shell::load(window);
    else if (step == u"show")
        shell::show(window);
    else if (step == u"hide")
        shell::hide(window);
    else if (step == u"unload")
        shell::unload(window);
    else if (step == u"control")
        shell::control(window, u"txtEntry"_s);
    else if (step == u"settle")
        testsupport::settle();
    else
        QFAIL(qPrintable(u"unknown step "_s + step));
}

} // namespace

class TestWindowModel : public QObject {
    Q_OBJECT

    testsupport::FakeServices m_fakes;

private Q_SLOTS:
    void initTestCase() {
        testsupport::prepareProgram();
        registerProbes();
    }

    void init() {
        testsupport::resetProgram(m_fakes);
        record() = {};
    }

    void lifecycle_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<WindowState>("state");
        QTest::addColumn<bool>("onScreen");
        QTest::addColumn<int>("loads");
        QTest::addColumn<int>("unloads");
        QTest::addColumn<int>("screenShows");

        QTest::newRow("load") << QStringList{u"load"_s, u"settle"_s} << WindowState::Hidden << false
                              << 1 << 0 << 0;
        QTest::newRow("show, not yet on screen")
            << QStringList{u"show"_s} << WindowState::Shown << false << 1 << 0 << 0;
        QTest::newRow("show, then the event loop")
            << QStringList{u"show"_s, u"settle"_s} << WindowState::Shown << true << 1 << 0 << 1;
        QTest::newRow("show undone by hide never flashes")
            << QStringList{u"show"_s, u"hide"_s, u"settle"_s} << WindowState::Hidden << false << 1
            << 0 << 0;
        QTest::newRow("hide, show again: no reload")
            << QStringList{u"show"_s, u"settle"_s, u"hide"_s, u"load"_s, u"show"_s, u"settle"_s}
            << WindowState::Shown << true << 1 << 0 << 2;
        QTest::newRow("hiding loads")
            << QStringList{u"hide"_s} << WindowState::Hidden << false << 1 << 0 << 0;
        QTest::newRow("touching a control loads") << QStringList{u"control"_s, u"settle"_s}
                                                  << WindowState::Hidden << false << 1 << 0 << 0;
        QTest::newRow("unload a shown window")
            << QStringList{u"show"_s, u"settle"_s, u"unload"_s, u"settle"_s}
            << WindowState::NotLoaded << false << 1 << 1 << 1;
        QTest::newRow("unload twice runs the handler once")
            << QStringList{u"load"_s, u"unload"_s, u"unload"_s} << WindowState::NotLoaded << false
            << 1 << 1 << 0;
        QTest::newRow("unload of a window never loaded")
            << QStringList{u"unload"_s} << WindowState::NotLoaded << false << 0 << 0 << 0;
        QTest::newRow("load after unload starts again")
            << QStringList{u"load"_s, u"unload"_s, u"load"_s} << WindowState::Hidden << false << 2
            << 1 << 0;
    }

    void lifecycle() {
        QFETCH(QStringList, steps);
        QCOMPARE(shell::state(kA), WindowState::NotLoaded);
        for (const QString& step : steps)
            runStep(step, kA);

        QTEST(shell::state(kA), "state");
        QWidget* window = shell::loadedWindow(kA);
        QCOMPARE(window != nullptr, shell::state(kA) != WindowState::NotLoaded);
        QTEST(window && window->isVisible(), "onScreen");
        QTEST(record().loads.value(kA), "loads");
        QTEST(record().unloads.value(kA), "unloads");
        QTEST(record().screenShows.value(kA), "screenShows");
    }

    void unloadDiscardsTheWindow() {
        shell::show(kA);
        testsupport::settle();
        QPointer<QWidget> first = shell::loadedWindow(kA);
        QLineEdit* entry = shelltest::box(first, u"txtEntry"_s);
        QTest::keyClicks(entry, u"typed"_s);
        QCOMPARE(entry->text(), u"typed"_s);

        shell::unload(kA);
        QVERIFY(!shell::loadedWindow(kA));
        QVERIFY(!first->isVisible());
        shell::collectUnloaded();
        QVERIFY(first.isNull());

        QWidget* second = shell::load(kA);
        QVERIFY(second);
        QCOMPARE(shelltest::box(second, u"txtEntry"_s)->text(), QString());
    }

    void builtAheadStaysOutOfSightUntilAskedFor() {
        shell::show(kB);
        testsupport::settle();
        const auto probes = [] {
            QWidgetList found = QApplication::topLevelWidgets();
            found.removeIf([](const QWidget* w) { return w->windowTitle() != u"Probe"_s; });
            return found;
        };
        const QWidgetList before = probes();
        const qsizetype windows = QGuiApplication::topLevelWindows().size();
        // Idle after a paint: the event loop is about to wait.
        QEventLoop idle;
        QTimer::singleShot(50, &idle, &QEventLoop::quit);
        idle.exec();

        QWidgetList added = probes();
        added.removeIf([&before](QWidget* w) { return before.contains(w); });
        QCOMPARE(added.size(), 1);
        const QPointer<QWidget> built = added.constFirst();
        QCOMPARE(shell::state(kE), WindowState::NotLoaded);
        QVERIFY(!shell::loadedWindow(kE));
        QCOMPARE(shell::loadedWindows(), QStringList{kB});
        QCOMPARE(visibleWindows(), QStringList{kB});
        QCOMPARE(record().loads.value(kE), 0);
        // No platform window: nothing a screen reader could list.
        QCOMPARE(QGuiApplication::topLevelWindows().size(), windows);

        shell::show(kE);
        testsupport::settle();
        QVERIFY(built);
        QCOMPARE(shell::loadedWindow(kE), built.data());
        QCOMPARE(record().loads.value(kE), 1);
        QCOMPARE(record().screenShows.value(kE), 1);
        QCOMPARE(visibleWindows(), (QStringList{kB, kE}));
    }

    void loadedListKeepsLoadOrder() {
        shell::show(kC);
        shell::load(kA);
        shell::control(kB, u"txtEntry"_s);
        shell::hide(kD);
        QCOMPARE(shell::loadedWindows(), (QStringList{kC, kA, kB, kD}));
        shell::show(kA); // showing again does not move it
        shell::unload(kB);
        QCOMPARE(shell::loadedWindows(), (QStringList{kC, kA, kD}));
        shell::load(kB);
        QCOMPARE(shell::loadedWindows(), (QStringList{kC, kA, kD, kB}));
    }

    void windowUnloadingItselfGoesOn() {
        shell::show(kA);
        testsupport::settle();
        QPointer<QWidget> window = shell::loadedWindow(kA);
        testsupport::click(window, u"cmdBack"_s);

        QVERIFY(record().backWentOn);
        QVERIFY(record().backWidgetAlive);
        QCOMPARE(record().backStateAfterUnload, WindowState::NotLoaded);
        QCOMPARE(record().unloads.value(kA), 1);
        testsupport::settle();
        shell::collectUnloaded();
        QVERIFY(window.isNull());
        QCOMPARE(visibleWindows(), QStringList{kD});
        QCOMPARE(shell::loadedWindows(), QStringList{kD});
    }

    void unloadAllAndEnd_data() {
        QTest::addColumn<QString>("extraIn");
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QStringList>("order");

        const QStringList loaded{kB, kA, kC};
        QTest::newRow("plain") << QString() << QString() << loaded;
        QTest::newRow("an unload shows a window not loaded yet")
            << kA << u"show"_s << QStringList{kB, kA, kC, kD};
        QTest::newRow("an unload hides a window not loaded yet")
            << kC << u"hide"_s << QStringList{kB, kA, kC, kD};
        QTest::newRow("an unload calls it again") << kA << u"end"_s << loaded;
        QTest::newRow("an unload unloads a later window")
            << kA << u"unload"_s << QStringList{kB, kA, kC};
    }

    void unloadAllAndEnd() {
        QFETCH(QString, extraIn);
        QFETCH(QString, extra);
        if (extra == u"end")
            record().onUnload[extraIn] = [] { modHelp::UnloadAllAndEnd(); };
        else if (extra == u"unload")
            record().onUnload[extraIn] = [] { shell::unload(kC); };
        else if (!extra.isEmpty())
            record().onUnload[extraIn] = [extra] { runStep(extra, kD); };

        shell::show(kB);
        shell::hide(kA);
        shell::show(kC);
        testsupport::settle();
        QCOMPARE(m_fakes.process.ends, 0);

        modHelp::UnloadAllAndEnd();

        QTEST(record().unloadOrder, "order");
        QVERIFY(m_fakes.process.ends >= 1);
        QCOMPARE(shell::loadedWindows(), QStringList());
        testsupport::settle();
        QCOMPARE(visibleWindows(), QStringList());
    }

    void unloadAllAndEndWithTheProgramsWindows() {
        // Unloading the input window shows the exit window, loading it on the way.
        shelltest::openInputWindow();
        QCOMPARE(shell::loadedWindows(), QStringList{shelltest::kInput});

        modHelp::UnloadAllAndEnd();

        QVERIFY(m_fakes.process.ends >= 1);
        QCOMPARE(shell::loadedWindows(), QStringList());
        testsupport::settle();
        QCOMPARE(visibleWindows(), QStringList());
    }
};

QTEST_MAIN(TestWindowModel)
#include "test_window_model.moc"
