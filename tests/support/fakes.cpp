// SPDX-License-Identifier: MIT
#include "support/fakes.h"

#include <QPdfWriter>

namespace testsupport {

void FakeDialogs::message(const QString& text, platform::MessageIcon icon, const QString& caption) {
    shown.push_back({text, icon, caption, false});
    if (onShow)
        onShow(shown.back());
}

platform::Answer FakeDialogs::question(const QString& text, const QString& caption) {
    shown.push_back({text, platform::MessageIcon::Information, caption, true});
    if (onShow)
        onShow(shown.back());
    if (answers.empty())
        return platform::Answer::No;
    const platform::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList FakeDialogs::texts() const {
    QStringList result;
    for (const ShownMessage& m : shown)
        result << m.text;
    return result;
}

QStringList RecordingUrlOpener::addresses() const {
    QStringList result;
    for (const QUrl& url : opened)
        result << url.toString(QUrl::FullyEncoded);
    return result;
}

QString MemorySettings::value(const QString& application, const QString& section,
                              const QString& key) {
    const auto it = values.find({application, section, key});
    return it == values.end() ? QString() : it->second;
}

void MemorySettings::setValue(const QString& application, const QString& section,
                              const QString& key, const QString& value) {
    values[{application, section, key}] = value;
    ++writes;
}

double ScriptedRandom::next() {
    if (!values.empty()) {
        last = values.front();
        values.pop_front();
    }
    return last;
}

QString FakeFileDialogs::saveFileName(const platform::FileRequest& request) {
    asked.push_back(request);
    if (answers.empty())
        return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

bool PdfPrinting::print(const std::function<void(QPagedPaintDevice&)>& paint) {
    ++dialogs;
    if (!accept)
        return false;
    printed << m_folder.filePath(QStringLiteral("printed-%1.pdf").arg(dialogs));
    QPdfWriter printer(printed.back());
    paint(printer);
    return true;
}

FakeServices::FakeServices() : m_previous(platform::services()) {
    platform::services() = {&dialogs, &urls,    &settings, &instanceLock, &clock,
                            &random,  &process, &files,    &printing};
}

FakeServices::~FakeServices() {
    platform::services() = m_previous;
}

} // namespace testsupport
