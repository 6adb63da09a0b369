// SPDX-License-Identifier: MIT
#include "outreach/update_reminder.h"

#include <QCoreApplication>

#include "platform/services.h"
#include "shell/mod_help.h"

namespace outreach {

namespace {

constexpr char16_t kShift = 85;
constexpr int kSilentDays = 14;

} // namespace

QString encodeSetting(const QString& text) {
    QString stored(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        stored[i] = QChar(static_cast<char16_t>(text[i].unicode() + kShift));
    return stored;
}

QString decodeSetting(const QString& stored) {
    QString text(stored.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const char16_t code = stored[i].unicode();
        text[i] = code < kShift ? QChar(QChar::ReplacementCharacter)
                                : QChar(static_cast<char16_t>(code - kShift));
    }
    return text;
}

QString dateText(QDate date) {
    return date.toString(Qt::ISODate);
}

std::optional<QDate> parseDateText(const QString& text) {
    if (text.size() != 10)
        return std::nullopt;
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid() || dateText(date) != text)
        return std::nullopt;
    return date;
}

ReminderStep decideReminder(const QString& storedText, QDate today) {
    if (storedText.isEmpty())
        return ReminderStep::StoreFirstDate;
    const std::optional<QDate> stored = parseDateText(storedText);
    if (!stored)
        return ReminderStep::ReplaceInvalid;
    const qint64 days = today.daysTo(*stored);
    return days >= -kSilentDays && days <= kSilentDays ? ReminderStep::Silent : ReminderStep::Ask;
}

QString reminderQuestion() {
    return QCoreApplication::translate("UpdateReminder",
                                       "There maybe an update to this software available\rDo "
                                       "you want to check for an update?");
}

} // namespace outreach

namespace modHelp {

void RunUpdateReminder() {
    platform::Services& services = platform::services();
    const QString application = platform::settingsApplicationName();
    const QString key = outreach::encodeSetting(outreach::kReminderKey);
    const QString stored = outreach::decodeSetting(
        services.settings->value(application, outreach::kReminderSection, key));
    const QDate today = services.clock->today();
    auto rememberToday = [&] {
        services.settings->setValue(application, outreach::kReminderSection, key,
                                    outreach::encodeSetting(outreach::dateText(today)));
    };
    switch (outreach::decideReminder(stored, today)) {
    case outreach::ReminderStep::Silent:
        return;
    case outreach::ReminderStep::StoreFirstDate:
    case outreach::ReminderStep::ReplaceInvalid:
        rememberToday();
        return;
    case outreach::ReminderStep::Ask:
        break;
    }
    const platform::Answer answer =
        services.dialogs->question(outreach::reminderQuestion(), platform::kApplicationTitle);
    rememberToday();
    if (answer == platform::Answer::Yes)
        OpenDownloadPage();
}

} // namespace modHelp
