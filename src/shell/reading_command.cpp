// SPDX-License-Identifier: MIT
#include "shell/reading_command.h"

#include "forms/control_access.h"
#include "forms/units.h"
#include "forms/picture_lists.h"
#include "platform/services.h"
#include "shell/frm_display.h"
#include "shell/frm_main.h"
#include "shell/window_controls.h"
#include "shell/window_manager.h"

namespace shell {

namespace {

QString fromStd(std::string_view text) {
    return forms::toQString(text);
}

void setText(QWidget* target, std::string_view value) {
    forms::setControlText(target, fromStd(value));
}

/// A picture by position from one of the input window's lists; false if it has none there.
bool setPicture(QLabel* target, const forms::PictureList* list, int position) {
    const QPixmap picture = list->picture(position);
    if (picture.isNull())
        return false;
    forms::setControlPicture(target, picture);
    return true;
}

QString swatchName(int position) {
    QString key = frmMain::controls().IMGColor->key(position);
    key.remove(QStringLiteral(".jpg"));
    return key.isEmpty() ? QStringLiteral("pink") : key;
}

std::u16string entry(const QWidget* control) {
    return forms::controlText(control).toStdU16String();
}

} // namespace

reading::BirthDetails readBirthDetails() {
    const frmMain::Controls& input = frmMain::controls();
    reading::BirthDetails details;
    details.firstName = entry(input.txtFirstName);
    details.middleName = entry(input.txtMiddleName);
    details.lastName = entry(input.txtLastName);
    details.day = static_cast<std::int16_t>(input.cboDate->currentIndex());
    details.month = static_cast<std::int16_t>(input.cboMonth->currentIndex());
    details.dayText = entry(input.cboDate);
    details.monthText = entry(input.cboMonth);
    details.yearText = entry(input.cboYear);
    details.year = QString::fromStdU16String(details.yearText).toInt();
    return details;
}

void applyReading(const reading::Reading& result) {
    const frmDisplay::Controls& to = frmDisplay::controls();
    setText(to.lblSunSign, result.signName);
    const reading::SignProfile* profile = result.profile;
    if (!profile)
        return;
    const frmMain::Controls& lists = frmMain::controls();
    setText(to.lblSunSignElement, profile->element);
    setText(to.lblSunSignNumber, profile->luckyNumbers);
    setText(to.lblSunSignDay, profile->luckyDay);
    setText(to.lblSunSignCompatibility, profile->compatibility);
    setText(to.lblSunSignBirthStone, profile->birthstone);
    setText(to.txtSunSignPositiveTraits, profile->positiveTraits);
    setText(to.txtSunSignNegativeTraits, profile->negativeTraits);
    if (setPicture(to.picSunSign, lists.IMGSunsignList, profile->signPicture))
        to.picSunSign->setAccessibleName(QStringLiteral("%1 emblem").arg(fromStd(profile->name)));
    setText(to.lblPreferredColors, profile->preferredColors);
    if (setPicture(to.picColor, lists.IMGColor, profile->colorSwatch))
        to.picColor->setAccessibleName(
            QStringLiteral("%1 color swatch").arg(swatchName(profile->colorSwatch)));
    if (profile->colorText)
        setText(to.txtSunSignColorDesc, profile->colorText->text);
    setText(to.lblRulingPlanet, profile->rulingPlanet);
    if (profile->planetText)
        setText(to.txtSunSignRulingPlanetsDesc, profile->planetText->text);
    setText(to.txtSunSignDesignStyleDesc, reading::designStyleText(*profile));
}

void runReadingCommand() {
    // Kept with the reading: the text of a copy names what the reading was made from.
    const reading::BirthDetails details = readBirthDetails();
    const reading::ReadingOutcome outcome = reading::produceReading(details);
    if (const auto* broken = std::get_if<reading::RuleBreak>(&outcome)) {
        platform::showMessage(fromStd(broken->message));
        const std::string_view target = reading::focusControlName(broken->focus);
        if (!target.empty())
            need<QWidget>(*load(kInputWindow), fromStd(target))->setFocus(Qt::OtherFocusReason);
        return;
    }
    applyReading(std::get<reading::Reading>(outcome));
    frmDisplay::keepReading(std::get<reading::Reading>(outcome), details);
    hide(kInputWindow);
    hide(kExitWindow);
    show(kResultWindow);
}

} // namespace shell
