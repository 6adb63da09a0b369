// SPDX-License-Identifier: MIT
#include "outreach/frm_nag_screen2.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

#include "forms/control_access.h"
#include "outreach/mod_tell_a_friend.h"
#include "platform/services.h"
#include "shell/event_hooks.h"
#include "shell/mod_help.h"
#include "shell/window_controls.h"
#include "shell/window_manager.h"
#include "site_config.h"

namespace outreach::frmNagScreen2 {

namespace {

struct ExitWindow {
    Q_DECLARE_TR_FUNCTIONS(ExitWindow)
};

struct Controls {
    std::array<QWidget*, 5> boxes{}; ///< in the order of the referral fields
    QAbstractButton* Check1 = nullptr;
    QLabel* Label2 = nullptr;
};

Controls lookUp(QWidget& window) {
    Controls controls{.Check1 = shell::need<QAbstractButton>(window, QStringLiteral("Check1")),
                      .Label2 = shell::need<QLabel>(window, QStringLiteral("Label2"))};
    const auto& fields = modTellAFriend::ReferralFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        controls.boxes.at(i) = shell::need<QWidget>(window, fields.at(i).box);
    return controls;
}

const Controls& controls() {
    static shell::WindowControls<Controls> current(shell::kExitWindow, lookUp);
    return current();
}

/// Each referral field with its box.
void forEachField(
    const std::function<void(const modTellAFriend::ReferralField&, QWidget*)>& visit) {
    const auto& fields = modTellAFriend::ReferralFields();
    const Controls& shown = controls();
    for (std::size_t i = 0; i < fields.size(); ++i)
        visit(fields.at(i), shown.boxes.at(i));
}

QString trimmedText(const QWidget* box) {
    return modTellAFriend::trimSpaces(forms::controlText(box));
}

void error(const QString& message) {
    platform::showMessage(message, platform::MessageIcon::Error);
}

/// Focus that leaves a control for another, not the whole window going inactive (a message
/// box, a menu, another program): only the former refills a box.
bool userMovedFocus(QEvent* event) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

/// The placeholder of each box in the language spoken, and what the program last put in it.
struct Placeholders {
    std::map<QWidget*, QString> texts;
    std::map<QWidget*, QString> putIn;
};

Placeholders& placeholders() {
    static Placeholders boxes;
    return boxes;
}

void putIn(QWidget* box, const QString& text) {
    forms::setControlText(box, text);
    placeholders().putIn[box] = forms::controlText(box);
}

/// Which appeal the window shows.
int g_appeal = 0;

/// Gaining and losing focus between the window's controls. Returning to the window is no gain;
/// a control clicked while the window was inactive gains the focus as the window activates,
/// when its focus event carries the activation as its reason.
void attachPlaceholders(QWidget& window) {
    struct Holder {
        QPointer<QWidget> control;
    };
    const auto holder = std::make_shared<Holder>();
    placeholders() = {};
    forEachField([](const modTellAFriend::ReferralField& field, QWidget* box) {
        placeholders().texts[box] = field.placeholder;
        placeholders().putIn[box] = forms::controlText(box);
    });
    const auto emptyIfPlaceholder = [](QWidget* control) {
        const auto it = placeholders().texts.find(control);
        if (it != placeholders().texts.end() &&
            modTellAFriend::trimSpaces(forms::controlText(control)) == it->second)
            putIn(control, QString());
    };
    const auto refillIfBlank = [](QWidget* control) {
        const auto it = placeholders().texts.find(control);
        if (it != placeholders().texts.end() &&
            modTellAFriend::trimSpaces(forms::controlText(control)).isEmpty())
            putIn(control, it->second);
    };
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        shell::onEvent(control, QEvent::FocusIn,
                       [control, holder, emptyIfPlaceholder, refillIfBlank](QEvent*) {
                           if (holder->control == control)
                               return false;
                           // Left while the window was inactive, so no focus-out was seen.
                           if (QWidget* previous = std::exchange(holder->control, control))
                               refillIfBlank(previous);
                           emptyIfPlaceholder(control);
                           return false;
                       });
        shell::onEvent(control, QEvent::FocusOut, [control, holder, refillIfBlank](QEvent* event) {
            if (!userMovedFocus(event) || holder->control != control)
                return false;
            holder->control = nullptr;
            refillIfBlank(control);
            return false;
        });
    }
}

void attachSpaceFilter(QWidget* box) {
    shell::onEvent(box, QEvent::KeyPress, [box](QEvent* event) {
        if (static_cast<QKeyEvent*>(event)->text() != QStringLiteral(" "))
            return false;
        error(ExitWindow::tr("Email Address Cannot Contain Space"));
        box->setFocus(Qt::OtherFocusReason);
        return true;
    });
}

} // namespace

