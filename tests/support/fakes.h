// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

#include <QTemporaryDir>

#include "platform/services.h"

namespace testsupport {

struct ShownMessage {
    QString text;
    platform::MessageIcon icon;
    QString caption;
    bool question = false;
};

/// Records every box and answers questions from a queue (No when the queue is empty).
class FakeDialogs final : public platform::Dialogs {
public:
    void message(const QString& text, platform::MessageIcon icon, const QString& caption) override;
    platform::Answer question(const QString& text, const QString& caption) override;

    std::vector<ShownMessage> shown;
    std::deque<platform::Answer> answers;
    /// Runs while a box is "open", for tests that look at the windows at that moment.
    std::function<void(const ShownMessage&)> onShow;

    QStringList texts() const;
    void clear() { shown.clear(); }
};

class RecordingUrlOpener final : public platform::UrlOpener {
public:
    void open(const QUrl& url) override { opened.push_back(url); }
    std::vector<QUrl> opened;
    QStringList addresses() const;
};

/// A settings store in memory; never touches the user's real settings.
class MemorySettings final : public platform::SettingsStore {
public:
    QString value(const QString& application, const QString& section, const QString& key) override;
    void setValue(const QString& application, const QString& section, const QString& key,
                  const QString& value) override;

    std::map<std::tuple<QString, QString, QString>, QString> values;
    int writes = 0;
};

class FakeInstanceLock final : public platform::InstanceLock {
public:
    bool tryAcquire() override { return !heldElsewhere; }
    void release() override {}
    bool heldElsewhere = false;
};

class FixedClock final : public platform::Clock {
public:
    QDate today() override { return date; }
    quint64 seed() override { return ++seeds; }
    QDate date{2026, 12, 8};
    quint64 seeds = 0;
};

/// Returns scripted numbers, then repeats the last one.
class ScriptedRandom final : public platform::RandomSource {
public:
    void seed(quint64 value) override { seeded.push_back(value); }
    double next() override;
    std::deque<double> values;
    double last = 0.0;
    std::vector<quint64> seeded;
};

class RecordingProcessEnd final : public platform::ProcessEnd {
public:
    void end() override { ++ends; }
    int ends = 0;
};

/// Records what each file dialog was asked, to save or to open, and answers from a queue (cancel
/// when it is empty).
class FakeFileDialogs final : public platform::FileDialogs {
public:
    QString saveFileName(const platform::FileRequest& request) override;
    QString openFileName(const platform::FileRequest& request) override {
        return saveFileName(request);
    }
    std::vector<platform::FileRequest> asked;
    std::deque<QString> answers;
};

/// Prints into PDF files in a temporary folder while `accept` is set, as a user who confirms
/// the print dialog; counts the dialogs shown.
class PdfPrinting final : public platform::Printing {
public:
    bool print(const std::function<void(QPagedPaintDevice&)>& paint) override;
    bool accept = true;
    int dialogs = 0;
    QStringList printed; ///< the files printed into, oldest first

private:
    QTemporaryDir m_folder;
};

/// One set of fakes, installed for the lifetime of the object.
struct FakeServices {
    FakeServices();
    ~FakeServices();
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    FakeDialogs dialogs;
    RecordingUrlOpener urls;
    MemorySettings settings;
    FakeInstanceLock instanceLock;
    FixedClock clock;
    ScriptedRandom random;
    RecordingProcessEnd process;
    FakeFileDialogs files;
    PdfPrinting printing;

private:
    platform::Services m_previous;
};

} // namespace testsupport
