// SPDX-License-Identifier: MIT
#include "platform/real_services.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include <unistd.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QLockFile>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>

#include "platform/printing_module.h"

namespace platform {

namespace {

constexpr int kSettingsLockWaitMs = 500;

QString forDisplay(QString text) {
    // A lone carriage return is a line break to the user.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

/// A box without an owner would open beneath a window that stays on top (the exit window),
/// hidden from the user while it blocks the program.
void keepAboveTopmostWindows(QMessageBox& box) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool topmostOpen = std::any_of(windows.begin(), windows.end(), [&box](QWidget* w) {
        return w != &box && w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
    if (topmostOpen)
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

class RealDialogs final : public Dialogs {
public:
    void message(const QString& text, MessageIcon icon, const QString& caption) override {
        QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical
                                                   : QMessageBox::Information,
                        caption, forDisplay(text), QMessageBox::Ok);
        box.setObjectName(QStringLiteral("messageBox"));
        keepAboveTopmostWindows(box);
        box.exec();
    }
    Answer question(const QString& text, const QString& caption) override {
        QMessageBox box(QMessageBox::Information, caption, forDisplay(text),
                        QMessageBox::Yes | QMessageBox::No);
        box.setObjectName(QStringLiteral("questionBox"));
        keepAboveTopmostWindows(box);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
};

class RealUrlOpener final : public UrlOpener {
public:
    void open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

/// QSettings waits without limit for the lock file beside the settings file, and one left by
/// another host goes stale only by age, after half a minute. Start-up waits on that for a moment
/// at most: a store it cannot have is treated as one that cannot be written.
bool settingsLockFree(const QString& settingsFile) {
    QLockFile probe(settingsFile + QStringLiteral(".lock"));
    if (probe.tryLock(kSettingsLockWaitMs))
        return true; // let go when the probe goes, just before QSettings takes it
    // One that cannot be made does not hold QSettings up either; it fails on its own.
    return probe.error() != QLockFile::LockFailedError;
}

class RealSettingsStore final : public SettingsStore {
public:
    QString value(const QString& application, const QString& section, const QString& key) override {
        // Reading takes no lock.
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application);
        settings.beginGroup(section);
        return settings.value(key).toString();
    }
    void setValue(const QString& application, const QString& section, const QString& key,
                  const QString& value) override {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application);
        if (!settingsLockFree(settings.fileName()))
            return;
        settings.beginGroup(section);
        settings.setValue(key, value);
        settings.endGroup();
        // The process ends without running destructors, so write now.
        settings.sync();
    }
};

QString instanceLockPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime + QStringLiteral("/kv-dwellstar.lock"); // a folder of this user's own
    // The temporary folder is everybody's: one name per user, and not one the environment picks.
    return QDir::tempPath() + QStringLiteral("/kv-dwellstar-") + QString::number(::getuid()) +
           QStringLiteral(".lock");
}

bool processRuns(qint64 pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

class RealInstanceLock final : public InstanceLock {
public:
    bool tryAcquire() override {
        if (!m_lock) {
            m_lock = std::make_unique<QLockFile>(instanceLockPath());
            // Never stale by age: an instance may run for days.
            m_lock->setStaleLockTime(0);
        }
        if (m_lock->isLocked() || m_lock->tryLock(0))
            return true;
        // Only a lock held by a running instance refuses; one that cannot be made (no
        // writable folder) must not keep the program from ever starting.
        if (m_lock->error() != QLockFile::LockFailedError)
            return true;
        // The lock of a dead owner on this host is gone by now. What is left names a process
        // that runs, or tells nothing that can be checked: empty (a crash before the owner
        // was written), damaged, or from another host.
        qint64 pid = 0;
        QString host;
        if (m_lock->getLockInfo(&pid, &host, nullptr) &&
            (host.isEmpty() || host == QSysInfo::machineHostName()) && processRuns(pid))
            return false;
        // A running owner still holds the file's native lock, and then removal fails.
        if (!m_lock->removeStaleLockFile())
            return false;
        return m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError;
    }
    void release() override {
        if (m_lock)
            m_lock->unlock();
    }

private:
    std::unique_ptr<QLockFile> m_lock;
};

class RealClock final : public Clock {
public:
    QDate today() override { return QDate::currentDate(); }
    quint64 seed() override {
        return static_cast<quint64>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
    }
};

class RealRandom final : public RandomSource {
public:
    void seed(quint64 value) override { m_engine.seed(value); }
    double next() override {
        // 53 random bits scaled below 1: never 1.0, unlike some real distributions.
        return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
    }

private:
    std::mt19937_64 m_engine{5489u};
};

class RealFileDialogs final : public FileDialogs {
public:
    QString saveFileName(const FileRequest& request) override {
        QFileDialog dialog(QApplication::activeWindow(), request.caption,
                           QDir(request.folder).filePath(request.proposedName),
                           request.filters.join(QStringLiteral(";;")));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // Added before the dialog asks about an existing file, so that it asks about this one.
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
    QString openFileName(const FileRequest& request) override {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.caption,
                                            request.folder,
                                            request.filters.join(QStringLiteral(";;")));
    }
};

/// The printing module: beside the program in its build, in its own library folder installed.
PrintEntry loadPrinting(QString* why) {
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& path : {folder + QStringLiteral("/" DWELLSTAR_PRINTING_MODULE),
                                folder + QStringLiteral("/" DWELLSTAR_PRINTING_INSTALLED
                                                        "/" DWELLSTAR_PRINTING_MODULE)}) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path);
        if (const auto entry = reinterpret_cast<PrintEntry>(module.resolve(kPrintEntryName)))
            return entry;
        *why = module.errorString();
        return nullptr;
    }
    *why = QStringLiteral(DWELLSTAR_PRINTING_MODULE " is missing");
    return nullptr;
}

class RealPrinting final : public Printing {
public:
    bool print(const PagePainter& paint) override {
        QString why;
        static const PrintEntry entry = loadPrinting(&why);
        if (!entry) {
            if (!why.isEmpty())
                std::fprintf(stderr, "%s\n", qPrintable(why));
            showMessage(
                QCoreApplication::translate("CommandLine", "The reading could not be printed."),
                MessageIcon::Error);
            return false;
        }
        return entry(&paint);
    }
};

std::vector<std::function<void()>>& endHooks() {
    static std::vector<std::function<void()>> hooks;
    return hooks;
}

class RealProcessEnd final : public ProcessEnd {
public:
    void end() override {
        for (const auto& hook : endHooks())
            hook();
        std::fflush(nullptr);
        std::_Exit(0);
    }
};

} // namespace

void addEndHook(std::function<void()> hook) {
    endHooks().push_back(std::move(hook));
}

Services realServices() {
    static RealDialogs dialogs;
    static RealUrlOpener urls;
    static RealSettingsStore settings;
    static RealInstanceLock lock;
    static RealClock clock;
    static RealRandom random;
    static RealProcessEnd process;
    static RealFileDialogs files;
    static RealPrinting printing;
    return {&dialogs, &urls, &settings, &lock, &clock, &random, &process, &files, &printing};
}

} // namespace platform
