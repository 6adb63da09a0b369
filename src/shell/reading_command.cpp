// SPDX-License-Identifier: MIT
#include "shell/reading_command.h"

#include <QComboBox>
#include <QLineEdit>

#include "forms/control_access.h"
#include "forms/units.h"
#include "forms/picture_lists.h"
#include "platform/services.h"
#include "shell/window_manager.h"

namespace shell {

namespace {

QString fromStd(std::string_view text) {
    return forms::toQString(text);
}

void setText(const QString& name, std::string_view value) {
    if (QWidget* target = control(kResultWindow, name))
        forms::setControlText(target, fromStd(value));
}

/// A picture by position from one of the input window's lists; false if it has none there.
bool setPicture(const QString& target, const QString& list, int position) {
    auto* pictures = dynamic_cast<forms::PictureList*>(control(kInputWindow, list));
    QWidget* box = control(kResultWindow, target);
    if (!pictures || !box)
        return false;
    const QPixmap picture = pictures->picture(position);
    if (picture.isNull())
        return false;
    forms::setControlPicture(box, picture);
    return true;
}

QString swatchName(int position) {
    auto* pictures =
        dynamic_cast<forms::PictureList*>(control(kInputWindow, QStringLiteral("IMGColor")));
    QString key = pictures ? pictures->key(position) : QString();
    key.remove(QStringLiteral(".jpg"));
    return key.isEmpty() ? QStringLiteral("pink") : key;
}

void describe(const QString& name, const QString& accessibleName) {
    if (QWidget* target = control(kResultWindow, name))
        target->setAccessibleName(accessibleName);
}

std::int16_t position(const QString& listName) {
    const auto* list = qobject_cast<QComboBox*>(control(kInputWindow, listName));
    return static_cast<std::int16_t>(list ? list->currentIndex() : -1);
}

std::u16string entry(const QString& name) {
    return forms::controlText(control(kInputWindow, name)).toStdU16String();
}

} // namespace

reading::BirthDetails readBirthDetails() {
    reading::BirthDetails details;
    details.firstName = entry(QStringLiteral("txtFirstName"));
    details.middleName = entry(QStringLiteral("txtMiddleName"));
    details.lastName = entry(QStringLiteral("txtLastName"));
    details.day = position(QStringLiteral("cboDate"));
    details.month = position(QStringLiteral("cboMonth"));
    details.dayText = entry(QStringLiteral("cboDate"));
    details.monthText = entry(QStringLiteral("cboMonth"));
    details.yearText = entry(QStringLiteral("cboYear"));
    details.year = QString::fromStdU16String(details.yearText).toInt();
    return details;
}

void applyReading(const reading::Reading& result) {
    load(kResultWindow);
    setText(QStringLiteral("lblSunSign"), result.signName);
    const reading::SignProfile* profile = result.profile;
    if (!profile)
        return;
    setText(QStringLiteral("lblSunSignElement"), profile->element);
    setText(QStringLiteral("lblSunSignNumber"), profile->luckyNumbers);
    setText(QStringLiteral("lblSunSignDay"), profile->luckyDay);
    setText(QStringLiteral("lblSunSignCompatibility"), profile->compatibility);
    setText(QStringLiteral("lblSunSignBirthStone"), profile->birthstone);
    setText(QStringLiteral("txtSunSignPositiveTraits"), profile->positiveTraits);
    setText(QStringLiteral("txtSunSignNegativeTraits"), profile->negativeTraits);
    if (setPicture(QStringLiteral("picSunSign"), QStringLiteral("IMGSunsignList"),
                   profile->signPicture))
        describe(QStringLiteral("picSunSign"),
                 QStringLiteral("%1 emblem").arg(fromStd(profile->name)));
    setText(QStringLiteral("lblPreferredColors"), profile->preferredColors);
    if (setPicture(QStringLiteral("picColor"), QStringLiteral("IMGColor"), profile->colorSwatch))
        describe(QStringLiteral("picColor"),
                 QStringLiteral("%1 color swatch").arg(swatchName(profile->colorSwatch)));
    if (profile->colorText)
        setText(QStringLiteral("txtSunSignColorDesc"), profile->colorText->text);
    setText(QStringLiteral("lblRulingPlanet"), profile->rulingPlanet);
    if (profile->planetText)
        setText(QStringLiteral("txtSunSignRulingPlanetsDesc"), profile->planetText->text);
    setText(QStringLiteral("txtSunSignDesignStyleDesc"), reading::designStyleText(*profile));
}

void runReadingCommand() {
    const reading::ReadingOutcome outcome = reading::produceReading(readBirthDetails());
    if (const auto* broken = std::get_if<reading::RuleBreak>(&outcome)) {
        platform::showMessage(fromStd(broken->message));
        const std::string_view target = reading::focusControlName(broken->focus);
        if (!target.empty()) {
            if (QWidget* focus = control(kInputWindow, fromStd(target)))
                focus->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    applyReading(std::get<reading::Reading>(outcome));
    hide(kInputWindow);
    hide(kExitWindow);
    show(kResultWindow);
}

} // namespace shell
