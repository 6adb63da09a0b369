// SPDX-License-Identifier: MIT
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include <pwd.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "outreach/update_reminder.h"
#include "platform/real_services.h"
#include "shell/mod_help.h"
#include "support/fakes.h"

using namespace Qt::StringLiterals;
using platform::Answer;
using platform::MessageIcon;

Q_DECLARE_METATYPE(MessageIcon)
Q_DECLARE_METATYPE(Answer)

namespace {

constexpr int kDeadlineMs = 30000;

// Modes of the child process: the test executable run again with one of these first.
constexpr const char* kLockMode = "--take-instance-lock";
constexpr const char* kReadMode = "--read-setting";

/// Takes the real instance lock, says whether it got it, and holds it until stdin closes.
int lockChild() {
    const bool taken = platform::realServices().instanceLock->tryAcquire();
    std::puts(taken ? "taken" : "refused");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return taken ? 0 : 1;
}

/// Prints a stored setting as UTF-8 hex, read by a process of its own (no shared cache).
int readChild(char** argv) {
    const QString value = platform::realServices().settings->value(
        QString::fromUtf8(argv[2]), QString::fromUtf8(argv[3]),
        QString::fromUtf8(QByteArray::fromHex(argv[4])));
    std::puts(value.toUtf8().toHex().constData());
    return 0;
}

struct Child {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();

    bool start(const QStringList& arguments) {
        process->start(QCoreApplication::applicationFilePath(), arguments);
        return process->waitForStarted(kDeadlineMs);
    }
    QByteArray line() {
        while (!process->canReadLine()) {
            if (!process->waitForReadyRead(kDeadlineMs))
                return {};
        }
        return process->readLine().trimmed();
    }
    ~Child() {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(kDeadlineMs);
        }
    }
};

QString storedBySeparateProcess(const QString& application, const QString& section,
                                const QString& key) {
    Child child;
    if (!child.start({QString::fromLatin1(kReadMode), application, section,
                      QString::fromLatin1(key.toUtf8().toHex())}))
        return u"<no child>"_s;
    const QByteArray hex = child.line();
    child.process->waitForFinished(kDeadlineMs);
    return QString::fromUtf8(QByteArray::fromHex(hex));
}

/// A process id that nobody has any more: that of a child that has ended.
qint64 endedProcessId() {
    QProcess child;
    child.start(u"true"_s, QStringList());
    if (!child.waitForStarted(kDeadlineMs))
        return -1;
    const qint64 pid = child.processId();
    child.waitForFinished(kDeadlineMs);
    return pid;
}

QByteArray filledIn(QByteArray contents) {
    contents.replace("$pid", QByteArray::number(QCoreApplication::applicationPid()));
    if (contents.contains("$ended"))
        contents.replace("$ended", QByteArray::number(endedProcessId()));
    contents.replace("$host", QSysInfo::machineHostName().toUtf8());
    contents.replace("$app",
                     QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8());
    return contents;
}

/// Writes the file as if it had been written `ageSeconds` ago.
bool writeFile(const QString& path, const QByteArray& contents, int ageSeconds = 0) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(contents) == contents.size() && file.flush() &&
           file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds),
                            QFileDevice::FileModificationTime);
}

QString userName() {
    const passwd* entry = ::getpwuid(::getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

/// Inspects and answers the next real message box once its modal loop runs.
void answerNextBox(const std::function<void(QMessageBox&)>& inspect,
                   QMessageBox::StandardButton press) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, inspect, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        inspect(*box);
        if (QAbstractButton* button = box->button(press))
            button->click();
        else
            box->reject();
    });
    timer->start();
}

} // namespace

class TestRealServices : public QObject {
    Q_OBJECT

