#pragma once

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

/// Written by the exit window's submit command, read by SubmitReferral.
extern Referral ReferralDetails;

/// The endpoint on the community site that receives referrals.
QString ReferralEndpoint();
/// This program's own site, sent along with every referral.
QString ProgramSite();

/// The endpoint with the six parameters; each value percent-encoded as UTF-8 so that any
/// character arrives as typed and no value can split or forge a parameter.
QString composeRequestAddress(const Referral& referral);

/// Checks ReferralDetails field by field; shows the first refusal, or composes the request
/// address and opens it.
void SubmitReferral();

/// Removes leading and trailing blanks only; tabs and line breaks stay.
QString trimSpaces(const QString& text);

} // namespace modTellAFriend