std::array<QString, 4> appealTexts() {
    const QString site = QStringLiteral(DWELLSTAR_MAIN_HOST);
    //: %1 is the community site's address.
    return {{
        ExitWindow::tr("Our family of free programs can only be created and kept up with your "
                       "support. The best way to support us is to visit %1 regularly and take "
                       "part in the discussions and other activities on its board.")
            .arg(site),
        ExitWindow::tr("Please visit %1 regularly and support it by taking part in its "
                       "discussions and other activities. We cannot support and maintain these "
                       "programs unless our users visit the site regularly.")
            .arg(site),
        ExitWindow::tr("%1 is a free online discussion forum on astrology, tarot, numerology and "
                       "the occult. To help us develop and maintain this program, please visit "
                       "it regularly.")
            .arg(site),
        ExitWindow::tr("%1 needs your help. Visiting it regularly and taking part in its "
                       "discussions and activities helps us maintain it and develop more "
                       "programs like this one.")
            .arg(site),
    }};
}

int appealIndex(double r) {
    // Single precision, as the appeal was always picked; a value just below 1 rounds up to 1.
    const float scaled = static_cast<float>(r) * 4.0f;
    return std::clamp(static_cast<int>(std::floor(scaled)), 0, 3);
}

void attach(QWidget& window) {
    attachPlaceholders(window);
    forEachField([](const modTellAFriend::ReferralField& field, QWidget* box) {
        // What a request cannot carry is not taken in the first place.
        forms::setMaxLength(box, modTellAFriend::kMaxValueLength);
        if (field.refusesSpace)
            attachSpaceFilter(box);
    });
    shell::onButton(window, QStringLiteral("Check1"), Check1_Click);
    shell::onClick(window, QStringLiteral("lblGoToHome"), lblGoToHome_Click);
    shell::onButton(window, QStringLiteral("cmdSubmit"), cmdSubmit_Click);
    shell::onButton(window, QStringLiteral("cmdClose"), cmdClose_Click);
}

void Form_Load(QWidget& window) {
    platform::Services& services = platform::services();
    services.random->seed(services.clock->seed());
    g_appeal = appealIndex(services.random->next());
    forms::setControlText(controls().Label2, appealTexts().at(static_cast<std::size_t>(g_appeal)));
    // Above every other window, without taking the focus from the user's current one.
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window.setAttribute(Qt::WA_ShowWithoutActivating, true);
    shell::show(shell::kExitWindow);
}

void retranslate(QWidget& /*window*/) {
    forms::setControlText(controls().Label2, appealTexts().at(static_cast<std::size_t>(g_appeal)));
    // A box the user has not written in shows its placeholder in the new language.
    forEachField([](const modTellAFriend::ReferralField& field, QWidget* box) {
        const bool untouched = forms::controlText(box) == placeholders().putIn[box];
        placeholders().texts[box] = field.placeholder;
        if (untouched)
            putIn(box, field.placeholder);
    });
}

void Form_Unload(QWidget& /*window*/) {
    modHelp::UnloadAllAndEnd();
}

void Check1_Click() {
    QAbstractButton* check = controls().Check1;
    if (!check->isChecked())
        return;
    check->setChecked(false);
    modHelp::OpenHomePage();
}

void lblGoToHome_Click() {
    modHelp::OpenSoftwaresPage();
}

void cmdSubmit_Click() {
    modTellAFriend::Referral& details = modTellAFriend::ReferralDetails;
    forEachField([](const modTellAFriend::ReferralField& field, QWidget* box) {
        modTellAFriend::ReferralDetails.*field.value = trimmedText(box);
    });

    if (details.SenderEmail == details.FriendEmail) {
        error(ExitWindow::tr("Please Enter Distinct Email Addresses"));
        return;
    }
    const auto proper = [&](QChar mark) {
        return details.SenderEmail.contains(mark) && details.FriendEmail.contains(mark);
    };
    if (!proper(QLatin1Char('@')) || !proper(QLatin1Char('.'))) {
        error(ExitWindow::tr("Please Enter Proper Email Address"));
        return;
    }
    modTellAFriend::SubmitReferral();
}

void cmdClose_Click() {
    modHelp::UnloadAllAndEnd();
}

} // namespace outreach::frmNagScreen2

namespace outreach {

void registerExitWindow() {
    shell::registerWindow(forms::frmNagScreen2(),
                          {frmNagScreen2::attach, frmNagScreen2::Form_Load,
                           frmNagScreen2::Form_Unload, frmNagScreen2::retranslate,
                           /*buildAhead=*/true});
}

} // namespace outreach
