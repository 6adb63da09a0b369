// SPDX-License-Identifier: MIT
#include "platform/services.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/real_services.h"

namespace platform {

Services& services() {
    static Services current = realServices();
    return current;
}

void install(const Services& replacement) {
    Services& current = services();
    auto take = [](auto*& slot, auto* value) {
        if (value)
            slot = value;
    };
    take(current.dialogs, replacement.dialogs);
    take(current.urls, replacement.urls);
    take(current.settings, replacement.settings);
    take(current.instanceLock, replacement.instanceLock);
    take(current.clock, replacement.clock);
    take(current.random, replacement.random);
    take(current.process, replacement.process);
    take(current.files, replacement.files);
    take(current.printing, replacement.printing);
}

void showMessage(const QString& text, MessageIcon icon, const QString& caption) {
    services().dialogs->message(text, icon, caption);
}

Answer ask(const QString& question) {
    return services().dialogs->question(question, kApplicationTitle);
}

void openUrl(const QUrl& url) {
    services().urls->open(url);
}

QString saveFileName(const FileRequest& request) {
    return services().files->saveFileName(request);
}

QString openFileName(const FileRequest& request) {
    return services().files->openFileName(request);
}

bool print(const std::function<void(QPagedPaintDevice&)>& paint) {
    return services().printing->print(paint);
}

QString settingsApplicationName() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("kv-dwellstar") : name;
}

int randomWholeNumber(int n) {
    const double r = services().random->next();
    // A generator returning a value that rounds up to 1 must not yield n + 1.
    const int k = static_cast<int>(std::floor(r * n)) + 1;
    return std::clamp(k, 1, n);
}

} // namespace platform
