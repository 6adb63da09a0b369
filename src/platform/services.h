// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include <QDate>
#include <QString>
#include <QStringList>
#include <QUrl>

class QPagedPaintDevice;

// Everything that touches the world outside the program goes through one of these.

namespace platform {

inline const QString kApplicationTitle = QStringLiteral("KV Dwellstar");

enum class MessageIcon { Information, Error };
enum class Answer { Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    /// Modal box with one OK button; returns when the user has closed it.
    virtual void message(const QString& text, MessageIcon icon, const QString& caption) = 0;
    /// Modal question with the information icon and Yes and No.
    virtual Answer question(const QString& text, const QString& caption) = 0;
};

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    /// Hands the address to the default browser; returns at once, never reports.
    virtual void open(const QUrl& url) = 0;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    /// Empty text when the key is missing.
    virtual QString value(const QString& application, const QString& section,
                          const QString& key) = 0;
    /// Silent when the store cannot be written.
    virtual void setValue(const QString& application, const QString& section, const QString& key,
                          const QString& value) = 0;
};

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    /// False while another instance of the program holds the lock.
    virtual bool tryAcquire() = 0;
    virtual void release() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
    /// A value that changes from start to start, for seeding the random generator.
    virtual quint64 seed() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(quint64 value) = 0;
    /// A number r with 0 <= r < 1.
    virtual double next() = 0;
};

class ProcessEnd {
public:
    virtual ~ProcessEnd() = default;
    /// Ends the process at once; the test implementation records the call and returns.
    virtual void end() = 0;
};

/// What a file dialog is asked: its caption, the folder it opens in, the name it proposes, its
/// file type filters and the suffix it adds to a name typed without one (saving only).
struct FileRequest {
    QString caption;
    QString folder;
    QString proposedName;
    QStringList filters;
    QString defaultSuffix;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    /// Modal; the chosen path, or an empty one when the user cancelled. The dialog asks before
    /// it names a file that exists.
    virtual QString saveFileName(const FileRequest& request) = 0;
    /// Modal; the file chosen to open, or an empty path when the user cancelled.
    virtual QString openFileName(const FileRequest& request) = 0;
};

class Printing {
public:
    virtual ~Printing() = default;
    /// Shows the print dialog and, if the user prints, lets `paint` draw on the chosen printer.
    /// False when the user cancelled.
    virtual bool print(const std::function<void(QPagedPaintDevice&)>& paint) = 0;
};

struct Services {
    Dialogs* dialogs = nullptr;
    UrlOpener* urls = nullptr;
    SettingsStore* settings = nullptr;
    InstanceLock* instanceLock = nullptr;
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    ProcessEnd* process = nullptr;
    FileDialogs* files = nullptr;
    Printing* printing = nullptr;
};

/// The services in use; the real ones unless a test installed others.
Services& services();

/// Replaces the services in use (tests); null members keep the current service.
void install(const Services& replacement);

/// Shorthands used across the program.
void showMessage(const QString& text, MessageIcon icon = MessageIcon::Information,
                 const QString& caption = kApplicationTitle);
/// A question with Yes and No, captioned with the application title.
Answer ask(const QString& question);
void openUrl(const QUrl& url);
QString saveFileName(const FileRequest& request);
QString openFileName(const FileRequest& request);
bool print(const std::function<void(QPagedPaintDevice&)>& paint);
/// The application name the settings are kept under: the executable's file name without
/// extension.
QString settingsApplicationName();
/// A whole number from 1 to n, each equally likely, from the process-wide generator.
int randomWholeNumber(int n);

} // namespace platform
