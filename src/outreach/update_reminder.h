// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QDate>
#include <QString>

namespace outreach {

/// Settings keys and values never stand in the store as they read: each character is shifted
/// by 85 on the way in and back on the way out.
QString encodeSetting(const QString& text);
/// Characters that cannot have come from encodeSetting read as U+FFFD.
QString decodeSetting(const QString& stored);

/// The reminder date as it is stored (before encoding): ISO text, the same in every locale.
QString dateText(QDate date);
/// Strict reading: exactly ten characters, a real date, written back to the same text.
std::optional<QDate> parseDateText(const QString& text);

enum class ReminderStep {
    StoreFirstDate, ///< nothing stored yet: remember today, ask nothing
    Silent,         ///< within 14 days either way
    Ask,            ///< more than 14 days away: ask, then remember today
    ReplaceInvalid  ///< the stored text is no date: remember today, ask nothing
};

ReminderStep decideReminder(const QString& storedText, QDate today);

inline const QString kReminderSection = QStringLiteral("Settings");
inline const QString kReminderKey = QStringLiteral("Duration");
/// The reminder's question, in the user's language; its two sentences split by a carriage
/// return.
QString reminderQuestion();

} // namespace outreach

// Beside the page openers by name, but made here, where the reminder's logic lives.
namespace modHelp {

/// Asks, at most once in 15 days, whether to look for an update.
void RunUpdateReminder();

} // namespace modHelp
