// SPDX-License-Identifier: MIT
// Reading and endurance figures, measured inside one process that runs the real windows with
// services that touch nothing outside (no boxes, browser or stored settings).
//
//   dwellstar_bench_inprocess reading <repeats> [<pause before each, ms>]
//   dwellstar_bench_inprocess endurance <first> <last>
//   dwellstar_bench_inprocess people <count>   (keeps the book in $XDG_DATA_HOME)
//
// Prints key=value lines for bench/runner.py.

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <tuple>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include "app/startup.h"
#include "forms/control_access.h"
#include "forms/units.h"
#include "forms/form_model.h"
#include "people/book.h"
#include "people/contacts_import.h"
#include "platform/services.h"
#include "probe.h"
#include "shell/frm_display.h"
#include "shell/people_window.h"
#include "shell/reading_command.h"
#include "shell/window_manager.h"

namespace {

class QuietDialogs final : public platform::Dialogs {
public:
    void message(const QString& text, platform::MessageIcon, const QString&) override {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(2);
    }
    platform::Answer question(const QString&, const QString&) override {
        return platform::Answer::No;
    }
};

class NoBrowser final : public platform::UrlOpener {
public:
    void open(const QUrl&) override {}
};

class MemorySettings final : public platform::SettingsStore {
public:
    QString value(const QString& application, const QString& section, const QString& key) override {
        return m_values[{application, section, key}];
    }
    void setValue(const QString& application, const QString& section, const QString& key,
                  const QString& value) override {
        m_values[{application, section, key}] = value;
    }

private:
    std::map<std::tuple<QString, QString, QString>, QString> m_values;
};

class FreeLock final : public platform::InstanceLock {
public:
    bool tryAcquire() override { return true; }
    void release() override {}
};

class SteadyClock final : public platform::Clock {
public:
    QDate today() override { return QDate::currentDate(); }
    quint64 seed() override { return 42; }
};

class Random final : public platform::RandomSource {
public:
    void seed(quint64 value) override { m_engine.seed(value); }
    double next() override { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 m_engine;
};

class StayAlive final : public platform::ProcessEnd {
public:
    void end() override {}
};

void installQuietServices() {
    static QuietDialogs dialogs;
    static NoBrowser urls;
    static MemorySettings settings;
    static FreeLock lock;
    static SteadyClock clock;
    static Random random;
    static StayAlive process;
    platform::install({&dialogs, &urls, &settings, &lock, &clock, &random, &process});
}

/// Runs the event loop until the window's next paint is complete; false after the timeout.
bool waitForPaint(const QString& window, std::int64_t* paintedAt = nullptr,
                  int timeoutMs = 10'000) {
    bool done = false;
    QEventLoop loop;
    const QPointer<QObject> watcher = bench::watchFirstPaint(window, [&] {
        if (paintedAt)
            *paintedAt = bench::monotonicNs();
        done = true;
        loop.quit();
    });
    QTimer timeout; // not a pending single shot: those would pile up between readings
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    loop.exec();
    if (!done)
        delete watcher.data();
    return done;
}

void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

void startProgram() {
    installQuietServices();
    app::prepareApplication();
    if (!app::startUp())
        fail("start-up refused");
    if (!waitForPaint(shell::kInputWindow))
        fail("the input window was never painted");
}

/// The 15th of every month in turn: all twelve signs.
void fillEntries(int reading) {
    auto entry = [](const char* name) {
        return shell::control(shell::kInputWindow, QString::fromLatin1(name));
    };
    forms::setControlText(entry("txtFirstName"), QStringLiteral("JANE"));
    forms::setControlText(entry("txtMiddleName"), QStringLiteral("Q"));
    forms::setControlText(entry("txtLastName"), QStringLiteral("DOE"));
    qobject_cast<QComboBox*>(entry("cboDate"))->setCurrentIndex(14);
    qobject_cast<QComboBox*>(entry("cboMonth"))->setCurrentIndex(reading % 12);
    qobject_cast<QComboBox*>(entry("cboYear"))->setCurrentIndex(90);
}

int g_windowsBuilt = 0;
int g_windowsFreed = 0;

/// A reader's pause before a click: no person clicks within a tenth of a second of choosing a
/// date, and the program may use that time.
int g_pauseMs = 100;

void readersPause() {
    QEventLoop loop;
    QTimer::singleShot(g_pauseMs, &loop, &QEventLoop::quit);
    loop.exec();
}

/// The reading command up to the result window's first paint, in ms. Not inlined: instruction
/// counts are collected inside it alone (callgrind --toggle-collect).
[[gnu::noinline]] double readingToPaint() {
    const std::int64_t start = bench::monotonicNs();
    shell::runReadingCommand();
    QWidget* result = shell::loadedWindow(shell::kResultWindow);
    if (!result || shell::state(shell::kResultWindow) != shell::WindowState::Shown)
        fail("the reading did not show the result window");
    ++g_windowsBuilt;
    QObject::connect(result, &QObject::destroyed, QCoreApplication::instance(),
                     [] { ++g_windowsFreed; });
    std::int64_t painted = 0;
    if (!waitForPaint(shell::kResultWindow, &painted))
        fail("the result window was never painted");
    return static_cast<double>(painted - start) / 1e6;
}

/// One reading and Back; the time from the command to the result window's first paint. With a
/// pause, as a person makes between choosing a date and clicking.
double readingCycle(int reading, bool pause = false) {
    fillEntries(reading);
    if (pause)
        readersPause();
    const double took = readingToPaint();
    shell::frmDisplay::cmdBack_Click();
    // Not every platform repaints a window shown again; its paint is not part of the figure.
    waitForPaint(shell::kInputWindow, nullptr, 1000);
    shell::collectUnloaded();
    return took;
}

/// A built window from show to first paint, in ms; counted alone like readingToPaint().
[[gnu::noinline]] double showToPaint(QWidget* window) {
    const std::int64_t start = bench::monotonicNs();
    window->show();
    std::int64_t painted = 0;
    if (!waitForPaint(window->objectName(), &painted))
        fail("the baseline window was never painted");
    return static_cast<double>(painted - start) / 1e6;
}

/// The same measure for an empty main window of the result window's client size.
double baselineCycle() {
    const QString name = QStringLiteral("baseline");
    auto* window = new QMainWindow;
    window->setObjectName(name);
    auto* client = new QWidget(window);
    client->setFixedSize(forms::pixels(forms::frmDisplay().clientWidth),
                         forms::pixels(forms::frmDisplay().clientHeight));
    window->setCentralWidget(client);
    const double took = showToPaint(window);
    window->hide();
    window->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return took;
}

void measureReading(int repeats) {
    for (int i = 0; i < repeats; ++i) {
        std::printf("reading_ms=%.3f\n", readingCycle(i, true));
        std::printf("baseline_ms=%.3f\n", baselineCycle());
    }
}

/// What the process really keeps: freed windows, returned heap.
long retainedKiB() {
    shell::collectUnloaded();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    malloc_trim(0);
    return bench::statusKiB("VmRSS");
}

void measureEndurance(int first, int last) {
    int done = 0;
    for (; done < first; ++done)
        readingCycle(done);
    const long early = retainedKiB();
    const auto earlyWidgets = QApplication::allWidgets().size();
    for (; done < last; ++done)
        readingCycle(done);
    const long late = retainedKiB();
    const auto lateWidgets = QApplication::allWidgets().size();
    std::printf("rss_first_kib=%ld\nrss_last_kib=%ld\n", early, late);
    std::printf("widgets_first=%lld\nwidgets_last=%lld\n", static_cast<long long>(earlyWidgets),
                static_cast<long long>(lateWidgets));
    std::printf("windows_built=%d\nwindows_freed=%d\n", g_windowsBuilt, g_windowsFreed);
}

/// A contacts file of `count` people, each with a birthday.
QString contactsFile(int count, const QString& folder) {
    QByteArray cards;
    for (int n = 0; n < count; ++n) {
        cards += QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;Kim%1;;;\r\nFN:Kim%1 "
                                "Smith\r\nBDAY:19%2-%3-%4\r\nEND:VCARD\r\n")
                     .arg(n)
                     .arg(n % 100, 2, 10, QLatin1Char('0'))
                     .arg(n % 12 + 1, 2, 10, QLatin1Char('0'))
                     .arg(n % 28 + 1, 2, 10, QLatin1Char('0'))
                     .toUtf8();
    }
    QString path = folder + QStringLiteral("/contacts.vcf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(cards) != cards.size())
        fail("the contacts file could not be written");
    return path;
}

/// Importing contacts into an empty book, opening the People window on them, and each letter
/// typed into its filter, up to the list painted again.
void measurePeople(int count) {
    const QTemporaryDir folder;
    people::Book book;
    const std::int64_t start = bench::monotonicNs();
    const people::Import done = people::importContacts(book, contactsFile(count, folder.path()));
    std::printf("import_ms=%.3f\n", static_cast<double>(bench::monotonicNs() - start) / 1e6);
    if (done.change.added != count)
        fail("the contacts were not all imported");
    const std::int64_t opening = bench::monotonicNs();
    shell::openPeople();
    std::int64_t painted = 0;
    if (!waitForPaint(shell::kPeopleWindow, &painted))
        fail("the People window was never painted");
    std::printf("people_open_ms=%.3f\n", static_cast<double>(painted - opening) / 1e6);
    QWidget* window = shell::loadedWindow(shell::kPeopleWindow);
    auto* filter = window->findChild<QLineEdit*>(QStringLiteral("filter"));
    auto* list = window->findChild<QAbstractItemView*>(QStringLiteral("people"));
    for (const QString& typed : {QStringLiteral("k"), QStringLiteral("i"), QStringLiteral("m"),
                                 QStringLiteral("1"), QStringLiteral("2")}) {
        const std::int64_t key = bench::monotonicNs();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(filter, &press);
        list->viewport()->repaint();
        std::printf("filter_ms=%.3f\n", static_cast<double>(bench::monotonicNs() - key) / 1e6);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        fail("usage: dwellstar_bench_inprocess reading <repeats> | endurance <first> <last> | "
             "people <count>");
    QApplication application(argc, argv);
    startProgram();
    const QString mode = QString::fromLocal8Bit(argv[1]);
    if (mode == QLatin1String("reading")) {
        // Longer under valgrind, which slows the program and not the clock.
        if (argc >= 4)
            g_pauseMs = std::atoi(argv[3]);
        measureReading(std::atoi(argv[2]));
    } else if (mode == QLatin1String("people")) {
        measurePeople(std::atoi(argv[2]));
    } else if (mode == QLatin1String("endurance") && argc >= 4) {
        measureEndurance(std::atoi(argv[2]), std::atoi(argv[3]));
    } else {
        fail("unknown mode");
    }
    std::fflush(stdout);
    // Skips tearing the windows down; the figures are out.
    std::_Exit(0);
}
