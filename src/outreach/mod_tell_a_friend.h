// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include <QString>
#include <QUrl>

// The refer-a-friend request.

namespace modTellAFriend {

struct Referral {
    QString SenderName;
    QString SenderEmail;
    QString MessageText;
    QString FriendName;
    QString FriendEmail;
    QString RequestAddress; ///< of the last successful submission
};

/// The most characters of a value that a request carries. The browser launcher silently drops
/// an address over 128 KiB; encoded at up to nine characters for each one typed, five values of
/// this length stay under half of that.
inline constexpr int kMaxValueLength = 1400;

/// Written by the exit window's submit command, read by SubmitReferral.
extern Referral ReferralDetails;

/// Which of a Referral's values a form box fills.
using ReferralValue = QString Referral::*;

/// One box of the form: the value it fills, the placeholder it shows while empty, and the
/// message that refuses it when left empty.
struct ReferralField {
    ReferralValue value;
    QString box;
    QString placeholder;
    QString missingMessage;
    bool refusesSpace; ///< the e-mail boxes
};

/// The form's boxes in the order they are checked, in the user's language.
std::array<ReferralField, 5> ReferralFields();

/// The endpoint on the community site that receives referrals.
QString ReferralEndpoint();
/// This program's own site, sent along with every referral.
QString ProgramSite();

/// The endpoint with the six parameters; each value percent-encoded as UTF-8 so that any
/// character arrives as typed and no value can split or forge a parameter, and cut to its
/// first 1,400 characters so that the address can always be opened.
QString composeRequestAddress(const Referral& referral);

/// Checks ReferralDetails field by field; shows the first refusal, or composes the request
/// address and opens it.
void SubmitReferral();

/// Removes leading and trailing blanks only; tabs and line breaks stay.
QString trimSpaces(const QString& text);

} // namespace modTellAFriend
