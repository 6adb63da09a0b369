// SPDX-License-Identifier: MIT
#include "shell/reading_command.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include <QCoreApplication>
#include <QPointer>

#include "forms/control_access.h"
#include "forms/picture_lists.h"
#include "forms/units.h"
#include "language/language.h"
#include "platform/services.h"
#include "reading/sun_sign.h"
#include "shell/frm_display.h"
#include "shell/frm_main.h"
#include "shell/window_controls.h"
#include "shell/window_manager.h"

namespace shell {

namespace {

/// A value of the engine, in the user's language.
void setText(QWidget* target, std::string_view value) {
    forms::setControlText(target, language::readingWord(value));
}

/// A picture by position from one of the picture lists; false if the list has none there.
bool setPicture(QLabel* target, const forms::PictureList& list, int position) {
    const QPixmap picture = list.picture(position);
    if (picture.isNull())
        return false;
    forms::setControlPicture(target, picture);
    return true;
}

// The swatches' colours in list order, as a screen reader names them.
constexpr std::array<const char*, 15> kSwatchColors = {
    QT_TRANSLATE_NOOP("ResultWindow", "blue"),   QT_TRANSLATE_NOOP("ResultWindow", "coral"),
    QT_TRANSLATE_NOOP("ResultWindow", "gold"),   QT_TRANSLATE_NOOP("ResultWindow", "green"),
    QT_TRANSLATE_NOOP("ResultWindow", "indigo"), QT_TRANSLATE_NOOP("ResultWindow", "magenta"),
    QT_TRANSLATE_NOOP("ResultWindow", "olive"),  QT_TRANSLATE_NOOP("ResultWindow", "orange"),
    QT_TRANSLATE_NOOP("ResultWindow", "red"),    QT_TRANSLATE_NOOP("ResultWindow", "turquoise"),
    QT_TRANSLATE_NOOP("ResultWindow", "violet"), QT_TRANSLATE_NOOP("ResultWindow", "yellow"),
    QT_TRANSLATE_NOOP("ResultWindow", "pink"),   QT_TRANSLATE_NOOP("ResultWindow", "white"),
    QT_TRANSLATE_NOOP("ResultWindow", "brown")};

QString swatchName(int position) {
    const auto at = static_cast<std::size_t>(position - 1);
    return at < kSwatchColors.size()
               ? QCoreApplication::translate("ResultWindow", kSwatchColors.at(at))
               : QString();
}

std::u16string entry(const QWidget* control) {
    return forms::controlText(control).toStdU16String();
}

/// What the result window built ahead shows: the reading of the date chosen at the time.
struct FilledAhead {
    QPointer<QWidget> window;
    std::string signName;
};

FilledAhead& filledAhead() {
    static FilledAhead filled;
    return filled;
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

void applyReading(const reading::Reading& result, const frmDisplay::Controls& to,
                  const forms::PictureList& signs, const forms::PictureList& colors) {
    setText(to.lblSunSign, result.signName);
    const reading::SignProfile* profile = result.profile;
    if (!profile)
        return;
    setText(to.lblSunSignElement, profile->element);
    setText(to.lblSunSignNumber, profile->luckyNumbers);
    setText(to.lblSunSignDay, profile->luckyDay);
    setText(to.lblSunSignCompatibility, profile->compatibility);
    setText(to.lblSunSignBirthStone, profile->birthstone);
    setText(to.txtSunSignPositiveTraits, profile->positiveTraits);
    setText(to.txtSunSignNegativeTraits, profile->negativeTraits);
    if (setPicture(to.picSunSign, signs, profile->signPicture))
        to.picSunSign->setAccessibleName(QCoreApplication::translate("ResultWindow", "%1 emblem")
                                             .arg(language::readingWord(profile->name)));
    setText(to.lblPreferredColors, profile->preferredColors);
    if (setPicture(to.picColor, colors, profile->colorSwatch))
        to.picColor->setAccessibleName(
            QCoreApplication::translate("ResultWindow", "%1 color swatch")
                .arg(swatchName(profile->colorSwatch)));
    if (profile->colorText)
        setText(to.txtSunSignColorDesc, profile->colorText->text);
    setText(to.lblRulingPlanet, profile->rulingPlanet);
    if (profile->planetText)
        setText(to.txtSunSignRulingPlanetsDesc, profile->planetText->text);
    forms::setControlText(to.txtSunSignDesignStyleDesc,
                          QString::fromStdString(reading::designStyleText(
                              *profile, "\r\n", language::wording().text)));
}

void applyReading(const reading::Reading& result) {
    const frmMain::Controls& lists = frmMain::controls();
    const frmDisplay::Controls& to = frmDisplay::controls();
    // Filled ahead with this very reading: only the names are new, and the window shows none.
    const FilledAhead filled = std::exchange(filledAhead(), {});
    if (filled.window && filled.window == loadedWindow(kResultWindow) &&
        filled.signName == result.signName)
        return;
    applyReading(result, to, *lists.IMGSunsignList, *lists.IMGColor);
}

void fillAhead(QWidget& window) {
    filledAhead() = {};
    if (!loadedWindow(kInputWindow))
        return;
    const frmMain::Controls& input = frmMain::controls();
    const std::optional<reading::SunSign> sign =
        reading::signForPositions(input.cboMonth->currentIndex(), input.cboDate->currentIndex());
    if (!sign)
        return;
    reading::Reading ahead;
    ahead.signName = std::string(reading::signName(*sign));
    ahead.profile = reading::lookUpProfile(ahead.signName);
    applyReading(ahead, frmDisplay::lookUp(window), *input.IMGSunsignList, *input.IMGColor);
    drawAhead(window);
    filledAhead() = {&window, ahead.signName};
}

void refillAhead() {
    // Once the pick has settled: running through a list draws the window once, not per step.
    static bool queued = false;
    if (queued || !builtAhead(kResultWindow))
        return;
    queued = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            queued = false;
            if (QWidget* window = builtAhead(kResultWindow))
                fillAhead(*window);
        },
        Qt::QueuedConnection);
}

void runReadingCommand() {
    // Kept with the reading: the text of a copy names what the reading was made from.
    const reading::BirthDetails details = readBirthDetails();
    const reading::ReadingOutcome outcome = reading::produceReading(details);
    if (const auto* broken = std::get_if<reading::RuleBreak>(&outcome)) {
        platform::showMessage(language::readingWord(broken->message));
        const std::string_view target = reading::focusControlName(broken->focus);
        if (!target.empty())
            need<QWidget>(*load(kInputWindow), forms::toQString(target))
                ->setFocus(Qt::OtherFocusReason);
        return;
    }
    applyReading(std::get<reading::Reading>(outcome));
    frmDisplay::keepReading(std::get<reading::Reading>(outcome), details);
    hide(kInputWindow);
    hide(kExitWindow);
    show(kResultWindow);
}

} // namespace shell