    QTemporaryDir m_runtime;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(!qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"));
        const QDir configHome(qEnvironmentVariable("XDG_CONFIG_HOME"));
        QVERIFY(configHome != QDir::home().filePath(u".config"_s));
        // Each run starts from an empty store.
        for (const QString& application :
             {platform::settingsApplicationName(), u"kv-dwellstar-store-test"_s})
            QFile::remove(configHome.filePath(application + u".conf"_s));
        // A lock folder of our own, inherited by the children.
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void settingsTravelThroughTheStore_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QString key = outreach::encodeSetting(u"Duration"_s);
        QTest::newRow("reminder date") << key << outreach::encodeSetting(u"2026-12-08"_s);
        QTest::newRow("empty") << key << QString();
        QTest::newRow("comma") << key << u"a,b"_s;
        QTest::newRow("variant look-alike") << key << u"@Variant(\\0\\0)"_s;
        QTest::newRow("ini syntax") << u"k=y;#[x]"_s << u"[Settings]\nk=v ; # \\"_s;
        QTest::newRow("spaces") << key << u"  padded  "_s;
        QTest::newRow("controls and C1") << u"\u0001\u0085"_s << u"\u0000\t\r\n\u0085\u009F"_s;
        QTest::newRow("beyond one byte") << key << u"\u00FF\u0100\u20AC\U0001F600"_s;
    }
    void settingsTravelThroughTheStore() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QString application = u"kv-dwellstar-store-test"_s;
        platform::SettingsStore& store = *platform::realServices().settings;
        store.setValue(application, u"Settings"_s, key, value);
        QCOMPARE(store.value(application, u"Settings"_s, key), value);
        QCOMPARE(storedBySeparateProcess(application, u"Settings"_s, key), value);
        QVERIFY(QFileInfo::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + u"/"_s + application +
                                  u".conf"_s));
        QCOMPARE(store.value(application, u"Settings"_s, u"missing"_s), QString());
        QCOMPARE(store.value(application, u"Other"_s, key), QString());
    }

    void reminderDateSurvivesRestarts() {
        testsupport::FakeServices fakes;
        platform::install({.settings = platform::realServices().settings});
        const QString application = platform::settingsApplicationName();
        const QString key = outreach::encodeSetting(u"Duration"_s);
        fakes.clock.date = QDate(2026, 12, 8);

        modHelp::RunUpdateReminder();
        QCOMPARE(storedBySeparateProcess(application, u"Settings"_s, key),
                 outreach::encodeSetting(u"2026-12-08"_s));
        fakes.clock.date = QDate(2026, 12, 22);
        modHelp::RunUpdateReminder();
        QVERIFY(fakes.dialogs.shown.empty());
        fakes.clock.date = QDate(2026, 12, 23);
        modHelp::RunUpdateReminder();
        QCOMPARE(fakes.dialogs.shown.size(), 1u);
        QCOMPARE(storedBySeparateProcess(application, u"Settings"_s, key),
                 outreach::encodeSetting(u"2026-12-23"_s));
    }

    void lockOfAKilledInstanceIsFree() {
        platform::InstanceLock& lock = *platform::realServices().instanceLock;
        Child first;
        QVERIFY(first.start({QString::fromLatin1(kLockMode)}));
        QCOMPARE(first.line(), "taken");
        QVERIFY(!lock.tryAcquire());
        QVERIFY(!lock.tryAcquire());

        first.process->kill(); // SIGKILL: no chance to clean up
        QVERIFY(first.process->waitForFinished(kDeadlineMs));
        QVERIFY(lock.tryAcquire());
        lock.release();
    }

    void secondInstanceIsRefusedUntilTheFirstEnds() {
        platform::InstanceLock& lock = *platform::realServices().instanceLock;
        QVERIFY(lock.tryAcquire());
        QVERIFY(lock.tryAcquire()); // asking again is harmless
        {
            Child second;
            QVERIFY(second.start({QString::fromLatin1(kLockMode)}));
            QCOMPARE(second.line(), "refused");
            second.process->closeWriteChannel();
            QVERIFY(second.process->waitForFinished(kDeadlineMs));
            QCOMPARE(second.process->exitCode(), 1);
        }
        lock.release();
        Child later;
        QVERIFY(later.start({QString::fromLatin1(kLockMode)}));
        QCOMPARE(later.line(), "taken");
        QVERIFY(!lock.tryAcquire());
        later.process->closeWriteChannel(); // ends normally and lets go
        QVERIFY(later.process->waitForFinished(kDeadlineMs));
        QCOMPARE(later.process->exitCode(), 0);
        QVERIFY(lock.tryAcquire());
        lock.release();
    }

    void lockThatCannotBeMadeRefusesNobody() {
        QTemporaryDir root;
        QFile blocker(root.filePath(u"file"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, blocker.fileName());
        environment.insert(u"TMPDIR"_s, blocker.fileName());
        Child child;
        child.process->setProcessEnvironment(environment);
        QVERIFY(child.start({QString::fromLatin1(kLockMode)}));
        QCOMPARE(child.line(), "taken");
    }

    void lockLeftBehind_data() {
        // In the contents, $pid, $ended, $host and $app stand for this process, a process that
        // has ended, this host and this program.
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("heldHere"); // by a lock of this running process, before the write
        QTest::addColumn<bool>("taken");
        QTest::newRow("empty: a crash before the owner was written") << ""_ba << false << true;
        QTest::newRow("garbage") << QByteArray("\0\xff not a lock\n\n", 16) << false << true;
        QTest::newRow("half a line") << "12"_ba << false << true;
        QTest::newRow("another host") << "$pid\n$app\nother-host.invalid\n"_ba << false << true;
        QTest::newRow("ended process of this host") << "$ended\n$app\n$host\n"_ba << false << true;
        QTest::newRow("running process of this host") << "$pid\n$app\n$host\n"_ba << false << false;
        QTest::newRow("running process, no host") << "$pid\n$app\n"_ba << false << false;
        QTest::newRow("held by a running instance") << ""_ba << true << false;
        QTest::newRow("held by a running instance, damaged") << "garbage"_ba << true << false;
    }
    void lockLeftBehind() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, heldHere);
        QFETCH(bool, taken);
        const QString path = m_runtime.filePath(u"kv-dwellstar.lock"_s);
        platform::InstanceLock& lock = *platform::realServices().instanceLock;
        QLockFile holder(path);
        const auto cleanUp = qScopeGuard([&] {
            lock.release();
            holder.unlock();
            QFile::remove(path);
        });
        if (heldHere)
            QVERIFY(holder.tryLock(0));
        if (!heldHere || !contents.isEmpty())
            QVERIFY(writeFile(path, filledIn(contents)));

        QCOMPARE(lock.tryAcquire(), taken);
        if (taken) {
            qint64 owner = 0;
            QVERIFY(QLockFile(path).getLockInfo(&owner, nullptr, nullptr));
            QCOMPARE(owner, QCoreApplication::applicationPid());
            lock.release();
            QVERIFY(!QFileInfo::exists(path));
        } else {
            QVERIFY(QFileInfo::exists(path)); // another's lock stays where it is
        }
    }

    void oneLockPerUserWhateverTheName_data() {
        QTest::addColumn<bool>("runtimeFolderUsable");
        QTest::newRow("in the runtime folder") << true;
        QTest::newRow("no usable runtime folder: the temporary folder") << false;
    }
    void oneLockPerUserWhateverTheName() {
        QFETCH(bool, runtimeFolderUsable);
        QTemporaryDir runtime;
        QTemporaryDir temp;
        QVERIFY(runtime.isValid() && temp.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        environment.insert(u"TMPDIR"_s, temp.path());
        QString expected = runtime.filePath(u"kv-dwellstar.lock"_s);
        if (!runtimeFolderUsable) {
            // Open to others: neither it nor the private one Qt would make in its place is used.
            const QString fallback = temp.filePath(u"runtime-"_s + userName());
            QVERIFY(QDir().mkdir(fallback));
            for (const QString& folder : {runtime.path(), fallback})
                QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner |
                                                          QFile::ExeOwner | QFile::ReadOther |
                                                          QFile::ExeOther));
            expected = temp.filePath(u"kv-dwellstar-%1.lock"_s.arg(::getuid()));
        }

        Child first;
        environment.insert(u"USER"_s, u"alice"_s);
        first.process->setProcessEnvironment(environment);
        QVERIFY(first.start({QString::fromLatin1(kLockMode)}));
        QCOMPARE(first.line(), "taken");
        QVERIFY2(QFileInfo::exists(expected), qPrintable(expected));

        Child second;
        environment.insert(u"USER"_s, u"bob"_s);
        second.process->setProcessEnvironment(environment);
        QVERIFY(second.start({QString::fromLatin1(kLockMode)}));
        QCOMPARE(second.line(), "refused");
    }

    void settingsLockOfAnotherWriter_data() {
        QTest::addColumn<QByteArray>("contents"); // as for the instance lock; empty: no lock file
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("heldHere");
        QTest::addColumn<bool>("written");
        const QByteArray foreign = "4242\nkv-dwellstar\nother-host.invalid\n"_ba;
        QTest::newRow("no lock") << QByteArray() << 0 << false << true;
        QTest::newRow("another host, just now") << foreign << 0 << false << false;
        QTest::newRow("another host, an hour ago") << foreign << 3600 << false << true;
        QTest::newRow("unreadable, just now") << "garbage"_ba << 0 << false << false;
        QTest::newRow("unreadable, an hour ago") << "garbage"_ba << 3600 << false << true;
        QTest::newRow("ended process of this host")
            << "$ended\n$app\n$host\n"_ba << 0 << false << true;
        QTest::newRow("held by a running writer") << QByteArray() << 0 << true << false;
    }
    void settingsLockOfAnotherWriter() {
        QFETCH(QByteArray, contents);
        QFETCH(int, ageSeconds);
        QFETCH(bool, heldHere);
        QFETCH(bool, written);
        const QString application = u"kv-dwellstar-store-test"_s;
        const QString path =
            qEnvironmentVariable("XDG_CONFIG_HOME") + u"/"_s + application + u".conf.lock"_s;
        platform::SettingsStore& store = *platform::realServices().settings;
        store.setValue(application, u"Settings"_s, u"k"_s, u"before"_s);
        QLockFile holder(path);
        const auto cleanUp = qScopeGuard([&] {
            holder.unlock();
            QFile::remove(path);
        });
        if (heldHere)
            QVERIFY(holder.tryLock(0));
        if (!contents.isEmpty())
            QVERIFY(writeFile(path, filledIn(contents), ageSeconds));

        QElapsedTimer timer;
        timer.start();
        store.setValue(application, u"Settings"_s, u"k"_s, u"after"_s);
        // Half a minute when the wait is not bounded.
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(storedBySeparateProcess(application, u"Settings"_s, u"k"_s),
                 written ? u"after"_s : u"before"_s);
        QCOMPARE(QFileInfo::exists(path), !written);
    }

    void boxes_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<QString>("text");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<bool>("topmostWindowOpen");
        QTest::addColumn<QMessageBox::StandardButton>("press");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("message") << false << u"Please Enter Your Name"_s << MessageIcon::Error
                                 << false << QMessageBox::Ok << Answer::No;
        QTest::newRow("message over the exit window")
            << false << u"Email Address Cannot Contain Space"_s << MessageIcon::Error << true
            << QMessageBox::Ok << Answer::No;
        QTest::newRow("information")
            << false << u"Application is already running"_s << MessageIcon::Information << false
            << QMessageBox::Ok << Answer::No;
        QTest::newRow("question, yes")
            << true << u"Update?\rCheck now?"_s << MessageIcon::Information << false
            << QMessageBox::Yes << Answer::Yes;
        QTest::newRow("question, no")
            << true << u"Update?\rCheck now?"_s << MessageIcon::Information << true
            << QMessageBox::No << Answer::No;
    }
    void boxes() {
        QFETCH(bool, question);
        QFETCH(QString, text);
        QFETCH(MessageIcon, icon);
        QFETCH(bool, topmostWindowOpen);
        QFETCH(QMessageBox::StandardButton, press);
        QFETCH(Answer, answer);
        QWidget topmost(nullptr, Qt::WindowStaysOnTopHint);
        if (topmostWindowOpen)
            topmost.show();

        QString shownText;
        QMessageBox::Icon shownIcon{};
        QString caption;
        QMessageBox::StandardButtons buttons;
        bool onTop = false;
        answerNextBox(
            [&](QMessageBox& box) {
                shownText = box.text();
                shownIcon = box.icon();
                caption = box.windowTitle();
                buttons = box.standardButtons();
                onTop = box.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            },
            press);
        platform::Dialogs& dialogs = *platform::realServices().dialogs;
        if (question)
            QCOMPARE(dialogs.question(text, u"KV Dwellstar"_s), answer);
        else
            dialogs.message(text, icon, u"KV Dwellstar"_s);

        QString lines = text;
        QCOMPARE(shownText, lines.replace(u'\r', u'\n'));
        QCOMPARE(shownIcon,
                 icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information);
        QCOMPARE(caption, u"KV Dwellstar"_s);
        QCOMPARE(buttons, question ? QMessageBox::Yes | QMessageBox::No
                                   : QMessageBox::StandardButtons(QMessageBox::Ok));
        // Otherwise the box may open behind the window that asked, out of the user's reach.
        QCOMPARE(onTop, topmostWindowOpen);
    }
};

int main(int argc, char** argv) {
    QTemporaryDir configHome;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path())); // never the user's own
    if (argc > 1 && std::strcmp(argv[1], kLockMode) == 0) {
        QCoreApplication application(argc, argv);
        return lockChild();
    }
    if (argc == 5 && std::strcmp(argv[1], kReadMode) == 0) {
        QCoreApplication application(argc, argv);
        return readChild(argv);
    }
    QApplication application(argc, argv);
    TestRealServices test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_real_services.moc"
