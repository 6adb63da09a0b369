// SPDX-License-Identifier: MIT
#include "outreach/mod_tell_a_friend.h"

#include "forms/text_box.h"
#include "platform/services.h"
#include "site_config.h"

namespace modTellAFriend {

Referral ReferralDetails;

namespace {

void error(const QString& message) {
    platform::showMessage(message, platform::MessageIcon::Error);
}

void OpenReferralAddress() {
    platform::openUrl(QUrl(ReferralDetails.RequestAddress, QUrl::StrictMode));
}

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(forms::leftWhole(value, kMaxValueLength)));
}

} // namespace

const std::array<ReferralField, 5>& ReferralFields() {
    static const std::array<ReferralField, 5> fields = {{
        {&Referral::SenderName, QStringLiteral("txtName"), QStringLiteral("Your Name"),
         QStringLiteral("Please Enter Your Name"), false},
        {&Referral::SenderEmail, QStringLiteral("txtEmail"), QStringLiteral("Your Email Address"),
         QStringLiteral("Please Enter Your Email"), true},
        {&Referral::MessageText, QStringLiteral("txtMessage"), QStringLiteral("Your Message"),
         QStringLiteral("Please Enter Your Message"), false},
        {&Referral::FriendName, QStringLiteral("txtFriendName"), QStringLiteral("Friend's Name"),
         QStringLiteral("Please Enter Your Friend's Name"), false},
        {&Referral::FriendEmail, QStringLiteral("txtFriendEmail"),
         QStringLiteral("Friend's Email Address"),
         QStringLiteral("Please Enter Your Friend's Email"), true},
    }};
    return fields;
}

QString ReferralEndpoint() {
    return QStringLiteral(DWELLSTAR_MAIN_SITE "/kvvs-refer-a-friend.php");
}

QString ProgramSite() {
    return QStringLiteral(DWELLSTAR_PRODUCT_SITE "/");
}

QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString composeRequestAddress(const Referral& r) {
    return ReferralEndpoint() + QStringLiteral("?taf1=") + encoded(r.SenderName) +
           QStringLiteral("&taf2=") + encoded(r.SenderEmail) + QStringLiteral("&taf3=") +
           encoded(r.MessageText) + QStringLiteral("&taf4=") + encoded(r.FriendName) +
           QStringLiteral("&taf5=") + encoded(r.FriendEmail) + QStringLiteral("&taf6=") +
           encoded(ProgramSite());
}

void SubmitReferral() {
    for (const ReferralField& field : ReferralFields()) {
        const QString& value = ReferralDetails.*field.value;
        if (value.isEmpty() || value == field.placeholder) {
            error(field.missingMessage);
            return;
        }
    }
    ReferralDetails.RequestAddress = composeRequestAddress(ReferralDetails);
    OpenReferralAddress();
}

} // namespace modTellAFriend
