// SPDX-License-Identifier: MIT
#include "outreach/mod_tell_a_friend.h"

#include <QCoreApplication>

#include "forms/design_text.h"
#include "forms/text_box.h"
#include "platform/services.h"
#include "site_config.h"

namespace modTellAFriend {

Referral ReferralDetails;

namespace {

struct ExitWindow {
    Q_DECLARE_TR_FUNCTIONS(ExitWindow)
};

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

std::array<ReferralField, 5> ReferralFields() {
    // The placeholders are the boxes' designed texts, translated as the designs are.
    const auto placeholder = [](const char* text) { return forms::designText(text); };
    return {{
        {&Referral::SenderName, QStringLiteral("txtName"),
         placeholder(QT_TRANSLATE_NOOP("Design", "Your Name")),
         ExitWindow::tr("Please Enter Your Name"), false},
        {&Referral::SenderEmail, QStringLiteral("txtEmail"),
         placeholder(QT_TRANSLATE_NOOP("Design", "Your Email Address")),
         ExitWindow::tr("Please Enter Your Email"), true},
        {&Referral::MessageText, QStringLiteral("txtMessage"),
         placeholder(QT_TRANSLATE_NOOP("Design", "Your Message")),
         ExitWindow::tr("Please Enter Your Message"), false},
        {&Referral::FriendName, QStringLiteral("txtFriendName"),
         placeholder(QT_TRANSLATE_NOOP("Design", "Friend's Name")),
         ExitWindow::tr("Please Enter Your Friend's Name"), false},
        {&Referral::FriendEmail, QStringLiteral("txtFriendEmail"),
         placeholder(QT_TRANSLATE_NOOP("Design", "Friend's Email Address")),
         ExitWindow::tr("Please Enter Your Friend's Email"), true},
    }};
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
